#pragma once

#include <string>
#include <vector>

namespace velmora {

// The boards of the screens away from the table, as a screen reader reads them: each is a heading
// caption (or the first column's heading) with one caption per column under it, one line per row.
// The control named first carries the whole table; the column captions and the other headings are
// read only as its cells.
struct ScreenBoard {
    struct Ref {
        const char* name;
        int index;
    };
    struct Column {
        Ref caption;
        const char* header; // the column's name as read
    };
    const char* name;
    Ref carrier;
    std::vector<Column> columns;
    std::vector<Ref> alsoHidden; // headings drawn apart from the carrier, bands over a column

    // Every such board; the table screen's two boards are placed by their own header instead.
    static const std::vector<ScreenBoard>& all();
    // The board a control carries, nullptr when it carries none.
    static const ScreenBoard* carriedBy(const std::string& name, int index);
    // Whether a control is only part of a board: a column caption or a heading read with it.
    static bool isPart(const std::string& name, int index);
};

} // namespace velmora
