#pragma once

#include <cstddef>
#include <string>

namespace velmora {

// Whole-file writes that a crash or a full disk can never leave half done: the bytes go to a
// temporary file beside the target, are flushed to disk, and only then renamed onto it.
class SafeFile {
  public:
    enum class Existing { Keep, Replace };

    // Copies from onto to. With Existing::Keep an existing to is left alone (and counts as done).
    // False when the copy could not be made; to is then as it was.
    static bool copy(const std::string& from, const std::string& to, Existing existing);
    // A new, empty file of a unique hidden name in folder that says what it is for (what) and which
    // running game owns it, open for writing: its descriptor, with its name in path; -1 when none can
    // be made.
    static int openTemporary(const std::string& folder, const std::string& what, std::string& path);
    // The same, closed at once: its name, or "" when none can be made.
    static std::string makeTemporary(const std::string& folder, const std::string& name);
    // Renames from onto to (replacing it) and flushes the folder, so the new name survives a crash.
    static bool moveInto(const std::string& from, const std::string& to);
    // Flushes a folder's entries to disk.
    static void syncFolder(const std::string& folder);
    // Writes all size bytes to the open file fd, through interrupted and partial writes.
    static bool writeAll(int fd, const char* data, size_t size);
    // The error number of the last failure of these writes (ENOSPC, EACCES, ...).
    static int lastError() { return s_lastError; }
    // Removes the temporary files an earlier stop of a game left in folder: only hidden files this
    // game names that way, and only those whose owning game is no longer running (a file of the
    // older naming, which names no owner, once it is a day old).
    static void clearLeftovers(const std::string& folder);

  private:
    static int s_lastError;
};

} // namespace velmora
