#pragma once

#include <string>
#include <utility>
#include <vector>

namespace velmora {

// What a screen reader is told of a control: its role, its name and its state in words.
enum class AccessibleRole {
    Hidden,     // a decoration, a face-down card, an empty caption: left out of what is read
    Button,     // a caption or a picture that acts on a click
    StaticText, // a caption
    Grouping,   // a screen (panel), named by its title
    Table,      // a board of columns, named by its header
    Own,        // text boxes, lists and charts keep the toolkit's own description
};

// A board read as a table: the long name of each column, then one row of cells per player line.
struct AccessibleTable {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows; // as many cells as headers, "" where a line is blank
    // Where each column lies across the board's header: its left and right edges as shares of the
    // header's width (0 its left edge, 1 its right).
    std::vector<std::pair<double, double>> spans;
};

struct Accessible {
    AccessibleRole role = AccessibleRole::Own;
    std::string name;
    std::string state; // "giocabile", "non giocabile ora", ... ("" for none)
    bool unavailable = false; // a refused card, a button that would do nothing
    AccessibleTable table;    // a board's columns and rows (role Table)

    // The role as the driver prints it ("button", "text", "group", "table", "hidden", "own").
    static const char* roleName(AccessibleRole role);
};

} // namespace velmora
