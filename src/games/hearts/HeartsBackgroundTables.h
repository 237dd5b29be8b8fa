#pragma once

namespace velmora {

class Form1;

// The other Hearts tables of the round, simulated whole at the pass: every tick (Timer8) reveals one
// more of their tricks.
class HeartsBackgroundTables {
  public:
    explicit HeartsBackgroundTables(Form1& form) : f(form) {}

    void Timer8_Timer();

  private:
    void heartsTable(int table);
    void finishHeartsHand();

    Form1& f;
};

} // namespace velmora
