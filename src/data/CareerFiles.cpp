#include "data/CareerFiles.h"

#include "data/CareerCheck.h"
#include "data/CareerLock.h"
#include "data/Database.h"
#include "data/KeyValueStore.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <filesystem>

namespace velmora {

namespace fs = std::filesystem;

namespace {

const char kPrefix[] = "velmora-";
const char kExtension[] = ".mdb";

// The number of a later career's file name (velmora-N.mdb), or 0 when the name is not one.
long careerNumber(const std::string& name) {
    const size_t prefix = sizeof kPrefix - 1, extension = sizeof kExtension - 1;
    if (name.size() <= prefix + extension || name.compare(0, prefix, kPrefix) != 0) return 0;
    if (name.compare(name.size() - extension, extension, kExtension) != 0) return 0;
    const std::string digits = name.substr(prefix, name.size() - prefix - extension);
    if (digits.size() > 6 || digits[0] == '0') return 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    }
    const long number = std::stol(digits);
    return number >= 2 ? number : 0;
}

fs::file_time_type changedAt(const std::string& path) {
    std::error_code error;
    const auto when = fs::last_write_time(path, error);
    return error ? fs::file_time_type::min() : when;
}

std::string timeText(fs::file_time_type when) {
    const auto system =
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(when));
    const std::time_t time = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, "%d/%m/%Y %H:%M", &local);
    return text;
}

} // namespace

std::vector<std::string> CareerFiles::names() const {
    std::vector<std::pair<long, std::string>> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(m_folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name == kFirst) {
            found.emplace_back(1, name);
        } else if (const long number = careerNumber(name)) {
            found.emplace_back(number, name);
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& [number, name] : found)
        names.push_back(std::move(name));
    return names;
}

std::string CareerFiles::nextFree() const {
    std::error_code error;
    if (!fs::exists(fs::symlink_status(path(kFirst), error))) return kFirst;
    for (long number = 2;; ++number) {
        const std::string name = kPrefix + std::to_string(number) + kExtension;
        if (!fs::exists(fs::symlink_status(path(name), error))) return name;
    }
}

std::string CareerFiles::path(const std::string& file) const {
    return (fs::path(m_folder) / file).string();
}

CareerFiles::Summary CareerFiles::summary(const std::string& file) const {
    Summary summary;
    summary.file = file;
    const std::string where = path(file);
    summary.lastPlayed = changedText(where);
    summary.problem = CareerCheck::fileProblem(where);
    if (!summary.problem.empty()) return summary;
    summary.busy = CareerLock::heldElsewhere(where);
    try {
        // Only read: a career another window plays can still be named in the list.
        Database db(Database::connectionString(m_folder, file));
        summary.problem = CareerCheck::contentProblem(db);
        if (!summary.problem.empty()) return summary;
        KeyValueStore temp(db);
        // A career not yet made holds no players: it has no name to show.
        if (db.query("SELECT count(*) FROM giocatori").at(0, 0).toInt() > 0) {
            summary.player = temp.text("tuonome") + " " + temp.text("tuocognome");
        }
        summary.nation = temp.text("tuanazionalita");
        summary.week = static_cast<int>(temp.number("settimana"));
        summary.money = static_cast<long>(temp.number("tuodenaro"));
    } catch (const CareerRefused& refused) {
        summary.problem = refused.what();
    } catch (const std::exception&) {
        summary.problem = CareerCheck::damaged(where);
    }
    return summary;
}

std::string CareerFiles::changedText(const std::string& path) {
    return timeText(changedAt(path));
}

std::string CareerFiles::lastPlayed() const {
    std::string newest;
    fs::file_time_type newestTime = fs::file_time_type::min();
    std::error_code error;
    for (const std::string& name : names()) {
        if (!fs::is_regular_file(path(name), error)) continue;
        const auto when = changedAt(path(name));
        if (newest.empty() || when > newestTime) {
            newest = name;
            newestTime = when;
        }
    }
    return newest;
}

} // namespace velmora
