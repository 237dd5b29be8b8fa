#include "career/PlayerKey.h"

#include <optional>

namespace velmora {

namespace {
char fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Decodes the UTF-8 character that starts at `at` and moves `at` past it; an invalid sequence
// gives nothing and moves past one byte.
std::optional<char32_t> nextCodePoint(const std::string& text, size_t& at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t point = 0;
    if (lead < 0x80) {
        length = 1;
        point = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        point = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        point = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        point = lead & 0x07;
    } else {
        ++at;
        return std::nullopt;
    }
    if (at + static_cast<size_t>(length) > text.size()) {
        ++at;
        return std::nullopt;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(at + static_cast<size_t>(k));
        if ((next & 0xC0) != 0x80) {
            ++at;
            return std::nullopt;
        }
        point = (point << 6) | (next & 0x3F);
    }
    at += static_cast<size_t>(length);
    return point;
}

// Characters that leave no mark on screen: control characters, every kind of space, and the
// zero-width and format characters (joiners, direction marks, fillers, variation selectors, tags).
bool invisible(char32_t c) {
    struct Range {
        char32_t first, last;
    };
    static constexpr Range kInvisible[] = {
        {0x0000, 0x0020},   {0x007F, 0x00A0}, {0x00AD, 0x00AD}, {0x034F, 0x034F},   {0x061C, 0x061C},
        {0x115F, 0x1160},   {0x1680, 0x1680}, {0x17B4, 0x17B5}, {0x180B, 0x180F},   {0x2000, 0x200F},
        {0x2028, 0x202F},   {0x205F, 0x206F}, {0x3000, 0x3000}, {0x3164, 0x3164},   {0xFE00, 0xFE0F},
        {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0}, {0xFFF0, 0xFFFB}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
        {0xE0000, 0xE0FFF},
    };
    for (const Range& range : kInvisible) {
        if (c >= range.first && c <= range.last) return true;
    }
    return false;
}
} // namespace

std::string playerKey(const std::string& surname, const std::string& firstName) {
    std::string key;
    key.reserve(surname.size() + firstName.size() + 1);
    for (char c : surname)
        key += fold(c);
    key += '\x1f'; // a separator no name contains, so ("ab", "c") and ("a", "bc") stay apart
    for (char c : firstName)
        key += fold(c);
    return key;
}

bool unusableName(const std::string& name) {
    if (name == "0") return true;
    for (size_t i = 0; i < name.size();) {
        const std::optional<char32_t> point = nextCodePoint(name, i);
        // A byte that starts no character is shown as a replacement mark: it is visible.
        if (!point || !invisible(*point)) return false;
    }
    return true;
}

} // namespace velmora
