#pragma once

#include "data/DatabaseError.h"

#include <string>
#include <vector>

namespace velmora {

class Database;

// A file the game refuses to use as a career; the message names the file and says what is wrong,
// in words for the player.
class CareerRefused : public DatabaseError {
  public:
    explicit CareerRefused(const std::string& message) : DatabaseError(message) {}
};

// Whether a file really is a career before the game writes to it: a protected database that opens
// with the game's password, whose pages all read back sound and which holds the game's tables.
// A file that fails is never written, so the player can still save it or restore a backup.
class CareerCheck {
  public:
    // How the pages are checked. Tables only looks for the game's tables; Structure also walks
    // every table and index (PRAGMA quick_check); Pages instead verifies each page's
    // authentication code (PRAGMA cipher_integrity_check, which SQLCipher 3 does not know and
    // answers with nothing, so the game checks the structure).
    enum class Depth { Tables, Structure, Pages };

    // What is wrong with the file as it lies on disk ("" when nothing): missing, a folder, empty,
    // not readable, or an ordinary database without the game's protection. Reads the first bytes only.
    static std::string fileProblem(const std::string& path);
    // What is wrong with a career just opened with the game's password ("" when nothing): pages
    // beyond the end of a cut-short file, pages that fail the check, or tables or columns of the game
    // missing. Tables the game does not know are allowed, and so is a career made before the game
    // kept its history: those tables are added at open.
    static std::string contentProblem(Database& db, Depth depth = Depth::Structure);
    // The message for a career whose first page reads but whose pages are missing or damaged.
    static std::string cutShort(const std::string& path);
    // The message for a career whose pages do not read back sound.
    static std::string damaged(const std::string& path);
    // The message for a file that does not open with the game's password.
    static std::string wrongKey(const std::string& path);
    // The tables every career holds.
    static const std::vector<std::string>& gameTables();
    // The whole check a career passes at open, on a file not open: "" when it is sound. A backup
    // passes it before it replaces anything.
    static std::string problem(const std::string& path);
    // The message for a file the game may not read.
    static std::string unreadable(const std::string& path);
};

} // namespace velmora
