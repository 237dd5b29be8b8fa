#include "app/StartUp.h"

#include "app/CareerChoice.h"
#include "app/Form1.h"
#include "state/MenuFrames.h"
#include "cards/RandomCounter.h"
#include "career/Dashboard.h"
#include "rankings/EventCalendar.h"
#include "rankings/PlayerCard.h"
#include "rankings/RecordPanels.h"
#include "rankings/Statistics.h"
#include "rankings/WorldRankings.h"
#include "data/DatabaseError.h"
#include "ui/DisabledWindow.h"
#include "state/Season.h"

#include <string>

namespace velmora {

namespace {

const char kLeaveQuestion[] = "Sei sicuro di voler uscire? Tutti i dati del torneo andranno persi.";
const char kNoCareer[] = "Non c'e' nessuna carriera salvata. Scegli \"Nuova\" per iniziarne una.";

void fillNumbers(Control& combo, int first, int last) {
    combo.items.clear();
    for (int n = first; n <= last; ++n)
        combo.items.push_back(std::to_string(n));
}

} // namespace

void StartUp::Form_Load() {
    // The window's size and the panels' places are part of its layout, built with the controls.
    f.appTitle = "Velmora";
    f.window().setTitle(f.appTitle);

    // A career that is not sound is refused (a backup offered); the title menu still opens, so a
    // new career can be started.
    const bool open = f.careerChoice().openAtStart();
    // Each run starts its draws further along the same fixed sequence. A career that cannot be
    // written (a full disk, a folder without permission) keeps its counter this time; the title
    // menu is still made whole and the player told once, at the end.
    std::string failure;
    if (open) {
        try {
            advanceRandomCounter(f.temp(), f.random());
        } catch (const DatabaseError& error) {
            failure = error.what();
        }
    }

    f.loadPicture(f.c("Image1", 0), "\\immagini\\cards.gif");
    f.loadPicture(f.c("Image1", 1), "\\immagini\\cards.gif");
    f.loadPicture(f.c("Image2"), "\\immagini\\sfondo.jpg");

    Control& ages = f.c("Combo1", 0);
    fillNumbers(ages, 14, 90);
    f.window().setComboText(ages, "30");

    f.nationRows = open ? f.db().query("SELECT * FROM nazionalita order by nazione asc ")
                        : f.careerChoice().templateNations();
    f.nationRowsLast = f.nationRows.last();
    Control& nations = f.c("Combo1", 1);
    nations.items.clear();
    for (int r = 0; r <= f.nationRowsLast; ++r)
        nations.items.push_back(f.nationRows.at(1, r).str());
    // Selecting the first nation runs the preview, so a new career always has a chosen nation.
    if (!nations.items.empty()) f.window().setComboText(nations, nations.items.front());

    Control& weeks = f.c("Combo6");
    fillNumbers(weeks, 1, Season::kWeeks);
    // The calendar ignores its list until it is ready, so this first selection shows nothing.
    if (f.weekComboReady == 0) f.window().setComboText(weeks, "1");
    f.weekComboReady = 1;

    for (int p = 1; p <= 9; ++p)
        f.c("Picture" + std::to_string(p)).visible = false;
    if (!failure.empty()) f.platform().messageBox(failure, f.appTitle);
}

void StartUp::Label1_Click(int index) {
    Window& w = f.window();
    DisabledWindow disabled(w);
    switch (index) {
    case 1: { // "Carriera": opens or closes the career submenu
        const bool open = f.c("Label1", 3).visible;
        for (int entry : MenuFrames::kCareerSubmenu)
            MenuFrames::show(w, entry, !open);
        break;
    }
    case 2: // "Esci"
        f.careerChoice().quitting();
        f.closeDatabase();
        f.platform().quit();
        break;
    case 3: // "Nuova"
        f.c("Text1", 0).text.clear();
        f.c("Text1", 1).text.clear();
        f.c("Label4").visible = false;
        f.c("Label4").width = 4000;
        f.c("Picture1").visible = true;
        Combo1_Click(1);
        break;
    case 4: { // "Carica": the list of careers when there are several, else the one career
        if (f.careerChoice().Carica()) break;
        Rows players = f.db().query("SELECT * FROM giocatori order by cognome asc, nome asc  ");
        if (players.last() >= 0) {
            f.dashboard().refresh();
            f.c("Picture2").visible = true;
            f.c("Picture1").visible = false;
        } else {
            // A click that silently did nothing would look broken: say why, and what to do.
            f.platform().messageBox(kNoCareer, f.appTitle);
        }
        break;
    }
    case 5: // "Calendario"
        f.eventCalendar().open();
        break;
    case 6: // "Classifiche"
        f.worldRankings().open();
        break;
    case 7: // the dashboard's "Esci": back to the title menu, with no record screen left over it
        RecordPanels::hideAll(w);
        f.c("Picture2").visible = false;
        MenuFrames::showDashboardMenu(w, false);
        break;
    case 16: // "Home": closes the record screens over the dashboard, the players screen included
        RecordPanels::hideAll(w);
        break;
    case 17: // "Giocatori"
        f.playerCard().open();
        break;
    case 19: // "Opzioni", on the title menu
    case 20: // and on the dashboard's
        f.c("Picture13").visible = true;
        break;
    case 18: // "Statistiche"
        f.statistics().open();
        break;
    default: // the captions have no click effect
        break;
    }
}

void StartUp::Combo1_Click(int index) {
    if (index != 1) return;
    const std::string& nation = f.c("Combo1", 1).text;
    for (int r = 0; r <= f.nationRowsLast; ++r) {
        if (f.nationRows.at(1, r).str() == nation) {
            f.loadPicture(f.c("Image3"), Form1::flagPath(f.nationRows.at(0, r).str()));
            f.chosenNation = f.nationRows.at(1, r).str();
            return;
        }
    }
}

void StartUp::Label45_Click() {
    f.c("Picture6").visible = true;
}

void StartUp::Label47_Click() {
    f.c("Picture6").visible = false;
}

void StartUp::Label52_Click() {
    f.c("Picture8").visible = false;
}

void StartUp::Label41_Click() {
    DisabledWindow disabled(f.window());
    // While the human's own card effect is being played out the table cannot be left.
    if (f.timer(4).enabled()) return;
    const bool leave = f.platform().askYesNo(kLeaveQuestion, f.appTitle);

    for (int t = 1; t <= Window::kTimers; ++t) {
        f.timerWasRunning[static_cast<size_t>(t - 1)] = f.timer(t).enabled() ? 1 : 0;
        f.timer(t).setEnabled(false);
    }

    // The entry survives an abandoned tournament, so it can be started again from the dashboard. A
    // season final is entered by the ranking and never stored, so the entry in memory is the one
    // that counts.
    const bool entered = !Value(f.enteredEvent).isEmpty();
    f.c("Label39").visible = entered;
    f.c("Label8").visible = !entered;

    if (leave) {
        f.c("Picture5").visible = false;
    } else {
        for (int t = 1; t <= Window::kTimers; ++t) {
            if (f.timerWasRunning[static_cast<size_t>(t - 1)] == 1) f.timer(t).setEnabled(true);
        }
    }
}

} // namespace velmora
