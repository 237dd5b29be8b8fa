#pragma once

#include "state/GameContext.h"

#include <memory>

namespace velmora {

class StartUp;
class Options;
class ScreenReading;
class SoundCues;
class CareerChoice;
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
class TableEvents;
class TableKeys;
class RoundSkip;
class OutcomeBanner;
class UnoGame;
class BrisoloGame;
class HeartsGame;
class WorldRankings;
class EventCalendar;
class PlayerCard;
class Statistics;

// The game's one window: it builds the screens, owns one handler per concern and wires control
// events to them. The state every handler shares lives in the context it extends.
class Form1 : public GameContext {
  public:
    explicit Form1(Platform& platform);
    ~Form1();

    // The window's load: opens the database and prepares the title menu.
    void Form_Load();

    // The screens and their handlers.
    StartUp& startUp() { return *m_startUp; }
    Options& options() { return *m_options; }
    SoundCues& soundCues() { return *m_soundCues; }
    CareerChoice& careerChoice() { return *m_careerChoice; }
    NewCareer& newCareer() { return *m_newCareer; }
    PrizeMoney& prizeMoney() { return *m_prizeMoney; }
    TournamentStart& tournamentStart() { return *m_tournamentStart; }
    Rounds& rounds() { return *m_rounds; }
    TableCues& tableCues() { return *m_tableCues; }
    OutcomeBanner& outcomeBanner() { return *m_outcomeBanner; }
    WorldRankings& worldRankings() { return *m_worldRankings; }
    EventCalendar& eventCalendar() { return *m_eventCalendar; }
    PlayerCard& playerCard() { return *m_playerCard; }
    Statistics& statistics() { return *m_statistics; }

  private:
    void buildControls();
    void wireEvents();
    void wireKeys();

    std::unique_ptr<StartUp> m_startUp;
    std::unique_ptr<Options> m_options;
    std::unique_ptr<ScreenReading> m_screenReading;
    std::unique_ptr<SoundCues> m_soundCues;
    std::unique_ptr<CareerChoice> m_careerChoice;
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
    std::unique_ptr<TableEvents> m_tableEvents;
    std::unique_ptr<TableKeys> m_tableKeys;
    std::unique_ptr<RoundSkip> m_roundSkip;
    std::unique_ptr<OutcomeBanner> m_outcomeBanner;
    bool m_newCareerShown = false; // the new career form was up after the last event
    std::unique_ptr<UnoGame> m_unoGame;
    std::unique_ptr<BrisoloGame> m_brisoloGame;
    std::unique_ptr<HeartsGame> m_heartsGame;
    std::unique_ptr<WorldRankings> m_worldRankings;
    std::unique_ptr<EventCalendar> m_eventCalendar;
    std::unique_ptr<PlayerCard> m_playerCard;
    std::unique_ptr<Statistics> m_statistics;
};

} // namespace velmora
