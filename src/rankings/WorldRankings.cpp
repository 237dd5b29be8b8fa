#include "rankings/WorldRankings.h"

#include "state/CardGame.h"

#include "state/GameContext.h"
#include "state/StoreColumns.h"
#include "data/Quoting.h"
#include "rankings/RankingPages.h"
#include "rankings/RecordPanels.h"
#include "ui/DisabledWindow.h"

namespace velmora {

namespace {

constexpr int kNation = 4;    // nazione
constexpr int kContinent = 5; // continente
// A narrow blank (U+2008, about a third of the type's size), and how far the marker's band reaches
// past its column, in twips: less than the gap to the next column.
constexpr const char* kFigureSpace = "\xE2\x80\x88";
constexpr int kMarkerRoom = 140;
// The stripes behind alternate lines, and behind his own line.
constexpr std::uint32_t kStripe = 0x1A5C38;
constexpr std::uint32_t kOwnLine = 0x7A5A10;

// The points column a game's list is ordered by.
std::string orderColumn(const std::string& game) {
    const CardGame* played = findCardGame(game);
    return played ? played->pointsColumn : "totalepunti";
}

// The column label the marker of a game covers.
std::string columnLabel(const std::string& game) {
    if (game == "Uno") return "Label14";
    if (game == "Hearts") return "Label15";
    if (game == "Brisolo") return "Label16";
    return "Label12";
}

} // namespace

bool WorldRankings::ready() const {
    return f.weekComboReady == 1;
}

void WorldRankings::open() {
    // Set quietly: the list is drawn once, below, for the whole world.
    RecordPanels::select(f.c("Combo2"), "Generale");
    RecordPanels::select(f.c("Combo3"), "Mondo");
    Control& places = f.c("Combo4");
    places.visible = false;
    places.items.clear();
    places.text.clear();
    places.listIndex = -1;
    RedrawReads::Redraw redraw(m_reads);
    playerRows = m_reads.rows(f.db(), "SELECT * FROM giocatori  order by totalepunti desc");
    rebuildPages();
    drawRankingList();
    RecordPanels::show(f.window(), "Picture3");
}

void WorldRankings::Combo3_Click() {
    if (!ready()) return;
    DisabledWindow disabled(f.window());
    RedrawReads::Redraw redraw(m_reads);
    const std::string scope = f.c("Combo3").text;
    Control& places = f.c("Combo4");
    places.items.clear();
    places.text.clear();
    places.listIndex = -1;
    if (scope == "Continentale" || scope == "Nazionale") {
        const bool continents = scope == "Continentale";
        const Rows& all =
            m_reads.rows(f.db(), continents ? "SELECT * FROM giocatori  order by continente asc "
                                            : "SELECT * FROM giocatori  order by nazione asc ");
        const int column = continents ? kContinent : kNation;
        for (int r = 0; r <= all.last(); ++r) {
            const std::string value = all.at(column, r).str();
            if (r == 0 || value != all.at(column, r - 1).str()) places.items.push_back(value);
        }
        places.visible = true;
        if (!places.items.empty()) RecordPanels::select(places, places.items.front());
    } else {
        places.visible = false;
    }
    loadScopePlayers();
    rebuildPages();
    drawRankingList();
}

void WorldRankings::Combo4_Click() {
    if (!ready()) return;
    DisabledWindow disabled(f.window());
    RedrawReads::Redraw redraw(m_reads);
    loadScopePlayers();
    rebuildPages();
    drawRankingList();
}

void WorldRankings::Combo2_Click() {
    if (!ready()) return;
    DisabledWindow disabled(f.window());
    RedrawReads::Redraw redraw(m_reads);
    drawRankingList();
}

void WorldRankings::Combo5_Click() {
    if (!ready()) return;
    DisabledWindow disabled(f.window());
    RedrawReads::Redraw redraw(m_reads);
    drawRankingList();
}

void WorldRankings::loadScopePlayers() {
    const std::string scope = f.c("Combo3").text;
    const std::string place = fApici(f.c("Combo4").text);
    if (scope == "Continentale") {
        playerRows = m_reads.rows(f.db(), "SELECT * FROM giocatori where continente='" + place + "' ");
    } else if (scope == "Nazionale") {
        playerRows = m_reads.rows(f.db(), "SELECT * FROM giocatori where nazione='" + place + "' ");
    } else {
        playerRows = m_reads.rows(f.db(), "SELECT * FROM giocatori  ");
    }
}

void WorldRankings::rebuildPages() {
    Control& pages = f.c("Combo5");
    playerRowsLast = playerRows.last();
    pages.items = RankingPages::labels(playerRowsLast + 1);
    RecordPanels::select(pages, pages.items.front());
}

std::string WorldRankings::listStatement() {
    const std::string scope = f.c("Combo3").text;
    const std::string game = f.c("Combo2").text;
    const std::string order = orderColumn(game) + " desc,cognome asc";
    if (scope != "Continentale" && scope != "Nazionale") return "SELECT * FROM giocatori  order by " + order;
    const std::string column = scope == "Continentale" ? "continente" : "nazione";
    const std::string place = fApici(f.c("Combo4").text);
    if (game == "Hearts")
        return "SELECT * FROM giocatori  where " + column + "='" + place + "' order by " + order;
    if (game == "Uno" || game == "Brisolo") {
        return "SELECT * FROM giocatori where " + column + "='" + place + "'  order by " + order;
    }
    return "SELECT * FROM giocatori where " + column + "='" + place + "' order by " + order;
}

void WorldRankings::drawRankingList() {
    RedrawReads::Redraw redraw(m_reads);
    Control& marker = f.c("Label22");
    marker.text.clear();
    playerRows = m_reads.rows(f.db(), listStatement());
    playerRowsLast = playerRows.last();
    const RankingPages::Rows page = RankingPages::rowsOf(f.c("Combo5").text, playerRowsLast + 1);

    for (int k = 0; k < RankingPages::kLinesPerPage; ++k) {
        f.c("Image6", k).visible = false;
        f.c("Label23", k).visible = false;
        f.c("Label23", k).backColor = kStripe;
    }
    const char* columns[] = {"Label10", "Label11", "Label12", "Label14", "Label15",
                             "Label16", "Label17", "Label18", "Label19"};
    for (const char* column : columns)
        f.c(column).text.clear();

    Database& db = f.db();
    for (int r = page.first, k = 0; r <= page.last; ++r, ++k) {
        const std::string surname = playerRows.at(giocatori::kSurname, r).str();
        const std::string firstName = playerRows.at(giocatori::kFirstName, r).str();
        const std::string continent = playerRows.at(kContinent, r).str();
        const std::string nation = playerRows.at(kNation, r).str();
        // The three places always follow the overall points, whichever game the list is ordered by.
        const int world = m_reads.position(
            db, "SELECT * FROM giocatori  order by totalepunti desc,cognome asc", surname, firstName);
        const int inContinent =
            m_reads.position(db,
                             "SELECT * FROM giocatori  where continente='" + fApici(continent) +
                                 "' order by totalepunti desc,cognome asc",
                             surname, firstName);
        const int inNation = m_reads.position(db,
                                              "SELECT * FROM giocatori  where nazione='" + fApici(nation) +
                                                  "' order by totalepunti desc,cognome asc",
                                              surname, firstName);
        const std::string values[] = {std::to_string(r + 1),
                                      surname + " " + firstName,
                                      playerRows.at(giocatori::kTotalPoints, r).str(),
                                      playerRows.at(giocatori::kPointsUno, r).str(),
                                      playerRows.at(giocatori::kPointsUno + 1, r).str(),
                                      playerRows.at(giocatori::kPointsUno + 2, r).str(),
                                      std::to_string(world),
                                      std::to_string(inContinent),
                                      std::to_string(inNation)};
        for (int c = 0; c < 9; ++c)
            f.c(columns[c]).text += values[c] + "\n";
        Control& flag = f.c("Image6", k);
        f.loadPicture(flag, GameContext::flagPath(playerRows.at(giocatori::kFlagKey, r).str()));
        flag.visible = true;
        if (k % 2 == 0) f.c("Label23", k).visible = true;
        // His own line is marked wherever the list shows it.
        if (surname == f.playerSurname && firstName == f.playerFirstName) {
            f.c("Label23", k).visible = true;
            f.c("Label23", k).backColor = kOwnLine;
        }
        f.yield();
    }

    // The marker repeats the chosen game's column over it, so that column stands out. Its band
    // reaches a little past the column and every line ends in a narrow blank: the figures stay about
    // where the column puts them and keep that much room from the band's border.
    const Control& column = f.c(columnLabel(f.c("Combo2").text));
    marker.left = column.left;
    marker.top = column.top;
    marker.width = column.width + kMarkerRoom;
    marker.height = column.height;
    std::string lines = column.text;
    for (size_t at = lines.find('\n'); at != std::string::npos; at = lines.find('\n', at + 1)) {
        lines.insert(at, kFigureSpace);
        at += std::string(kFigureSpace).size();
    }
    if (!lines.empty() && lines.back() != '\n') lines += kFigureSpace;
    marker.text = lines;
}

// "Trovami": the page of the list shown that holds his line.
void WorldRankings::Label69_Click() {
    if (!ready()) return;
    DisabledWindow disabled(f.window());
    RedrawReads::Redraw redraw(m_reads);
    playerRows = m_reads.rows(f.db(), listStatement());
    playerRowsLast = playerRows.last();
    for (int r = 0; r <= playerRowsLast; ++r) {
        if (playerRows.at(giocatori::kSurname, r).str() != f.playerSurname ||
            playerRows.at(giocatori::kFirstName, r).str() != f.playerFirstName)
            continue;
        const std::vector<std::string> pages = RankingPages::labels(playerRowsLast + 1);
        const size_t page = static_cast<size_t>(r / RankingPages::kLinesPerPage);
        RecordPanels::select(f.c("Combo5"), page < pages.size() ? pages[page] : pages.back());
        break;
    }
    drawRankingList();
}

} // namespace velmora
