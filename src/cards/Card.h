#pragma once

#include "data/Value.h"

#include <array>
#include <string>

namespace velmora {

// One card: a value (a number, or an Uno action word) and a colour or suit. The pair (0, 0) is an
// empty place; a wild Uno card has the colour 0.
struct Card {
    Value value;
    Value colour;

    bool empty() const { return value.isEmpty() && colour.isEmpty(); }
    // The text naming the card and its picture: value then colour ("7rosso", "14cuori"), or the
    // value alone for a colourless card ("piu4").
    std::string code() const;
    bool operator==(const Card& other) const = default;
};

// A hand always has 27 places, the most an Uno hand can need.
constexpr int kHandSlots = 27;
using Hand = std::array<Card, kHandSlots>;

} // namespace velmora
