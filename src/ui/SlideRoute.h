#pragma once

#include <string>

namespace velmora {

// How a card moves on screen, for a front end that shows motion. Nothing in the game waits for it.
// An arrival: when picture `to` (item toIndex) comes up showing a card, the card slides there from
// the control that showed the same card a moment before (a card of the hand), or else from `from`
// (item fromIndex). A departure (away): when the items of picture array `to` go out of sight
// together, their cards slide to the item of array `from` whose index is that of the outlined one.
struct SlideRoute {
    std::string to;
    int toIndex = -1;
    std::string from;
    int fromIndex = -1;
    bool away = false;
};

} // namespace velmora
