#include "rankings/RedrawReads.h"

#include "data/Database.h"

namespace velmora {

namespace {

constexpr int kSurname = 0;
constexpr int kFirstName = 1;

// Surname and first name in one key; the separator cannot occur in a name.
std::string nameKey(const std::string& surname, const std::string& firstName) {
    return surname + '\x1f' + firstName;
}

} // namespace

RedrawReads::Answer& RedrawReads::answer(Database& database, const std::string& statement) {
    auto found = m_answers.find(statement);
    if (found != m_answers.end() && m_depth > 0) return *found->second;
    auto fresh = std::make_unique<Answer>();
    fresh->rows = database.query(statement);
    ++m_statementsRun;
    Answer& kept = *fresh;
    // Outside a redraw every read is fresh; an older answer is kept aside, not destroyed, so rows
    // a caller still holds stay valid until the next redraw ends.
    if (found != m_answers.end()) m_retired.push_back(std::move(found->second));
    m_answers[statement] = std::move(fresh);
    return kept;
}

const Rows& RedrawReads::rows(Database& database, const std::string& statement) {
    return answer(database, statement).rows;
}

int RedrawReads::position(Database& database, const std::string& statement, const std::string& surname,
                          const std::string& firstName) {
    Answer& kept = answer(database, statement);
    if (kept.firstRowOf.empty()) {
        for (int r = kept.rows.last(); r >= 0; --r) {
            kept.firstRowOf[nameKey(kept.rows.at(kSurname, r).str(), kept.rows.at(kFirstName, r).str())] = r;
        }
    }
    auto found = kept.firstRowOf.find(nameKey(surname, firstName));
    return found == kept.firstRowOf.end() ? 0 : found->second + 1;
}

} // namespace velmora
