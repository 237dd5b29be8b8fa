#pragma once

#include "state/EntrantTable.h"
#include "career/Strength.h"
#include "career/TierTables.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace velmora {

class GameContext;
class PreparedStatement;
class Rows;

// How the field of a simulated tournament is drawn.
enum class FieldDraw {
    // The early slots (the best places) are drawn at random among players strong enough for the
    // slot's bar; the later slots take the first free player of the list.
    Open,
    // A final: the first eight rows of a list ordered by the game's points, in random order.
    TopEight,
    // A final whose eight entrants are given, best first; the result follows that order.
    Fixed,
};

// What differs between the world's week and the season a new career plays out before it begins.
struct TournamentRules {
    int week = 1;                        // the week the results are stored under
    std::string prizeOrder = "id asc ";  // order the prize tiers are read in
    bool replacesPreviousEdition = true; // last season's results of the tournament are taken back
    int lastRandomSlot = 64;             // Open draw: slots 0..this are drawn under the strength bar
    int humanRow = -1;                   // the human's row, never drawn outside a final (-1: none)
};

// One tournament of the world given a full result: every entrant gets the ranking points and the
// prize of his finishing tier, added to his points in form.playerRows (game column and total), and
// a tornei row. The previous edition's rows are replaced, and the points they gave are taken back
// from their players, so every player's points are always the sum of his tornei rows: a rolling
// total over the last 52 weeks.
class SimulatedTournament {
  public:
    using RowIndex = std::unordered_map<std::string, int>; // playerKey -> row of form.playerRows

    // The tiers come from the operation's tables, so a level is read once however often it is played.
    SimulatedTournament(GameContext& form, TournamentRules rules, const RowIndex& rows, TierTables& tiers);

    // The rows of form.playerRows by player, for the constructor.
    static RowIndex indexPlayers(const Rows& players);

    // Draws the whole result of the calendario row. finalists (rows of form.playerRows, best first)
    // are used by FieldDraw::Fixed.
    void simulate(const Rows& calendar, int row, FieldDraw draw, const std::vector<int>& finalists = {});
    // Records the tournament the human played: each entrant of the table (surname in column 0, first
    // name in column 1) finishes where his place group (column 9) puts him.
    void recordPlayed(const Rows& calendar, int row, const EntrantTable& entrants);

  private:
    void open(const Rows& calendar, int row);
    void takeBackPreviousEdition();
    void award(int player, int tier, long position);
    int drawOpen(int slot);
    int drawTopEight();
    int firstFree() const;
    bool freeFor(int player) const;

    GameContext& f;
    TournamentRules m_rules;
    const RowIndex& m_rows;

    std::string m_name;
    std::string m_gameName;
    const CardGame* m_game = &cardGames().front();
    int m_entrants = 0;
    TierTables& m_tierTables;
    const TierTable* m_tiers = nullptr;
    PreparedStatement& m_insertResult;
};

} // namespace velmora
