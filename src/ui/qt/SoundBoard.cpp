#include "ui/qt/SoundBoard.h"

#include "ui/Control.h"
#include "ui/qt/TableSpeed.h"

#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace velmora {

namespace {
// A card laid has a few takes, so a trick does not sound mechanical.
constexpr int kCardVariants = 3;
constexpr double kVolume = 0.8;
} // namespace

SoundBoard::SoundBoard(std::string folder, const TableSpeed& speed) : m_folder(std::move(folder)), m_speed(speed) {
    m_wall.start();
}

SoundBoard::~SoundBoard() = default;

bool SoundBoard::isCardSound(const std::string& name) {
    return name == "carta" || name.rfind("pesca", 0) == 0;
}

bool SoundBoard::isOutcome(const std::string& name) {
    for (const char* outcome : {"qualificato", "eliminato", "campione", "finale-posto", "montepremi"})
        if (name == outcome) return true;
    return false;
}

void SoundBoard::raise(const std::string& name) {
    m_raised.push_back(name);
}

void SoundBoard::eventDone() {
    std::vector<std::string> raised;
    raised.swap(m_raised);
    if (m_mute && m_mute->listIndex == 1) return;
    const bool skip = std::count(raised.begin(), raised.end(), std::string("carta")) > 1;
    for (const std::string& name : raised) {
        if (skip && !isOutcome(name)) continue;
        if (isCardSound(name) && m_speed.factor() > 1) {
            const qint64 now = m_wall.elapsed();
            while (!m_cardSounds.empty() && now - m_cardSounds.front() >= 1000)
                m_cardSounds.pop_front();
            if (static_cast<int>(m_cardSounds.size()) >= kCardSoundsPerSecond) continue;
            m_cardSounds.push_back(now);
        }
        play(name);
    }
}

void SoundBoard::play(const std::string& name) {
    const std::string file = name == "carta" ? "carta" + std::to_string(m_variant++ % kCardVariants + 1) : name;
    if (m_player) {
        m_player(file);
        return;
    }
    std::unique_ptr<QSoundEffect>& effect = m_effects[file];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(m_folder + "/suoni/" + file + ".wav")));
        effect->setVolume(kVolume);
    }
    // Without a device the effect stays silent; the game carries on unaware.
    effect->play();
}

} // namespace velmora
