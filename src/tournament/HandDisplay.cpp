#include "tournament/HandDisplay.h"

#include "cards/HandSorting.h"
#include "state/GameContext.h"

namespace velmora {

void HandDisplay::showUnoHand() {
    sortUnoHand(f.seatHand[3]);
    // The Uno faces live in the folder named after the game ("\immagini\Uno\7rosso.jpg").
    drawHand("\\immagini\\" + f.currentGame + "\\");
}

void HandDisplay::showFrenchHand() {
    sortFrenchHand(f.seatHand[3], f.currentGame);
    drawHand("\\immagini\\52\\");
}

void HandDisplay::drawHand(const std::string& folder) {
    const Hand& hand = f.seatHand[3];
    for (int i = 0; i < kHandSlots; ++i) {
        Control& picture = f.c("Image11", i);
        const Card& card = hand[static_cast<size_t>(i)];
        if (card.empty()) {
            picture.visible = false;
            continue;
        }
        f.loadPicture(picture, folder + card.code() + ".jpg");
        picture.visible = true;
    }
}

} // namespace velmora
