#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// The copies of one career kept in the folder backups/ beside it, one per committed week: the last
// five and the first week of every season. A copy is named after the career, a number that grows
// with each copy and the week it holds ("velmora-000012-settimana05.mdb"), so names sort by age.
// A copy is trusted only once it passes the check a career passes at open. A damaged career put
// aside by a restore goes to backups/danneggiati/ (the newest few), never among the weekly copies.
class CareerBackups {
  public:
    struct Backup {
        std::string path;
        long number = 0; // grows with every copy of this career
        int week = 0;    // the week the copy holds; 0 when it was not known
        int season = 0;  // the season the copy holds, once inspected; 0 when not known
        std::string problem; // once inspected: why it cannot be restored, "" when it is sound
    };

    // Copies kept besides the first weeks of the seasons.
    static constexpr size_t kRecent = 5;
    // Damaged careers kept aside.
    static constexpr size_t kDamagedKept = 3;

    // The backups of the career file at careerPath.
    explicit CareerBackups(std::string careerPath);

    // Copies the career as it is on disk now (every change committed) as the newest backup, then
    // drops the copies no longer kept. False when the copy could not be written.
    bool keep(int week);
    // The backups, newest first.
    std::vector<Backup> list() const;
    // The backups, newest first, each checked as a career at open, with its season and week.
    std::vector<Backup> inspected() const;
    // Checks one backup, filling its problem, season and week.
    static void inspect(Backup& backup);
    // The newest backup that passes the check, or none.
    std::optional<Backup> newestSound() const;
    // Puts a sound backup in the career's place. A sound career is first kept as a backup of its own,
    // with no copy dropped to make room; a damaged one is put aside in danneggiati/. Returns "" when
    // done, otherwise the player's message: the career and every backup are then as they were.
    std::string restore(const Backup& backup);
    // The player's message for a backup that failed the check (its problem set).
    static std::string refusal(const Backup& damaged);
    // The damaged careers put aside, newest first.
    std::vector<std::string> damagedAside() const;
    // Deletes every backup of the career.
    void removeAll();
    const std::string& folder() const { return m_folder; }

  private:
    // Copies the career as the next numbered backup holding week; its path, or "" on failure.
    std::string copyCareer(int week);
    // Moves a damaged career into danneggiati/; its new path, or "" on failure.
    std::string putAside();

    std::string m_career;
    std::string m_folder;
    std::string m_stem;
};

} // namespace velmora
