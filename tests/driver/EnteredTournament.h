#pragma once

#include "CareerQueries.h"
#include "DriverProcess.h"

#include "support/AppFolder.h"
#include "support/WorldBuilder.h"

#include <functional>
#include <memory>
#include <string>

namespace velmora::test {

// The set-up every driver scenario of a whole tournament shares: a fresh world at the week of one
// event, the game loaded in velmora-driver, the career opened and the event entered on the
// dashboard, with the table not yet started.
class EnteredTournament {
  public:
    // `draws`: numbers of the random sequence the load skips ("nummag"), to play the same event from
    // another point of it.
    explicit EnteredTournament(const CalendarEvent& event, long draws = 0);

    DriverProcess& driver() { return *m_driver; }
    const CalendarEvent& event() const { return m_event; }
    const WorldOptions& world() const { return m_world; }
    // The dashboard slot the event is listed at.
    int slot() const { return m_slot; }

    // Plays the started tournament with the game's scripted player (the mouse), calling beforeStep
    // before each half-second step and afterTable as each of his tables closes.
    void playScripted(const std::function<void()>& beforeStep, const std::function<void()>& afterTable = {});
    // The human's stored place in the event, once the prize board is closed; 0 when none.
    int storedPlace();
    // The event of the shipped calendar with this name.
    static CalendarEvent named(const std::string& name);

  private:
    AppFolder m_folder;
    CalendarEvent m_event;
    WorldOptions m_world;
    std::unique_ptr<DriverProcess> m_driver;
    int m_slot = -1;
};

} // namespace velmora::test
