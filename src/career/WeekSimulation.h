#pragma once

#include <string>

namespace velmora {

class Form1;

// The world's week: every tournament of the week gets its results and the rankings roll on.
class WeekSimulation {
public:
    explicit WeekSimulation(Form1& form) : f(form) {}

    void run();

private:
    Form1& f;
};

} // namespace velmora
