#pragma once

#include <string>

namespace velmora {

// Returns expression with every occurrence of find replaced by replacement, scanning from the
// 1-based position start; matching ignores letter case and inserted text is never scanned again.
std::string Replace(const std::string& expression, const std::string& find, const std::string& replacement,
                    long start);

// The store's equality of two texts: equal when they differ only in the case of the letters A-Z.
bool sameText(const std::string& a, const std::string& b);

// Doubles every apostrophe so the text can sit between single quotes in a statement.
std::string fApici(const std::string& value);

} // namespace velmora
