#pragma once

#include "ui/TableEvent.h"

#include <deque>
#include <string>
#include <utility>

namespace velmora {

class GameContext;

// The one place the games tell what happens at the human's table. Each happening is raised once,
// in play order: its line goes on top of the table's short log of moves (Label70, newest first, a
// few lines, kept until the next deal), and the event goes on to the platform, which may play a
// sound or read the line aloud. Raising an event changes nothing of the game.
class TableEvents {
  public:
    explicit TableEvents(GameContext& form) : f(form) {}

    void raise(TableEvent event);
    // The raising point of a game that only knows the kind, seat and card.
    void raise(TableEvent::Kind kind, int seat, const std::string& card = "", int count = 0) {
        TableEvent event;
        event.kind = kind;
        event.seat = seat;
        event.card = card;
        event.count = count;
        raise(std::move(event));
    }

    // The log's lines, newest first.
    const std::deque<std::string>& lines() const { return m_lines; }
    // The seat that laid the last card, -1 before the first of the deal.
    int lastLaidSeat() const { return m_lastLaid; }

    // Lines the log keeps.
    static constexpr size_t kLines = 5;

  private:
    void show();

    GameContext& f;
    std::deque<std::string> m_lines;
    int m_lastLaid = -1;
};

} // namespace velmora
