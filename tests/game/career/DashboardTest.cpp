// The dashboard: the player card, the week's events with their fees, prize pools, points and hosts,
// the automatic entry into a season final, and the twelve ranking positions.

#include "career/Dashboard.h"
#include "career/EventEntry.h"
#include "data/Quoting.h"
#include "support/GameTest.h"
#include "support/WorldBuilder.h"

#include <strings.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

class DashboardTest : public GameTest {
  protected:
    void SetUp() override { load(); }

    // Builds the world and refreshes the dashboard as "Carica" would; the refresh must succeed.
    void openAt(const WorldOptions& options) {
        buildWorld(form->db(), options);
        refresh();
    }
    void refresh() {
        ASSERT_TRUE(form->window().dispatch([this] { form->dashboard().refresh(); }));
        ASSERT_TRUE(platform.takeMessages().empty());
    }
    int slotOf(const std::string& event) {
        for (int slot = 0; slot < 4; ++slot) {
            if (c("Label5", slot).visible && c("Label5", slot).text.rfind(event + "\n", 0) == 0) return slot;
        }
        ADD_FAILURE() << event << " is not listed";
        return 0;
    }

    // Prize pool and points on offer of an event, paid position by position: every finisher 1..N
    // collects the prize and points of the tier that covers his position.
    std::pair<long, long> offerOf(const std::string& event) {
        Rows row = form->db().query("SELECT importanza, giocatori FROM calendario where torneo='" +
                                    fApici(event) + "'");
        const std::string level = row.at(0, 0).str();
        const long entrants = static_cast<long>(row.at(1, 0).num());
        Rows prizes = form->db().query("SELECT premio FROM premi where importanza=" + level + " order by id");
        Rows points = form->db().query("SELECT punti, da, a FROM punti where importanza=" + level +
                                       " order by punti desc, da");
        long pool = 0;
        long onOffer = 0;
        for (long position = 1; position <= entrants; ++position) {
            for (int tier = 0; tier <= points.last(); ++tier) {
                if (points.at(1, tier).num() <= position && position <= points.at(2, tier).num()) {
                    pool += static_cast<long>(prizes.at(0, tier).num());
                    onOffer += static_cast<long>(points.at(0, tier).num());
                }
            }
        }
        return {pool, onOffer};
    }
};

TEST_F(DashboardTest, PlayerCardShowsNameAgeMoneyAndFlag) {
    openAt({.firstName = "Lucia", .surname = "D'Amico", .age = 27, .money = 1234567});
    EXPECT_EQ(c("Label1", 8).text, "Lucia D'Amico");
    EXPECT_EQ(c("Label1", 9).text, "Eta' 27");
    EXPECT_EQ(c("Label1", 13).text, "€1234567"); // the euro sign comes before the amount
    EXPECT_EQ(c("Image4").picture, "\\immagini\\flags\\it.jpg");
    EXPECT_EQ(c("Label1", 12).text, "Mondo\nEuropa\nItalia\nMondo\nEuropa\nItalia\n"
                                    "Mondo\nEuropa\nItalia\nMondo\nEuropa\nItalia");
    EXPECT_EQ(c("Label1", 14).text, "Prossimi Eventi Settimana 1");
    EXPECT_EQ(form->playerMoney, 1234567);
    EXPECT_EQ(form->currentWeek, 1);
    for (int entry : {5, 6, 7, 16, 17})
        EXPECT_TRUE(c("Label1", entry).visible) << entry;
}

TEST_F(DashboardTest, EventTextsGiveFeePoolAndPointsOfPaidEventsOnly) {
    openAt({});
    // Week 1: a free challenger, an Open and a Masters; the free one shows only name and field.
    const int free = slotOf("Trofeo di Bologna");
    EXPECT_EQ(c("Label5", free).text, "Trofeo di Bologna\n64 giocatori");
    for (const char* event : {"Open di Milano", "Masters di Saint-Vincent"}) {
        Rows row = form->db().query(
            std::string("SELECT giocatori, iscrizione FROM calendario where torneo='") + event + "'");
        const auto [pool, points] = offerOf(event);
        EXPECT_GT(pool, 0);
        EXPECT_EQ(c("Label5", slotOf(event)).text, std::string(event) + "\n" + row.at(0, 0).str() +
                                                       " giocatori\nIscrizione €" + row.at(1, 0).str() +
                                                       "  -  Montepremi €" + std::to_string(pool) +
                                                       "  -  Punti in palio " + std::to_string(points));
    }
    // Slots follow the events' importance.
    EXPECT_LT(free, slotOf("Open di Milano"));
    EXPECT_LT(slotOf("Open di Milano"), slotOf("Masters di Saint-Vincent"));
}

TEST_F(DashboardTest, TiersBeyondTheFieldAreNotOnOffer) {
    // A 64-player Open shares its level with 128-player events; the 65-128 tier must not count.
    openAt({.week = 2});
    const auto [pool64, points64] = offerOf("Open di Berlino");
    const auto [pool128, points128] = offerOf("Open di Lione");
    EXPECT_LT(pool64, pool128);
    EXPECT_NE(c("Label5", slotOf("Open di Berlino")).text.find("Montepremi €" + std::to_string(pool64) + " "),
              std::string::npos);
    EXPECT_NE(c("Label5", slotOf("Open di Lione")).text.find("Punti in palio " + std::to_string(points128)),
              std::string::npos);
}

TEST_F(DashboardTest, HostsDecideFlagAndEntryButton) {
    openAt({.week = 6}); // Cork and Dublino in Ireland, the national championship, Parigi
    const int national = slotOf("Campionato Nazionale di Brisolo");
    EXPECT_EQ(c("Image5", national).picture, "\\immagini\\flags\\it.jpg"); // held in the player's nation
    EXPECT_TRUE(c("Image5", national).visible);
    EXPECT_TRUE(c("Label6", national).visible);
    const int paris = slotOf("Masters di Parigi");
    EXPECT_EQ(c("Image5", paris).picture, "\\immagini\\flags\\fr.jpg");
    EXPECT_TRUE(c("Label6", paris).visible);
    EXPECT_FALSE(c("Label7", paris).visible);
    EXPECT_FALSE(c("Label39").visible);
    EXPECT_TRUE(c("Label8").visible);

    form->temp().setNumber("settimana", 8); // Rotterdam and the continental championship
    refresh();
    const int continental = slotOf("Campionato Continentale di Uno");
    EXPECT_FALSE(c("Image5", continental).visible);
    EXPECT_FALSE(c("Label6", continental).visible);
    EXPECT_FALSE(c("Label7", continental).visible);
    EXPECT_TRUE(c("Label5", continental).visible);
    // Where the button would be, the slot says why there is none.
    EXPECT_TRUE(c("Label78", continental).visible);
    EXPECT_EQ(c("Label78", continental).text, "Evento continentale: iscrizioni chiuse");
    EXPECT_FALSE(c("Label78", slotOf("Open di Rotterdam")).visible);
    // Slots the week does not use are hidden entirely.
    for (int slot = 2; slot < 4; ++slot) {
        EXPECT_FALSE(c("Label5", slot).visible) << slot;
        EXPECT_FALSE(c("Label6", slot).visible) << slot;
        EXPECT_FALSE(c("Image5", slot).visible) << slot;
        EXPECT_FALSE(c("Label7", slot).visible) << slot;
    }
}

TEST_F(DashboardTest, EachListedEventCarriesTheBadgeOfItsCalendarGame) {
    const std::map<std::string, std::string> badges = {{"Uno", "\\immagini\\giochi\\uno.gif"},
                                                       {"Hearts", "\\immagini\\giochi\\hearts.gif"},
                                                       {"Brisolo", "\\immagini\\giochi\\brisolo.gif"}};
    buildWorld(form->db(), {});
    std::set<std::string> gamesSeen;
    for (int week = 1; week <= 52; ++week) {
        SCOPED_TRACE("week " + std::to_string(week));
        form->temp().setNumber("settimana", week);
        refresh();
        for (int slot = 0; slot < 4; ++slot) {
            const Control& badge = c("Image22", slot);
            if (!c("Label5", slot).visible) {
                EXPECT_FALSE(badge.visible) << "a badge on the empty slot " << slot;
                continue;
            }
            // The event text keeps its first line for the name: the game is told by the badge alone.
            const std::string& text = c("Label5", slot).text;
            const std::string name = text.substr(0, text.find('\n'));
            const Rows row =
                form->db().query("SELECT gioco FROM calendario where torneo='" + fApici(name) + "'");
            ASSERT_EQ(row.rowCount(), 1) << name;
            const std::string game = row.at(0, 0).str();
            gamesSeen.insert(game);
            EXPECT_TRUE(badge.visible) << name;
            EXPECT_EQ(badge.picture, badges.at(game)) << name;
            // Beside the row: level with its text, between the host flag and the text.
            const Control& flag = c("Image5", slot);
            EXPECT_GE(badge.left, flag.left + flag.width) << name;
            EXPECT_LE(badge.left + badge.width, c("Label5", slot).left) << name;
            EXPECT_LT(badge.top, c("Label5", slot).top + c("Label5", slot).height) << name;
            EXPECT_GT(badge.top + badge.height, c("Label5", slot).top) << name;
        }
    }
    EXPECT_EQ(gamesSeen, (std::set<std::string>{"Uno", "Hearts", "Brisolo"}));
}

TEST_F(DashboardTest, AnEnteredEventIsMarkedAndOffersToPlay) {
    openAt({.event = "Open di Milano"});
    const int milan = slotOf("Open di Milano");
    EXPECT_TRUE(c("Label7", milan).visible);
    EXPECT_FALSE(c("Label6", milan).visible);
    for (int slot = 0; slot < 3; ++slot) {
        if (slot == milan) continue;
        EXPECT_FALSE(c("Label6", slot).visible) << "one entry a week";
        EXPECT_FALSE(c("Label7", slot).visible);
    }
    EXPECT_TRUE(c("Label39").visible);
    EXPECT_FALSE(c("Label8").visible);
}

TEST_F(DashboardTest, PointsToDefendAreExactlyWhatTheWeekTakesAway) {
    openAt({.week = 6});
    form->db().execute("UPDATE giocatori SET unopunti=300, heartspunti=300, brisolopunti=400, totalepunti=1000 "
                       "where cognome='Rossi' and nome='Mario'");
    // Last season he won 80 points at Cork (Uno) and 140 at Parigi (Hearts).
    const std::pair<const char*, const char*> held[] = {{"Challenger di Cork", "Uno"}, {"Masters di Parigi", "Hearts"}};
    for (const auto& [event, game] : held) {
        form->db().execute(std::string("INSERT INTO tornei (torneo, tipo, cognome, nome, nazionalita, posizione, punti, "
                                       "premio, settimana) VALUES ('") + event + "', '" + game + "', 'Rossi', 'Mario', 'it', 9, " +
                           (std::string(game) == "Uno" ? "80" : "140") + ", 0, 6)");
    }
    refresh();
    EXPECT_EQ(c("Label65", slotOf("Challenger di Cork")).text, "Da difendere: 80 punti");
    EXPECT_EQ(c("Label65", slotOf("Masters di Parigi")).text, "Da difendere: 140 punti");
    EXPECT_TRUE(c("Label65", slotOf("Masters di Parigi")).visible);
    EXPECT_FALSE(c("Label65", slotOf("Open di Dublino")).visible);
    EXPECT_EQ(c("Label72").text, "In scadenza questa settimana: 220 punti (Uno 80, Hearts 140)");
    EXPECT_EQ(c("Image22", slotOf("Open di Dublino")).toolTip, "Gioco: Uno");

    // The world's week takes exactly those points away, whether he plays again or not.
    ASSERT_TRUE(form->window().dispatch([this] { form->eventEntry().Label8_Click(); }));
    const Rows points = form->db().query("SELECT unopunti, heartspunti, brisolopunti, totalepunti FROM giocatori "
                                         "where cognome='Rossi' and nome='Mario'");
    EXPECT_EQ(points.at(0, 0).toInt(), 300 - 80);
    EXPECT_EQ(points.at(1, 0).toInt(), 300 - 140);
    EXPECT_EQ(points.at(2, 0).toInt(), 400);
    EXPECT_EQ(points.at(3, 0).toInt(), 1000 - 220);
    // His week's report says so: 220 taken away, 80 of them at Uno.
    EXPECT_EQ(c("Label66", 3).text, "Persi\n-220\n-80\n-140\n0");
    EXPECT_EQ(c("Label66", 4).text, "Netto\n-220\n-80\n-140\n0");
}

TEST_F(DashboardTest, TopEightPlayerIsEnteredInEachFinalWithoutEntering) {
    // The human leads every ranking; weeks 50, 51 and 52 hold the Uno, Hearts and Brisolo finals.
    buildWorld(form->db(), {.humanPoints = 100000});
    const char* finals[] = {"Finale Mondiale di Uno", "Finale Mondiale di Hearts",
                            "Finale Mondiale di Brisolo"};
    for (int week = 50; week <= 52; ++week) {
        SCOPED_TRACE(week);
        form->temp().setNumber("settimana", week);
        refresh();
        EXPECT_EQ(form->enteredEvent, finals[week - 50]);
        EXPECT_TRUE(c("Label39").visible);
        EXPECT_FALSE(c("Label8").visible);
        EXPECT_TRUE(c("Label7", 0).visible);
        EXPECT_FALSE(c("Label6", 0).visible);
        EXPECT_EQ(c("Label5", 0).text, std::string(finals[week - 50]) + "\n8 giocatori"); // finals are free
        // The entry lives in memory only.
        EXPECT_EQ(form->temp().text("evento"), "0");
    }
}

TEST_F(DashboardTest, PlayerOutsideTheTopEightMustWaitForNextWeek) {
    openAt({.week = 50});
    EXPECT_EQ(form->enteredEvent, "0");
    EXPECT_FALSE(c("Label39").visible);
    EXPECT_TRUE(c("Label8").visible);
    EXPECT_FALSE(c("Label7", 0).visible);
}

TEST_F(DashboardTest, EighthPlaceQualifiesAndTiesGoBySurname) {
    buildWorld(form->db(), {.week = 52});
    // Six players clearly ahead at Brisolo, then the human level with two others: "Abate" ranks
    // before "Rossi" and "Zanetti" after, so the human is eighth and qualifies.
    form->db().execute("UPDATE giocatori SET brisolopunti='0'");
    for (int i = 1; i <= 6; ++i) {
        form->db().execute("UPDATE giocatori SET brisolopunti='" + std::to_string(9000 + i) +
                           "'WHERE cognome= 'Cognome" + std::to_string(i) + "'");
    }
    form->db().execute("UPDATE giocatori SET brisolopunti='5000'WHERE cognome= 'Rossi'");
    form->db().execute("UPDATE giocatori SET brisolopunti='5000', cognome='Abate' WHERE cognome= 'Cognome7'");
    form->db().execute(
        "UPDATE giocatori SET brisolopunti='5000', cognome='Zanetti' WHERE cognome= 'Cognome8'");
    refresh();
    EXPECT_EQ(form->enteredEvent, "Finale Mondiale di Brisolo");

    // With a second "Abate" level on points the human drops to ninth.
    form->db().execute("UPDATE giocatori SET cognome='Abate' WHERE cognome= 'Zanetti'");
    refresh();
    EXPECT_EQ(form->enteredEvent, "0");
    EXPECT_FALSE(c("Label39").visible);
}

// Positions counted straight from the players: those with more points, plus those level on points
// whose surname comes first.
std::vector<int> expectedPositions(Database& database, const WorldOptions& human) {
    Rows players = database.query("SELECT cognome, nome, continente, nazione, totalepunti, unopunti, "
                                  "heartspunti, brisolopunti FROM giocatori");
    int me = -1;
    for (int r = 0; r <= players.last(); ++r) {
        if (players.at(0, r).str() == human.surname && players.at(1, r).str() == human.firstName) me = r;
    }
    std::vector<int> positions;
    for (int column = 4; column <= 7; ++column) {
        for (int scope = 0; scope < 3; ++scope) {
            int ahead = 0;
            for (int r = 0; r <= players.last(); ++r) {
                if (r == me) continue;
                if (scope == 1 &&
                    strcasecmp(players.at(2, r).str().c_str(), players.at(2, me).str().c_str()) != 0)
                    continue;
                if (scope == 2 &&
                    strcasecmp(players.at(3, r).str().c_str(), players.at(3, me).str().c_str()) != 0)
                    continue;
                const double theirs = players.at(column, r).num();
                const double mine = players.at(column, me).num();
                if (theirs > mine || (theirs == mine && strcasecmp(players.at(0, r).str().c_str(),
                                                                   human.surname.c_str()) < 0)) {
                    ++ahead;
                }
            }
            positions.push_back(ahead + 1);
        }
    }
    return positions;
}

std::string joined(const std::vector<int>& positions) {
    std::string text;
    for (int p : positions)
        text += (text.empty() ? "" : "\n") + std::to_string(p);
    return text;
}

TEST_F(DashboardTest, RankingPositionsInABuiltWorld) {
    const WorldOptions human{.nation = "Francia", .humanPoints = 1500};
    openAt(human);
    const std::vector<int> expected = expectedPositions(form->db(), human);
    EXPECT_EQ(c("Label1", 15).text, joined(expected));
    // A mid-table player: behind some in the world, and never behind more in his nation than there.
    EXPECT_GT(expected[0], 1);
    EXPECT_LE(expected[2], expected[1]);
    EXPECT_LE(expected[1], expected[0]);
}

TEST_F(DashboardTest, EqualPointsAreRankedBySurname) {
    const WorldOptions human{.humanPoints = 700};
    buildWorld(form->db(), human);
    // Every Italian level on every ranking; some of them with surnames after "Rossi".
    form->db().execute("UPDATE giocatori SET unopunti='700'WHERE nazione= 'Italia'");
    form->db().execute("UPDATE giocatori SET totalepunti='2100'WHERE nazione= 'Italia'");
    Rows italians = form->db().query("SELECT cognome FROM giocatori where nazione='Italia' and uno>0");
    ASSERT_GT(italians.rowCount(), 4);
    for (int r = 0; r < 3; ++r) {
        form->db().execute("UPDATE giocatori SET cognome='Zanetti" + std::to_string(r) + "'WHERE cognome= '" +
                           italians.at(0, r).str() + "'");
    }
    refresh();
    const std::vector<int> expected = expectedPositions(form->db(), human);
    EXPECT_EQ(c("Label1", 15).text, joined(expected));
    // Nationally the human comes after every level Italian but the three Zanetti.
    EXPECT_EQ(expected[2], italians.rowCount() + 1 - 3);
    EXPECT_EQ(expected[5], italians.rowCount() + 1 - 3);
}

// The twelve places, each ranking's leader and his neighbours are the store's own ORDER BY lists
// whatever ties the world holds: players level on points with surnames alike but for case or an
// accent (the human's own among them), and values the game never writes (a text, a missing value).
TEST_F(DashboardTest, PlacesLeadersAndNeighboursAreTheStoresOrderOnEveryTie) {
    buildWorld(form->db(), {.humanPoints = 700});
    const char* const changes[] = {
        "",
        "UPDATE giocatori SET totalepunti=2100, unopunti=700, heartspunti=0 WHERE rowid % 3 = 0",
        "UPDATE giocatori SET cognome=CASE rowid % 4 WHEN 0 THEN 'ROSSI' WHEN 1 THEN 'rossi' WHEN 2 THEN 'Rössi' "
        "ELSE 'Rossi' END WHERE rowid % 5 = 0 AND uno > 0",
        "UPDATE giocatori SET heartspunti='molti' WHERE rowid = 7",
        "UPDATE giocatori SET brisolopunti=NULL WHERE rowid = 9",
    };
    const Rows human = form->db().query("SELECT continente, nazione FROM giocatori where uno=0");
    for (const char* change : changes) {
        SCOPED_TRACE(change);
        if (*change) form->db().execute(change);
        refresh();
        size_t place = 0;
        for (const char* ranking : {"totalepunti", "unopunti", "heartspunti", "brisolopunti"}) {
            for (int scope = 0; scope < 3; ++scope) {
                const Rows listed = form->db().query(
                    "SELECT cognome || ' ' || nome, cognome='Rossi' AND nome='Mario' FROM giocatori" +
                    (scope ? std::string(scope == 1 ? " where continente='" : " where nazione='") +
                                 human.at(scope - 1, 0).str() + "'"
                           : "") +
                    " order by " + ranking + " desc, cognome asc");
                int r = 0;
                while (r <= listed.last() && listed.at(1, r).toInt() != 1)
                    ++r;
                EXPECT_EQ(form->rankingPlaces[place++], r + 1) << ranking << ", scope " << scope;
                if (scope > 0) continue;
                EXPECT_EQ(form->worldGlance.leaders[(place - 1) / 3], listed.at(0, 0).str()) << ranking;
                std::vector<std::pair<int, std::string>> near;
                for (int k = std::max(0, r - 6); place == 1 && k <= std::min(listed.last(), r + 6); ++k)
                    near.emplace_back(k + 1, k == r ? "" : listed.at(0, k).str());
                if (place == 1) EXPECT_EQ(form->worldGlance.near, near);
            }
        }
    }
}

TEST_F(DashboardTest, RefreshWritesNothing) {
    buildWorld(form->db(), {.week = 50, .humanPoints = 100000});
    const char* snapshot =
        "SELECT group_concat(dato || '=' || ifnull(dato1, '') || '/' || ifnull(dato2, ''), ';') "
        "FROM temp";
    const char* points =
        "SELECT sum(unopunti), sum(heartspunti), sum(brisolopunti), sum(totalepunti), count(*) "
        "FROM giocatori";
    const Rows keysBefore = form->db().query(snapshot);
    const Rows pointsBefore = form->db().query(points);
    ASSERT_NE(keysBefore.at(0, 0).str().find("settimana=50"), std::string::npos) << keysBefore.at(0, 0).str();
    refresh();
    EXPECT_EQ(form->db().query(snapshot).at(0, 0), keysBefore.at(0, 0));
    const Rows pointsAfter = form->db().query(points);
    for (int col = 0; col < 5; ++col)
        EXPECT_EQ(pointsAfter.at(col, 0), pointsBefore.at(col, 0)) << col;
}

} // namespace
} // namespace velmora::test
