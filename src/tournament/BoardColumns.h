#pragma once

#include <string>
#include <vector>

namespace velmora {

class Window;

// Lines the column labels of the table screen's two boards up under the words of their headers.
// Headers and columns share one monospace face, so a word's place in a fixed-width header text is
// a distance on screen; each game writes its own header, so the columns follow the header drawn.
class BoardColumns {
  public:
    // A face with every letter of the name pools (Vietnamese among them), so no name needs a
    // fallback face of another width.
    static constexpr const char* kFontFamily = "Noto Sans Mono";
    // Twenty names and their figures must read on a small screen (digits at least 9 pixels tall
    // in a 1366 x 768 window), and the widest header (140 characters) must still fit across the
    // board: the face is much taller than its columns are wide, each character as narrow as one
    // of 8.25 points. Both sizes are whole pixels at the design scale (19 and 11), so the glyph
    // advance is exact there.
    static constexpr double kFontSize = 14.25;    // points
    static constexpr double kColumnPoints = 8.25; // the size whose advance a character takes
    static constexpr double kGlyphWidth = kColumnPoints / kFontSize;
    // Distance from one line of a board to the next, in twips (20 pixels at the design scale):
    // tighter than the tall face's own spacing, so twenty rows still fit above the standings.
    static constexpr int kLinePitch = 300;

    // Width of one character of the board face, in twips.
    static double charWidth();
    // The scoreboard: columns Label38 items 12..17, 19, 22, 23 and 27 under the header item 11.
    static void alignScoreboard(Window& w);
    // The standings board: columns Label38 items 4..8, 18 and 24..26 under the header item 9.
    static void alignStandings(Window& w);

    static constexpr int kScoreboardHeader = 11;
    static constexpr int kStandingsHeader = 9;
    // One column of a board as its header now places it: the header's word over it and the
    // Label38 items drawn under that word (El is two overlaid labels, one for "V" and one for "X").
    struct Heading {
        std::string word;
        std::vector<int> items;
    };
    // The columns under a board's header (kScoreboardHeader or kStandingsHeader) that its header
    // shows, left to right; none for any other item.
    static std::vector<Heading> headings(Window& w, int headerItem);
    // Whether a Label38 item is one of the two boards' column labels.
    static bool isColumn(int item);
};

} // namespace velmora
