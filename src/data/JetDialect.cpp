#include "data/JetDialect.h"

namespace velmora {

namespace {

// The blanks the dialect allows between words: space, tab and the line breaks.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

size_t skipBlanks(const std::string& text, size_t at) {
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

// True when the word (lower case) stands at the position, in any letter case.
bool wordAt(const std::string& text, size_t at, const char* word) {
    for (; *word; ++word, ++at) {
        if (at >= text.size()) return false;
        char c = text[at];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != *word) return false;
    }
    return true;
}

// After a word: at least one blank, then the position of what follows them (npos without a blank).
size_t afterBlanks(const std::string& text, size_t at) {
    const size_t next = skipBlanks(text, at);
    return next == at ? std::string::npos : next;
}

// "delete * from x" -> "DELETE FROM x"; false when the statement is not of that form.
bool translateDelete(const std::string& statement, size_t at, std::string& sql) {
    at = afterBlanks(statement, at + 6);
    if (at == std::string::npos || statement[at] != '*') return false;
    at = afterBlanks(statement, at + 1);
    if (at == std::string::npos || !wordAt(statement, at, "from")) return false;
    at += 4;
    if (at < statement.size() && isWordChar(statement[at])) return false;
    sql = "DELETE FROM" + statement.substr(at);
    return true;
}

// "SELECT top 8 * FROM x" -> "SELECT * FROM x LIMIT 8"; false when the statement is not of that form.
bool translateTop(const std::string& statement, size_t at, std::string& sql) {
    at = afterBlanks(statement, at + 6);
    if (at == std::string::npos || !wordAt(statement, at, "top")) return false;
    at = afterBlanks(statement, at + 3);
    if (at == std::string::npos) return false;
    const size_t digits = at;
    while (at < statement.size() && statement[at] >= '0' && statement[at] <= '9')
        ++at;
    if (at == digits) return false;
    const std::string limit = statement.substr(digits, at - digits);
    at = afterBlanks(statement, at);
    if (at == std::string::npos) return false;
    sql = "SELECT " + statement.substr(at) + " LIMIT " + limit;
    return true;
}

} // namespace

bool translateJet(const std::string& statement, std::string& sql) {
    const size_t start = skipBlanks(statement, 0);
    if (wordAt(statement, start, "delete")) return translateDelete(statement, start, sql);
    if (wordAt(statement, start, "select")) return translateTop(statement, start, sql);
    return false;
}

std::string translateJet(const std::string& statement) {
    std::string sql;
    return translateJet(statement, sql) ? sql : statement;
}

} // namespace velmora
