#include "career/PointsWriter.h"

#include "app/StoreColumns.h"
#include "data/Database.h"
#include "data/Quoting.h"
#include "data/Rows.h"

namespace velmora {

namespace {
const char* const kColumns[] = {"unopunti", "heartspunti", "brisolopunti", "totalepunti"};
}

void PointsWriter::write(const Rows& players, int lastRow, const std::function<void(int row)>& afterEach) {
    for (const char* column : kColumns) {
        m_database.execute(std::string("UPDATE giocatori SET ") + column + "='" + numberText(0) + "'");
    }
    for (int row = 0; row <= lastRow; ++row) {
        const std::string where = "WHERE cognome= '" + fApici(players.at(giocatori::kSurname, row).str()) +
                                  "'and nome= '" + fApici(players.at(giocatori::kFirstName, row).str()) + "'";
        for (int c = 0; c < 4; ++c) {
            m_database.execute(std::string("UPDATE giocatori SET ") + kColumns[c] + "='" +
                               players.at(giocatori::kPointsUno + c, row).str() + "'" + where);
        }
        if (afterEach) afterEach(row);
    }
}

} // namespace velmora
