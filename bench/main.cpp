#include "Bench.h"

#include <chrono>
#include <cstdio>
#include <limits>
#include <string>

namespace velmora::bench {

void report(const std::string& name, double value, const std::string& unit) {
    std::printf("%s: %.3f %s\n", name.c_str(), value, unit.c_str());
    std::fflush(stdout);
}

double bestMs(int runs, const std::function<void()>& fn) {
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        fn();
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        if (took.count() < best) best = took.count();
    }
    return best;
}

} // namespace velmora::bench

// With a name (startup, career, season, records, table, statistics) only that group of figures is printed.
int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    auto wanted = [&](const char* group) { return only.empty() || only == group; };
    if (wanted("startup")) velmora::bench::startUpFigures();
    if (wanted("career")) velmora::bench::careerFigures();
    if (wanted("season")) velmora::bench::seasonFigures();
    if (wanted("records")) velmora::bench::recordsFigures();
    if (wanted("table")) velmora::bench::tableFigures();
    if (wanted("statistics")) velmora::bench::statisticsFigures();
    return 0;
}
