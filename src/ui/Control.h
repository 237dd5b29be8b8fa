#pragma once

#include "ui/Chart.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

enum class ControlKind { Panel, Label, Picture, Combo, TextBox, Shape, Chart };

enum class Align { Left, Right, Center };

// Type face of a control. Symbol faces map the game's symbol letters onto ordinary glyphs:
// "Wingdings" shows "l" as a filled dot, "Webdings" shows "<" as a clear mark.
struct Font {
    std::string family = "DejaVu Sans";
    double size = 10; // points
    bool bold = false;
    bool italic = false;
};

// One control of the window, with the properties the game sets. Positions are twips relative to
// the control's panel (or to the window when it has none); colours are 0xRRGGBB.
struct Control {
    std::string name;
    int index = -1; // -1 for a single control, 0.. for an item of a control array
    int order = 0;  // creation order: of two controls on one panel the later is drawn above
    ControlKind kind = ControlKind::Label;
    Control* panel = nullptr;

    std::string text; // a label's caption, a text box's or combo box's text
    bool visible = true;
    bool enabled = true;
    int left = 0, top = 0, width = 1000, height = 300;

    std::uint32_t backColor = 0xFFFFFF;
    bool backTransparent = true; // a label without its own background
    std::uint32_t foreColor = 0x000000;
    std::uint32_t borderColor = 0x000000;
    bool border = false;
    Font font;
    Align align = Align::Left;
    bool wordWrap = true;
    bool clickable = false; // labels and pictures that act as buttons show a hand cursor

    std::string picture; // path as the game gives it ("\immagini\uno\7rosso.jpg" under the app folder)
    bool stretch = true;

    std::vector<std::string> items; // combo box list
    int listIndex = -1;
    int radius = 0;    // rounded corners of shapes and button labels, in twips
    int linePitch = 0; // twips from one line of a caption to the next; 0 for the font's own spacing
    // Width of a fixed-width caption's characters as a share of the face's own: a board can take a
    // taller face and keep its columns where the header's words put them.
    double glyphWidth = 1.0;
    bool dimmed = false; // drawn greyed: a card the rules would refuse now, a button that would do nothing
    bool marked = false; // drawn with a lit outline: a card that has just come into the hand
    bool framed = false; // drawn with the keyboard's focus frame: the card Enter or Space would take
    std::string toolTip; // shown when the pointer rests on the control; "" for none
    Chart chart;         // what a chart control draws

    // Whether a player could click it now: it and every panel above it are visible and enabled.
    bool reachable() const;
    // Whether it is on screen: it and every panel above it are visible.
    bool shown() const;
    // Qualified name used in messages: "Label38(11)" or "Label39".
    std::string displayName() const;
};

} // namespace velmora
