#include "app/Form1.h"

#include "app/CareerChoice.h"
#include "app/Options.h"
#include "app/ScreenReading.h"
#include "app/SoundCues.h"
#include "app/StartUp.h"
#include "app/layout/Screens.h"
#include "career/Dashboard.h"
#include "career/EventEntry.h"
#include "career/NewCareer.h"
#include "career/CareerHistory.h"
#include "career/PrizeMoney.h"
#include "career/SeasonReview.h"
#include "career/WeekReport.h"
#include "career/WeekSimulation.h"
#include "games/brisolo/BrisoloGame.h"
#include "games/hearts/HeartsGame.h"
#include "games/hearts/HeartsTable.h"
#include "games/uno/UnoGame.h"
#include "rankings/EventCalendar.h"
#include "rankings/PlayerCard.h"
#include "rankings/Statistics.h"
#include "rankings/WorldRankings.h"
#include "state/MenuFrames.h"
#include "tournament/BackgroundTables.h"
#include "tournament/HandDisplay.h"
#include "tournament/RoundSkip.h"
#include "tournament/OutcomeBanner.h"
#include "tournament/Rounds.h"
#include "tournament/TableCues.h"
#include "tournament/TableEvents.h"
#include "tournament/TableFlow.h"
#include "tournament/TableKeys.h"
#include "tournament/TournamentStart.h"

#include <stdexcept>

namespace velmora {

Form1::Form1(Platform& platform)
    : GameContext(platform), m_startUp(std::make_unique<StartUp>(*this)),
      m_options(std::make_unique<Options>(*this)), m_screenReading(std::make_unique<ScreenReading>(*this)),
      m_soundCues(std::make_unique<SoundCues>(*this)),
      m_careerChoice(std::make_unique<CareerChoice>(*this)),
      m_dashboard(std::make_unique<Dashboard>(*this)), m_eventEntry(std::make_unique<EventEntry>(*this)),
      m_weekSimulation(std::make_unique<WeekSimulation>(*this)),
      m_newCareer(std::make_unique<NewCareer>(*this)), m_prizeMoney(std::make_unique<PrizeMoney>(*this)),
      m_tournamentStart(std::make_unique<TournamentStart>(*this)),
      m_tableFlow(std::make_unique<TableFlow>(*this)),
      m_backgroundTables(std::make_unique<BackgroundTables>(*this)),
      m_rounds(std::make_unique<Rounds>(*this)), m_handDisplay(std::make_unique<HandDisplay>(*this)),
      m_tableCues(std::make_unique<TableCues>(*this)), m_tableEvents(std::make_unique<TableEvents>(*this)),
      m_roundSkip(std::make_unique<RoundSkip>(*this)),
      m_outcomeBanner(std::make_unique<OutcomeBanner>(*this)), m_unoGame(std::make_unique<UnoGame>(*this)),
      m_brisoloGame(std::make_unique<BrisoloGame>(*this)), m_heartsGame(std::make_unique<HeartsGame>(*this)),
      m_worldRankings(std::make_unique<WorldRankings>(*this)),
      m_eventCalendar(std::make_unique<EventCalendar>(*this)),
      m_playerCard(std::make_unique<PlayerCard>(*this)), m_statistics(std::make_unique<Statistics>(*this)) {
    m_handlers = {m_dashboard.get(),        m_eventEntry.get(),  m_weekSimulation.get(), m_tableFlow.get(),
                  m_backgroundTables.get(), m_handDisplay.get(), m_tableEvents.get()};
    m_games = {{"Uno", m_unoGame.get()}, {"Brisolo", m_brisoloGame.get()}, {"Hearts", m_heartsGame.get()}};
    m_tableKeys = std::make_unique<TableKeys>(*this);
    buildControls();
    wireEvents();
    m_window.setDescriber([this](const Control& control) { return m_screenReading->describe(control); });
    m_options->restore();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    buildTitleScreen(m_window);
    buildNewCareerScreen(m_window);
    buildDashboardScreen(m_window);
    buildRecordScreens(m_window);
    buildTableScreen(m_window);
    buildPrizeBoardScreen(m_window);
    buildCareerListScreen(m_window);
    buildStatisticsScreen(m_window);
    buildOptionsScreen(m_window);
}

void Form1::wireEvents() {
    Window& w = m_window;
    // Start-up, menus and pop-ups.
    w.onClick("Label1", [this](int i) { m_startUp->Label1_Click(i); });
    w.onClick("Combo1", [this](int i) { m_startUp->Combo1_Click(i); });
    w.onClick("Label45", [this](int) { m_startUp->Label45_Click(); });
    w.onClick("Label47", [this](int) { m_startUp->Label47_Click(); });
    w.onClick("Label52", [this](int) { m_startUp->Label52_Click(); });
    w.onClick("Label41", [this](int) { m_startUp->Label41_Click(); });
    // Career.
    // "Avanti" asks before replacing a career, or makes the new one beside it.
    w.onClick("Label3", [this](int i) {
        if (i != 0) return m_newCareer->Label3_Click(i);
        m_careerChoice->newCareer([this] { m_newCareer->Label3_Click(0); });
    });
    w.onClick("Label59", [this](int i) { m_careerChoice->Label59_Click(i); });
    w.onClick("Label60", [this](int i) { m_careerChoice->Label60_Click(i); });
    w.onClick("Label61", [this](int i) { m_careerChoice->Label61_Click(i); });
    w.onClick("Label62", [this](int) { m_careerChoice->Label62_Click(); });
    w.onClick("Label74", [this](int) { m_careerChoice->turnPage(-1); });
    w.onClick("Label75", [this](int) { m_careerChoice->turnPage(1); });
    w.onClick("Label6", [this](int i) { m_eventEntry->Label6_Click(i); });
    w.onClick("Label7", [this](int i) { m_eventEntry->Label7_Click(i); });
    w.onClick("Label8", [this](int) { m_eventEntry->Label8_Click(); });
    w.onClick("Label73", [this](int) { m_eventEntry->stopRun(); });
    w.onClick("Label50", [this](int) { m_prizeMoney->Label50_Click(); });
    // The week's report and the season's review close at a click anywhere on them.
    for (const char* part : {"Label66", "Label57"})
        w.onClick(part, [this](int) { WeekReport(*this).close(); });
    w.onClick("Label67", [this](int) { SeasonReview(*this).close(); });
    w.onClick("Combo17", [this](int) {
        if (const int season = m_statistics->chosenSeason()) SeasonReview(*this).show(season);
    });
    // Tournament.
    w.onClick("Label39", [this](int) { m_tournamentStart->Label39_Click(); });
    w.onClick("Label42", [this](int) { m_tableFlow->Label42_Click(); });
    w.onClick("Label49", [this](int) { m_rounds->Label49_Click(); });
    w.onClick("Combo7", [this](int) { m_backgroundTables->Combo7_Click(); });
    w.onClick("Combo8", [this](int) { m_rounds->Combo8_Click(); });
    w.onClick("Label80", [this](int) { m_rounds->Label80_Click(); });
    // The table.
    w.onClick("Image11", [this](int i) { m_tableFlow->Image11_Click(i); });
    w.onClick("Image10", [this](int i) { m_tableFlow->Image10_Click(i); });
    w.onClick("Label48", [this](int i) { m_unoGame->table().Label48_Click(i); });
    w.onClick("Label44", [this](int) { m_unoGame->table().Label44_Click(); });
    w.onClick("Label55", [this](int) { m_roundSkip->Label55_Click(); });
    // The table's pace (Combo12) only sets how fast the desktop window runs the table clock: the
    // game itself only remembers it.
    w.onClick("Combo12", [this](int) { m_options->Combo12_Click(); });
    // The player's options (Picture13).
    w.onClick("Label77", [this](int i) { m_options->Label77_Click(i); });
    w.onClick("Combo13", [this](int) { m_options->Combo13_Click(); });
    w.onClick("Combo14", [this](int) { m_options->Combo14_Click(); });
    w.onClick("Combo15", [this](int) { m_options->Combo15_Click(); });
    // Records: rankings, calendar, players.
    w.onClick("Combo2", [this](int) { m_worldRankings->Combo2_Click(); });
    w.onClick("Combo3", [this](int) { m_worldRankings->Combo3_Click(); });
    w.onClick("Combo4", [this](int) { m_worldRankings->Combo4_Click(); });
    w.onClick("Combo5", [this](int) { m_worldRankings->Combo5_Click(); });
    w.onClick("Label69", [this](int) { m_worldRankings->Label69_Click(); });
    w.onClick("Combo6", [this](int) { m_eventCalendar->Combo6_Click(); });
    w.onClick("Label29", [this](int i) { m_eventCalendar->Label29_Click(i); });
    w.onClick("Combo9", [this](int) { m_playerCard->Combo9_Click(); });
    w.onClick("Combo10", [this](int) { m_playerCard->Combo10_Click(); });
    w.onClick("Combo11", [this](int) { m_playerCard->Combo11_Click(); });
    w.onClick("Image18", [this](int) { m_playerCard->Image18_Click(); });
    w.onClick("Label54", [this](int) { m_heartsGame->table().Label54_Click(); });
    w.onClick("Image24", [this](int) { m_tableCues->Image24_Click(); });
    w.onHover("Image24", [this](int, bool over) { m_tableCues->Image24_Hover(over); });
    w.onClick("Label56", [this](int) { m_outcomeBanner->Label56_Click(); });
    // Timers.
    // The table watch's timer also lives on several weeks, one a tick, while the dashboard is up.
    w.onTimer(EventEntry::kRunTimer, [this] {
        if (m_eventEntry->running()) return m_eventEntry->runTick();
        m_tableFlow->Timer1_Timer();
    });
    w.onTimer(2, [this] { m_unoGame->backgroundTick(); });
    w.onTimer(3, [this] { m_unoGame->computer().Timer3_Timer(); });
    w.onTimer(4, [this] { m_unoGame->table().Timer4_Timer(); });
    w.onTimer(5, [this] { m_brisoloGame->backgroundTick(); });
    w.onTimer(6, [this] { m_brisoloGame->table().Timer6_Timer(); });
    w.onTimer(7, [this] { m_heartsGame->table().Timer7_Timer(); });
    w.onTimer(8, [this] { m_heartsGame->backgroundTick(); });
    wireKeys();
    // The dashboard's menu sits above the card table and the prize board: while either is up the
    // player leaves only through the table's own exit, so the menu is hidden.
    w.setAfterEvent([this] {
        // The new career form opens with the first name to type.
        const bool formShown = c("Picture1").visible;
        if (formShown && !m_newCareerShown) m_window.requestFocus(c("Text1", 0));
        m_newCareerShown = formShown;
        const bool menuShown = c("Label1", MenuFrames::kDashboardMenu.front()).visible;
        if (c("Picture5").visible || c("Picture7").visible || c("Picture13").visible) {
            if (menuShown) MenuFrames::showDashboardMenu(m_window, false);
        } else if (c("Picture2").visible && !menuShown) {
            MenuFrames::showDashboardMenu(m_window, true);
        }
        m_options->refresh();
        m_tableCues->refresh();
        WeekReport(*this).keepForItsWeek();
        // The season's review stands over the dashboard or the statistics: another screen closes it.
        for (const char* screen : {"Picture3", "Picture4", "Picture5", "Picture7", "Picture8"})
            if (c(screen).visible) c("Picture12").visible = false;
        // His table of a round that has just closed, kept for the tournament's history.
        if (roundClosed) CareerHistory(*this).rememberClosedRound();
        m_roundSkip->refresh();
        m_outcomeBanner->refresh();
        // After the banner: the keys rest from the moment a result is up, the banner included.
        m_tableKeys->refresh();
        m_screenReading->announceChanges();
        m_soundCues->afterEvent();
    });
}

void Form1::wireKeys() {
    Window& w = m_window;
    // Enter is the screen's next step: the Hearts pass once three cards are set aside, the framed
    // card, "INIZIA", "PROSSIMO TURNO", the prize board's continue button, "Avanti" on the new
    // career, "Gioca Torneo" on the dashboard. A week is never moved on by a key: an Enter too many
    // after the prize board would throw away the week's events. Space takes the framed card only.
    // The first of them the player could use now is clicked.
    // Enter and Esc first close the season's review and the week's report when they are up.
    w.onKey("Return", [this] {
        Window::Buttons buttons{{"Label67", SeasonReview::kCatcher}, {"Label66", WeekReport::kCatcher},
                                {"Image11", m_tableKeys->framedSlot()}, {"Label42", -1}, {"Label49", -1},
                                {"Label50", -1}, {"Label3", 0},
                                {"Label39", -1}};
        // The Hearts pass button takes Enter only once its three cards are set aside.
        if (m_heartsGame->table().passReady()) buttons.insert(buttons.begin() + 2, {"Label54", -1});
        return buttons;
    });
    w.onKey("Space", [this] { return Window::Buttons{{"Image11", m_tableKeys->framedSlot()}}; });
    // With no card framed yet, the first Enter, Space or arrow shows the frame.
    for (const char* key : {"Return", "Space"})
        w.onKeyAction(key, [this] { return m_tableKeys->reveal(); });
    w.onKeyAction("Left", [this] { return m_tableKeys->move(-1); });
    w.onKeyAction("Right", [this] { return m_tableKeys->move(+1); });
    // F1 opens the rule sheet and Esc closes it; with the sheet closed Esc asks to leave the table,
    // like its "Esci". Esc also closes the options ("Indietro").
    w.onKey("F1", [] { return Window::Buttons{{"Label45", -1}}; });
    // Esc also stops several weeks after the week in play.
    w.onKey("Escape", [] {
        return Window::Buttons{{"Label67", SeasonReview::kCatcher},
                               {"Label66", WeekReport::kCatcher},
                               {"Label73", -1},
                               {"Label77", 4},
                               {"Label47", -1},
                               {"Label41", -1}};
    });
    // Uno: P draws ("pesca"), S passes; after a wild card the colour is its number on the table
    // (1 blu, 2 giallo, 3 rosso, 4 verde) or its initial.
    w.onKey("P", [] { return Window::Buttons{{"Image10", 3}}; });
    w.onKey("S", [] { return Window::Buttons{{"Label44", -1}}; });
    // M turns the sounds off and on again, at any screen (a text box keeps its letters).
    w.onKeyAction("M", [this] { return m_options->toggleSounds(); });
    const char* initials = "BGRV";
    for (int k = 0; k < 4; ++k) {
        const auto colour = [k] { return Window::Buttons{{"Label48", k}}; };
        w.onKey(std::string(1, static_cast<char>('1' + k)), colour);
        w.onKey(std::string(1, initials[k]), colour);
    }
}

void Form1::Form_Load() {
    m_window.dispatch([this] { m_startUp->Form_Load(); });
}

} // namespace velmora
