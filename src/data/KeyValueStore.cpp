#include "data/KeyValueStore.h"

#include "data/Database.h"
#include "data/Quoting.h"

namespace velmora {

Value KeyValueStore::read(const std::string& key, const std::string& column) {
    Rows rows = m_database.query("SELECT * FROM temp WHERE dato= '" + fApici(key) + "' ");
    return rows.field(column, 0);
}

double KeyValueStore::number(const std::string& key) { return read(key, "dato1").num(); }

std::string KeyValueStore::text(const std::string& key) { return read(key, "dato2").str(); }

void KeyValueStore::setNumber(const std::string& key, double value) {
    m_database.execute("UPDATE temp SET dato1='" + numberText(value) + "'" + "WHERE dato= '" + fApici(key) + "'");
}

void KeyValueStore::setText(const std::string& key, const std::string& value) {
    m_database.execute("UPDATE temp SET dato2='" + fApici(value) + "'" + "WHERE dato= '" + fApici(key) + "'");
}

} // namespace velmora
