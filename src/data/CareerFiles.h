#pragma once

#include <string>
#include <vector>

namespace velmora {

// The careers of a folder, one file each: the first is velmora.mdb, the later ones velmora-2.mdb,
// velmora-3.mdb and so on. A file of that name that is not a sound career still counts, so the
// player sees it and can restore or delete it.
class CareerFiles {
  public:
    // One line of the careers list.
    struct Summary {
        std::string file;    // the bare file name
        std::string player;  // first name and surname; empty for a career not yet made
        std::string nation;
        int week = 0;
        long money = 0;      // euro
        std::string lastPlayed; // "dd/mm/yyyy hh:mm" of the file's last change
        std::string problem; // why the career cannot be opened, "" when it can
        bool busy = false;   // another window plays it
    };

    static constexpr const char* kFirst = "velmora.mdb";

    explicit CareerFiles(std::string folder) : m_folder(std::move(folder)) {}

    // The file names of the folder's careers: velmora.mdb first, then by number.
    std::vector<std::string> names() const;
    // The name a new career beside the others takes: velmora.mdb when there is none, otherwise the
    // first free velmora-N.mdb.
    std::string nextFree() const;
    std::string path(const std::string& file) const;
    // Reads a career's player, week and money without changing the file.
    Summary summary(const std::string& file) const;
    // When a file was last changed, as "dd/mm/yyyy hh:mm" of local time.
    static std::string changedText(const std::string& path);
    // The career last changed (played), or "" when there is none.
    std::string lastPlayed() const;

  private:
    std::string m_folder;
};

} // namespace velmora
