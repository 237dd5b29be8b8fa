#pragma once

#include "app/Form1.h"
#include "support/AppFolder.h"
#include "ui/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace velmora::test {

// A window over a fresh application folder, on a virtual clock, with recorded message boxes.
// Tests click controls and advance time as a player and the timers would.
class GameTest : public ::testing::Test {
protected:
    GameTest() : platform(folder.path()), form(std::make_unique<Form1>(platform)) {}

    // Runs the window's load (opens the database, fills the lists, shows the title menu).
    void load() { form->Form_Load(); }
    // Clicks like a player; fails the test when the player could not have clicked it.
    void click(const std::string& name, int index = -1) {
        ASSERT_TRUE(form->window().click(name, index)) << "cannot click " << name << " " << index;
    }
    // Moves virtual time on, delivering every due timer tick in order.
    void advance(long long ms) {
        const long long target = platform.nowMs() + ms;
        platform.setNow(target);
        form->window().runDueTimers(target);
    }
    Control& c(const std::string& name, int index = -1) { return form->c(name, index); }

    AppFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;
};

} // namespace velmora::test
