#include "rankings/PlayerCard.h"

#include "state/CardGame.h"

#include "state/GameContext.h"
#include "state/StoreColumns.h"
#include "data/Quoting.h"
#include "rankings/LowerCase.h"
#include "rankings/RecordPanels.h"
#include "ui/DisabledWindow.h"
#include "state/Season.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

constexpr int kNation = 4;    // giocatori.nazione
constexpr int kContinent = 5; // giocatori.continente

// tornei columns.
constexpr int kResultEvent = 0;
constexpr int kResultPlace = 5;
constexpr int kResultPoints = 6;
constexpr int kResultPrize = 7;
constexpr int kResultWeek = 8;
// A result already listed has its prize replaced by this mark.
constexpr double kListed = -1;

struct Ranking {
    const char* name;
    const char* column;
    int points; // giocatori column of its points
};
// The overall ranking, then one per game.
const std::array<Ranking, 4>& rankings() {
    static const std::array<Ranking, 4> all = [] {
        std::array<Ranking, 4> list{{{"Generale", "totalepunti", giocatori::kTotalPoints}}};
        for (size_t g = 0; g < cardGames().size(); ++g) {
            const CardGame& game = cardGames()[g];
            list[g + 1] = {game.name, game.pointsColumn, game.pointsIndex};
        }
        return list;
    }();
    return all;
}

} // namespace

void PlayerCard::open() {
    Window& w = f.window();
    playerRows = f.db().query("SELECT * FROM giocatori order by cognome asc, nome asc  ");
    playerRowsLast = playerRows.last();
    Control& list = f.c("Combo9");
    list.items.clear();
    for (int r = 0; r <= playerRowsLast; ++r)
        list.items.push_back(playerRows.at(giocatori::kSurname, r).str() + " " +
                             playerRows.at(giocatori::kFirstName, r).str());
    if (list.items.empty()) {
        list.text.clear();
        list.listIndex = -1;
        Combo9_Click();
    } else {
        // The screen opens on his own card, the one he looks for first.
        const std::string own = f.playerSurname + " " + f.playerFirstName;
        const bool listed = std::find(list.items.begin(), list.items.end(), own) != list.items.end();
        w.setComboText(list, listed ? own : list.items.front());
    }
    f.c("Text2").text.clear();
    RecordPanels::show(w, "Picture8");
}

bool PlayerCard::ready() {
    return f.weekComboReady == 1 && !f.c("Combo9").text.empty() && cardPlayerRow >= 0 &&
           cardPlayerRow <= playerRowsLast;
}

void PlayerCard::clearCard() {
    f.c("Image19").visible = false;
    for (int item : {0, 1, 9, 11, 13, 14, 16, 20, 21, 22})
        f.c("Label53", item).text.clear();
    for (int k = 0; k < kExcerptLines; ++k)
        f.c("Image21", k).visible = false;
    for (int s = 35; s <= 49; ++s)
        f.c("Label23", s).visible = false;
    f.c("Shape6").visible = false;
    clearHistory();
}

void PlayerCard::Combo9_Click() {
    Window& w = f.window();
    DisabledWindow disabled(w);
    RedrawReads::Redraw redraw(m_reads);
    const std::string chosen = f.c("Combo9").text;
    cardPlayerRow = -1;
    // The last row of that name, as the list shows names only.
    for (int r = 0; r <= playerRowsLast && !chosen.empty(); ++r) {
        if (playerRows.at(giocatori::kSurname, r).str() + " " +
                playerRows.at(giocatori::kFirstName, r).str() ==
            chosen)
            cardPlayerRow = r;
    }
    if (cardPlayerRow < 0) {
        clearCard();
        w.setComboText(f.c("Combo11"), "Generale");
        w.setComboText(f.c("Combo10"), "Tutti");
        return;
    }
    const int r = cardPlayerRow;
    f.c("Label53", 1).text = playerRows.at(kNation, r).str() + " - " + playerRows.at(kContinent, r).str() +
                             "       Eta': " + playerRows.at(giocatori::kAge, r).str() + "   -   Uno ";
    const std::array<std::pair<int, int>, 3> dots = {
        {{9, giocatori::kSkillUno}, {11, giocatori::kSkillHearts}, {13, giocatori::kSkillBrisolo}}};
    for (auto [item, skill] : dots) {
        // "l" is a filled dot in the symbol face of these labels: one dot per point of skill.
        const long long points = playerRows.at(skill, r).toInt();
        f.c("Label53", item).text = std::string(static_cast<size_t>(std::max(0LL, points)), 'l');
    }
    f.c("Label53", 0).text = chosen;
    Control& flag = f.c("Image19");
    f.loadPicture(flag, GameContext::flagPath(playerRows.at(giocatori::kFlagKey, r).str()));
    flag.visible = true;

    drawRankingTable();
    drawRecordAgainstHuman();
    w.setComboText(f.c("Combo11"), "Generale");
    w.setComboText(f.c("Combo10"), "Tutti");
}

// How the card's player fared at the tables where he met the human: the tables of the career's
// history, his place against the human's.
void PlayerCard::drawRecordAgainstHuman() {
    Control* record = f.window().find("Label79");
    if (!record) return;
    record->visible = false;
    const std::string surname = fApici(playerRows.at(giocatori::kSurname, cardPlayerRow).str());
    const std::string name = fApici(playerRows.at(giocatori::kFirstName, cardPlayerRow).str());
    std::string met;
    for (int k = 1; k <= 3; ++k) {
        const std::string n = std::to_string(k);
        met += std::string(met.empty() ? "" : " UNION ALL ") + "SELECT posto" + n + " sue, posto mio FROM storico_tavoli " +
               "where cognome" + n + "='" + surname + "' and nome" + n + "='" + name + "'";
    }
    const Rows counts = f.db().query("SELECT count(*), coalesce(sum(sue < mio), 0), coalesce(sum(sue > mio), 0) FROM (" +
                                     met + ")");
    const long meetings = static_cast<long>(counts.at(0, 0).toInt());
    if (meetings == 0) return;
    record->text = "Contro di te: " + std::to_string(meetings) + (meetings == 1 ? " tavolo" : " tavoli") +
                   ", davanti a te " + std::to_string(counts.at(1, 0).toInt()) + ", dietro " +
                   std::to_string(counts.at(2, 0).toInt());
    record->visible = true;
}

void PlayerCard::drawRankingTable() {
    const int r = cardPlayerRow;
    const std::string surname = playerRows.at(giocatori::kSurname, r).str();
    const std::string firstName = playerRows.at(giocatori::kFirstName, r).str();
    const std::string nation = playerRows.at(kNation, r).str();
    const std::string continent = playerRows.at(kContinent, r).str();

    std::string captions;
    std::string places = "\n";
    std::string points = "\n";
    for (const Ranking& ranking : rankings()) {
        captions += std::string(ranking.name) + "\nMondo\n" + continent + "\n" + nation + "\n\n";
        const Rows& all = m_reads.rows(f.db(), std::string("SELECT * FROM giocatori  order by ") +
                                                   ranking.column + " desc,cognome asc,nome asc");
        int j = 0;
        int inNation = 1;
        int inContinent = 1;
        for (; j <= all.last(); ++j) {
            if (all.at(giocatori::kSurname, j).str() == surname &&
                all.at(giocatori::kFirstName, j).str() == firstName)
                break;
            if (all.at(kNation, j).str() == nation) ++inNation;
            if (all.at(kContinent, j).str() == continent) ++inContinent;
        }
        places += std::to_string(j + 1) + "\n" + std::to_string(inContinent) + "\n" +
                  std::to_string(inNation) + "\n\n\n";
        points += playerRows.at(ranking.points, r).str() + "\n\n\n\n\n";
    }
    f.c("Label53", 15).text = captions;
    f.c("Label53", 14).text = places;
    f.c("Label53", 16).text = points;
}

void PlayerCard::Combo11_Click() {
    if (!ready()) return;
    DisabledWindow disabled(f.window());
    RedrawReads::Redraw redraw(m_reads);
    drawExcerpt();
}

void PlayerCard::Combo10_Click() {
    if (!ready()) return;
    DisabledWindow disabled(f.window());
    RedrawReads::Redraw redraw(m_reads);
    drawHistory();
}

void PlayerCard::drawExcerpt() {
    const std::string game = f.c("Combo11").text;
    const char* column = "totalepunti";
    int pointsColumn = giocatori::kTotalPoints;
    for (const Ranking& ranking : rankings()) {
        if (game == ranking.name) {
            column = ranking.column;
            pointsColumn = ranking.points;
        }
    }
    const Rows& all = m_reads.rows(f.db(), std::string("SELECT * FROM giocatori  order by ") + column +
                                               " desc,cognome asc");
    const int last = all.last();
    const int p =
        m_reads.position(f.db(),
                         std::string("SELECT * FROM giocatori  order by ") + column + " desc,cognome asc",
                         playerRows.at(giocatori::kSurname, cardPlayerRow).str(),
                         playerRows.at(giocatori::kFirstName, cardPlayerRow).str()) -
        1;

    // Thirty lines around the player, sixteenth unless he is near either end of the ranking.
    int first = 0;
    int end = last;
    if (last >= kExcerptLines - 1) {
        first = p - 15;
        end = p + 14;
        if (first < 0) {
            end -= first;
            first = 0;
        }
        if (end > last) {
            first = last - (kExcerptLines - 1);
            end = last;
        }
    }

    for (int k = 0; k < kExcerptLines; ++k)
        f.c("Image21", k).visible = false;
    for (int s = 35; s <= 49; ++s)
        f.c("Label23", s).visible = false;
    Control& places = f.c("Label53", 20);
    Control& points = f.c("Label53", 21);
    Control& names = f.c("Label53", 22);
    places.text.clear();
    points.text.clear();
    names.text.clear();
    int stripe = 35;
    for (int i = first; i <= end; ++i) {
        const int k = i - first;
        Control& flag = f.c("Image21", k);
        f.loadPicture(flag, GameContext::flagPath(all.at(giocatori::kFlagKey, i).str()));
        flag.visible = true;
        places.text += std::to_string(i + 1) + "\n";
        points.text += all.at(pointsColumn, i).str() + "\n";
        names.text +=
            all.at(giocatori::kSurname, i).str() + " " + all.at(giocatori::kFirstName, i).str() + "\n";
        if (k % 2 == 0) f.c("Label23", stripe++).visible = true;
    }
    Control& frame = f.c("Shape6");
    frame.top = kExcerptTop + kExcerptLine * (p - first);
    frame.visible = p >= 0;
}

void PlayerCard::clearHistory() {
    for (int k = 0; k < kHistoryLines; ++k)
        f.c("Image20", k).visible = false;
    for (int item : {kHistoryWeeks, kHistoryPlaces, kHistoryNames, kHistoryImportance, kHistoryPoints})
        f.c("Label53", item).text.clear();
    for (int s = 25; s <= 34; ++s)
        f.c("Label23", s).visible = false;
}

std::string PlayerCard::hostFlag(const std::string& host) {
    // A national championship is held in the player's own nation; a continental one has no flag.
    if (host == "nazio") return playerRows.at(giocatori::kFlagKey, cardPlayerRow).str();
    if (host == "conti") return "";
    return host;
}

void PlayerCard::drawHistory() {
    const std::string surname = fApici(playerRows.at(giocatori::kSurname, cardPlayerRow).str());
    const std::string firstName = fApici(playerRows.at(giocatori::kFirstName, cardPlayerRow).str());
    const std::string game = f.c("Combo10").text;
    std::string statement = "SELECT * FROM tornei where cognome='" + surname + "'and nome='" + firstName;
    if (game != "Tutti") statement += "'and tipo='" + fApici(game);
    statement += "'  order by settimana desc ";
    Rows results = m_reads.rows(f.db(), statement);

    clearHistory();
    Control& weeks = f.c("Label53", kHistoryWeeks);
    Control& places = f.c("Label53", kHistoryPlaces);
    Control& names = f.c("Label53", kHistoryNames);
    Control& importance = f.c("Label53", kHistoryImportance);
    Control& points = f.c("Label53", kHistoryPoints);
    int line = 0;
    // This season's weeks first, newest first; then the weeks after the current one, which were
    // played last season.
    for (int limit : {f.currentWeek, Season::kWeeks + 1}) {
        for (int r = 0; r <= results.last() && line < kHistoryLines; ++r) {
            if (results.at(kResultWeek, r).num() > limit || results.at(kResultPrize, r).num() == kListed)
                continue;
            results.cell(kResultPrize, r) = kListed;
            const std::string event = results.at(kResultEvent, r).str();
            const Rows& host =
                m_reads.rows(f.db(), "SELECT * FROM calendario where torneo='" + fApici(event) + "'  ");
            weeks.text += results.at(kResultWeek, r).str() + "\n";
            places.text += results.at(kResultPlace, r).str() + "\n";
            names.text += event + "\n";
            const long long level = host.empty() ? 0 : host.at(calendario::kImportance, 0).toInt();
            importance.text += std::string(static_cast<size_t>(std::max(0LL, level)), '<') + "\n";
            points.text += results.at(kResultPoints, r).str() + "\n";
            const std::string flagKey =
                host.empty() ? "" : hostFlag(host.at(calendario::kHostNation, 0).str());
            Control& flag = f.c("Image20", line);
            if (!flagKey.empty()) {
                f.loadPicture(flag, GameContext::flagPath(flagKey));
                flag.visible = true;
            }
            if (line % 2 == 0) f.c("Label23", 25 + line / 2).visible = true;
            ++line;
        }
        if (line >= kHistoryLines) break;
    }
}

void PlayerCard::Image18_Click() {
    Window& w = f.window();
    DisabledWindow disabled(w);
    RedrawReads::Redraw redraw(m_reads);
    const std::string wanted = lowerCase(f.c("Text2").text);
    if (wanted.empty()) return;
    Control& list = f.c("Combo9");
    list.items.clear();
    list.text.clear();
    list.listIndex = -1;
    for (int r = 0; r <= playerRowsLast; ++r) {
        const std::string name =
            playerRows.at(giocatori::kSurname, r).str() + " " + playerRows.at(giocatori::kFirstName, r).str();
        if (lowerCase(name).find(wanted) != std::string::npos) list.items.push_back(name);
    }
    if (list.items.empty()) {
        clearHistory();
        return;
    }
    w.setComboText(list, list.items.front());
    Combo10_Click();
}

} // namespace velmora
