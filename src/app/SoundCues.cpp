#include "app/SoundCues.h"

#include "app/Form1.h"

namespace velmora {

void SoundCues::raise(const std::string& name) {
    f.platform().sound(name);
}

void SoundCues::afterEvent() {
    const bool prizeBoard = f.c("Picture7").visible;
    if (prizeBoard && !m_prizeBoard) raise("montepremi");
    m_prizeBoard = prizeBoard;
    if (m_week != 0 && f.currentWeek != m_week) raise("settimana");
    m_week = f.currentWeek;
}

} // namespace velmora
