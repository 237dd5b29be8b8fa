#pragma once

// The career's own history, kept beside the world's tables: one row per week the player lived and
// one per tournament he played. Tournament results in tornei are replaced when the same event comes
// round again, so the story of a career can only be kept as it happens. Positions of the columns in
// a row of "SELECT * FROM ...".
namespace velmora {

namespace storico_settimane {
constexpr const char* kTable = "storico_settimane";
constexpr int kSeason = 0; // stagione: 1 for the career's first season
constexpr int kWeek = 1;   // settimana: the week lived, 1..52
constexpr int kMoney = 2;  // denaro, in euro, once the week was over
// The twelve places of the dashboard once the week was over: for each ranking (overall, Uno,
// Hearts, Brisolo) the world, continent and nation places; 0 where he was not ranked.
constexpr int kFirstPlace = 3;
constexpr int kRankings = 4;
constexpr int kScopes = 3;
constexpr int place(int ranking, int scope) { return kFirstPlace + ranking * kScopes + scope; }
} // namespace storico_settimane

namespace storico_tornei {
constexpr const char* kTable = "storico_tornei";
constexpr int kSeason = 0;   // stagione
constexpr int kWeek = 1;     // settimana
constexpr int kEvent = 2;    // torneo
constexpr int kGame = 3;     // gioco
constexpr int kKind = 4;     // categoria: the kind of event of the calendar (Open, Masters, ...)
constexpr int kEntrants = 5; // giocatori
constexpr int kPlace = 6;    // posizione, as stored with the tournament's results
constexpr int kPrize = 7;    // premio: the euro he was paid
constexpr int kPoints = 8;   // punti: the ranking points he earned
} // namespace storico_tornei

} // namespace velmora
