#include "data/CareerBackups.h"

#include "data/SafeFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace velmora {

namespace fs = std::filesystem;

namespace {

const char kFolder[] = "backups";
const char kWeekPart[] = "-settimana";
const char kExtension[] = ".mdb";
constexpr size_t kNumberDigits = 6;
constexpr size_t kWeekDigits = 2;

bool digits(const std::string& text, size_t at, size_t count, long& value) {
    if (at + count > text.size()) return false;
    value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

} // namespace

CareerBackups::CareerBackups(std::string careerPath) : m_career(std::move(careerPath)) {
    const fs::path career(m_career);
    m_folder = (career.parent_path() / kFolder).string();
    m_stem = career.stem().string();
}

std::vector<CareerBackups::Backup> CareerBackups::list() const {
    std::vector<Backup> found;
    std::error_code error;
    const std::string prefix = m_stem + "-";
    for (const auto& entry : fs::directory_iterator(m_folder, error)) {
        const std::string name = entry.path().filename().string();
        // stem-NNNNNN-settimanaWW.mdb exactly: another career's stem may start with this one's.
        const size_t weekAt = prefix.size() + kNumberDigits;
        long number = 0, week = 0;
        if (name.size() != weekAt + std::strlen(kWeekPart) + kWeekDigits + std::strlen(kExtension)) continue;
        if (name.compare(0, prefix.size(), prefix) != 0 || !digits(name, prefix.size(), kNumberDigits, number))
            continue;
        if (name.compare(weekAt, std::strlen(kWeekPart), kWeekPart) != 0) continue;
        if (!digits(name, weekAt + std::strlen(kWeekPart), kWeekDigits, week)) continue;
        if (name.compare(name.size() - std::strlen(kExtension), std::string::npos, kExtension) != 0) continue;
        if (!entry.is_regular_file(error)) continue;
        found.push_back({entry.path().string(), number, static_cast<int>(week)});
    }
    std::sort(found.begin(), found.end(), [](const Backup& a, const Backup& b) { return a.number > b.number; });
    return found;
}

bool CareerBackups::keep(int week) {
    return keep(week, "");
}

bool CareerBackups::keep(int week, const std::string& spared) {
    std::error_code error;
    fs::create_directories(m_folder, error);
    const std::vector<Backup> before = list();
    const long number = before.empty() ? 1 : before.front().number + 1;
    char name[64];
    std::snprintf(name, sizeof name, "-%06ld%s%02d%s", number, kWeekPart, std::clamp(week, 0, 99), kExtension);
    if (!SafeFile::copy(m_career, (fs::path(m_folder) / (m_stem + name)).string(), SafeFile::Existing::Replace))
        return false;
    // The newest few cover a mistake of the last weeks; the first week of each season stays for good.
    const std::vector<Backup> all = list();
    for (size_t i = kRecent; i < all.size(); ++i) {
        if (all[i].week != 1 && all[i].path != spared) fs::remove(all[i].path, error);
    }
    return true;
}

bool CareerBackups::restore(const Backup& backup, int currentWeek) {
    std::error_code error;
    if (!fs::is_regular_file(backup.path, error)) return false;
    // The career being replaced may be the one the player wants after all: it is kept first.
    if (fs::is_regular_file(m_career, error) && !keep(currentWeek, backup.path))
        return false;
    return SafeFile::copy(backup.path, m_career, SafeFile::Existing::Replace);
}

void CareerBackups::removeAll() {
    std::error_code error;
    for (const Backup& backup : list())
        fs::remove(backup.path, error);
}

} // namespace velmora
