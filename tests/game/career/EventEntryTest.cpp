// Entering the week's events, withdrawing, and what the money check allows.

#include "CareerWorld.h"

#include "career/Dashboard.h"
#include "career/EventEntry.h"

#include <string>

namespace velmora::test {
namespace {

// Week 1 lists, by importance: Trofeo di Bologna (free), Open di Milano (500 euro), Masters di
// Saint-Vincent (1500 euro).
class EventEntryTest : public CareerTest {
  protected:
    void SetUp() override {
        openWorld();
        c("Picture2").visible = true;
        for (int slot = 0; slot < 4; ++slot) {
            c("Image5", slot).visible = slot < 3;
            c("Label6", slot).visible = slot < 3;
            c("Label7", slot).visible = false;
        }
        c("Label8").visible = true;
        c("Label39").visible = false;
    }
    void enter(int slot) {
        ASSERT_TRUE(form->window().dispatch([&] { form->eventEntry().Label6_Click(slot); }));
    }
    void withdraw(int slot) {
        ASSERT_TRUE(form->window().dispatch([&] { form->eventEntry().Label7_Click(slot); }));
    }
    std::string stored() { return form->temp().text("evento"); }
    void expectEnteredIn(int slot) {
        for (int s = 0; s < 4; ++s) {
            EXPECT_FALSE(c("Label6", s).visible) << s;
            EXPECT_EQ(c("Label7", s).visible, s == slot) << s;
        }
        EXPECT_TRUE(c("Label39").visible);
        EXPECT_FALSE(c("Label8").visible);
        EXPECT_TRUE(form->window().enabled());
    }
};

TEST_F(EventEntryTest, MoneyEqualToTheFeeIsEnoughAndNothingIsPaidYet) {
    form->playerMoney = 500;
    enter(1);
    EXPECT_TRUE(platform.takeMessages().empty());
    EXPECT_EQ(stored(), "Open di Milano");
    EXPECT_EQ(form->enteredEvent, "Open di Milano");
    expectEnteredIn(1);
    EXPECT_EQ(form->temp().number("tuodenaro"), 20000);
}

TEST_F(EventEntryTest, OneEuroShortIsRefusedWithAMessage) {
    form->playerMoney = 1499;
    const std::string before = dump();
    enter(2);
    EXPECT_EQ(platform.takeMessages(),
              std::vector<std::string>{"Non hai abbastanza denaro per partecipare a questo evento."});
    EXPECT_EQ(platform.lastTitle(), form->appTitle);
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(form->enteredEvent, "0");
    EXPECT_TRUE(c("Label8").visible);
    EXPECT_FALSE(c("Label39").visible);
    EXPECT_TRUE(form->window().enabled());
    // In debt after a tournament, not even a free event can be entered; without money it can.
    form->playerMoney = -300;
    enter(0);
    EXPECT_EQ(platform.takeMessages().size(), 1u);
    EXPECT_EQ(stored(), "0");
    form->playerMoney = 0;
    enter(0);
    EXPECT_TRUE(platform.takeMessages().empty());
    EXPECT_EQ(stored(), "Trofeo di Bologna");
}

TEST_F(EventEntryTest, WithdrawingAndEnteringAgainIsFree) {
    enter(2);
    withdraw(2);
    EXPECT_EQ(stored(), "0");
    EXPECT_EQ(form->enteredEvent, "0");
    for (int s = 0; s < 4; ++s) {
        EXPECT_FALSE(c("Label7", s).visible) << s;
        // Only slots holding an event (shown by their host flag) offer the entry again.
        EXPECT_EQ(c("Label6", s).visible, s < 3) << s;
    }
    EXPECT_TRUE(c("Label8").visible);
    EXPECT_FALSE(c("Label39").visible);
    enter(1);
    EXPECT_EQ(stored(), "Open di Milano");
    expectEnteredIn(1);
    EXPECT_EQ(form->temp().number("tuodenaro"), 20000);
    EXPECT_TRUE(platform.takeMessages().empty());
}

TEST_F(EventEntryTest, OneEventAWeekAndNoneByHandInTheFinals) {
    enter(0);
    enter(1); // already entered this week: nothing happens
    EXPECT_EQ(stored(), "Trofeo di Bologna");

    withdraw(0);
    enter(3); // no fourth event in week 1
    EXPECT_EQ(stored(), "0");
    EXPECT_TRUE(c("Label8").visible);

    // The finals take the eight best by themselves: no entry, and no withdrawal either.
    form->currentWeek = 50;
    enter(0);
    EXPECT_EQ(stored(), "0");
    form->temp().setText("evento", "Finale Mondiale di Uno");
    withdraw(0);
    EXPECT_EQ(stored(), "Finale Mondiale di Uno");
    EXPECT_TRUE(platform.takeMessages().empty());
}

TEST_F(EventEntryTest, SeveralWeeksStopAtAFinalHeIsEnteredInAndAtTheSeasonsTurn) {
    auto live = [this](int fromWeek, const char* choice) {
        form->temp().setNumber("settimana", fromWeek);
        ASSERT_TRUE(form->window().dispatch([this] { form->dashboard().refresh(); }));
        c("Combo16").text = choice;
        ASSERT_TRUE(form->window().dispatch([this] { form->eventEntry().Label8_Click(); }));
        EXPECT_EQ(form->timer(EventEntry::kRunTimer).enabled(), form->eventEntry().running());
        for (int tick = 0; tick < 60 && form->eventEntry().running(); ++tick)
            ASSERT_TRUE(form->window().dispatch([this] { form->eventEntry().runTick(); }));
        EXPECT_FALSE(form->timer(EventEntry::kRunTimer).enabled());
        EXPECT_FALSE(c("Label73").visible);
    };
    // Among the eight best at Uno, he is entered in its final: the run stops there, week 50.
    form->db().execute("UPDATE giocatori SET unopunti=100000, totalepunti=100000 where cognome='" +
                       form->temp().text("tuocognome") + "' and nome='" + form->temp().text("tuonome") + "'");
    live(48, "4 settimane");
    EXPECT_EQ(form->currentWeek, 50);
    EXPECT_EQ(form->enteredEvent, "Finale Mondiale di Uno");
    EXPECT_TRUE(c("Label39").visible);
    EXPECT_EQ(c("Label66", 0).text, "Resoconto delle settimane 48-49 (stagione 1)");
    // From week 52 the next week is a new season: its review is seen before anything else.
    form->temp().setText("evento", "0");
    live(52, "4 settimane");
    EXPECT_EQ(form->currentWeek, 1);
    EXPECT_TRUE(c("Picture12").visible);
    EXPECT_EQ(c("Label67", 0).text.rfind("Stagione 1: il riepilogo", 0), 0u);
}

} // namespace
} // namespace velmora::test
