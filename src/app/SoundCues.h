#pragma once

#include <string>

namespace velmora {

class Form1;

// The sounds of the career, raised through the platform as the moments they mark come: the prize
// board's money and the week moving on (the table's moves sound from the table's events, the banner
// as it comes up). Whether they are heard ("Suoni") is the front end's to decide.
class SoundCues {
  public:
    explicit SoundCues(Form1& form) : f(form) {}

    // Raises one sound.
    void raise(const std::string& name);
    // After every event: the sounds of what changed since the last one.
    void afterEvent();

  private:
    Form1& f;
    bool m_prizeBoard = false;
    int m_week = 0;
};

} // namespace velmora
