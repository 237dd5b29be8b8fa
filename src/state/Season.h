#pragma once

namespace velmora {

// The career's calendar: a season of 52 weeks whose last three hold the finals of Uno, Hearts and
// Brisolo for the eight best of each. Every count of weeks in the game is one of these two.
struct Season {
    static constexpr int kWeeks = 52;
    static constexpr int kFirstFinalsWeek = 50;

    static constexpr bool isFinalsWeek(int week) { return week >= kFirstFinalsWeek; }
};

} // namespace velmora
