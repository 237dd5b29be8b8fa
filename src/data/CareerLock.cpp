#include "data/CareerLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>
#include <utility>

namespace velmora {

namespace {

// The files this program holds, by device and inode: a second descriptor of the same program
// would meet its own lock, so the program asks here first.
std::set<std::pair<dev_t, ino_t>>& heldHere() {
    static std::set<std::pair<dev_t, ino_t>> held;
    return held;
}

std::pair<dev_t, ino_t> identity(int fd) {
    struct stat status{};
    if (::fstat(fd, &status) != 0) return {0, 0};
    return {status.st_dev, status.st_ino};
}

} // namespace

std::string CareerLock::busyMessage(const std::string& path) {
    return "La carriera " + path +
           " è già aperta in un'altra finestra di Velmora: una carriera si gioca in una finestra alla "
           "volta, e questa finestra non la modifica.\nChiudi l'altra finestra, oppure scegli un'altra "
           "carriera da \"Carica\" o creane una con \"Nuova\".";
}

CareerLock::CareerLock(const std::string& path) {
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) return;
    if (heldHere().contains(identity(m_fd))) {
        // Opened twice by this game (a career being replaced by itself): the first lock covers it.
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    int taken;
    do {
        taken = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (taken != 0 && errno == EINTR);
    if (taken != 0) {
        ::close(m_fd);
        m_fd = -1;
        throw CareerBusy(busyMessage(path));
    }
    heldHere().insert(identity(m_fd));
}

CareerLock::~CareerLock() {
    if (m_fd < 0) return;
    heldHere().erase(identity(m_fd));
    ::close(m_fd);
}

bool CareerLock::heldElsewhere(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool busy = false;
    if (!heldHere().contains(identity(fd))) {
        // A shared try conflicts only with a holder's exclusive lock, and is let go at once.
        busy = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    }
    ::close(fd);
    return busy;
}

} // namespace velmora
