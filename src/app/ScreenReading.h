#pragma once

#include "ui/Accessible.h"

#include <array>
#include <string>

namespace velmora {

class Control;
class Form1;

// What a screen reader reads of the window, in the game's own words: each control's role and name
// (a card as a player says it, with its state; a face-down card and the decorations never), and
// what a sighted player learns by looking, said as it happens through the platform: whose turn it
// is, the card each seat lays, who takes a trick, the banner over the table, the week moving on.
class ScreenReading {
  public:
    explicit ScreenReading(Form1& form) : f(form) {}

    Accessible describe(const Control& control);
    // After every event: says what changed on screen since the last one.
    void announceChanges();

  private:
    // The player in a seat as the table names him: his surname, or "te" for the human.
    std::string seatName(int seat);
    void say(const std::string& text);

    Form1& f;
    std::array<std::string, 4> m_laid{}; // the card each seat showed on the table at the last look
    int m_turn = -1;
    std::string m_trickWinner = "-1";
    std::string m_banner;
    int m_week = 0;
};

} // namespace velmora
