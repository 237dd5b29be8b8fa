#include "data/SafeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace velmora {

namespace fs = std::filesystem;

namespace {

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

int SafeFile::openTemporary(const std::string& folder, const std::string& name, std::string& path) {
    path = (fs::path(folder) / name).string() + "XXXXXX";
    return ::mkostemp(path.data(), O_CLOEXEC);
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
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool SafeFile::copy(const std::string& from, const std::string& to, Existing existing) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    const fs::path target(to);
    const std::string folder = target.parent_path().string();
    std::string temporary;
    const int out = openTemporary(folder, "." + target.filename().string() + "-", temporary);
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
    }
    // After a rename the temporary name is gone; after a failure it goes now.
    ::unlink(temporary.c_str());
    if (ok) syncFolder(folder);
    return ok;
}

} // namespace velmora
