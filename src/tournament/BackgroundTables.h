#pragma once

#include <string>

namespace velmora {

class Form1;

// The round's other tables, decided step by step while the human plays, and the standings board.
class BackgroundTables {
public:
    explicit BackgroundTables(Form1& form) : f(form) {}

    void Timer2_Timer();
    void Timer5_Timer();
    void Timer8_Timer();
    void refreshStandings();
    void Combo7_Click();

private:
    Form1& f;
};

} // namespace velmora
