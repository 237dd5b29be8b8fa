#include "career/CareerSnapshot.h"

#include "career/Dashboard.h"
#include "state/GameContext.h"

namespace velmora {

CareerSnapshot::CareerSnapshot(GameContext& form)
    : f(form), m_firstName(form.playerFirstName), m_surname(form.playerSurname), m_nation(form.playerNation),
      m_age(form.playerAge), m_money(form.playerMoney), m_week(form.currentWeek), m_event(form.enteredEvent),
      m_weekEvents(form.weekEvents), m_playerRows(form.playerRows), m_playerRowsLast(form.playerRowsLast),
      m_busy(form.busy), m_finalSlots(form.finalSlots), m_pickIndex(form.pickIndex),
      m_progressCounter(form.progressCounter) {}

void CareerSnapshot::remember(Control& control) {
    m_controls.push_back({&control, control.text, control.visible, control.width});
}

void CareerSnapshot::restore() {
    f.playerFirstName = m_firstName;
    f.playerSurname = m_surname;
    f.playerNation = m_nation;
    f.playerAge = m_age;
    f.playerMoney = m_money;
    f.currentWeek = m_week;
    f.enteredEvent = m_event;
    f.weekEvents = m_weekEvents;
    f.playerRows = m_playerRows;
    f.playerRowsLast = m_playerRowsLast;
    f.busy = m_busy;
    f.finalSlots = m_finalSlots;
    f.pickIndex = m_pickIndex;
    f.progressCounter = m_progressCounter;
    for (const ControlState& state : m_controls) {
        state.control->text = state.text;
        state.control->visible = state.visible;
        state.control->width = state.width;
    }
}

void CareerSnapshot::restoreAndRefresh() {
    restore();
    try {
        f.dashboard().refresh();
    } catch (...) {
        // The store is still failing; the window keeps what it showed before.
    }
}

} // namespace velmora
