#include "career/NamePool.h"

#include "career/PlayerKey.h"
#include "data/Database.h"
#include "data/Quoting.h"

#include <algorithm>
#include <unordered_set>

namespace velmora {

namespace {
constexpr int kFirstNameColumn = 2;
constexpr int kLastNameColumn = 21;
} // namespace

NamePool::NamePool(Database& database) : m_database(database) {
    m_surnames =
        m_database.query(std::string("SELECT * FROM nazioni where nomecognome='") + "cognome" + "' ");
}

const Rows& NamePool::firstNames(const std::string& nation) {
    auto found = m_firstNames.find(nation);
    if (found != m_firstNames.end()) return found->second;
    Rows rows = m_database.query(std::string("SELECT * FROM nazioni where nomecognome='") + "nome" +
                                 "'and nazione ='" + fApici(nation) + "' ");
    return m_firstNames.emplace(nation, std::move(rows)).first->second;
}

long NamePool::distinctPairs(const std::string& exceptSurname, const std::string& exceptFirstName,
                             long enough) {
    std::unordered_set<std::string> pairs;
    const std::string except = playerKey(exceptSurname, exceptFirstName);
    auto counted = [&] { return static_cast<long>(pairs.size()) - static_cast<long>(pairs.count(except)); };
    for (int k = 0; k <= m_surnames.last() && counted() < enough; ++k) {
        const Rows& first = firstNames(m_surnames.at(0, k).str());
        for (int c = kFirstNameColumn; c <= kLastNameColumn; ++c) {
            const std::string surname = m_surnames.at(c, k).str();
            if (unusableName(surname)) continue;
            for (int r = 0; r <= first.last(); ++r) {
                for (int c2 = kFirstNameColumn; c2 <= kLastNameColumn; ++c2) {
                    const std::string name = first.at(c2, r).str();
                    if (!unusableName(name)) pairs.insert(playerKey(surname, name));
                }
            }
        }
    }
    return std::min(counted(), enough);
}

} // namespace velmora
