#include "SeedTable.h"

#include <charconv>
#include <fstream>

namespace {

std::vector<std::string> splitTabs(std::string_view line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            fields.emplace_back(line.substr(start));
            return fields;
        }
        fields.emplace_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

// Strict UTF-8 check: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        int extra = 0;
        unsigned int code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size()) return false; // sequence cut short by the line end
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        static constexpr unsigned int kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (code < kMinimum[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

} // namespace

SeedTable SeedTable::load(const std::filesystem::path& path, std::vector<std::string>& errors) {
    SeedTable table;
    table.m_name = path.stem().string();
    table.m_fileName = path.filename().string();

    std::ifstream in(path, std::ios::binary);
    if (!in) {
        errors.push_back(table.m_fileName + ": cannot be read");
        return table;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3); // byte order mark
        if (!line.empty() && line.back() == '\r') line.pop_back();                 // Windows line ends
        const std::string where = table.m_fileName + ":" + std::to_string(lineNumber);
        if (!isValidUtf8(line)) {
            errors.push_back(where + ": not valid UTF-8 text");
            continue;
        }
        if (table.m_header.empty()) {
            table.m_header = splitTabs(line);
            continue;
        }
        if (line.empty() || line.front() == '#') continue;
        Row row{lineNumber, splitTabs(line)};
        if (row.fields.size() != table.m_header.size()) {
            errors.push_back(where + ": " + std::to_string(row.fields.size()) + " fields, the header has " +
                             std::to_string(table.m_header.size()));
            continue;
        }
        table.m_rows.push_back(std::move(row));
    }
    if (table.m_header.empty()) errors.push_back(table.m_fileName + ": empty, the header line is missing");
    return table;
}

int SeedTable::column(std::string_view name) const {
    for (size_t i = 0; i < m_header.size(); ++i) {
        if (m_header[i] == name) return static_cast<int>(i);
    }
    return -1;
}

std::string SeedTable::where(const Row& row) const {
    return m_fileName + ":" + std::to_string(row.line);
}

std::optional<long long> SeedTable::toInteger(std::string_view text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::string SeedTable::foldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}
