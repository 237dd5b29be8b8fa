#pragma once

#include "SeedTable.h"

#include <filesystem>
#include <string>
#include <vector>

struct sqlite3;

// Writes the encrypted database. Everything goes into a temporary file beside the target, which only
// takes the target's name once every table is loaded and committed: a failed run leaves no file that
// the build could mistake for a good one.
class DatabaseWriter {
  public:
    explicit DatabaseWriter(std::filesystem::path target);
    ~DatabaseWriter(); // closes and deletes the temporary file unless finish() succeeded
    DatabaseWriter(const DatabaseWriter&) = delete;
    DatabaseWriter& operator=(const DatabaseWriter&) = delete;

    // Creates the keyed temporary file and runs the schema. Throws std::runtime_error on failure.
    void create(const std::string& schemaSql);
    // Problems that keep a seed table from loading: no such table, columns not matching the table's
    // columns in name and order, or a value that is not a number in a number column.
    std::vector<std::string> checkShape(const SeedTable& table);
    // Inserts every table in one transaction. Throws std::runtime_error on failure.
    void load(const std::vector<const SeedTable*>& tables);
    // Checks the file reads back, closes it and gives it the target's name. Throws on failure.
    void finish();

    // The password the game opens velmora.mdb with.
    static constexpr const char* kPassword = "qz20481736lomeri";

  private:
    struct Column {
        std::string name;
        std::string type; // declared type, upper case: TEXT, INTEGER, NUMERIC
    };

    std::vector<Column> columns(const std::string& table);
    void execute(const std::string& sql);
    [[noreturn]] void fail(const std::string& what);
    void close();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    sqlite3* m_db = nullptr;
    bool m_finished = false;
};
