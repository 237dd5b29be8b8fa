// velmora-mkdb SEED_DIR OUTPUT_FILE
//
// Builds the shipped database velmora.mdb from the readable seed files: SEED_DIR/schema.sql creates the
// tables, and each SEED_DIR/<table>.tsv fills the table of that name. The data is checked first; any
// problem is reported and nothing is written.

#include "DatabaseWriter.h"
#include "SeedTable.h"
#include "SeedValidator.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kTool = "velmora-mkdb";

int reportProblems(const std::vector<std::string>& problems, const fs::path& output) {
    for (const std::string& problem : problems)
        std::cerr << kTool << ": " << problem << '\n';
    std::cerr << kTool << ": " << problems.size() << " problem(s) in the seed data, "
              << output.filename().string() << " not written\n";
    return 1;
}

int run(const fs::path& seedDir, const fs::path& output) {
    // A stale database must not survive a failed run: the build would take it for the new one.
    fs::remove(output);

    std::ifstream schemaFile(seedDir / "schema.sql", std::ios::binary);
    if (!schemaFile) {
        std::cerr << kTool << ": cannot read " << (seedDir / "schema.sql").string() << '\n';
        return 1;
    }
    std::ostringstream schema;
    schema << schemaFile.rdbuf();

    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(seedDir)) {
        if (entry.is_regular_file() && entry.path().extension() == ".tsv") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());

    std::vector<std::string> problems;
    std::map<std::string, SeedTable> tables;
    for (const fs::path& file : files) {
        SeedTable table = SeedTable::load(file, problems);
        tables.emplace(table.name(), std::move(table));
    }

    DatabaseWriter writer(output);
    writer.create(schema.str());
    for (const auto& [name, table] : tables) {
        const auto shape = writer.checkShape(table);
        problems.insert(problems.end(), shape.begin(), shape.end());
    }
    if (!problems.empty()) return reportProblems(problems, output);
    problems = SeedValidator(tables).validate();
    if (!problems.empty()) return reportProblems(problems, output);

    std::vector<const SeedTable*> order;
    size_t rows = 0;
    for (const auto& [name, table] : tables) {
        order.push_back(&table);
        rows += table.rows().size();
    }
    writer.load(order);
    writer.finish();
    std::cout << kTool << ": wrote " << output.string() << " (" << tables.size() << " tables, " << rows
              << " rows)\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << kTool << " SEED_DIR OUTPUT_FILE\n";
        return 2;
    }
    try {
        return run(argv[1], argv[2]);
    } catch (const std::exception& error) {
        std::cerr << kTool << ": " << error.what() << '\n';
        return 1;
    }
}
