#include "rankings/LowerCase.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace velmora {

std::string lowerCase(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t at = 0;
    while (at < length) {
        const int32_t start = at;
        UChar32 letter = 0;
        U8_NEXT(bytes, at, length, letter);
        if (letter < 0) {
            // Not UTF-8: the bytes go through untouched, so they still match themselves.
            out.append(text, static_cast<size_t>(start), static_cast<size_t>(at - start));
            continue;
        }
        // A lower-case letter is a valid code point and fits the buffer, so the plain append is safe.
        uint8_t encoded[U8_MAX_LENGTH];
        int32_t size = 0;
        U8_APPEND_UNSAFE(encoded, size, u_tolower(letter));
        out.append(reinterpret_cast<const char*>(encoded), static_cast<size_t>(size));
    }
    return out;
}

} // namespace velmora
