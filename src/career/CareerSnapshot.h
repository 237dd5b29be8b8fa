#pragma once

#include "data/Rows.h"
#include "ui/Control.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

class GameContext;

// The window's career state as it was before an operation that changes the career. An operation
// whose database work is rolled back restores it, so the window never shows or keeps a change
// the store does not hold.
class CareerSnapshot {
  public:
    explicit CareerSnapshot(GameContext& form);

    // Also remembers a control's caption, visibility and size.
    void remember(Control& control);
    // Puts every remembered value back.
    void restore();
    // Puts every remembered value back and redraws the dashboard from them. While the store is
    // still failing the dashboard cannot be redrawn, and the window keeps what it showed before.
    void restoreAndRefresh();

  private:
    struct ControlState {
        Control* control;
        std::string text;
        bool visible;
        int width;
    };

    GameContext& f;
    std::string m_firstName, m_surname, m_nation;
    int m_age;
    long m_money;
    int m_week;
    std::string m_event;
    Rows m_weekEvents;
    Rows m_playerRows;
    int m_playerRowsLast;
    std::vector<int> m_busy;
    std::array<int, 8> m_finalSlots;
    long m_pickIndex;
    long m_progressCounter;
    std::vector<ControlState> m_controls;
};

} // namespace velmora
