#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One seed file: UTF-8 text, one row per line, fields separated by tabs, and a first line naming the
// columns. Lines starting with '#' and blank lines are notes for the reader and are skipped.
class SeedTable {
  public:
    struct Row {
        int line = 0; // line number in the file, so messages can point at it
        std::vector<std::string> fields;
    };

    // Reads a seed file. Problems (unreadable file, bad UTF-8, a row with the wrong number of fields)
    // are appended to errors; malformed rows are left out of the table.
    static SeedTable load(const std::filesystem::path& path, std::vector<std::string>& errors);

    const std::string& name() const { return m_name; }
    const std::vector<std::string>& header() const { return m_header; }
    const std::vector<Row>& rows() const { return m_rows; }

    // Index of the named column, or -1 when the header has no such column.
    int column(std::string_view name) const;
    // "file.tsv:12", for messages about a row.
    std::string where(const Row& row) const;

    // The whole text as a whole number (optional leading '-'), or nothing.
    static std::optional<long long> toInteger(std::string_view text);
    // Lower-cases ASCII letters only, which is how the database compares text without regard to case.
    static std::string foldCase(std::string_view text);

  private:
    std::string m_name;     // table name: the file name without .tsv
    std::string m_fileName; // file name, for messages
    std::vector<std::string> m_header;
    std::vector<Row> m_rows;
};
