#include "cards/SpokenCard.h"

#include <array>
#include <cctype>
#include <utility>

namespace velmora {

namespace {

const std::array<const char*, 4> kUnoColours = {"rosso", "giallo", "verde", "blu"};
const std::array<const char*, 4> kSuits = {"picche", "cuori", "fiori", "quadri"};

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool allDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char ch : text)
        if (!std::isdigit(static_cast<unsigned char>(ch))) return false;
    return true;
}

std::string capitalised(std::string word) {
    word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
    return word;
}

std::string lowerCase(std::string text) {
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

} // namespace

std::string spokenCard(const std::string& code) {
    if (code == "cambiacolore") return "Jolly cambia colore";
    if (code == "piu4") return "+4";
    for (const char* colour : kUnoColours) {
        if (!endsWith(code, colour)) continue;
        const std::string value = code.substr(0, code.size() - std::string(colour).size());
        const std::string name = capitalised(colour);
        if (value.size() == 1 && allDigits(value)) return name + " " + value;
        if (value == "piu2") return name + " +2";
        if (value == "cambiagiro") return name + " cambia giro";
        if (value == "saltaturno") return name + " salta turno";
        return "";
    }
    for (const char* suit : kSuits) {
        if (!endsWith(code, suit)) continue;
        const std::string value = code.substr(0, code.size() - std::string(suit).size());
        if (!allDigits(value) || value.size() > 2) return "";
        const int number = std::stoi(value);
        static const std::array<std::pair<int, const char*>, 4> kCourt = {
            {{11, "Fante"}, {12, "Donna"}, {13, "Re"}, {14, "Asso"}}};
        for (const auto& [rank, word] : kCourt)
            if (number == rank) return std::string(word) + " di " + suit;
        if (number >= 2 && number <= 10) return value + " di " + suit;
        return "";
    }
    return "";
}

std::string cardCodeOfPicture(const std::string& path) {
    const std::string lower = lowerCase(path);
    for (const char* folder : {"\\immagini\\uno\\", "\\immagini\\52\\"}) {
        const std::string prefix(folder);
        if (lower.compare(0, prefix.size(), prefix) != 0 || !endsWith(lower, ".jpg")) continue;
        const std::string code = path.substr(prefix.size(), path.size() - prefix.size() - 4);
        return spokenCard(code).empty() ? "" : code;
    }
    return "";
}

} // namespace velmora
