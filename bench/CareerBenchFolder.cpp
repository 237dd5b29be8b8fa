#include "CareerBenchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace velmora::bench {

namespace fs = std::filesystem;

CareerBenchFolder::CareerBenchFolder() {
    const fs::path bin = fs::canonical("/proc/self/exe").parent_path();
    m_shipped = (bin / ".." / "share" / "velmora.mdb").lexically_normal().string();
    if (!fs::exists(m_shipped)) throw std::runtime_error("shipped database not found: " + m_shipped);
    std::string pattern = (fs::temp_directory_path() / "velmora-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
    resetDatabase();
    if (fs::exists(bin / "immagini"))
        fs::create_directory_symlink(bin / "immagini", fs::path(m_path) / "immagini");
}

CareerBenchFolder::~CareerBenchFolder() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

void CareerBenchFolder::resetDatabase() const {
    fs::copy_file(m_shipped, databasePath(), fs::copy_options::overwrite_existing);
    std::error_code ignored;
    fs::remove(databasePath() + "-journal", ignored);
}

} // namespace velmora::bench
