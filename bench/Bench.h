#pragma once

#include <functional>
#include <string>

namespace velmora::bench {

// Prints one figure as "name: value unit".
void report(const std::string& name, double value, const std::string& unit);
// Milliseconds of wall time taken by fn, best of the given number of runs.
double bestMs(int runs, const std::function<void()>& fn);

// The figures, one group per screen.
void startUpFigures();
void careerFigures();
void seasonFigures();
void recordsFigures();
void tableFigures();
void statisticsFigures();

} // namespace velmora::bench
