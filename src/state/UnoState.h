#pragma once

#include "cards/Card.h"

#include <string>
#include <vector>

namespace velmora {

// What only an Uno table needs: the pile, the direction, the pending draws and the human's move.
struct UnoState {
    int deckReturnIndex = 0;
    Card discardTop;
    std::string playDirection = "orario";
    int drawSeat = 0;
    int drawCount = 0;
    int playSlot = -1;
    int drewCard = 0;
    int humanPlayStep = 0;
    // Cards outside the deck's ring: the first card turned up, the human's plays, cards drawn into
    // a full hand. A deck that runs dry takes them back, so no card is ever in play twice.
    std::vector<Card> unoOutOfPlay;
    int pileOutOfPlay = -1; // index in unoOutOfPlay of the card on the pile; -1 when it is not there
};

} // namespace velmora
