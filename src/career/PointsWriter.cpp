#include "career/PointsWriter.h"

#include "data/Database.h"
#include "data/PreparedStatement.h"
#include "data/Rows.h"
#include "state/StoreColumns.h"

#include <cmath>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace velmora {

namespace {

// What the store holds for every player: rowid, the two names (kNamed: both are texts, so the
// store can match them at all), the four points and whether all four are whole numbers (kWhole).
const char kHeld[] = "SELECT rowid, cognome, nome, unopunti, heartspunti, brisolopunti, totalepunti, "
                     "typeof(cognome)='text' AND typeof(nome)='text', "
                     "typeof(unopunti)='integer' AND typeof(heartspunti)='integer' AND "
                     "typeof(brisolopunti)='integer' AND typeof(totalepunti)='integer' FROM giocatori";
constexpr int kRowId = 0;
constexpr int kHeldPoints = 3;
constexpr int kNamed = 7;
constexpr int kWhole = 8;

// The points go in as the quoted texts they have always been written as; the columns' number type
// stores them as numbers.
const char kWrite[] = "UPDATE giocatori SET unopunti=?1, heartspunti=?2, brisolopunti=?3, totalepunti=?4 "
                      "WHERE rowid=?5";

// A player's names as the store compares them: letters A-Z without regard to case, nothing else.
using Names = std::pair<std::string, std::string>;

std::string folded(const std::string& text) {
    std::string result = text;
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

struct NamesHash {
    size_t operator()(const Names& names) const {
        const size_t first = std::hash<std::string>()(names.first);
        return first ^
               (std::hash<std::string>()(names.second) + 0x9e3779b97f4a7c15ull + (first << 6) + (first >> 2));
    }
};

// True when the store already holds exactly what writing the texts would leave: whole numbers
// whose decimal texts are the texts themselves.
bool holds(const Rows& held, int row, const std::string (&texts)[4]) {
    if (held.at(kWhole, row).toInt() != 1) return false;
    for (int c = 0; c < 4; ++c) {
        const double stored = held.at(kHeldPoints + c, row).num();
        // Beyond 15 digits the number read back may be rounded: write it rather than trust it.
        if (std::fabs(stored) >= 1e15 || held.at(kHeldPoints + c, row).str() != texts[c]) return false;
    }
    return true;
}

} // namespace

void PointsWriter::write(const Rows& players, int lastRow, const std::function<void(int row)>& afterEach) {
    // The stored players each row names; a later row naming the same player overrides an earlier one.
    const Rows held = m_database.query(kHeld);
    std::unordered_map<Names, std::vector<int>, NamesHash> heldByNames;
    heldByNames.reserve(static_cast<size_t>(held.rowCount()));
    for (int g = 0; g <= held.last(); ++g) {
        if (held.at(kNamed, g).toInt() == 1)
            heldByNames[{folded(held.at(1, g).str()), folded(held.at(2, g).str())}].push_back(g);
    }
    std::vector<Names> rowNames(static_cast<size_t>(lastRow + 1));
    std::unordered_map<Names, int, NamesHash> lastRowOf;
    for (int row = 0; row <= lastRow; ++row) {
        Names& names = rowNames[static_cast<size_t>(row)];
        names = {folded(players.at(giocatori::kSurname, row).str()),
                 folded(players.at(giocatori::kFirstName, row).str())};
        lastRowOf[names] = row;
    }

    PreparedStatement& update = m_database.prepared(kWrite);
    std::vector<bool> written(static_cast<size_t>(held.rowCount()), false);
    auto store = [&](int g, const std::string(&texts)[4]) {
        written[static_cast<size_t>(g)] = true;
        if (holds(held, g, texts)) return;
        update.run({texts[0], texts[1], texts[2], texts[3], held.at(kRowId, g)});
    };
    for (int row = 0; row <= lastRow; ++row) {
        const Names& names = rowNames[static_cast<size_t>(row)];
        auto found = heldByNames.find(names);
        if (found != heldByNames.end() && lastRowOf[names] == row) {
            std::string texts[4];
            for (int c = 0; c < 4; ++c)
                texts[c] = players.at(giocatori::kPointsUno + c, row).str();
            for (int g : found->second)
                store(g, texts);
        }
        if (afterEach) afterEach(row);
    }
    // Players no row names keep no points at all.
    const std::string zeros[4] = {"0", "0", "0", "0"};
    for (int g = 0; g <= held.last(); ++g) {
        if (!written[static_cast<size_t>(g)]) store(g, zeros);
    }
}

} // namespace velmora
