#include "tournament/GameSetUp.h"

#include "app/Form1.h"
#include "games/uno/UnoTable.h"
#include "tournament/TableFlow.h"

namespace velmora {

void setUpGameTable(Form1& f) {
    if (f.currentGame == "Uno") {
        f.unoTable().setUp();
    } else if (f.currentGame == "Hearts" || f.currentGame == "Brisolo") {
        // The Hearts and Brisolo tables have no set-up of their own yet: the round's entrants are
        // grouped by table so the rounds and the background tables see a consistent field. Their
        // set-up (deal, seats, "INIZIA") takes this place once the games exist.
        f.tableFlow().groupTablePlayers();
        f.platform().messageBox("I tavoli di " + f.currentGame +
                                    " non sono ancora aperti: ritira l'iscrizione e scegli un torneo di Uno.",
                                f.appTitle);
    }
}

} // namespace velmora
