#include "tournament/TableCues.h"

#include "state/GameContext.h"
#include "tournament/GameTable.h"
#include "tournament/TableFlow.h"

namespace velmora {

namespace {

constexpr int kHandPlaces = 27;
// The lit plate: a warm gold frame on a lighter felt, so the seat to move is found at a glance.
constexpr std::uint32_t kLitFrame = 0xFFD54A;
constexpr std::uint32_t kLitPlate = 0x24573A;
// The plate of the seat that has just taken a trick glows brighter than the turn's.
constexpr std::uint32_t kWonFrame = 0xFFF2B0;
constexpr std::uint32_t kWonPlate = 0x7A5B12;
const char* const kWonPile = "\\immagini\\52\\dietro.jpg";

std::map<std::string, int> cardsOf(const Hand& hand) {
    std::map<std::string, int> cards;
    for (int i = 0; i < kHandPlaces; ++i) {
        const Card& card = hand[static_cast<size_t>(i)];
        if (!card.empty()) ++cards[card.code()];
    }
    return cards;
}

int count(const std::map<std::string, int>& cards) {
    int total = 0;
    for (const auto& [code, copies] : cards)
        total += copies;
    return total;
}

} // namespace

void TableCues::refresh() {
    Control* table = f.window().find("Picture5");
    GameTable* game = f.gameTable();
    if (!table || !table->visible || !game || !f.window().find("SeatPlate", 0)) {
        clear();
        return;
    }
    const bool playing = f.tableFlow().playRunning();
    const bool humanToPlay = playing && game->humanToPlay();
    lightSeats(playing);
    lightHandRow(humanToPlay);
    for (int slot = 0; slot < kHandPlaces; ++slot) {
        Control& card = f.c("Image11", slot);
        card.dimmed = humanToPlay && card.visible && !game->humanMayPlayCard(slot);
    }
    markFreshCards(playing);
    showLastTrick();
    if (Control* prompt = f.window().find("Label85")) {
        prompt->text = playing ? game->prompt() : std::string();
        prompt->visible = !prompt->text.empty();
    }
}

void TableCues::Image24_Click() {
    if (f.lastTrickWinner < 0) return;
    const long long now = f.window().now();
    m_recallUntil = now < m_recallUntil ? 0 : now + kRecallMs;
}

void TableCues::showLastTrick() {
    if (!f.window().find("Image23", 0)) return;
    bool led = false;
    for (int seat = 0; seat < 4; ++seat)
        led = led || f.c("Image9", seat).visible;
    if (led) {
        // A card has landed: it replaces whatever the seats' places held.
        for (int seat = 0; seat < 4; ++seat) {
            const Control& card = f.c("Image9", seat);
            m_lastCards[static_cast<size_t>(seat)] = card.visible ? card.picture : std::string();
        }
    }
    if (f.c("Label42").visible) m_lastCards.fill(std::string()); // dealt afresh
    if (f.lastTrickWinner < 0) {
        m_recallUntil = 0;
        m_pileHovered = false;
    }
    // Held from the moment it is taken until the next card is led; called back for a while, or
    // while the pointer rests on a pile of won cards.
    const bool recalled = f.window().now() < m_recallUntil || m_pileHovered;
    const bool shown = f.lastTrickWinner >= 0 && (!led || recalled);
    for (int seat = 0; seat < 4; ++seat) {
        Control& card = f.c("Image23", seat);
        // Short of a trick, a seat's last card (Uno's card gone to the pile, a card drawn) stays
        // on its place until the next card lands, so no card flashes by unseen.
        const std::string& picture = shown  ? f.lastTrickPictures[static_cast<size_t>(seat)]
                                     : led ? std::string()
                                           : m_lastCards[static_cast<size_t>(seat)];
        card.visible = !picture.empty();
        if (card.visible && card.picture != picture) f.loadPicture(card, picture);
        card.marked = seat == f.lastTrickWinner;
        Control& pile = f.c("Image24", seat);
        pile.visible = f.tricksWon[static_cast<size_t>(seat)] > 0;
        if (pile.visible && pile.picture.empty()) f.loadPicture(pile, kWonPile);
    }
    if (shown) lightWinner();
}

void TableCues::lightWinner() {
    Control& plate = f.c("SeatPlate", f.lastTrickWinner);
    plate.borderColor = kWonFrame;
    plate.backColor = kWonPlate;
}

void TableCues::lightSeats(bool playing) {
    if (!m_platesKnown) {
        for (int seat = 0; seat < 4; ++seat) {
            m_plateBorder[static_cast<size_t>(seat)] = f.c("SeatPlate", seat).borderColor;
            m_plateBack[static_cast<size_t>(seat)] = f.c("SeatPlate", seat).backColor;
        }
        m_platesKnown = true;
    }
    for (int seat = 0; seat < 4; ++seat) {
        Control& plate = f.c("SeatPlate", seat);
        const bool lit = playing && seat == f.turnSeat;
        plate.borderColor = lit ? kLitFrame : m_plateBorder[static_cast<size_t>(seat)];
        plate.backColor = lit ? kLitPlate : m_plateBack[static_cast<size_t>(seat)];
    }
}

void TableCues::lightHandRow(bool humanToPlay) {
    Control* row = f.window().find("HandRow");
    if (!row) return;
    // The lit row runs under the cards he holds, from the first place to the last one shown.
    int last = -1;
    for (int slot = 0; slot < kHandPlaces; ++slot)
        if (f.c("Image11", slot).visible) last = slot;
    row->visible = humanToPlay && last >= 0;
    if (last >= 0) {
        const Control& first = f.c("Image11", 0);
        const Control& end = f.c("Image11", last);
        row->width = end.left + end.width - first.left + 2 * (first.left - row->left);
    }
}

void TableCues::markFreshCards(bool playing) {
    if (!m_handTopsKnown) {
        for (int slot = 0; slot < kHandPlaces; ++slot)
            m_handTop[static_cast<size_t>(slot)] = f.c("Image11", slot).top;
        m_handTopsKnown = true;
    }
    const std::map<std::string, int> hand = cardsOf(f.seatHand[3]);
    const int before = count(m_lastHand);
    const int now = count(hand);
    const long long clock = f.window().now();
    if (!playing || now < before) {
        // A deal, or a card played: nothing in the hand is news any more.
        m_fresh.clear();
    } else if (now > before && before > 0) {
        // The cards that were not there before: a card drawn, a penalty, cards passed to him.
        m_fresh.clear();
        for (const auto& [code, copies] : hand) {
            const auto had = m_lastHand.find(code);
            const int added = copies - (had == m_lastHand.end() ? 0 : had->second);
            if (added > 0) m_fresh[code] = added;
        }
        m_freshSince = clock;
    }
    if (!m_fresh.empty() && clock - m_freshSince > kFreshMs) m_fresh.clear();
    m_lastHand = hand;

    std::map<std::string, int> left = m_fresh;
    for (int slot = 0; slot < kHandPlaces; ++slot) {
        Control& picture = f.c("Image11", slot);
        const Card& card = f.seatHand[3][static_cast<size_t>(slot)];
        bool fresh = false;
        if (picture.visible && !card.empty()) {
            auto found = left.find(card.code());
            if (found != left.end() && found->second > 0) {
                --found->second;
                fresh = true;
            }
        }
        picture.marked = fresh;
        picture.top = m_handTop[static_cast<size_t>(slot)] - (fresh ? kLift : 0);
    }
}

void TableCues::clear() {
    m_fresh.clear();
    m_lastCards.fill(std::string());
    m_lastHand.clear();
    m_recallUntil = 0;
    m_pileHovered = false;
    if (Control* prompt = f.window().find("Label85")) prompt->visible = false;
    if (f.window().find("Image23", 0)) {
        for (int seat = 0; seat < 4; ++seat) {
            f.c("Image23", seat).visible = false;
            f.c("Image24", seat).visible = false;
        }
    }
    if (!f.window().find("Image11", 0)) return;
    if (Control* row = f.window().find("HandRow")) row->visible = false;
    for (int slot = 0; slot < kHandPlaces; ++slot) {
        Control& picture = f.c("Image11", slot);
        picture.dimmed = false;
        picture.marked = false;
        if (m_handTopsKnown) picture.top = m_handTop[static_cast<size_t>(slot)];
    }
}

} // namespace velmora
