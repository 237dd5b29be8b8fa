#include "tournament/BoardColumns.h"

#include "tournament/BoardLegend.h"

#include "ui/Window.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace velmora {

namespace {

// Advance of every glyph of the monospace face, in font units per em.
constexpr double kAdvancePerEm = 600.0 / 1000.0;
constexpr int kTwipsPerPoint = 20;

enum class Fit {
    Text,   // left-aligned under the word, running up to the next word
    Number, // right-aligned, ending under the word's last letter
    Mark,   // centred on the word (the El marks)
};

struct Column {
    int item;
    std::vector<std::string> words; // the first one found in the header places the column
    Fit fit;
    int chars; // width in characters for numbers
};

struct Word {
    std::string text;
    int offset;
};

std::vector<Word> wordsOf(const std::string& header) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < header.size()) {
        if (header[i] == ' ') {
            ++i;
            continue;
        }
        size_t end = header.find(' ', i);
        if (end == std::string::npos) end = header.size();
        words.push_back({header.substr(i, end - i), static_cast<int>(i)});
        i = end;
    }
    return words;
}

// The header word a column goes under: the first of its words the header has, words.size() for none.
size_t placedWord(const std::vector<Word>& words, const Column& column) {
    for (const std::string& wanted : column.words) {
        for (size_t k = 0; k < words.size(); ++k) {
            if (words[k].text == wanted) return k;
        }
    }
    return words.size();
}

const std::vector<Column>& scoreboardColumns() {
    static const std::vector<Column> columns = {
        {19, {"El"}, Fit::Mark, 0},     {17, {"El"}, Fit::Mark, 0},
        {13, {"Tav"}, Fit::Number, 3},  {12, {"Car", "Ca"}, Fit::Number, 3},
        {22, {"Pu"}, Fit::Number, 4},   {23, {"Ma", "Cuo"}, Fit::Number, 3},
        {27, {"MP"}, Fit::Number, 3},   {14, {"Giocatore"}, Fit::Text, 0},
        {15, {"Rank"}, Fit::Number, 5}, {16, {"Punti"}, Fit::Number, 6},
    };
    return columns;
}

const std::vector<Column>& standingsColumns() {
    static const std::vector<Column> columns = {
        {18, {"El"}, Fit::Mark, 0},       {5, {"El"}, Fit::Mark, 0},           {6, {"Car"}, Fit::Number, 3},
        {24, {"Pu"}, Fit::Number, 4},     {25, {"Ma", "Cuo"}, Fit::Number, 3}, {26, {"MP"}, Fit::Number, 3},
        {4, {"Giocatore"}, Fit::Text, 0}, {7, {"Rank"}, Fit::Number, 5},       {8, {"Punti"}, Fit::Number, 6},
    };
    return columns;
}

void align(Window& w, int headerItem, const std::vector<Column>& columns) {
    Control& header = w("Label38", headerItem);
    const std::vector<Word> words = wordsOf(header.text);
    // The short headings explain themselves when the pointer rests on the header or a column.
    header.toolTip = BoardLegend::legend(header.text);
    const bool penalties = BoardLegend::countsPenalties(header.text);
    const double cw = BoardColumns::charWidth();
    auto at = [&](double chars) { return header.left + static_cast<int>(std::lround(chars * cw)); };
    for (const Column& column : columns) {
        const size_t found = placedWord(words, column);
        Control& label = w("Label38", column.item);
        if (found == words.size()) {
            // This game's header has no such column: a board routine of another game that fills it
            // anyway (Hearts closes its round with the Brisolo board) must not print over the flags.
            label.toolTip.clear();
            label.width = 0;
            continue;
        }
        const Word& word = words[found];
        const int length = static_cast<int>(word.text.size());
        label.toolTip = BoardLegend::meaning(word.text, penalties);
        switch (column.fit) {
        case Fit::Text: {
            const int end = found + 1 < words.size() ? words[found + 1].offset - 1 : word.offset + 30;
            label.left = at(word.offset);
            label.width = at(end) - label.left;
            label.align = Align::Left;
            break;
        }
        case Fit::Number:
            label.left = at(word.offset + length - column.chars);
            label.width = at(word.offset + length) - label.left;
            label.align = Align::Right;
            break;
        case Fit::Mark:
            label.left = at(word.offset);
            label.width = at(word.offset + length) - label.left;
            label.align = Align::Center;
            break;
        }
    }
}

} // namespace

double BoardColumns::charWidth() {
    return kAdvancePerEm * kColumnPoints * kTwipsPerPoint;
}

void BoardColumns::alignScoreboard(Window& w) {
    align(w, kScoreboardHeader, scoreboardColumns());
}

void BoardColumns::alignStandings(Window& w) {
    align(w, kStandingsHeader, standingsColumns());
}

std::vector<BoardColumns::Heading> BoardColumns::headings(Window& w, int headerItem) {
    const bool scoreboard = headerItem == kScoreboardHeader;
    if (!scoreboard && headerItem != kStandingsHeader) return {};
    const std::vector<Word> words = wordsOf(w("Label38", headerItem).text);
    std::vector<std::pair<size_t, Heading>> placed; // by the word's place in the header
    for (const Column& column : scoreboard ? scoreboardColumns() : standingsColumns()) {
        const size_t found = placedWord(words, column);
        if (found == words.size()) continue;
        auto same = std::find_if(placed.begin(), placed.end(), [&](const auto& p) { return p.first == found; });
        if (same == placed.end())
            placed.push_back({found, Heading{words[found].text, {column.item}}});
        else
            same->second.items.push_back(column.item);
    }
    std::sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Heading> headings;
    for (auto& entry : placed)
        headings.push_back(std::move(entry.second));
    return headings;
}

bool BoardColumns::isColumn(int item) {
    for (const auto* columns : {&scoreboardColumns(), &standingsColumns()}) {
        for (const Column& column : *columns) {
            if (column.item == item) return true;
        }
    }
    return false;
}

} // namespace velmora
