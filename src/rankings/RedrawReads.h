#pragma once

#include "data/Rows.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace velmora {

class Database;

// The reads of one redraw of a record screen. A redraw asks the same question many times (every
// listed player's place in his nation, the host of a tournament played twice); the store cannot
// change while a screen only reads, so one answer per statement serves the whole redraw. The
// memory is dropped when the outermost redraw ends, so the next one sees the store afresh.
class RedrawReads {
  public:
    // Rows of the statement, read once per redraw.
    const Rows& rows(Database& database, const std::string& statement);
    // 1-based place of the first row of the statement's result with this surname and first name
    // (compared exactly), or 0 when no row has them.
    int position(Database& database, const std::string& statement, const std::string& surname,
                 const std::string& firstName);

    // Keeps the answers while at least one redraw is open; handlers that call each other (a card
    // that picks the entries of its own lists) share one.
    class Redraw {
      public:
        explicit Redraw(RedrawReads& reads) : m_reads(reads) { ++m_reads.m_depth; }
        ~Redraw() {
            if (--m_reads.m_depth == 0) {
                m_reads.m_answers.clear();
                m_reads.m_retired.clear();
            }
        }
        Redraw(const Redraw&) = delete;
        Redraw& operator=(const Redraw&) = delete;

      private:
        RedrawReads& m_reads;
    };

    // Statements sent to the store since construction (for the figures and the tests).
    long statementsRun() const { return m_statementsRun; }

  private:
    struct Answer {
        Rows rows;
        std::unordered_map<std::string, int> firstRowOf; // built on the first position asked
    };

    std::map<std::string, std::unique_ptr<Answer>> m_answers;
    std::vector<std::unique_ptr<Answer>> m_retired;
    int m_depth = 0;
    long m_statementsRun = 0;

    Answer& answer(Database& database, const std::string& statement);
};

} // namespace velmora
