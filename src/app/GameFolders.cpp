#include "app/GameFolders.h"

#include "data/SafeFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace velmora {

namespace fs = std::filesystem;

namespace {

const char kCareerFile[] = "velmora.mdb";
const char kPictureFolder[] = "immagini";
// Room the probe of an existing career's folder must find: SQLite writes its journal beside the
// career, so a folder that cannot take this much would fail at the first week.
constexpr size_t kProbeBytes = 64 * 1024;

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// Writes, flushes to disk and removes a small file, the way the career will be written.
bool folderTakesWrites(const fs::path& folder) {
    std::string probe;
    const int fd = SafeFile::openTemporary(folder.string(), "probe", probe);
    if (fd < 0) return false;
    const std::vector<char> zeros(kProbeBytes, 0);
    bool ok = SafeFile::writeAll(fd, zeros.data(), zeros.size()) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ::unlink(probe.c_str());
    return ok;
}

} // namespace

GameFolders GameFolders::locate(const std::string& exeFolder, const std::string& installedData,
                                const char* xdgDataHome, const char* home) {
    GameFolders folders;
    folders.m_pictures = exeFolder;
    folders.m_career = exeFolder;
    std::error_code error;
    const fs::path exe(exeFolder);
    // A career or pictures beside the executable: the build folder, run as it always was. The
    // build keeps the database it ships in share/ beside bin/.
    if (fs::exists(exe / kCareerFile, error) || fs::exists(exe / kPictureFolder, error)) {
        const fs::path built = (exe / ".." / "share" / kCareerFile).lexically_normal();
        if (fs::is_regular_file(built, error)) folders.m_shipped = built.string();
        return folders;
    }
    if (installedData.empty()) return folders;
    const fs::path data = (exe / installedData).lexically_normal();
    if (!fs::is_directory(data, error)) return folders;

    folders.m_installed = true;
    folders.m_pictures = withoutTrailingSlash(data.string());
    folders.m_shipped = (data / kCareerFile).string();
    // A relative XDG_DATA_HOME is invalid and ignored, as the XDG base directories say.
    fs::path base;
    if (xdgDataHome && xdgDataHome[0] == '/')
        base = xdgDataHome;
    else if (home && home[0] == '/')
        base = fs::path(home) / ".local" / "share";
    folders.m_career =
        base.empty() ? "" : withoutTrailingSlash((base / "velmora").lexically_normal().string());
    return folders;
}

std::string GameFolders::prepareCareer() const {
    if (!m_installed) return "";
    if (m_career.empty()) {
        return "Impossibile trovare la cartella dei dati del giocatore: HOME e XDG_DATA_HOME non sono "
               "impostate.";
    }
    const std::string unwritable =
        "Impossibile salvare la carriera nella cartella " + m_career +
        ".\nControlla che la cartella sia scrivibile e che il disco non sia pieno.";
    std::error_code error;
    const fs::path folder(m_career);
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error)) return unwritable;

    const fs::path career = folder / kCareerFile;
    if (fs::exists(career, error)) {
        // The career stays exactly as it is; it only has to take the game's writes.
        const bool writable = ::access(career.c_str(), R_OK | W_OK) == 0 && folderTakesWrites(folder);
        return writable ? "" : unwritable;
    }
    const fs::path shipped = fs::path(m_pictures) / kCareerFile;
    if (!fs::is_regular_file(shipped, error)) {
        return "Impossibile trovare il database del gioco " + shipped.string() + ". Reinstalla il gioco.";
    }
    return SafeFile::copy(shipped.string(), career.string(), SafeFile::Existing::Keep) ? "" : unwritable;
}

} // namespace velmora
