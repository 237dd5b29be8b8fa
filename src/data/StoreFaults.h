#pragma once

#include <string>

namespace velmora {

// Failures of the disk or the folder, made on purpose so the tests can show what the player reads
// and that nothing is lost, even where permissions do not bite (a test run as root). The game's
// files are reached through a thin layer below the database engine and the file copies; without a
// fault set it passes everything through unchanged.
class StoreFaults {
  public:
    enum class Write { None, DiskFull, ReadOnlyFolder };

    // From now on every write fails as a full disk would (the engine's own "disk is full"), or every
    // new file fails to be made as in a folder without write permission.
    static void setWrite(Write fault);
    static Write write() { return s_write; }
    // The file at path cannot be opened for reading, as without read permission ("" for none).
    static void setUnreadable(const std::string& path);
    static bool unreadable(const std::string& path);
    // Clears every fault.
    static void clear();

    // Puts the layer below the engine in place; called before the first connection opens.
    static void install();
    // The error number a new file in the game's folders meets now (0 when none).
    static int createError();
    // The error number a write meets now (0 when none).
    static int writeError();

  private:
    static Write s_write;
};

} // namespace velmora
