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
constexpr int kFirstPoints = 15; // 15..18: unopunti, heartspunti, brisolopunti, totalepunti after the week
// 19..21: the points of Uno, Hearts and Brisolo taken away that week (last season's results at the
// week's events); 22: notizie, the world's news of the week as the report told it, one per line.
constexpr int kFirstDropped = 19;
constexpr int kNews = 22;
constexpr int kWorldPlaceBefore = 23; // mondo_prima: his overall world place before the week; 0 unknown
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
constexpr int kPlaceBefore = 9; // posto_prima: his world place in the event's game before it; 0 unknown
} // namespace storico_tornei

namespace storico_tavoli {
constexpr const char* kTable = "storico_tavoli";
constexpr int kSeason = 0, kWeek = 1, kEvent = 2, kGame = 3;
constexpr int kRound = 4;        // turno: the players the round began with (4 for the final)
// posto: his place in the table's finishing order, 1..4 as the game ranks the table (two it cannot
// tell apart share one; a final's 1, 2 and shared 3 as the tournament gave them). Rows kept before
// tables were ordered hold only 1 through and 3 out, which still compare the same way.
constexpr int kPlace = 5;
constexpr int kFirstRival = 6;   // 6..14: cognome, nome, posto of each of the three others
constexpr int kRivals = 3;
} // namespace storico_tavoli

namespace storico_campioni {
constexpr const char* kTable = "storico_campioni";
constexpr int kSeason = 0, kWeek = 1, kEvent = 2, kGame = 3, kSurname = 4, kFirstName = 5;
} // namespace storico_campioni

} // namespace velmora
