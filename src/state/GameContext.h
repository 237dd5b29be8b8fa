#pragma once

#include "cards/RandomSequence.h"
#include "data/Database.h"
#include "data/KeyValueStore.h"
#include "data/Rows.h"
#include "state/CareerState.h"
#include "state/HeartsState.h"
#include "state/TableState.h"
#include "state/TournamentState.h"
#include "state/UnoState.h"
#include "ui/Window.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>

namespace velmora {

class Dashboard;
class EventEntry;
class WeekSimulation;
class TableFlow;
class BackgroundTables;
class HandDisplay;
class GameTable;
class TableEvents;

// What every screen's handlers share: the window and its controls, the database, the single random
// sequence, the state of the career and of the running tournament, and the handlers one screen
// asks of another. The window that owns it builds the handlers and registers them here.
class GameContext : public CareerState,
                    public TournamentState,
                    public TableState,
                    public UnoState,
                    public HeartsState {
  public:
    explicit GameContext(Platform& platform);
    ~GameContext();
    GameContext(const GameContext&) = delete;
    GameContext& operator=(const GameContext&) = delete;

    Window& window() { return m_window; }
    Platform& platform() { return m_window.platform(); }
    // A control by name and index (-1 for a single control).
    Control& c(const std::string& name, int index = -1) { return m_window(name, index); }
    Timer& timer(int number) { return m_window.timer(number); }
    // The open database and its key/value store; both throw, with a message for the player, when
    // the database could not be opened or has been closed.
    Database& db();
    KeyValueStore& temp();
    RandomSequence& random() { return m_random; }
    // Rnd: the next number of the single random sequence, in [0, 1).
    double Rnd() { return m_random.next(); }

    // Shows a picture file (path relative to the app folder, in the game's "\immagini\..." form)
    // in a picture control. A missing file throws, naming it.
    void loadPicture(Control& picture, const std::string& path);
    // A picture path of a nation's flag.
    static std::string flagPath(const std::string& key) { return "\\immagini\\flags\\" + key + ".jpg"; }
    // Opens the career file careerFile of the career folder (done by the load; tests may call it
    // alone). A file that is not a sound career is refused with CareerRefused, untouched.
    void openDatabase();
    // The open career's file, or the one to open next.
    std::string careerPath();
    // After a week's transaction is committed: the career as it now is becomes the week's backup.
    // The week stays played when the copy fails; the failure is then reported.
    void weekCommitted();
    // Closes the database (quitting); later handlers get the failure of db() instead of a crash.
    void closeDatabase();
    // Lets progress labels repaint during a long operation.
    void yield() { platform().yield(); }

    // Handlers that other screens call on.
    Dashboard& dashboard() { return *m_handlers.dashboard; }
    EventEntry& eventEntry() { return *m_handlers.eventEntry; }
    WeekSimulation& weekSimulation() { return *m_handlers.weekSimulation; }
    TableFlow& tableFlow() { return *m_handlers.tableFlow; }
    BackgroundTables& backgroundTables() { return *m_handlers.backgroundTables; }
    HandDisplay& handDisplay() { return *m_handlers.handDisplay; }
    // Where the games tell what happens at the human's table.
    TableEvents& tableEvents() { return *m_handlers.tableEvents; }
    // The table of a game by its calendar name ("Uno", "Brisolo", "Hearts"), or null; without a
    // name, the game of the running tournament.
    GameTable* gameTable(const std::string& name);
    GameTable* gameTable() { return gameTable(currentGame); }

    // ---- Application ----
    std::string appTitle = "Velmora";
    std::string accedi_databaseox;
    std::string careerFile = "velmora.mdb"; // the career's file name in the career folder
    bool weeklyBackups = true;
    std::unique_ptr<Database> cnox;
    int careerOpenings = 0; // careers opened so far (new, loaded or restored from a backup)
    Rows nationRows;
    int nationRowsLast = -1;
    std::string chosenNation;
    int weekComboReady = 0;
    std::array<int, 8> timerWasRunning{}; // timer1WasRunning .. timer8WasRunning

  protected:
    // Set by the window that owns the handlers, once they are built.
    struct Handlers {
        Dashboard* dashboard = nullptr;
        EventEntry* eventEntry = nullptr;
        WeekSimulation* weekSimulation = nullptr;
        TableFlow* tableFlow = nullptr;
        BackgroundTables* backgroundTables = nullptr;
        HandDisplay* handDisplay = nullptr;
        TableEvents* tableEvents = nullptr;
    };
    Handlers m_handlers;
    std::map<std::string, GameTable*> m_games; // by calendar name
    Window m_window;

  private:
    std::unordered_set<std::string> m_foundPictures;
    std::unique_ptr<KeyValueStore> m_temp;
    RandomSequence m_random;
};

} // namespace velmora
