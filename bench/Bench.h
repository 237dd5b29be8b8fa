#pragma once

#include <functional>
#include <string>

namespace velmora {
class Form1;
} // namespace velmora

namespace velmora::bench {

// Prints one figure as "name: value unit".
void report(const std::string& name, double value, const std::string& unit);
// Milliseconds of wall time taken by fn, best of the given number of runs.
double bestMs(int runs, const std::function<void()>& fn);

// The new-career screen filled in as a player would: names, age, the first nation of the list.
void fillNewCareerScreen(Form1& form);

// The figures, one group per screen.
void startUpFigures();
void careerFigures();
void recordsFigures();
void tableFigures();
void statisticsFigures();

} // namespace velmora::bench
