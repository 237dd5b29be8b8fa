#pragma once

#include "data/Rows.h"
#include "support/GameTest.h"
#include "support/WorldBuilder.h"

#include <strings.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velmora::test {

// A career of 2000 players written by the world builder, opened on its dashboard as "Carica" does.
class RecordsTest : public GameTest {
  protected:
    void open(const WorldOptions& options = {}) {
        load();
        buildWorld(form->db(), options);
        click("Label1", 1);
        click("Label1", 4);
        ASSERT_TRUE(platform.takeMessages().empty());
        ASSERT_TRUE(c("Picture2").visible);
    }
    // Every shown menu or list click must run without a reported failure.
    void clickOk(const std::string& name, int index = -1) {
        click(name, index);
        const auto messages = platform.takeMessages();
        ASSERT_TRUE(messages.empty()) << messages.front();
    }
    void chooseOk(const std::string& name, const std::string& item) {
        ASSERT_TRUE(form->window().choose(name, -1, item)) << name << " " << item;
        const auto messages = platform.takeMessages();
        ASSERT_TRUE(messages.empty()) << messages.front();
    }

    // One player as the store holds him, for counting places independently of the screens.
    struct Player {
        std::string surname, firstName, nation, continent;
        long points[4]; // overall, Uno, Hearts, Brisolo
    };
    std::vector<Player> players() {
        Rows rows = form->db().query("SELECT cognome, nome, nazione, continente, totalepunti, unopunti, "
                                     "heartspunti, brisolopunti FROM giocatori");
        std::vector<Player> all;
        for (int r = 0; r <= rows.last(); ++r) {
            Player p{rows.at(0, r).str(), rows.at(1, r).str(), rows.at(2, r).str(), rows.at(3, r).str(), {}};
            for (int g = 0; g < 4; ++g)
                p.points[g] = static_cast<long>(rows.at(4 + g, r).num());
            all.push_back(p);
        }
        return all;
    }
    // Place of p among those that pass the filter, by the points of one ranking and then surname
    // and first name as the store compares them (without regard to case).
    template <typename Filter>
    static int placeOf(const std::vector<Player>& all, const Player& p, int ranking, Filter inScope) {
        int place = 1;
        for (const Player& q : all) {
            if (!inScope(q) || (&q == &p)) continue;
            const int bySurname = strcasecmp(q.surname.c_str(), p.surname.c_str());
            if (q.points[ranking] > p.points[ranking] ||
                (q.points[ranking] == p.points[ranking] &&
                 (bySurname < 0 ||
                  (bySurname == 0 && strcasecmp(q.firstName.c_str(), p.firstName.c_str()) < 0))))
                ++place;
        }
        return place;
    }
    static const Player& find(const std::vector<Player>& all, const std::string& shown) {
        for (const Player& p : all) {
            if (p.surname + " " + p.firstName == shown) return p;
        }
        throw std::runtime_error("no player " + shown);
    }
};

// The lines of a column label (each line ends with a line feed).
inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', start)) {
        out.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    if (start < text.size()) out.push_back(text.substr(start));
    return out;
}

} // namespace velmora::test
