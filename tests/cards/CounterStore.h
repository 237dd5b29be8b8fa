#pragma once

#include "data/Database.h"
#include "data/KeyValueStore.h"

#include <sqlcipher/sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace velmora::test {

// A throw-away password-protected database holding just the key/value table with the "nummag"
// counter, for the card layer's tests (they link no game and no shipped data).
class CounterStore {
  public:
    explicit CounterStore(double counter) {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-cards-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
        m_folder = pattern;
        const std::string connection = Database::connectionString(m_folder);
        const std::string password = connection.substr(connection.rfind('=') + 1);
        sqlite3* db = nullptr;
        const std::string file = m_folder + "/velmora.mdb";
        if (sqlite3_open(file.c_str(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot create the database");
        sqlite3_key(db, password.data(), static_cast<int>(password.size()));
        const std::string sql =
            "CREATE TABLE temp (dato TEXT COLLATE NOCASE, dato1 NUMERIC, dato2 TEXT COLLATE NOCASE);"
            "INSERT INTO temp VALUES ('nummag', " +
            std::to_string(counter) + ", '');";
        const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        if (rc != SQLITE_OK) throw std::runtime_error("cannot fill the database");
        m_database = std::make_unique<Database>(connection);
        m_store = std::make_unique<KeyValueStore>(*m_database);
    }
    ~CounterStore() {
        m_store.reset();
        m_database.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    CounterStore(const CounterStore&) = delete;
    CounterStore& operator=(const CounterStore&) = delete;

    KeyValueStore& store() { return *m_store; }
    double counter() { return m_store->number("nummag"); }

  private:
    std::string m_folder;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<KeyValueStore> m_store;
};

} // namespace velmora::test
