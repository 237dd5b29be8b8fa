#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace velmora {
class Form1;
} // namespace velmora

namespace velmora::test {

// The first event of a game with this many entrants that a player may enter by hand, read from
// the shipped calendar: its name and week.
struct TableEvent {
    std::string name;
    int week = 0;
};
TableEvent firstEvent(const std::string& appFolder, const std::string& game, int entrants);

// Writes a ready-made world into the folder's career at the event's week.
void buildCareerAt(const std::string& appFolder, const TableEvent& event);

// A scripted human at a table of the game's own window, acting from the event stream: after every
// event the window runs he does at once, at that very moment of the table clock, whatever the
// table lets him do (INIZIA aside), and nothing else moves meanwhile. So wherever the ticks come
// from (a virtual clock or the desktop's timers at any pace) he plays the same game.
//   Hearts: he sets aside his first three shown cards and passes them.
//   Uno: after a wild card he names the first colour; with no card to play he draws, then passes.
//   Every game: on his turn he plays the first card the table takes.
class DesktopTablePlayer {
  public:
    explicit DesktopTablePlayer(Form1& form) : m_form(form) {}

    // From the loaded title menu: opens the career, enters the event, chooses the table's pace
    // (unless none is given) and presses "INIZIA".
    void sitDown(const TableEvent& event, const std::string& pace = "");
    // Run after every event of the window.
    void onEvent();
    // Whether the round of his table has closed (or the prize board opened).
    bool roundClosed() const;

    // Chooses a pace item of the table's selector once the table clock has run this long since
    // "INIZIA" (milliseconds); for the desktop window, where the pace means something.
    void changePaceAt(long long afterStartMs, std::string item) {
        m_paceChanges.emplace_back(afterStartMs, std::move(item));
    }

    // Called once per round, the first time "Salta al risultato" is offered, instead of waiting.
    void setOnSkipOffered(std::function<void()> hook) { m_onSkipOffered = std::move(hook); }
    bool skipTaken() const { return m_skipTaken; }

    // What the table showed, one line at each change: the table clock since "INIZIA", the seats'
    // counters, the cards on the table, the turn marker and the buttons up.
    const std::vector<std::string>& transcript() const { return m_transcript; }
    // The round's entrant rows as the game keeps them, all columns, one text per entrant.
    std::vector<std::string> entrantRows() const;
    int actions() const { return m_actions; }
    // The table clock since "INIZIA", in milliseconds.
    long long tableClockMs() const;

  private:
    // One move if the table offers him one; false when there is none.
    bool act();
    bool shown(const std::string& name, int index = -1) const;
    bool click(const std::string& name, int index = -1);
    std::string tableLine() const;

    Form1& m_form;
    long long m_start = 0;
    bool m_seated = false;
    bool m_acting = false;
    int m_actions = 0;
    std::vector<std::pair<long long, std::string>> m_paceChanges;
    std::function<void()> m_onSkipOffered;
    bool m_skipTaken = false;
    std::vector<std::string> m_transcript;
    std::string m_lastLine;
};

} // namespace velmora::test
