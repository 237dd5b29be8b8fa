#pragma once

#include <functional>
#include <utility>

namespace velmora::test {

class DriverProcess;

// What every scripted player of a game's table shares: the driver he plays through, the hooks a
// test hangs on his table's close and on each step of the clock, and that step itself.
class ScriptedTablePlayer {
  public:
    explicit ScriptedTablePlayer(DriverProcess& driver) : m_driver(driver) {}

    // Called each time the human's table closes: at its round's "PROSSIMO TURNO", or when the prize
    // board opens without one.
    void setAfterTable(std::function<void()> hook) { m_afterTable = std::move(hook); }
    // Called before each half-second step of the clock, at a moment the player could click.
    void setBeforeStep(std::function<void()> hook) { m_beforeStep = std::move(hook); }

  protected:
    void tableClosed() {
        if (m_afterTable) m_afterTable();
    }
    // Half a second of the virtual clock, counted in ticks.
    void step(long& ticks);

    DriverProcess& m_driver;

  private:
    std::function<void()> m_afterTable;
    std::function<void()> m_beforeStep;
};

} // namespace velmora::test
