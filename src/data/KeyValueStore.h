#pragma once

#include "data/Value.h"

#include <string>

namespace velmora {

class Database;

// The career's own values kept in the table temp (key dato, number dato1, text dato2).
// Rows are never created or deleted here: updating a missing key changes nothing.
class KeyValueStore {
public:
    explicit KeyValueStore(Database& database) : m_database(database) {}

    double number(const std::string& key);
    std::string text(const std::string& key);
    void setNumber(const std::string& key, double value);
    void setText(const std::string& key, const std::string& value);

private:
    Value read(const std::string& key, const std::string& column);
    Database& m_database;
};

} // namespace velmora
