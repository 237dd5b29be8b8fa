#include "qt/DesktopTablePlayer.h"

#include "app/Form1.h"
#include "data/Database.h"
#include "support/WorldBuilder.h"
#include "tournament/GameTable.h"

#include <stdexcept>

namespace velmora::test {

namespace {
constexpr int kHandPlaces = 27;
constexpr int kFirstPassPlace = 27;
constexpr int kMovesPerEvent = 8; // a wild card and its colour, a draw and a pass, the pass of three
} // namespace

TableEvent firstEvent(const std::string& appFolder, const std::string& game, int entrants) {
    Database database(Database::connectionString(appFolder));
    const Rows rows = database.query("SELECT torneo, settimana FROM calendario where gioco='" + game +
                                     "' and giocatori=" + std::to_string(entrants) +
                                     " and iscrizione>0 and nazione<>'conti' and torneo not like '%''%' "
                                     "order by settimana asc");
    if (rows.empty()) throw std::runtime_error("no " + game + " event of " + std::to_string(entrants));
    return {rows.at(0, 0).str(), static_cast<int>(rows.at(1, 0).toInt())};
}

void buildCareerAt(const std::string& appFolder, const TableEvent& event) {
    Database database(Database::connectionString(appFolder));
    WorldOptions world;
    world.week = event.week;
    world.money = 10000000;
    buildWorld(database, world);
}

bool DesktopTablePlayer::shown(const std::string& name, int index) const {
    const Control* control = m_form.window().find(name, index);
    return control && control->visible;
}

bool DesktopTablePlayer::click(const std::string& name, int index) {
    if (!m_form.window().click(name, index))
        throw std::runtime_error("the table refused a click on " + name + " " + std::to_string(index));
    ++m_actions;
    return true;
}

void DesktopTablePlayer::sitDown(const TableEvent& event, const std::string& pace) {
    Window& w = m_form.window();
    click("Label1", 1);
    click("Label1", 4);
    int slot = -1;
    for (int i = 0; i < 4 && slot < 0; ++i) {
        if (shown("Label5", i) && w("Label5", i).text.rfind(event.name, 0) == 0) slot = i;
    }
    if (slot < 0) throw std::runtime_error("the event is not on the dashboard: " + event.name);
    click("Label6", slot);
    click("Label39");
    if (!shown("Label42")) throw std::runtime_error("the table shows no \"INIZIA\"");
    if (!pace.empty() && !w.choose("Combo12", -1, pace)) throw std::runtime_error("no pace " + pace);
    m_start = w.now();
    m_seated = true;
    m_lastLine.clear();
    click("Label42");
}

long long DesktopTablePlayer::tableClockMs() const {
    return m_form.window().now() - m_start;
}

bool DesktopTablePlayer::roundClosed() const {
    return shown("Label49") || shown("Picture7");
}

void DesktopTablePlayer::onEvent() {
    if (!m_seated || m_acting) return;
    m_acting = true;
    const std::string line = tableLine();
    if (line != m_lastLine) {
        m_transcript.push_back(std::to_string(m_form.window().now() - m_start) + " " + line);
        m_lastLine = line;
    }
    Window& w = m_form.window();
    while (!m_paceChanges.empty() && w.now() - m_start >= m_paceChanges.front().first) {
        if (!w.choose("Combo12", -1, m_paceChanges.front().second))
            throw std::runtime_error("the pace could not be chosen");
        m_paceChanges.erase(m_paceChanges.begin());
    }
    for (int move = 0; move < kMovesPerEvent && !roundClosed() && act(); ++move) {
    }
    if (m_onSkipOffered && !m_skipTaken && shown("Label55")) {
        m_skipTaken = true;
        m_onSkipOffered();
    }
    m_acting = false;
}

bool DesktopTablePlayer::act() {
    if (!m_form.window().enabled()) return false;
    for (int colour = 0; colour < 4; ++colour) {
        if (shown("Label48", colour)) return click("Label48", colour);
    }
    if (shown("Label54")) {
        if (shown("Image11", kFirstPassPlace) && shown("Image11", kFirstPassPlace + 1) &&
            shown("Image11", kFirstPassPlace + 2))
            return click("Label54");
        for (int slot = 0; slot < kHandPlaces; ++slot) {
            if (shown("Image11", slot)) return click("Image11", slot);
        }
        return false;
    }
    GameTable* game = m_form.gameTable();
    if (!game || !game->humanToPlay()) return false;
    for (int slot = 0; slot < kHandPlaces; ++slot) {
        if (shown("Image11", slot) && game->humanMayPlayCard(slot)) return click("Image11", slot);
    }
    if (shown("Image10", 3)) return click("Image10", 3); // Uno: draw one
    if (shown("Label44")) return click("Label44");       // Uno: pass
    return false;
}

std::string DesktopTablePlayer::tableLine() const {
    Window& w = m_form.window();
    std::string line;
    for (int seat = 0; seat < 4; ++seat)
        line += w("Label40", seat).text + "|";
    for (int place = 0; place < 5; ++place) {
        const Control& card = w("Image9", place);
        line += (card.visible ? card.picture : std::string("-")) + "|";
    }
    line += std::to_string(w("Shape1").left) + "," + std::to_string(w("Shape1").top);
    for (const char* button : {"Label55", "Label49", "Label44"})
        line += shown(button) ? std::string(" ") + button : "";
    if (shown("Label38", 21)) line += " notice";
    return line;
}

std::vector<std::string> DesktopTablePlayer::entrantRows() const {
    std::vector<std::string> rows;
    for (const EntrantRow& row : m_form.roundPlayers) {
        if (row[entrant::kSurname].isEmpty()) continue;
        std::string text;
        for (const Value& cell : row)
            text += cell.str() + "|";
        rows.push_back(text);
    }
    return rows;
}

} // namespace velmora::test
