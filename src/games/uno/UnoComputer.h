#pragma once

#include <string>

namespace velmora {

class Form1;

// The three Uno computer seats, one visible step per tick.
class UnoComputer {
public:
    explicit UnoComputer(Form1& form) : f(form) {}

    void Timer3_Timer();

private:
    Form1& f;
};

} // namespace velmora
