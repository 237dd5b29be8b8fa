#pragma once

// Positions of the columns of calendario and giocatori in a row of "SELECT * FROM ...": the order
// the tables are created in, which the game reads by position.
namespace velmora {

namespace calendario {
constexpr int kEventName = 0;  // torneo
constexpr int kImportance = 1; // importanza: the level that picks the prize and points tiers
constexpr int kWeek = 2;       // settimana
constexpr int kEntrants = 4;   // giocatori: the size of the field
constexpr int kKind = 5;       // categoria: the kind of event (Challenger, Open, Masters, ...)
constexpr int kGame = 6;       // gioco
constexpr int kFee = 7;        // iscrizione, in euro
constexpr int kHostNation = 8; // nazione: a nation key, or "conti" / "nazio" for the championships
} // namespace calendario

namespace giocatori {
constexpr int kSurname = 0;      // cognome
constexpr int kFirstName = 1;    // nome
constexpr int kFlagKey = 2;      // nazionalita: the nation key that names the flag picture
constexpr int kAge = 3;          // eta
constexpr int kSkillUno = 6;     // uno; the skills are 1..10, and 0 only for the human
constexpr int kSkillHearts = 7;  // hearts
constexpr int kSkillBrisolo = 8; // brisolo
constexpr int kPointsUno = 9;    // unopunti; heartspunti and brisolopunti follow
constexpr int kTotalPoints = 12; // totalepunti
} // namespace giocatori

} // namespace velmora
