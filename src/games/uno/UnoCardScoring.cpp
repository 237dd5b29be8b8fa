#include "games/uno/UnoCardScoring.h"

#include "data/Value.h"
#include "games/uno/UnoRules.h"

namespace velmora {

UnoCardScoring::UnoCardScoring(Card top, std::string colourInForce, int nextSeatCards)
    : m_top(std::move(top)), m_colourInForce(std::move(colourInForce)), m_nextSeatCards(nextSeatCards) {}

double UnoCardScoring::fit(const Card& card) const {
    const std::string v = card.value.str();
    const std::string c = card.colour.str();
    const std::string dv = m_top.value.str();
    const std::string dc = m_top.colour.str();
    const bool wild = isWildValue(card.value);
    double score = 0;
    if (isWildValue(m_top.value)) {
        // Only the colour named with the wild card matters; another wild card fits but earns nothing.
        if (c == m_colourInForce) score += 30;
    } else if (isNumberValue(m_top.value)) {
        // A zero is matched only by colour: the seat never plays a zero of another colour on it.
        if (v == dv && dv != "0") score += 14;
        if (c == dc) score += 30;
        if (wild) score += 100;
    } else {
        if (v == dv) score += 6;
        if (c == dc && v != dv) score += 30;
        if (wild) score += 100;
    }
    return score;
}

double UnoCardScoring::threat(const Card& card, double score) const {
    const int n = m_nextSeatCards;
    if (n <= 0 || n >= 3) return score;
    const bool pileColour = card.colour.str() == m_top.colour.str();
    double cut = 0;
    if (card.value.is("piu4")) {
        cut = 100.0 / n;
    } else if (card.value.is("piu2") && pileColour) {
        cut = 60.0 / n;
    } else if ((card.value.is("saltaturno") || card.value.is("cambiagiro")) && pileColour) {
        cut = 40.0 / n;
    } else {
        return score;
    }
    score -= cut;
    return score == 0 ? -1 : score;
}

int UnoCardScoring::weight(const Card& card) {
    if (card.empty() || card.value.isEmpty()) return 0;
    if (isWildValue(card.value)) return 14;
    if (isActionValue(card.value)) return 11;
    return 2;
}

UnoCardScoring::Scores UnoCardScoring::score(const Hand& hand) const {
    Scores scores{};
    int handWeight = 0;
    for (const Card& card : hand)
        handWeight += weight(card);
    for (int i = 0; i < kHandSlots; ++i) {
        const Card& card = hand[static_cast<size_t>(i)];
        if (card.empty()) continue;
        double s = threat(card, fit(card));
        if (s == 0 && !isWildValue(card.value)) {
            s = kUnplayable;
        } else {
            s -= handWeight - weight(card);
        }
        scores[static_cast<size_t>(i)] = s;
    }
    return scores;
}

int UnoCardScoring::choose(const Hand& hand, const Scores& scores) {
    long long best = 10000;
    int chosen = -1;
    for (int i = 0; i < kHandSlots; ++i) {
        const Card& card = hand[static_cast<size_t>(i)];
        const double s = scores[static_cast<size_t>(i)];
        const bool candidate = isWildValue(card.value) || (s != kUnplayable && !card.colour.isEmpty());
        if (candidate && roundEven(s) < best) {
            best = roundEven(s);
            chosen = i;
        }
    }
    return chosen;
}

std::string UnoCardScoring::chooseColour(const Hand& hand) {
    int g = 0, v = 0, b = 0, r = 0;
    for (const Card& card : hand) {
        if (card.value.isEmpty() || card.colour.isEmpty()) continue;
        const std::string colour = card.colour.str();
        if (colour == "giallo")
            ++g;
        else if (colour == "verde")
            ++v;
        else if (colour == "blu")
            ++b;
        else if (colour == "rosso")
            ++r;
    }
    if (g >= v && g >= b && g >= r) return "giallo";
    if (v >= b && v >= r) return "verde";
    if (b >= r) return "blu";
    return "rosso";
}

} // namespace velmora
