#pragma once

#include <string>

namespace velmora {

// A failure of the store told in the player's words: what happened and what to do, with the
// engine's own message as a last detail line. The statement, its values and file offsets never
// reach the player; the whole error goes to standard error for a bug report.
class StoreFailure {
  public:
    enum class Kind { DiskFull, NotWritable, Busy, Damaged, Other };

    // The kind of an engine's result code (primary or extended) and message.
    static Kind kindOf(int engineCode, const std::string& engineMessage);
    // The kind of an operating system error number.
    static Kind kindOfErrno(int error);
    // The player's message for a failure on the career file at careerPath.
    static std::string message(Kind kind, const std::string& careerPath, const std::string& detail);
    // Why a copy of the game's files into folder failed with the error number error, and what to do.
    static std::string copyMessage(int error, const std::string& folder);
    // Writes the full error to standard error.
    static void log(const std::string& fullError);
};

} // namespace velmora
