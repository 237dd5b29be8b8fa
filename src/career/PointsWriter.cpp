#include "career/PointsWriter.h"

#include "app/StoreColumns.h"
#include "career/PlayerKey.h"
#include "data/Database.h"
#include "data/PreparedStatement.h"
#include "data/Rows.h"

#include <unordered_map>

namespace velmora {

namespace {

// The points are written as the quoted texts the columns have always been given; the columns'
// number type stores them as numbers.
const char kZeroAll[] =
    "UPDATE giocatori SET unopunti='0', heartspunti='0', brisolopunti='0', totalepunti='0'";
const char kWritePlayer[] =
    "UPDATE giocatori SET unopunti=?1, heartspunti=?2, brisolopunti=?3, totalepunti=?4 "
    "WHERE cognome=?5 AND nome=?6";

} // namespace

void PointsWriter::write(const Rows& players, int lastRow, const std::function<void(int row)>& afterEach) {
    m_database.execute(kZeroAll);
    // A row that matches the same stored player as another must be written even when it is zero:
    // the last one written is the one that stays.
    std::unordered_map<std::string, int> rowsPerPlayer;
    rowsPerPlayer.reserve(static_cast<size_t>(lastRow + 1));
    for (int row = 0; row <= lastRow; ++row)
        ++rowsPerPlayer[playerKey(players.at(giocatori::kSurname, row).str(),
                                  players.at(giocatori::kFirstName, row).str())];

    PreparedStatement& update = m_database.prepared(kWritePlayer);
    Value values[6];
    for (int row = 0; row <= lastRow; ++row) {
        bool allZero = true;
        for (int c = 0; c < 4; ++c) {
            values[c] = Value(players.at(giocatori::kPointsUno + c, row).str());
            allZero = allZero && values[c].text() == "0";
        }
        values[4] = Value(players.at(giocatori::kSurname, row).str());
        values[5] = Value(players.at(giocatori::kFirstName, row).str());
        // A player with no points holds them already: every row was zeroed above.
        const bool written = !allZero || rowsPerPlayer[playerKey(values[4].text(), values[5].text())] > 1;
        if (written) update.run(values);
        if (afterEach) afterEach(row);
    }
}

} // namespace velmora
