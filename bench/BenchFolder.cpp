#include "BenchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace velmora::bench {

namespace fs = std::filesystem;

namespace {

// The untouched shipped database is the one in build/share; the copy beside the executable may
// already hold a career.
fs::path shippedDatabase(const fs::path& binFolder) {
    for (const fs::path& candidate :
         {binFolder.parent_path() / "share" / "velmora.mdb", binFolder / "velmora.mdb"}) {
        if (fs::is_regular_file(candidate)) return candidate;
    }
    throw std::runtime_error("velmora.mdb not found beside " + binFolder.string());
}

} // namespace

BenchFolder::BenchFolder() {
    const fs::path bin = fs::canonical("/proc/self/exe").parent_path();
    m_shipped = shippedDatabase(bin).string();
    if (!fs::is_directory(bin / "immagini")) throw std::runtime_error("no pictures beside " + bin.string());
    std::string pattern = (fs::temp_directory_path() / "velmora-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
    resetDatabase();
    fs::create_directory_symlink(bin / "immagini", fs::path(m_path) / "immagini");
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

void BenchFolder::resetDatabase() const {
    fs::copy_file(m_shipped, databasePath(), fs::copy_options::overwrite_existing);
    std::error_code ignored;
    fs::remove(databasePath() + "-journal", ignored);
}

} // namespace velmora::bench
