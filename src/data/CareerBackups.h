#pragma once

#include <string>
#include <vector>

namespace velmora {

// The copies of one career kept in the folder backups/ beside it, one per committed week: the last
// five and the first week of every season. A copy is named after the career, a number that grows
// with each copy and the week it holds ("velmora-000012-settimana05.mdb"), so names sort by age.
class CareerBackups {
  public:
    struct Backup {
        std::string path;
        long number = 0; // grows with every copy of this career
        int week = 0;    // the week the copy holds; 0 when it was not known
    };

    // Copies kept besides the first weeks of the seasons.
    static constexpr size_t kRecent = 5;

    // The backups of the career file at careerPath.
    explicit CareerBackups(std::string careerPath);

    // Copies the career as it is on disk now (every change committed) as the newest backup, then
    // drops the copies no longer kept. False when the copy could not be written.
    bool keep(int week);
    // The backups, newest first.
    std::vector<Backup> list() const;
    // Puts a backup in the career's place; the career's file as it was becomes a backup of its own
    // first (holding the given week). False, with the career unchanged, when it could not be done.
    bool restore(const Backup& backup, int currentWeek);
    // Deletes every backup of the career.
    void removeAll();
    const std::string& folder() const { return m_folder; }

  private:
    // keep(), never dropping the copy at spared (the one about to be restored).
    bool keep(int week, const std::string& spared);

    std::string m_career;
    std::string m_folder;
    std::string m_stem;
};

} // namespace velmora
