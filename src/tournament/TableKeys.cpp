#include "tournament/TableKeys.h"

#include "state/GameContext.h"
#include "tournament/GameTable.h"
#include "tournament/TableFlow.h"

#include <algorithm>

namespace velmora {

namespace {
constexpr int kHandPlaces = 27;
} // namespace

bool TableKeys::handOpen() {
    // Before "INIZIA" and once the round is over the cards are only to be looked at.
    if (!f.tableFlow().playRunning()) return false;
    GameTable* game = f.gameTable();
    return game->humanSettingAside() || game->humanToPlay();
}

bool TableKeys::takes(int slot) {
    Window& w = f.window();
    GameTable* game = f.gameTable();
    if (slot < 0 || slot >= kPlaces || !handOpen()) return false;
    Control& card = f.c("Image11", slot);
    if (!card.visible) return false;
    const bool taken = game->humanSettingAside() ||
                       (slot < kHandPlaces && game->humanToPlay() && game->humanMayPlayCard(slot));
    // A card under the rule sheet cannot be reached. (The frame is redrawn while an event is
    // still running, so the window's busy flag is no test here.)
    return taken && card.reachable() && !w.covered(card);
}

int TableKeys::nextTaking(int from, int step) {
    for (int k = 0; k < kPlaces; ++k) {
        const int slot = ((from + k * step) % kPlaces + kPlaces) % kPlaces;
        if (takes(slot)) return slot;
    }
    return -1;
}

bool TableKeys::move(int step) {
    refresh();
    if (!takes(m_slot)) return false;
    if (!m_shown) {
        m_shown = true;
    } else {
        m_slot = nextTaking(m_slot + step, step);
    }
    refresh();
    return true;
}

bool TableKeys::reveal() {
    refresh();
    if (m_shown || !takes(m_slot)) return false;
    m_shown = true;
    refresh();
    return true;
}

int TableKeys::framedSlot() {
    return m_shown && takes(m_slot) ? m_slot : -1;
}

int TableKeys::nearestTaking(int from, int first, int last) {
    for (int slot = std::max(from, first); slot <= last; ++slot)
        if (takes(slot)) return slot;
    for (int slot = std::min(from - 1, last); slot >= first; --slot)
        if (takes(slot)) return slot;
    return -1;
}

void TableKeys::restAtResults() {
    const char* const results[3] = {"Label56", "Label49", "Picture7"};
    bool anyShown = false;
    for (int k = 0; k < 3; ++k) {
        const Control* result = f.window().find(results[k]);
        const bool shown = result && result->shown();
        if (shown && !m_resultsShown[k]) f.window().holdKeys(f.window().now() + kResultRestMs);
        m_resultsShown[k] = shown;
        anyShown = anyShown || shown;
    }
    // Once he has left the results by a click, the next screen's keys act at once.
    if (!anyShown) f.window().holdKeys(0);
}

void TableKeys::refresh() {
    restAtResults();
    if (!f.window().find("Image11", kPlaces - 1)) return;
    // On a computer's turn no card is his to take: the frame stays where it was, unshown.
    if (!handOpen()) {
        for (int slot = 0; slot < kPlaces; ++slot)
            f.c("Image11", slot).framed = false;
        return;
    }
    if (!takes(m_slot)) {
        // The card under the frame was played or set aside: the frame goes to its right-hand
        // neighbour, or to the left one at the end of the row, and stays in the hand (or among
        // the cards set aside) while that row has a card to take.
        const bool inHand = m_slot < kHandPlaces;
        int slot = inHand ? nearestTaking(m_slot, 0, kHandPlaces - 1)
                          : nearestTaking(m_slot, kHandPlaces, kPlaces - 1);
        if (slot < 0) slot = nearestTaking(m_slot, 0, kPlaces - 1);
        if (slot >= 0) m_slot = slot;
    }
    const int framed = framedSlot();
    for (int slot = 0; slot < kPlaces; ++slot)
        f.c("Image11", slot).framed = slot == framed;
}

} // namespace velmora
