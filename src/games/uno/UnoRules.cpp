#include "games/uno/UnoRules.h"

#include <cctype>

namespace velmora {

namespace {

struct ShownColour {
    const char* name;
    std::uint32_t rgb;
};

constexpr ShownColour kShownColours[] = {
    {"giallo", 0xFFFF00}, {"verde", 0x00FF00}, {"rosso", 0xFF0000}, {"blu", 0x1A89EE}, // 26, 137, 238
};

} // namespace

bool isWildValue(const Value& value) {
    return value.is("cambiacolore") || value.is("piu4");
}

bool isNumberValue(const Value& value) {
    const std::string text = value.str();
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0]));
}

bool isActionValue(const Value& value) {
    return value.is("piu2") || value.is("cambiagiro") || value.is("saltaturno");
}

bool humanMayPlay(const Card& card, const Card& top, const std::string& colourInForce) {
    if (card.empty()) return false;
    if (isWildValue(card.value)) return true;
    if (!isNumberValue(card.value) && !isActionValue(card.value)) return false;
    if (card.value.str() == top.value.str()) return true;
    if (card.colour.str() == top.colour.str()) return true;
    return isWildValue(top.value) && card.colour.str() == colourInForce;
}

void closeGap(Hand& hand) {
    for (size_t i = 0; i + 1 < hand.size(); ++i) {
        if (hand[i].empty()) {
            hand[i] = hand[i + 1];
            hand[i + 1] = Card{};
        }
    }
}

int nextSeat(int seat, const std::string& direction) {
    return direction == "antiorario" ? (seat + 3) % 4 : (seat + 1) % 4;
}

std::string reversedDirection(const std::string& direction) {
    return direction == "orario" ? "antiorario" : "orario";
}

std::uint32_t unoColourRgb(const std::string& colour) {
    for (const auto& shown : kShownColours) {
        if (colour == shown.name) return shown.rgb;
    }
    return 0xFFFFFF;
}

std::string unoColourNamed(std::uint32_t rgb) {
    for (const auto& shown : kShownColours) {
        if (rgb == shown.rgb) return shown.name;
    }
    return "";
}

} // namespace velmora
