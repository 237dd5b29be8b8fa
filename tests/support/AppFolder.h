#pragma once

#include <string>

namespace velmora::test {

// A fresh application folder in a temporary directory: a copy of the shipped database and the
// shipped pictures. Removed again when the object goes away.
class AppFolder {
public:
    AppFolder();
    ~AppFolder();
    AppFolder(const AppFolder&) = delete;
    AppFolder& operator=(const AppFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string databasePath() const { return m_path + "/velmora.mdb"; }

private:
    std::string m_path;
};

} // namespace velmora::test
