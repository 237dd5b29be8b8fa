#include "state/EntrantTable.h"

#include <algorithm>

namespace velmora {

EntrantTable makeEntrantTable(int rows) {
    EntrantRow empty;
    empty.fill(Value(0));
    return EntrantTable(static_cast<size_t>(rows), empty);
}

void clearEntrantTable(EntrantTable& table) {
    for (auto& row : table)
        row.fill(Value(0));
}

bool sameEntrant(const EntrantRow& row, const std::string& surname, const std::string& firstName) {
    return row[0].str() == surname && row[1].str() == firstName;
}

int findEntrant(const EntrantTable& table, const std::string& surname, const std::string& firstName) {
    for (size_t i = 0; i < table.size(); ++i) {
        if (sameEntrant(table[i], surname, firstName)) return static_cast<int>(i);
    }
    return -1;
}

bool namedEntrant(const EntrantRow& row) {
    return !row[0].isEmpty() && !row[1].isEmpty();
}

int findIn(const EntrantTable& table, int count, const EntrantRow& entrant) {
    for (int i = 0; i < count && i < static_cast<int>(table.size()); ++i) {
        const EntrantRow& row = table[static_cast<size_t>(i)];
        if (namedEntrant(row) && sameEntrant(row, entrant[0].str(), entrant[1].str())) return i;
    }
    return -1;
}

void copyColumns(const EntrantRow& from, EntrantRow& to, int lastColumn) {
    std::copy(from.begin(), from.begin() + lastColumn + 1, to.begin());
}

void refreshByName(EntrantTable& target, int targetCount, const EntrantTable& source, int sourceCount,
                   int lastColumn) {
    for (int k = 0; k < targetCount && k < static_cast<int>(target.size()); ++k) {
        EntrantRow& row = target[static_cast<size_t>(k)];
        if (!namedEntrant(row)) continue;
        const int i = findIn(source, sourceCount, row);
        if (i >= 0) copyColumns(source[static_cast<size_t>(i)], row, lastColumn);
    }
}

long recordedPosition(long placeGroup) {
    switch (placeGroup) {
    case 4:
    case 8:
    case 16:
    case 32:
    case 64:
    case 128:
    case 256:
        return placeGroup + 1;
    default:
        return placeGroup;
    }
}

} // namespace velmora
