#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QSoundEffect;

namespace velmora {

class TableSpeed;
struct Control;

// Plays the sounds the game raises, from suoni/ under the game's folder, with Qt Multimedia. It
// decides what is heard: the sounds one event raised are played once it is over; a skip to the
// round's result (one event that lays many cards) plays only its outcome; at a pace above the
// game's own the cards' sounds are thinned to four a second; with the sounds turned off in their
// selector nothing is played. A machine without a sound device plays nothing and says nothing.
class SoundBoard : public QObject {
  public:
    // The folder holds suoni/; the pace is the table's.
    SoundBoard(std::string folder, const TableSpeed& speed);
    ~SoundBoard() override;

    // Plays nothing while this selector of the window shows its second item ("Suoni": "No").
    void followMute(const Control* selector) { m_mute = selector; }
    // A sound the running event raised.
    void raise(const std::string& name);
    // The event is over: what it raised is played.
    void eventDone();
    // Where a sound goes instead of the speakers (tests); the file's stem ("carta2").
    void setPlayer(std::function<void(const std::string&)> player) { m_player = std::move(player); }

    static constexpr int kCardSoundsPerSecond = 4;

  private:
    static bool isCardSound(const std::string& name);
    static bool isOutcome(const std::string& name);
    void play(const std::string& name);

    std::string m_folder;
    const TableSpeed& m_speed;
    const Control* m_mute = nullptr;
    std::vector<std::string> m_raised;
    std::deque<qint64> m_cardSounds; // wall moments of the card sounds played in the last second
    QElapsedTimer m_wall;
    int m_variant = 0;
    std::map<std::string, std::unique_ptr<QSoundEffect>> m_effects;
    std::function<void(const std::string&)> m_player;
};

} // namespace velmora
