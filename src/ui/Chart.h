#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// One line of a chart: its name in the legend, its colour and its points in order of x.
struct ChartSeries {
    std::string name;
    std::uint32_t color = 0x000000; // 0xRRGGBB
    std::vector<std::pair<double, double>> points; // (x, y)
    // Drawn as separate marks rather than a line (the weeks of his tournaments, say).
    bool marks = false;

    bool operator==(const ChartSeries&) const = default;
};

// The data a chart control shows: lines over a common x axis. The front end draws it at whatever
// size the control has, so it stays sharp; the game only says what to draw.
struct Chart {
    std::vector<ChartSeries> series;
    // Marks under the x axis: each label is written at its x (a season's first week, say).
    std::vector<std::pair<double, std::string>> xMarks;
    double xMin = 0, xMax = 1;
    // Smaller values drawn higher: a ranking, where place 1 is the top of the chart.
    bool yReversed = false;
    // Equal ratios take equal heights where the values span more than a power of ten: from 1000th
    // to 100th looks as long a climb as from 100th to 10th.
    bool yLogarithmic = false;
    // The y axis never reaches below 1: a ranking's places start there.
    bool yFromOne = false;
    // The y axis's labels: a printf format of one whole number, in plain ASCII.
    std::string yFormat = "%d";

    bool empty() const {
        for (const ChartSeries& line : series) {
            if (!line.points.empty()) return false;
        }
        return true;
    }
    bool operator==(const Chart&) const = default;
};

} // namespace velmora
