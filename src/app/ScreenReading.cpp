#include "app/ScreenReading.h"

#include "app/Form1.h"
#include "app/ScreenBoards.h"
#include "cards/SpokenCard.h"
#include "games/uno/UnoRules.h"
#include "tournament/BoardColumns.h"
#include "tournament/BoardLegend.h"
#include "tournament/GameTable.h"

#include <algorithm>
#include <map>
#include <vector>

namespace velmora {

namespace {

constexpr int kHumanSeat = 3;
constexpr int kFirstPassPlace = 27; // Image11 27..29 hold the Hearts pass

// The screens by their panels.
const std::map<std::string, std::string> kScreens = {
    {"Picture1", "Nuova carriera"}, {"Picture2", "La tua settimana"}, {"Picture3", "Classifiche"},
    {"Picture4", "Calendario"},     {"Picture5", "Tavolo"},           {"Picture6", "Regole del torneo"},
    {"Picture7", "Montepremi"},     {"Picture8", "Giocatori"},        {"Picture9", "Statistiche"},
    {"Picture10", "Carriere"},      {"Picture13", "Opzioni"}};

const std::array<const char*, 4> kChooser = {"Blu", "Giallo", "Rosso", "Verde"};

// A caption as one line to be read: its lines joined by commas, runs of blanks made one.
std::string oneLine(const std::string& text) {
    std::string line;
    bool blank = false;
    for (char ch : text) {
        if (ch == '\n' || ch == '\r') {
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            if (!line.empty() && line.back() != ',') line += ",";
            blank = true;
            continue;
        }
        if (ch == ' ' || ch == '\t') {
            blank = true;
            continue;
        }
        if (blank && !line.empty()) line += ' ';
        blank = false;
        line += ch;
    }
    if (!line.empty() && line.back() == ',') line.pop_back();
    return line;
}

// A caption's lines, each trimmed of the blanks around it.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        const size_t first = line.find_first_not_of(" \t\r");
        line = first == std::string::npos ? "" : line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace

Accessible ScreenReading::board(const Control& header) {
    Window& w = f.window();
    const bool scoreboard = header.index == BoardColumns::kScoreboardHeader;
    std::string name = scoreboard ? "Classifica del turno" : "Classifica del tavolo";
    if (!scoreboard && !f.c("Combo7").text.empty()) name += " " + f.c("Combo7").text;
    const bool penalties = BoardLegend::countsPenalties(header.text);
    std::vector<BoardColumn> columns;
    for (const BoardColumns::Heading& heading : BoardColumns::headings(w, header.index)) {
        // The long name the column's tooltip gives; a word that says it all stands as it is.
        const std::string meaning = BoardLegend::meaning(heading.word, penalties);
        BoardColumn column{meaning.empty() ? heading.word : meaning, {}};
        for (int item : heading.items)
            column.captions.push_back(&w("Label38", item));
        columns.push_back(std::move(column));
    }
    return table(name, header, columns);
}

Accessible ScreenReading::board(const ScreenBoard& board) {
    Window& w = f.window();
    std::vector<BoardColumn> columns;
    for (const ScreenBoard::Column& column : board.columns)
        columns.push_back({column.header, {&w(column.caption.name, column.caption.index)}});
    return table(board.name, w(board.carrier.name, board.carrier.index), columns);
}

Accessible ScreenReading::table(const std::string& name, const Control& header, const std::vector<BoardColumn>& columns) {
    Accessible said{AccessibleRole::Table, name};
    AccessibleTable& table = said.table;
    std::vector<std::vector<std::string>> cellsByColumn;
    for (const BoardColumn& column : columns) {
        table.headers.push_back(column.header);
        // Overlaid captions (El's "V" and "X") make one column: a line shows whichever is written.
        std::vector<std::string> cells;
        for (const Control* caption : column.captions) {
            const std::vector<std::string> lines = linesOf(caption->text);
            if (cells.size() < lines.size()) cells.resize(lines.size());
            for (size_t r = 0; r < lines.size(); ++r) {
                if (cells[r].empty()) cells[r] = lines[r];
            }
        }
        cellsByColumn.push_back(std::move(cells));
        const Control& first = *column.captions.front();
        const double width = header.width > 0 ? header.width : 1;
        table.spans.push_back({(first.left - header.left) / width, (first.left + first.width - header.left) / width});
    }
    size_t lines = 0;
    for (const auto& cells : cellsByColumn)
        lines = std::max(lines, cells.size());
    for (size_t r = 0; r < lines; ++r) {
        std::vector<std::string> row;
        bool written = false;
        for (const auto& cells : cellsByColumn) {
            row.push_back(r < cells.size() ? cells[r] : "");
            written = written || !row.back().empty();
        }
        // The line feed after the last line leaves a blank line, not a player.
        if (written) table.rows.push_back(std::move(row));
    }
    return said;
}

std::string ScreenReading::seatName(int seat) {
    if (seat == kHumanSeat) return "te";
    const std::string& caption = f.c("Label38", seat).text;
    return caption.substr(0, caption.find('\n'));
}

void ScreenReading::say(const std::string& text) {
    if (!text.empty()) f.platform().announce(text);
}

Accessible ScreenReading::describe(const Control& c) {
    switch (c.kind) {
    case ControlKind::Panel: {
        auto found = kScreens.find(c.name);
        return {AccessibleRole::Grouping, found == kScreens.end() ? "" : found->second};
    }
    case ControlKind::Shape:
        return {AccessibleRole::Hidden};
    case ControlKind::Picture: {
        const std::string code = cardCodeOfPicture(c.picture);
        if (code.empty()) {
            // Felt, title pictures, flags and the backs of cards are not read; a back that acts (the
            // Uno deck, the won cards) is read as what it does.
            if (c.name == "Image10" && c.index == 3 && c.clickable) return {AccessibleRole::Button, "Pesca una carta"};
            if (c.name == "Image24") return {AccessibleRole::Button, "Carte prese da " + seatName(c.index)};
            if (c.name == "Image13")
                return {AccessibleRole::StaticText,
                        c.picture.find("sx") != std::string::npos ? "Giro orario" : "Giro antiorario"};
            return {AccessibleRole::Hidden};
        }
        Accessible card{c.clickable ? AccessibleRole::Button : AccessibleRole::StaticText, spokenCard(code)};
        if (c.name == "Image11") {
            if (c.index >= kFirstPassPlace) {
                card.state = "messa da parte per il passaggio";
            } else if (c.dimmed) {
                card.state = "non giocabile ora";
                card.unavailable = true;
            } else if (GameTable* game = f.gameTable(); game && game->humanToPlay()) {
                card.state = "giocabile";
            }
        }
        return card;
    }
    case ControlKind::Label: {
        if (c.name == "Label43") return {AccessibleRole::StaticText, "Colore in gioco: " + unoColourNamed(c.backColor)};
        if (c.name == "Label71") return {AccessibleRole::StaticText, "Suoni spenti"};
        if (c.name == "Label48") return {AccessibleRole::Button, kChooser[static_cast<size_t>(c.index & 3)]};
        if (const ScreenBoard* carried = ScreenBoard::carriedBy(c.name, c.index))
            return c.shown() ? board(*carried) : Accessible{AccessibleRole::Hidden};
        if (ScreenBoard::isPart(c.name, c.index)) return {AccessibleRole::Hidden};
        if (c.name == "Label38") {
            // A board is read as one table from its header; its column captions are its cells.
            if (c.index == BoardColumns::kScoreboardHeader || c.index == BoardColumns::kStandingsHeader)
                return c.text.empty() ? Accessible{AccessibleRole::Hidden} : board(c);
            if (BoardColumns::isColumn(c.index)) return {AccessibleRole::Hidden};
        }
        std::string name = oneLine(c.text);
        if (name.empty()) name = oneLine(c.toolTip);
        if (name.empty()) return {AccessibleRole::Hidden};
        Accessible said{c.clickable ? AccessibleRole::Button : AccessibleRole::StaticText, name};
        said.unavailable = c.clickable && c.dimmed;
        return said;
    }
    default:
        return {AccessibleRole::Own};
    }
}

void ScreenReading::sayFramedCard() {
    // The keyboard's frame is seen, not focused: the card it comes onto is said, with its state,
    // as the arrows move it or a card leaving the hand moves it on.
    std::string framed;
    for (int place = 0; place <= kFirstPassPlace + 2; ++place) {
        const Control* card = f.window().find("Image11", place);
        if (card && card->framed && card->shown()) {
            const Accessible said = describe(*card);
            // Only a card a click would take is framed: "giocabile" goes without saying.
            const bool plain = said.state.empty() || said.state == "giocabile";
            framed = said.name + (plain ? "" : ", " + said.state) + " " + std::to_string(place);
        }
    }
    if (framed != m_framed && !framed.empty()) say(framed.substr(0, framed.rfind(' ')));
    m_framed = framed;
}

void ScreenReading::announceChanges() {
    // The cards laid and the tricks taken are said in the words of the table's log, as they happen;
    // what follows from them is said here.
    const bool atTable = f.c("Picture5").visible && !f.c("Label42").visible;
    if (atTable) {
        GameTable* game = f.gameTable();
        const bool humanTurn = game && game->humanToPlay();
        const int turn = humanTurn ? kHumanSeat : f.turnSeat;
        // A +2 or +4 passes the turn as it is laid, but its victim's draw is told a moment later:
        // the turn waits for it, so the table is heard in the order it plays.
        if (!game || !game->drawOwed()) {
            if (turn != m_turn) say(turn == kHumanSeat ? std::string("Tocca a te") : "Tocca a " + seatName(turn));
            m_turn = turn;
        }
    } else {
        m_turn = -1;
    }
    // What he is asked to do (the Hearts pass, the colour after a wild card) is said as it comes
    // up, before the card the frame rests on.
    const Control& prompt = f.c("Label85");
    const std::string promptText = prompt.shown() ? oneLine(prompt.text) : "";
    if (promptText != m_prompt) say(promptText);
    m_prompt = promptText;
    sayFramedCard();
    const Control& banner = f.c("Label56");
    const std::string bannerText = banner.shown() ? oneLine(banner.text) : "";
    if (bannerText != m_banner) say(bannerText);
    m_banner = bannerText;
    if (f.c("Picture2").visible && f.currentWeek != m_week) {
        if (m_week != 0) say("Settimana " + std::to_string(f.currentWeek));
        m_week = f.currentWeek;
    }
}

} // namespace velmora
