#include "tournament/BoardColumns.h"

#include "tournament/BoardLegend.h"

#include "ui/Window.h"

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

void align(Window& w, int headerItem, const std::vector<Column>& columns) {
    Control& header = w("Label38", headerItem);
    const std::vector<Word> words = wordsOf(header.text);
    // The short headings explain themselves when the pointer rests on the header or a column.
    header.toolTip = BoardLegend::legend(header.text);
    const bool penalties = BoardLegend::countsPenalties(header.text);
    const double cw = BoardColumns::charWidth();
    auto at = [&](double chars) { return header.left + static_cast<int>(std::lround(chars * cw)); };
    for (const Column& column : columns) {
        size_t found = words.size();
        for (const std::string& wanted : column.words) {
            for (size_t k = 0; k < words.size() && found == words.size(); ++k) {
                if (words[k].text == wanted) found = k;
            }
            if (found != words.size()) break;
        }
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
    static const std::vector<Column> columns = {
        {19, {"El"}, Fit::Mark, 0},     {17, {"El"}, Fit::Mark, 0},
        {13, {"Tav"}, Fit::Number, 3},  {12, {"Car", "Ca"}, Fit::Number, 3},
        {22, {"Pu"}, Fit::Number, 4},   {23, {"Ma", "Cuo"}, Fit::Number, 3},
        {27, {"MP"}, Fit::Number, 3},   {14, {"Giocatore"}, Fit::Text, 0},
        {15, {"Rank"}, Fit::Number, 5}, {16, {"Punti"}, Fit::Number, 6},
    };
    align(w, 11, columns);
}

void BoardColumns::alignStandings(Window& w) {
    static const std::vector<Column> columns = {
        {18, {"El"}, Fit::Mark, 0},       {5, {"El"}, Fit::Mark, 0},           {6, {"Car"}, Fit::Number, 3},
        {24, {"Pu"}, Fit::Number, 4},     {25, {"Ma", "Cuo"}, Fit::Number, 3}, {26, {"MP"}, Fit::Number, 3},
        {4, {"Giocatore"}, Fit::Text, 0}, {7, {"Rank"}, Fit::Number, 5},       {8, {"Punti"}, Fit::Number, 6},
    };
    align(w, 9, columns);
}

} // namespace velmora
