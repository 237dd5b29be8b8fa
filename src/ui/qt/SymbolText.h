#pragma once

#include <QString>

#include <string>

namespace velmora {

// The game writes a few symbols as letters of a symbol typeface: in "Wingdings" the letter "l" is a
// filled dot (the skill dots), in "Webdings" "<" is a mark (one per level of a tournament's
// importance). Those faces are not on every machine, so the letters are turned into the ordinary
// characters they stand for and drawn with a normal font.
class SymbolText {
  public:
    // True for a face whose letters stand for symbols.
    static bool isSymbolFace(const std::string& family);
    // The text as it should be drawn in an ordinary font.
    static QString display(const std::string& family, const std::string& text);
};

} // namespace velmora
