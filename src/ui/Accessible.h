#pragma once

#include <string>

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

struct Accessible {
    AccessibleRole role = AccessibleRole::Own;
    std::string name;
    std::string state; // "giocabile", "non giocabile ora", ... ("" for none)
    bool unavailable = false; // a refused card, a button that would do nothing

    // The role as the driver prints it ("button", "text", "group", "table", "hidden", "own").
    static const char* roleName(AccessibleRole role);
};

} // namespace velmora
