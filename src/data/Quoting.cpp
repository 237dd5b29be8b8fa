#include "data/Quoting.h"

#include <cctype>

namespace velmora {

namespace {
bool sameIgnoringCase(const std::string& text, size_t at, const std::string& find) {
    if (at + find.size() > text.size()) return false;
    for (size_t i = 0; i < find.size(); ++i) {
        auto a = static_cast<unsigned char>(text[at + i]);
        auto b = static_cast<unsigned char>(find[i]);
        if (std::toupper(a) != std::toupper(b)) return false;
    }
    return true;
}
} // namespace

std::string Replace(const std::string& expression, const std::string& find, const std::string& replacement,
                    long start) {
    std::string work = expression;
    if (find.empty() || start < 1) return work;
    size_t position = static_cast<size_t>(start - 1);
    while (position < work.size()) {
        if (sameIgnoringCase(work, position, find)) {
            work = work.substr(0, position) + replacement + work.substr(position + find.size());
            position += replacement.size();
        } else {
            ++position;
        }
    }
    return work;
}

std::string fApici(const std::string& value) { return Replace(value, "'", "''", 1); }

bool sameText(const std::string& a, const std::string& b) {
    // Only A-Z fold, as in the store's own comparison: accented letters keep their case.
    const auto asciiLower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    }
    return true;
}

} // namespace velmora
