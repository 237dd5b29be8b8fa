#pragma once

#include "ui/Accessible.h"

#include <string>
#include <vector>

namespace velmora {

class Control;
class Form1;
struct ScreenBoard;

// What a screen reader reads of the window, in the game's own words: each control's role and name
// (a card as a player says it, with its state; a face-down card and the decorations never), and
// what a sighted player learns by looking, said as it happens through the platform: whose turn it
// is, the banner over the table, the week moving on (the table's moves are said in the words of
// its log, by the table itself).
class ScreenReading {
  public:
    explicit ScreenReading(Form1& form) : f(form) {}

    Accessible describe(const Control& control);
    // After every event: says what changed on screen since the last one.
    void announceChanges();

  private:
    // A column of a board: its name as read and the captions drawn in it.
    struct BoardColumn {
        std::string header;
        std::vector<const Control*> captions;
    };
    // A board of the table screen, from its header caption and the column captions under it.
    Accessible board(const Control& header);
    // A board of another screen.
    Accessible board(const ScreenBoard& board);
    // A board read as a table: one row per line written in any of its columns.
    Accessible table(const std::string& name, const Control& header, const std::vector<BoardColumn>& columns);
    // The player in a seat as the table names him: his surname, or "te" for the human.
    std::string seatName(int seat);
    void say(const std::string& text);
    void sayFramedCard();

    Form1& f;
    int m_turn = -1;
    std::string m_banner;
    int m_week = 0;
    std::string m_prompt;
    std::string m_framed; // the framed card as said, with its place
};

} // namespace velmora
