#pragma once

#include <string>

namespace velmora::bench {

// A scratch application folder in a temporary directory holding a copy of the shipped database
// (found beside the bench: bin/../share/velmora.mdb) and a link to the shipped pictures. Removed
// again when the object goes away.
class CareerBenchFolder {
  public:
    CareerBenchFolder();
    ~CareerBenchFolder();
    CareerBenchFolder(const CareerBenchFolder&) = delete;
    CareerBenchFolder& operator=(const CareerBenchFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string databasePath() const { return m_path + "/velmora.mdb"; }
    // Puts a fresh copy of the shipped database back.
    void resetDatabase() const;

  private:
    std::string m_path;
    std::string m_shipped;
};

} // namespace velmora::bench
