#include "data/CareerCheck.h"

#include "data/Database.h"
#include "data/StoreFaults.h"

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <map>

namespace velmora {

namespace fs = std::filesystem;

namespace {

// Every unprotected SQLite database starts with these 16 bytes; a protected one starts with salt.
const char kPlainHeader[] = "SQLite format 3";

std::string fileName(const std::string& path) {
    return "Il file della carriera " + path;
}

// Collects the first column of every row of a statement; false when the statement fails.
bool firstColumn(sqlite3* db, const char* sql, std::vector<std::string>& values) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return false;
    }
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(statement, 0);
        values.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
    }
    sqlite3_finalize(statement);
    return step == SQLITE_DONE;
}

long long pragmaNumber(sqlite3* db, const char* sql) {
    std::vector<std::string> values;
    if (!firstColumn(db, sql, values) || values.empty()) return -1;
    return std::atoll(values.front().c_str());
}

// Whether every page reads back as it was written.
bool pagesSound(sqlite3* db, CareerCheck::Depth depth) {
    std::vector<std::string> report;
    if (depth == CareerCheck::Depth::Pages) {
        // Lists the pages whose authentication code does not match; nothing when all do.
        return firstColumn(db, "PRAGMA cipher_integrity_check", report) && report.empty();
    }
    return firstColumn(db, "PRAGMA quick_check", report) && report == std::vector<std::string>{"ok"};
}

// The columns the game reads of each of its tables, by name (their order is the tables' own).
const std::map<std::string, std::vector<std::string>>& gameColumns() {
    static const std::map<std::string, std::vector<std::string>> columns = {
        {"temp", {"dato", "dato1", "dato2"}},
        {"giocatori",
         {"cognome", "nome", "nazionalita", "eta", "nazione", "continente", "uno", "hearts", "brisolo", "unopunti",
          "heartspunti", "brisolopunti", "totalepunti"}},
        {"tornei", {"torneo", "tipo", "cognome", "nome", "nazionalita", "posizione", "punti", "premio", "settimana"}},
        {"calendario", {"torneo", "importanza", "settimana", "giocatori", "gioco", "iscrizione", "nazione"}},
        {"premi", {"id", "premio", "importanza"}},
        {"punti", {"importanza", "punti", "da"}},
        {"nazionalita", {"nazionalita", "nazione", "continente"}},
        {"nazioni", {"nazione", "nomecognome"}},
        {"finali", {"cognome", "nome", "punti", "numero"}},
        // The game's own history, checked when the career has it.
        {"storico_settimane", {"stagione", "settimana", "denaro", "totalepunti"}},
        {"storico_tornei", {"stagione", "settimana", "torneo", "gioco", "posizione", "premio", "punti"}},
    };
    return columns;
}

// The name pools hold twenty names after the nation and the kind of row.
constexpr size_t kNameColumns = 22;

// The column names of a table, in lower case.
std::vector<std::string> columnNames(sqlite3* db, const std::string& table) {
    std::vector<std::string> names;
    sqlite3_stmt* statement = nullptr;
    const std::string sql = "PRAGMA table_info(" + table + ")";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(statement, 1);
            std::string name = text ? reinterpret_cast<const char*>(text) : "";
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            names.push_back(std::move(name));
        }
    }
    sqlite3_finalize(statement);
    return names;
}

// The game's columns a table lacks, as "table.column" texts.
std::string missingColumns(sqlite3* db, const std::vector<std::string>& present) {
    std::string missing;
    for (const auto& [table, wanted] : gameColumns()) {
        if (std::find(present.begin(), present.end(), table) == present.end()) continue;
        const std::vector<std::string> has = columnNames(db, table);
        for (const std::string& column : wanted) {
            if (std::find(has.begin(), has.end(), column) == has.end())
                missing += (missing.empty() ? "" : ", ") + table + "." + column;
        }
        if (table == "nazioni" && has.size() < kNameColumns) missing += (missing.empty() ? "" : ", ") + table + ".n20";
    }
    return missing;
}

} // namespace

std::string CareerCheck::unreadable(const std::string& path) {
    return fileName(path) +
           " non si può leggere: mancano i permessi per aprirlo. Controlla i permessi del file (deve poterlo "
           "leggere e scrivere chi gioca), poi riapri il gioco.";
}

std::string CareerCheck::problem(const std::string& path) {
    const std::string onDisk = fileProblem(path);
    if (!onDisk.empty()) return onDisk;
    const std::filesystem::path file(path);
    try {
        Database db(Database::connectionString(file.parent_path().string(), file.filename().string()));
        return contentProblem(db);
    } catch (const DatabaseError& error) {
        return error.what();
    }
}

std::string CareerCheck::cutShort(const std::string& path) {
    return fileName(path) + " è incompleto o danneggiato: forse è stato troncato, e la carriera non si legge più per intero.";
}

std::string CareerCheck::damaged(const std::string& path) {
    return fileName(path) + " è danneggiato: alcune sue parti non si leggono più correttamente.";
}

const std::vector<std::string>& CareerCheck::gameTables() {
    static const std::vector<std::string> tables = {"temp",     "giocatori", "tornei", "calendario", "premi",
                                                    "punti",    "nazionalita", "nazioni", "finali"};
    return tables;
}

std::string CareerCheck::wrongKey(const std::string& path) {
    return fileName(path) +
           " non si apre con la password del gioco: non è una carriera di Velmora, oppure è danneggiato.";
}

std::string CareerCheck::fileProblem(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return fileName(path) + " non esiste.";
    if (fs::is_directory(status)) return "Al posto del file della carriera " + path + " c'è una cartella.";
    if (!fs::is_regular_file(status)) return fileName(path) + " non è un file normale.";
    const auto size = fs::file_size(path, error);
    if (error) return unreadable(path);
    if (StoreFaults::unreadable(path)) return unreadable(path);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == EACCES || errno == EPERM ? unreadable(path) : fileName(path) + " non si può aprire.";
    }
    if (size == 0) {
        ::close(fd);
        return fileName(path) + " è vuoto: non contiene nessuna carriera.";
    }
    char header[sizeof kPlainHeader] = {};
    const ssize_t got = ::read(fd, header, sizeof header);
    const int readError = errno;
    ::close(fd);
    if (got < 0) return readError == EACCES ? unreadable(path) : fileName(path) + " non si può leggere.";
    if (got < static_cast<ssize_t>(sizeof header)) {
        return fileName(path) + " è troppo corto per essere una carriera: è stato troncato.";
    }
    if (std::memcmp(header, kPlainHeader, sizeof header) == 0) {
        return fileName(path) +
               " non è protetto dalla password del gioco: è un database qualsiasi, non una carriera.";
    }
    return "";
}

std::string CareerCheck::contentProblem(Database& database, Depth depth) {
    sqlite3* db = database.handle();
    const std::string& path = database.path();
    // The header says how many pages the career has; fewer on disk means the file was cut short.
    const long long pageSize = pragmaNumber(db, "PRAGMA page_size");
    const long long pages = pragmaNumber(db, "PRAGMA page_count");
    std::error_code error;
    const auto size = fs::file_size(path, error);
    if (pageSize <= 0 || pages < 0) return wrongKey(path);
    if (!error && static_cast<long long>(size) < pages * pageSize) {
        return cutShort(path);
    }
    if (depth != Depth::Tables && !pagesSound(db, depth)) return damaged(path);
    std::vector<std::string> present;
    firstColumn(db, "SELECT lower(name) FROM sqlite_master WHERE type = 'table'", present);
    std::string missing;
    for (const std::string& table : gameTables()) {
        if (std::find(present.begin(), present.end(), table) != present.end()) continue;
        missing += (missing.empty() ? "" : ", ") + table;
    }
    if (!missing.empty()) {
        return fileName(path) + " non contiene le tabelle del gioco (mancano: " + missing +
               "): non è una carriera di Velmora.";
    }
    const std::string columns = missingColumns(db, present);
    if (!columns.empty()) {
        return fileName(path) + " è danneggiato: alle sue tabelle mancano delle colonne del gioco (" + columns +
               "), e la carriera non si può giocare.";
    }
    return "";
}

} // namespace velmora
