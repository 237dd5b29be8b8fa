#include "BenchWorld.h"

#include "data/Database.h"
#include "data/KeyValueStore.h"
#include "data/Transaction.h"

#include <random>
#include <stdexcept>

namespace velmora::bench {

void writeWorld(Database& database, int week) {
    Transaction transaction(database);
    Rows nations = database.query("SELECT * FROM nazionalita order by nazione asc ");
    int italy = -1;
    for (int r = 0; r <= nations.last(); ++r) {
        if (nations.at(1, r).str() == "Italia") italy = r;
    }
    if (italy < 0) throw std::runtime_error("no Italia among the nations");
    database.execute("delete * from giocatori ");

    std::mt19937 random(7);
    auto draw = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto add = [&](const std::string& surname, const std::string& first, int nation, int skill, int pu,
                   int ph, int pb) {
        database.insert("giocatori", {{"cognome", surname},
                                      {"nome", first},
                                      {"nazionalita", nations.at(0, nation)},
                                      {"eta", draw(18, 68)},
                                      {"nazione", nations.at(1, nation)},
                                      {"continente", nations.at(2, nation)},
                                      {"uno", skill},
                                      {"hearts", skill},
                                      {"brisolo", skill},
                                      {"unopunti", pu},
                                      {"heartspunti", ph},
                                      {"brisolopunti", pb},
                                      {"totalepunti", pu + ph + pb}});
    };
    add("Rossi", "Mario", italy, 0, 900, 900, 900);
    for (int i = 1; i < 2000; ++i) {
        add("Cognome" + std::to_string(i), "Nome" + std::to_string(i % 97), (i * 7) % (nations.last() + 1),
            draw(1, 10), draw(0, 3000), draw(0, 3000), draw(0, 3000));
    }

    KeyValueStore temp(database);
    temp.setText("tuonome", "Mario");
    temp.setText("tuocognome", "Rossi");
    temp.setText("tuanazionalita", "Italia");
    temp.setNumber("tuaeta", 30);
    temp.setNumber("tuodenaro", 20000);
    temp.setNumber("settimana", week);
    temp.setText("evento", "0");
    transaction.commit();
}

} // namespace velmora::bench
