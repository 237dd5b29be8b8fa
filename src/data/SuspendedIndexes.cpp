#include "data/SuspendedIndexes.h"

#include "data/Database.h"
#include "data/Quoting.h"

namespace velmora {

namespace {
std::string quotedName(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}
} // namespace

SuspendedIndexes::SuspendedIndexes(Database& database, const std::string& table) : m_database(database) {
    const Rows indexes =
        m_database.query("SELECT name, sql FROM sqlite_master WHERE type='index' AND tbl_name='" +
                         fApici(table) + "' AND sql IS NOT NULL ORDER BY rowid");
    for (int r = 0; r <= indexes.last(); ++r)
        m_indexes.emplace_back(indexes.at(0, r).str(), indexes.at(1, r).str());
    for (const auto& [name, definition] : m_indexes)
        m_database.execute("DROP INDEX " + quotedName(name));
}

void SuspendedIndexes::rebuild() {
    for (const auto& [name, definition] : m_indexes)
        m_database.execute(definition);
    m_indexes.clear();
}

} // namespace velmora
