#pragma once

#include <QElapsedTimer>

#include <array>

namespace velmora {

// The pace of the table as the player chose it on the table screen: how many milliseconds of the
// table clock pass in one millisecond of the wall clock. The game only ever sees the table clock,
// so every interval it sets, the order of its ticks and its random draws are the same at any pace;
// only the wait between them on screen shrinks. The clock runs on without a jump when the pace
// changes mid-hand.
class TableSpeed {
  public:
    // Table milliseconds per wall millisecond for each item of the pace selector; the first item is
    // the game's own pace.
    static constexpr std::array<int, 3> kFactors{1, 3, 10};

    TableSpeed();
    TableSpeed(const TableSpeed&) = delete;
    TableSpeed& operator=(const TableSpeed&) = delete;

    // The table clock, in milliseconds since the game started.
    long long nowMs() const;
    int factor() const { return m_factor; }
    // Changes the pace from this moment on; factors below 1 count as the game's own pace.
    void setFactor(int factor);
    // The factor of an item of the selector (the game's own pace for an unknown item).
    static int factorOfItem(int item);
    // Wall milliseconds until the table clock reaches a moment (0 when it has passed), rounded up
    // so that a tick is never tried before it is due.
    long long wallWaitUntil(long long tableMs) const;
    // Time the program lost while busy does not count for the table: from now on the table clock
    // stands at this earlier moment and runs on from there.
    void holdAt(long long tableMs);

  private:
    void rebase();

    QElapsedTimer m_wall;
    long long m_tableBase = 0; // table clock at the last change of pace
    long long m_wallBase = 0;  // wall clock then
    int m_factor = 1;
};

} // namespace velmora
