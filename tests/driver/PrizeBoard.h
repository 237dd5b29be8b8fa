#pragma once

#include <string>
#include <vector>

namespace velmora::test {

class DriverProcess;

// One line of the prize board as the player reads it.
struct PrizeBoardLine {
    int place = 0;
    std::string name; // surname, a blank, first name
    long prize = 0;
    long points = 0;
};

// The open prize board, read through the driver as a player leafs through it.
struct PrizeBoard {
    std::string eventName;
    std::vector<std::string> pages;    // the items of the page selector
    std::vector<PrizeBoardLine> lines; // every page in turn, left column before right
    std::vector<std::string> problems; // lines that could not be read, messages shown while paging
};

// Chooses every page of the selector in turn and reads its two columns of names, prizes and points.
PrizeBoard readPrizeBoard(DriverProcess& driver);

} // namespace velmora::test
