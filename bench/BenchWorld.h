#pragma once

#include <string>

namespace velmora {
class Database;
}

namespace velmora::bench {

// A temporary application folder for the figures: a copy of the shipped database beside a link to
// the shipped pictures, found from the folder of the bench executable. Removed when done.
class BenchFolder {
  public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
};

// Writes a ready-made world of 2000 players (the human "Rossi Mario" of Italy, skills 0, and 1999
// computer players with ranking points) and the career's key/value rows, as a career in week 1.
void writeWorld(Database& database, int week = 1);

} // namespace velmora::bench
