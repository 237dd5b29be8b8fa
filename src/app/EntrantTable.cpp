#include "app/EntrantTable.h"

namespace velmora {

EntrantTable makeEntrantTable(int rows) {
    EntrantRow empty;
    empty.fill(Value(0));
    return EntrantTable(static_cast<size_t>(rows), empty);
}

void clearEntrantTable(EntrantTable& table) {
    for (auto& row : table) row.fill(Value(0));
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

} // namespace velmora
