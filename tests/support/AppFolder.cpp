#include "support/AppFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace velmora::test {

namespace fs = std::filesystem;

AppFolder::AppFolder() {
    std::string pattern = (fs::temp_directory_path() / "velmora-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
    fs::copy_file(fs::path(VELMORA_SHARE_DIR) / "velmora.mdb", fs::path(m_path) / "velmora.mdb");
    fs::create_directory_symlink(fs::path(VELMORA_APP_DIR) / "immagini", fs::path(m_path) / "immagini");
    fs::create_directory_symlink(fs::path(VELMORA_APP_DIR) / "suoni", fs::path(m_path) / "suoni");
}

AppFolder::~AppFolder() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

} // namespace velmora::test
