#pragma once

#include <string>

namespace velmora {

// The text in lower case, letter by letter, by the Unicode lower-case mapping: "ZIELIŃSKI" gives
// "zieliński", "Đinh" gives "đinh", "Şimşek" gives "şimşek". The world's names come from every
// nation's name pool, so the player search must fold every alphabet, not only the Latin one.
// Bytes that are not UTF-8 are kept as they are.
std::string lowerCase(const std::string& text);

} // namespace velmora
