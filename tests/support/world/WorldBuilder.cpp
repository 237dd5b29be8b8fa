#include "support/WorldBuilder.h"

#include "data/Database.h"
#include "data/KeyValueStore.h"
#include "data/Transaction.h"

#include <random>
#include <stdexcept>

namespace velmora::test {

void buildWorld(Database& database, const WorldOptions& options) {
    Transaction transaction(database);
    Rows nations = database.query("SELECT * FROM nazionalita order by nazione asc ");
    if (nations.empty()) throw std::runtime_error("no nations in the database");
    int human = -1;
    for (int r = 0; r <= nations.last(); ++r) {
        if (nations.at(1, r).str() == options.nation) human = r;
    }
    if (human < 0) throw std::runtime_error("unknown nation " + options.nation);

    database.execute("delete * from giocatori ");
    database.execute("delete * from tornei ");
    std::mt19937 random(options.seed);
    auto draw = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };

    auto addPlayer = [&](const std::string& surname, const std::string& first, int nation, int skillU, int skillH,
                         int skillB, int pu, int ph, int pb) {
        database.insert("giocatori", {{"cognome", surname},
                                      {"nome", first},
                                      {"nazionalita", nations.at(0, nation)},
                                      {"eta", draw(18, 68)},
                                      {"nazione", nations.at(1, nation)},
                                      {"continente", nations.at(2, nation)},
                                      {"uno", skillU},
                                      {"hearts", skillH},
                                      {"brisolo", skillB},
                                      {"unopunti", pu},
                                      {"heartspunti", ph},
                                      {"brisolopunti", pb},
                                      {"totalepunti", pu + ph + pb}});
    };
    const int p = options.humanPoints;
    addPlayer(options.surname, options.firstName, human, 0, 0, 0, p, p, p);
    for (int i = 1; i < 2000; ++i) {
        const int nation = (i * 7) % (nations.last() + 1);
        addPlayer("Cognome" + std::to_string(i), "Nome" + std::to_string(i % 97), nation, draw(1, 10), draw(1, 10),
                  draw(1, 10), draw(0, 3000), draw(0, 3000), draw(0, 3000));
    }

    KeyValueStore temp(database);
    temp.setText("tuonome", options.firstName);
    temp.setText("tuocognome", options.surname);
    temp.setText("tuanazionalita", options.nation);
    temp.setNumber("tuaeta", options.age);
    temp.setNumber("tuodenaro", static_cast<double>(options.money));
    temp.setNumber("settimana", options.week);
    temp.setText("evento", options.event);
    transaction.commit();
}

} // namespace velmora::test
