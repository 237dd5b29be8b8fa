#pragma once

#include "cards/Card.h"

#include <cstdint>
#include <string>

namespace velmora {

// Uno as our tournament tables play it. Each seat starts with ten cards and the first card turned
// up is always a number. A card goes on the pile when it matches the pile's value or colour; the
// two wild cards ("cambiacolore" and "piu4") go on anything and their player names the colour in
// force. "piu2" and "piu4" make the next seat draw two or four cards at once and lose its turn
// (draw cards are never stacked, and a "piu4" cannot be challenged); "saltaturno" skips the next
// seat; "cambiagiro" reverses the direction of play. A seat that cannot play draws one card and
// may then play or pass. Any card may be the last one; the first two seats to empty their hands
// go through to the next round, and the table ends there.
//
// Seats are 0..3 (3 is the human); "orario" plays 0, 1, 2, 3, 0 and "antiorario" the other way.

// The colours of the deck, in the order the human's hand is sorted by.
constexpr const char* kUnoColours[4] = {"rosso", "giallo", "verde", "blu"};

// "cambiacolore" or "piu4": colourless cards that go on any pile.
bool isWildValue(const Value& value);
// A number card, 0..9: its value begins with a digit.
bool isNumberValue(const Value& value);
// "piu2", "cambiagiro" or "saltaturno".
bool isActionValue(const Value& value);

// Whether the human may put the card on the pile: a wild card always; a number or action card
// when it matches the top card's value or colour, or, on a wild card, the colour in force.
// An empty place is never playable.
bool humanMayPlay(const Card& card, const Card& top, const std::string& colourInForce);

// One pass over the hand that moves every card down over the free place before it: the gap a
// played card leaves closes, so a hand with cards always has one in its first place.
void closeGap(Hand& hand);

// The seat after this one in the direction of play, wrapping round the table.
int nextSeat(int seat, const std::string& direction);
// The other direction of play.
std::string reversedDirection(const std::string& direction);

// The colour a colour name is shown in on the table (0xRRGGBB); white for anything else.
std::uint32_t unoColourRgb(const std::string& colour);
// The colour name shown by a screen colour, or "" when it is none of the four.
std::string unoColourNamed(std::uint32_t rgb);

} // namespace velmora
