#include "data/JetDialect.h"

#include <regex>

namespace velmora {

std::string translateJet(const std::string& statement) {
    static const std::regex deleteStar(R"(^\s*delete\s+\*\s+from\b)", std::regex::icase);
    static const std::regex selectTop(R"(^\s*select\s+top\s+(\d+)\s+)", std::regex::icase);

    std::string sql = std::regex_replace(statement, deleteStar, "DELETE FROM");
    std::smatch match;
    if (std::regex_search(sql, match, selectTop)) {
        std::string limit = match[1].str();
        sql = "SELECT " + match.suffix().str() + " LIMIT " + limit;
    }
    return sql;
}

} // namespace velmora
