#include "data/CareerBackups.h"

#include "data/CareerCheck.h"
#include "data/CareerLock.h"
#include "data/Database.h"
#include "data/SafeFile.h"
#include "data/StoreFailure.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>

namespace velmora {

namespace fs = std::filesystem;

namespace {

const char kFolder[] = "backups";
const char kWeekPart[] = "-settimana";
const char kExtension[] = ".mdb";
const char kDamagedFolder[] = "danneggiati";
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

std::string CareerBackups::copyCareer(int week) {
    std::error_code error;
    fs::create_directories(m_folder, error);
    const std::vector<Backup> before = list();
    const long number = before.empty() ? 1 : before.front().number + 1;
    char name[64];
    std::snprintf(name, sizeof name, "-%06ld%s%02d%s", number, kWeekPart, std::clamp(week, 0, 99), kExtension);
    const std::string path = (fs::path(m_folder) / (m_stem + name)).string();
    return SafeFile::copy(m_career, path, SafeFile::Existing::Replace) ? path : "";
}

bool CareerBackups::keep(int week) {
    if (copyCareer(week).empty()) return false;
    // The newest few cover a mistake of the last weeks; the first week of each season stays for good.
    std::error_code error;
    const std::vector<Backup> all = list();
    for (size_t i = kRecent; i < all.size(); ++i) {
        if (all[i].week != 1) fs::remove(all[i].path, error);
    }
    return true;
}

void CareerBackups::inspect(Backup& backup) {
    backup.problem = CareerCheck::problem(backup.path);
    if (!backup.problem.empty()) return;
    try {
        const fs::path file(backup.path);
        Database db(Database::connectionString(file.parent_path().string(), file.filename().string()));
        const Rows rows = db.query("SELECT dato, dato1 FROM temp WHERE dato IN ('settimana', 'stagione')");
        for (int r = 0; r <= rows.last(); ++r) {
            const int value = static_cast<int>(rows.at(1, r).num());
            if (rows.at(0, r).str() == "settimana") backup.week = value;
            else backup.season = value;
        }
        // A career made before the game counted seasons is in its first.
        if (backup.season == 0) backup.season = 1;
    } catch (const std::exception& error) {
        backup.problem = error.what();
    }
}

std::vector<CareerBackups::Backup> CareerBackups::inspected() const {
    std::vector<Backup> all = list();
    for (Backup& backup : all)
        inspect(backup);
    return all;
}

std::optional<CareerBackups::Backup> CareerBackups::newestSound() const {
    for (Backup backup : list()) {
        inspect(backup);
        if (backup.problem.empty()) return backup;
    }
    return std::nullopt;
}

std::vector<std::string> CareerBackups::damagedAside() const {
    std::vector<std::pair<fs::file_time_type, std::string>> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fs::path(m_folder) / kDamagedFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(m_stem + "-", 0) != 0 || !entry.is_regular_file(error)) continue;
        found.emplace_back(entry.last_write_time(error), entry.path().string());
    }
    std::sort(found.rbegin(), found.rend());
    std::vector<std::string> paths;
    for (auto& [when, path] : found)
        paths.push_back(std::move(path));
    return paths;
}

std::string CareerBackups::putAside() {
    const fs::path folder = fs::path(m_folder) / kDamagedFolder;
    std::error_code error;
    fs::create_directories(folder, error);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string target;
    for (int n = 1;; ++n) {
        target = (folder / (m_stem + "-" + stamp + (n > 1 ? "-" + std::to_string(n) : "") + kExtension)).string();
        if (!fs::exists(fs::symlink_status(target, error))) break;
    }
    // A rename: a file the game cannot read can still be put aside, and nothing is copied.
    if (::rename(m_career.c_str(), target.c_str()) != 0) return "";
    SafeFile::syncFolder(folder.string());
    return target;
}

std::string CareerBackups::refusal(const Backup& damaged) {
    return "Questo backup è danneggiato e non si può ripristinare: la carriera e i suoi backup sono rimasti "
           "com'erano.\n" +
           damaged.problem;
}

std::string CareerBackups::restore(const Backup& chosen) {
    const std::string failed = "Impossibile ripristinare il backup: la carriera e i suoi backup sono rimasti com'erano.\n";
    std::unique_ptr<CareerLock> lock;
    try {
        lock = std::make_unique<CareerLock>(m_career);
    } catch (const CareerBusy& busy) {
        return busy.what();
    }
    Backup backup = chosen;
    inspect(backup);
    if (!backup.problem.empty()) return refusal(backup);
    std::error_code error;
    std::string keptCopy, asideCopy;
    if (fs::exists(fs::symlink_status(m_career, error))) {
        Backup career{m_career, 0, 0, 0, ""};
        inspect(career);
        if (career.problem.empty()) {
            // The career being replaced may be the one the player wants after all: it is kept first.
            keptCopy = copyCareer(career.week);
            if (keptCopy.empty()) return failed + StoreFailure::copyMessage(SafeFile::lastError(), m_folder);
        } else {
            asideCopy = putAside();
            if (asideCopy.empty()) return failed + StoreFailure::copyMessage(SafeFile::lastError(), m_folder);
        }
    }
    if (!SafeFile::copy(backup.path, m_career, SafeFile::Existing::Replace)) {
        const std::string why = StoreFailure::copyMessage(SafeFile::lastError(), fs::path(m_career).parent_path().string());
        if (!keptCopy.empty()) fs::remove(keptCopy, error);
        if (!asideCopy.empty()) ::rename(asideCopy.c_str(), m_career.c_str());
        return failed + why;
    }
    const std::vector<std::string> aside = damagedAside();
    for (size_t i = kDamagedKept; i < aside.size(); ++i)
        fs::remove(aside[i], error);
    return "";
}

void CareerBackups::removeAll() {
    std::error_code error;
    for (const Backup& backup : list())
        fs::remove(backup.path, error);
    for (const std::string& path : damagedAside())
        fs::remove(path, error);
}

} // namespace velmora
