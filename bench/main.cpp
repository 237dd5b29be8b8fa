#include "Bench.h"

#include <chrono>
#include <cstdio>
#include <limits>

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

int main() {
    velmora::bench::startUpFigures();
    velmora::bench::careerFigures();
    velmora::bench::recordsFigures();
    velmora::bench::statisticsFigures();
    return 0;
}
