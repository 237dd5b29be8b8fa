#include "BrisoloCards.h"

#include "cards/Decks.h"
#include "games/brisolo/BrisoloRules.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(BrisoloRules, ACardIsWorthItsValueAndAHandSharesOut416) {
    int manche = 0;
    for (const Card& card : brisoloCards({14, 13, 12, 11}))
        manche += BrisoloRules::cardPoints(card);
    EXPECT_EQ(manche, 50);
    int deck = 0;
    for (const Card& card : buildFrenchDeck())
        deck += BrisoloRules::cardPoints(card);
    EXPECT_EQ(deck, 416);
    EXPECT_EQ(BrisoloRules::cardPoints(Card{Value("0"), Value("0")}), 0);
}

} // namespace
} // namespace velmora::test
