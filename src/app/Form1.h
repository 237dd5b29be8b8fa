#pragma once

#include "app/EntrantTable.h"
#include "cards/Card.h"
#include "cards/RandomSequence.h"
#include "data/Database.h"
#include "data/KeyValueStore.h"
#include "data/Rows.h"
#include "ui/Window.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace velmora {

class StartUp;
class Dashboard;
class EventEntry;
class WeekSimulation;
class NewCareer;
class PrizeMoney;
class TournamentStart;
class TableFlow;
class BackgroundTables;
class Rounds;
class HandDisplay;
class TableCues;
class UnoTable;
class UnoComputer;
class GameTable;
class WorldRankings;
class EventCalendar;
class PlayerCard;

// A card of the scratch copy a computer seat scores while it decides its move.
struct ScoredCard {
    Card card;
    double score = 0;
};

// The game's one window: it owns every control, the database, the random sequence and all the
// state of the career and of the running tournament, and wires control events to the handlers of
// each screen. Its fields are the window's shared variables; the screens read and write them.
class Form1 {
  public:
    explicit Form1(Platform& platform);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The window's load: opens the database and prepares the title menu.
    void Form_Load();

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
    // Opens the database of the application folder (done by the load; tests may call it alone).
    void openDatabase();
    // Closes the database (quitting); later handlers get the failure of db() instead of a crash.
    void closeDatabase();
    // Lets progress labels repaint during a long operation.
    void yield() { platform().yield(); }

    // The screens and their handlers.
    StartUp& startUp() { return *m_startUp; }
    Dashboard& dashboard() { return *m_dashboard; }
    EventEntry& eventEntry() { return *m_eventEntry; }
    WeekSimulation& weekSimulation() { return *m_weekSimulation; }
    NewCareer& newCareer() { return *m_newCareer; }
    PrizeMoney& prizeMoney() { return *m_prizeMoney; }
    TournamentStart& tournamentStart() { return *m_tournamentStart; }
    TableFlow& tableFlow() { return *m_tableFlow; }
    BackgroundTables& backgroundTables() { return *m_backgroundTables; }
    Rounds& rounds() { return *m_rounds; }
    HandDisplay& handDisplay() { return *m_handDisplay; }
    TableCues& tableCues() { return *m_tableCues; }
    UnoTable& unoTable() { return *m_unoTable; }
    UnoComputer& unoComputer() { return *m_unoComputer; }
    // The table of a game by its calendar name ("Uno", "Brisolo", "Hearts"), or null; without a
    // name, the game of the running tournament.
    GameTable* gameTable(const std::string& name);
    GameTable* gameTable() { return gameTable(currentGame); }
    WorldRankings& worldRankings() { return *m_worldRankings; }
    EventCalendar& eventCalendar() { return *m_eventCalendar; }
    PlayerCard& playerCard() { return *m_playerCard; }

    // ---- Application ----
    std::string appTitle = "Velmora";
    std::string accedi_databaseox;
    std::unique_ptr<Database> cnox;
    Rows nationRows;
    int nationRowsLast = -1;
    std::string chosenNation;
    int weekComboReady = 0;
    std::array<int, 8> timerWasRunning{}; // timer1WasRunning .. timer8WasRunning

    // ---- Career ----
    std::string playerFirstName, playerSurname, playerNation;
    int playerAge = 0;
    long playerMoney = 0;
    int currentWeek = 1;
    std::string enteredEvent = "0";
    Rows weekEvents;
    Rows playerRows; // giocatori rows, points columns 9..12 updated in memory
    int playerRowsLast = -1;
    std::vector<int> busy; // one flag per playerRows row
    std::array<int, 8> finalSlots{};
    long pickIndex = 0;
    long progressCounter = 0;

    // ---- Tournament ----
    std::string currentGame;
    Rows eventRows;
    EntrantTable roundPlayers = makeEntrantTable(512);
    EntrantTable tablePlayers = makeEntrantTable(512);
    EntrantTable boardRows = makeEntrantTable(20);
    EntrantTable seatNames = makeEntrantTable(4);
    int tableCount = 0;
    int qualifierCount = 0;
    int humanTable = 0;
    int roundNumber = 0;
    // True from the moment a round is decided until the next one is seated.
    bool roundClosed = false;

    // ---- Table ----
    int turnSeat = 0;
    int tablePhase = 0;
    int handOver = 0;
    int humanFinished = 0;
    std::array<Card, 4> trickCards{};
    std::string trickWinner = "-1";
    int backgroundStep = 0;
    std::array<int, 128> leadSeats{};
    // Hearts: the hand simulated at the pass for every other table: per table (0..127) and trick
    // (0..12), k 0..3 the points seat k takes, k 4..7 the lowest heart seat k-4 takes (20 = none).
    std::vector<std::array<std::array<int, 8>, 13>> simTricks =
        std::vector<std::array<std::array<int, 8>, 13>>(128);

    // ---- Cards ----
    std::vector<Card> unoDeck = std::vector<Card>(108);
    std::vector<Card> deck = std::vector<Card>(52);
    int deckTop = 0;
    int dealIndex = 0;
    std::array<Hand, 4> seatHand{}; // seatHand0 .. seatHand3; seat 3 is the human
    std::array<ScoredCard, kHandSlots> workHand{};

    // ---- Uno ----
    int deckReturnIndex = 0;
    Card discardTop;
    std::string playDirection = "orario";
    int drawSeat = 0;
    int drawCount = 0;
    int playSlot = -1;
    int drewCard = 0;
    int humanPlayStep = 0;
    // Cards outside the deck's ring: the first card turned up, the human's plays, cards drawn into
    // a full hand. A deck that runs dry takes them back, so no card is ever in play twice.
    std::vector<Card> unoOutOfPlay;
    int pileOutOfPlay = -1; // index in unoOutOfPlay of the card on the pile; -1 when it is not there

  private:
    void buildControls();
    void wireEvents();

    Window m_window;
    std::unordered_set<std::string> m_foundPictures;
    std::unique_ptr<KeyValueStore> m_temp;
    RandomSequence m_random;

    std::unique_ptr<StartUp> m_startUp;
    std::unique_ptr<Dashboard> m_dashboard;
    std::unique_ptr<EventEntry> m_eventEntry;
    std::unique_ptr<WeekSimulation> m_weekSimulation;
    std::unique_ptr<NewCareer> m_newCareer;
    std::unique_ptr<PrizeMoney> m_prizeMoney;
    std::unique_ptr<TournamentStart> m_tournamentStart;
    std::unique_ptr<TableFlow> m_tableFlow;
    std::unique_ptr<BackgroundTables> m_backgroundTables;
    std::unique_ptr<Rounds> m_rounds;
    std::unique_ptr<HandDisplay> m_handDisplay;
    std::unique_ptr<TableCues> m_tableCues;
    bool m_newCareerShown = false; // the new career form was up after the last event
    std::unique_ptr<UnoTable> m_unoTable;
    std::unique_ptr<UnoComputer> m_unoComputer;
    std::map<std::string, std::unique_ptr<GameTable>> m_games;
    std::unique_ptr<WorldRankings> m_worldRankings;
    std::unique_ptr<EventCalendar> m_eventCalendar;
    std::unique_ptr<PlayerCard> m_playerCard;
};

} // namespace velmora
