#include "EnteredTournament.h"

#include "ScriptedBrisoloPlayer.h"
#include "ScriptedHeartsPlayer.h"
#include "ScriptedUnoPlayer.h"

#include "data/Database.h"
#include "data/KeyValueStore.h"

#include <gtest/gtest.h>

namespace velmora::test {

EnteredTournament::EnteredTournament(const CalendarEvent& event, long draws) : m_event(event) {
    m_world.week = event.week;
    {
        Database database(Database::connectionString(m_folder.path()));
        buildWorld(database, m_world);
        if (draws > 0) KeyValueStore(database).setNumber("nummag", draws);
    }
    m_driver = std::make_unique<DriverProcess>(VELMORA_DRIVER, m_folder.path());
    DriverProcess& d = *m_driver;
    d.run("load");
    d.click("Label1", 1);
    d.click("Label1", 4);
    m_slot = dashboardSlot(d, event);
    if (m_slot < 0) throw DriverFailure("the event " + event.name + " is not listed on the dashboard");
    d.click("Label6", m_slot);
}

void EnteredTournament::playScripted(const std::function<void()>& beforeStep,
                                     const std::function<void()>& afterTable) {
    auto play = [&](auto&& player) {
        if (beforeStep) player.setBeforeStep(beforeStep);
        if (afterTable) player.setAfterTable(afterTable);
        player.playTournament();
    };
    if (m_event.game == "Uno") {
        play(ScriptedUnoPlayer(*m_driver));
    } else if (m_event.game == "Hearts") {
        play(ScriptedHeartsPlayer(*m_driver));
    } else {
        play(ScriptedBrisoloPlayer(*m_driver));
    }
}

int EnteredTournament::storedPlace() {
    const auto rows = m_driver->query("SELECT posizione FROM tornei where torneo='" + sqlText(m_event.name) +
                                      "' and cognome='" + sqlText(m_world.surname) + "' and nome='" +
                                      sqlText(m_world.firstName) + "'");
    return rows.size() == 1 ? static_cast<int>(number(rows.front().at(0))) : 0;
}

CalendarEvent EnteredTournament::named(const std::string& name) {
    AppFolder folder;
    DriverProcess reader(VELMORA_DRIVER, folder.path());
    reader.run("load");
    const auto found = calendarEvents(reader, "torneo='" + sqlText(name) + "'");
    if (found.size() != 1) throw DriverFailure("no single event named " + name);
    return found.front();
}

} // namespace velmora::test
