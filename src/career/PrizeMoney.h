#pragma once

#include <string>

namespace velmora {

class Form1;

// Closing a played tournament: fee, prize, the world's week and the next week.
class PrizeMoney {
public:
    explicit PrizeMoney(Form1& form) : f(form) {}

    void Label50_Click();

private:
    Form1& f;
};

} // namespace velmora
