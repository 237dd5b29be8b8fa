#pragma once

#include <string>

namespace velmora {

class Form1;

// "PROSSIMO TURNO": the next round, or the rest of the tournament and the prize board.
class Rounds {
public:
    explicit Rounds(Form1& form) : f(form) {}

    void Label49_Click();
    void fillPrizeBoard();
    void Combo8_Click();
    void listPrizePage();

private:
    Form1& f;
};

} // namespace velmora
