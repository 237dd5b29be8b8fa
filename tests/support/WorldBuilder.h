#pragma once

#include <string>

namespace velmora {
class Database;
}

namespace velmora::test {

// Writes a ready-made world straight into a database, so screens can be tested before a new
// career can be made: 1999 computer players with skills 1..10 and ranking points, the human's
// row (skills 0) and the key/value rows of his career.
struct WorldOptions {
    std::string firstName = "Mario";
    std::string surname = "Rossi";
    std::string nation = "Italia"; // a nazione of nazionalita
    int age = 30;
    long money = 20000;
    int week = 1;
    std::string event = "0";
    int humanPoints = 0; // every points column of the human
    unsigned seed = 7;
};

void buildWorld(Database& database, const WorldOptions& options = {});

} // namespace velmora::test
