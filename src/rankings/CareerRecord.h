#pragma once

#include "data/Rows.h"

#include <map>
#include <string>
#include <vector>

namespace velmora {

// One tournament of the career's history.
struct PlayedEvent {
    int season = 0;
    int week = 0;
    std::string event, game, kind;
    int place = 0;
    long prize = 0;  // euro
    long points = 0; // ranking points
    int placeBefore = 0; // his world place in the game before the event; 0 unknown
};

// His record at one game, or at all of them.
struct GameRecord {
    int played = 0;
    int won = 0;
    int finals = 0; // tournaments in which he sat at the final table
    std::map<std::string, int> bestPlace; // by kind of event; a kind never played is missing
    long prize = 0;
    long points = 0;

    // His best place at any kind of event; 0 before any.
    int bestOfAll() const;
};

// The record a career's tournaments add up to, per game and overall, with its trophies and finals.
class CareerRecord {
  public:
    // The places of the final table as stored: the winner, the runner-up, and 3 for the two others.
    static constexpr int kLastFinalPlace = 3;
    static constexpr const char* kGames[] = {"Uno", "Hearts", "Brisolo"};

    // From the rows of storico_tornei, in any order.
    explicit CareerRecord(const Rows& tournaments);

    // The record at one game (as the calendar names it); an empty record for a game never played.
    const GameRecord& game(const std::string& name) const;
    const GameRecord& overall() const { return m_overall; }
    // Tournaments won, and tournaments whose final table he reached, the latest first.
    const std::vector<PlayedEvent>& wins() const { return m_wins; }
    const std::vector<PlayedEvent>& finals() const { return m_finals; }
    // The game he has earned most points at (then the best place, then the most prize money); ""
    // before any.
    std::string bestGame() const;

  private:
    std::map<std::string, GameRecord> m_games;
    GameRecord m_overall;
    std::vector<PlayedEvent> m_wins, m_finals;
};

} // namespace velmora
