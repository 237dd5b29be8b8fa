#pragma once

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
    // 8.25 points is a whole 11 pixels at the design scale, so the glyph advance is exact there.
    static constexpr double kFontSize = 8.25; // points
    // One line of the board face as drawn: 13 pixels of 15 twips at the design scale.
    static constexpr int kLinePitch = 195; // twips

    // Width of one character of the board face, in twips.
    static double charWidth();
    // The scoreboard: columns Label38 items 12..17, 19, 22, 23 and 27 under the header item 11.
    static void alignScoreboard(Window& w);
    // The standings board: columns Label38 items 4..8, 18 and 24..26 under the header item 9.
    static void alignStandings(Window& w);
};

} // namespace velmora
