#pragma once

#include "rankings/RedrawReads.h"

#include <string>

namespace velmora {

class GameContext;

// The calendar (Picture4): the events of any week of the season with their host, prize pool, points
// on offer, field and fee, and for the event chosen by its "Risultati" link the stored standings
// with each player's world place and the tiers paid below the listed finishers. Only reads the store.
class EventCalendar {
  public:
    explicit EventCalendar(GameContext& form) : f(form) {}

    // The "Calendario" menu entry: the current week.
    void open();
    void Combo6_Click();
    void Label29_Click(int index);

    // Line (0..3) of the week whose results are shown.
    int selectedEvent = 0;

    // Top in twips of the highlight frame when it marks the first line.
    static constexpr int kFirstLineFrameTop = 975;
    // The frame starts this far above its line's link.
    static constexpr int kFrameAboveLink = 30;

  private:
    void showWeekCalendar();
    void showEventResults();
    std::string weekStatement();

    GameContext& f;
    RedrawReads m_reads;
};

} // namespace velmora
