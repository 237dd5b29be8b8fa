#include "ScriptedTablePlayer.h"

#include "DriverProcess.h"

namespace velmora::test {

void ScriptedTablePlayer::step(long& ticks) {
    if (m_beforeStep) m_beforeStep();
    m_driver.run("advance 500");
    ++ticks;
}

} // namespace velmora::test
