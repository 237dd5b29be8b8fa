#include "app/SoundCues.h"

#include "app/Form1.h"

namespace velmora {

void SoundCues::raise(const std::string& name) {
    f.platform().sound(name);
}

std::string SoundCues::bannerSound(const std::string& banner) {
    if (banner.rfind("QUALIFICATO", 0) == 0) return "qualificato";
    if (banner.rfind("ELIMINATO", 0) == 0) return "eliminato";
    if (banner.rfind("CAMPIONE", 0) == 0) return "campione";
    return banner.empty() ? "" : "finale-posto";
}

void SoundCues::afterEvent() {
    const Control& banner = f.c("Label56");
    const std::string text = banner.shown() ? banner.text : "";
    if (text != m_banner && !text.empty()) raise(bannerSound(text));
    m_banner = text;
    const bool prizeBoard = f.c("Picture7").visible;
    if (prizeBoard && !m_prizeBoard) raise("montepremi");
    m_prizeBoard = prizeBoard;
    if (m_week != 0 && f.currentWeek != m_week) raise("settimana");
    m_week = f.currentWeek;
}

} // namespace velmora
