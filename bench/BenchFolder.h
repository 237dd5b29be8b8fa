#pragma once

#include <string>

namespace velmora::bench {

// A scratch application folder in a temporary directory for the figures: a copy of the shipped
// database (bin/../share/velmora.mdb, else the one beside the bench) and a link to the shipped
// pictures beside the bench. Removed again when the object goes away.
class BenchFolder {
  public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string databasePath() const { return m_path + "/velmora.mdb"; }
    // Puts a fresh copy of the shipped database back.
    void resetDatabase() const;

  private:
    std::string m_path;
    std::string m_shipped;
};

} // namespace velmora::bench
