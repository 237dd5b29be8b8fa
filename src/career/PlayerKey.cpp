#include "career/PlayerKey.h"

namespace velmora {

namespace {
char fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
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

bool sameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

bool unusableName(const std::string& name) {
    if (name == "0") return true;
    for (size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') continue;
        // A non-breaking space (UTF-8 C2 A0) is a blank too.
        if (c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) == 0xA0) {
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

} // namespace velmora
