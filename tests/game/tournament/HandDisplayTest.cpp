#include "support/GameTest.h"
#include "support/Hands.h"

#include "tournament/HandDisplay.h"

namespace velmora {
namespace {

using test::GameTest;

using test::handOf;

class HandDisplayTest : public GameTest {
  protected:
    // Items 0..26 that show a card, as their picture paths.
    std::vector<std::string> shownPictures() {
        std::vector<std::string> out;
        for (int i = 0; i < kHandSlots; ++i) {
            if (c("Image11", i).visible) out.push_back(c("Image11", i).picture);
        }
        return out;
    }
};

TEST_F(HandDisplayTest, UnoHandIsSortedAndDrawnFromTheGamesFolder) {
    form->currentGame = "Uno";
    for (int i = 0; i < 30; ++i)
        c("Image11", i).visible = true; // a longer hand shown before
    form->seatHand[3] = handOf({{Value("piu4"), Value(0)},
                                {Value(3), Value("blu")},
                                {Value(0), Value("rosso")},
                                {Value(5), Value("rosso")},
                                {Value("cambiacolore"), Value(0)},
                                {Value("piu2"), Value("rosso")},
                                {Value(3), Value("rosso")}});
    form->handDisplay().showUnoHand();
    EXPECT_EQ(shownPictures(),
              (std::vector<std::string>{"\\immagini\\Uno\\3rosso.jpg", "\\immagini\\Uno\\5rosso.jpg",
                                        "\\immagini\\Uno\\0rosso.jpg", "\\immagini\\Uno\\piu2rosso.jpg",
                                        "\\immagini\\Uno\\3blu.jpg", "\\immagini\\Uno\\cambiacolore.jpg",
                                        "\\immagini\\Uno\\piu4.jpg"}));
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(c("Image11", i).visible) << i;
    for (int i = 7; i < kHandSlots; ++i)
        EXPECT_FALSE(c("Image11", i).visible) << i;
    // The pass places of Hearts are not part of the hand.
    for (int i = 27; i < 30; ++i)
        EXPECT_TRUE(c("Image11", i).visible) << i;
    EXPECT_EQ(form->seatHand[3][0].code(), "3rosso") << "the hand itself is kept sorted";
}

TEST_F(HandDisplayTest, FrenchHandsUseTheSharedFolderAndTheGamesOrder) {
    form->seatHand[3] = handOf({{Value(14), Value("cuori")},
                                {Value(0), Value(0)},
                                {Value(2), Value("picche")},
                                {Value(2), Value("fiori")},
                                {Value(11), Value("quadri")}});
    const Hand dealt = form->seatHand[3];

    form->currentGame = "Brisolo";
    form->handDisplay().showFrenchHand();
    EXPECT_EQ(shownPictures(),
              (std::vector<std::string>{"\\immagini\\52\\2picche.jpg", "\\immagini\\52\\2fiori.jpg",
                                        "\\immagini\\52\\11quadri.jpg", "\\immagini\\52\\14cuori.jpg"}));

    form->seatHand[3] = dealt;
    form->currentGame = "Hearts";
    form->handDisplay().showFrenchHand();
    EXPECT_EQ(shownPictures(),
              (std::vector<std::string>{"\\immagini\\52\\2fiori.jpg", "\\immagini\\52\\11quadri.jpg",
                                        "\\immagini\\52\\2picche.jpg", "\\immagini\\52\\14cuori.jpg"}));
    EXPECT_FALSE(c("Image11", 4).visible);
}

TEST_F(HandDisplayTest, ACardWithoutAPictureIsReportedNotHidden) {
    form->currentGame = "Uno";
    form->seatHand[3] = handOf({{Value(11), Value("rosso")}});
    EXPECT_THROW(form->handDisplay().showUnoHand(), std::runtime_error);
}

} // namespace
} // namespace velmora
