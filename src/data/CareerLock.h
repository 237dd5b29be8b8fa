#pragma once

#include "data/DatabaseError.h"

#include <string>

namespace velmora {

// A career another game holds: it is played in one window at a time.
class CareerBusy : public DatabaseError {
  public:
    explicit CareerBusy(const std::string& message) : DatabaseError(message) {}
};

// One game per career: an exclusive lock of the operating system held on an open descriptor of the
// career's file for as long as the game has it open. The kernel drops it when the program ends in
// any way, so a crash never leaves a career locked for good.
class CareerLock {
  public:
    // Takes the career at path for this game; throws CareerBusy (its message for the player) when
    // another game holds it. A missing file is not locked: opening it fails on its own.
    explicit CareerLock(const std::string& path);
    ~CareerLock();
    CareerLock(const CareerLock&) = delete;
    CareerLock& operator=(const CareerLock&) = delete;

    // Whether another program holds the career at path (never this one's own lock).
    static bool heldElsewhere(const std::string& path);
    // The player's message for a career another window holds.
    static std::string busyMessage(const std::string& path);

  private:
    int m_fd = -1;
};

} // namespace velmora
