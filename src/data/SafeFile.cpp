#include "data/SafeFile.h"

#include "data/StoreFaults.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace velmora {

namespace fs = std::filesystem;

int SafeFile::s_lastError = 0;

namespace {

// Every temporary file of the game starts so; the owner's process id follows.
const char kTemporaryPrefix[] = ".velmora";

// Whether the process that owns a temporary file still runs.
bool ownerRuns(long pid) {
    if (pid <= 0) return false;
    if (pid == ::getpid()) return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Moves from onto to unless to exists; true when to is there afterwards (ours or one made meanwhile).
bool renameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno == EEXIST) return true;
    // A file system without the no-replace rename: the target was checked absent a moment ago.
    if (errno != EINVAL && errno != ENOSYS) return false;
    std::error_code error;
    if (fs::exists(fs::symlink_status(to, error))) return true;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

// Copies the bytes of in to out and flushes out to disk.
bool copyBytes(int in, int out) {
    std::vector<char> buffer(256 * 1024);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        if (!SafeFile::writeAll(out, buffer.data(), static_cast<size_t>(got))) return false;
    }
    return ::fsync(out) == 0;
}

} // namespace

int SafeFile::openTemporary(const std::string& folder, const std::string& what, std::string& path) {
    path = (fs::path(folder) / (std::string(kTemporaryPrefix) + "-" + std::to_string(::getpid()) + "-" + what + "-"))
               .string() +
           "XXXXXX";
    if (const int fault = StoreFaults::createError()) {
        s_lastError = fault;
        return -1;
    }
    const int fd = ::mkostemp(path.data(), O_CLOEXEC);
    if (fd < 0) s_lastError = errno;
    return fd;
}

void SafeFile::clearLeftovers(const std::string& folder) {
    std::error_code error;
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(kTemporaryPrefix, 0) != 0 || !entry.is_regular_file(error)) continue;
        // .velmora-PID-what-XXXXXX, and the engine's -journal beside one.
        size_t at = sizeof kTemporaryPrefix - 1;
        long pid = 0;
        bool named = at < name.size() && name[at] == '-';
        size_t digits = 0;
        for (++at; named && at < name.size() && std::isdigit(static_cast<unsigned char>(name[at])); ++at, ++digits)
            pid = pid * 10 + (name[at] - '0');
        named = named && digits > 0 && digits < 10 && at < name.size() && name[at] == '-';
        bool stale;
        if (named) {
            stale = !ownerRuns(pid);
        } else {
            // The older names: .velmora-nuova-XXXXXX, .velmora.mdb-XXXXXX, .velmora-probe-XXXXXX.
            const bool older = name.rfind(".velmora-nuova-", 0) == 0 || name.rfind(".velmora-probe-", 0) == 0 ||
                               name.find(".mdb-") != std::string::npos;
            stale = older && entry.last_write_time(error) < dayAgo && !error;
        }
        if (stale) fs::remove(entry.path(), error);
    }
}

std::string SafeFile::makeTemporary(const std::string& folder, const std::string& name) {
    std::string path;
    const int fd = openTemporary(folder, name, path);
    if (fd < 0) return "";
    ::close(fd);
    return path;
}

void SafeFile::syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool SafeFile::moveInto(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return false;
    syncFolder(fs::path(to).parent_path().string());
    return true;
}

bool SafeFile::writeAll(int fd, const char* data, size_t size) {
    if (const int fault = StoreFaults::writeError()) {
        s_lastError = fault;
        return false;
    }
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            s_lastError = written < 0 ? errno : ENOSPC;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool SafeFile::copy(const std::string& from, const std::string& to, Existing existing) {
    const int in = StoreFaults::unreadable(from) ? -1 : ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        s_lastError = StoreFaults::unreadable(from) ? EACCES : errno;
        return false;
    }
    const fs::path target(to);
    const std::string folder = target.parent_path().string();
    std::string temporary;
    const int out = openTemporary(folder, target.filename().string(), temporary);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = copyBytes(in, out);
    ::close(in);
    ok = ::close(out) == 0 && ok;
    if (ok) {
        ok = existing == Existing::Keep ? renameWithoutReplacing(temporary, to)
                                        : ::rename(temporary.c_str(), to.c_str()) == 0;
        if (!ok) s_lastError = errno;
    }
    // After a rename the temporary name is gone; after a failure it goes now.
    ::unlink(temporary.c_str());
    if (ok) syncFolder(folder);
    return ok;
}

} // namespace velmora
