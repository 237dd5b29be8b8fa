#include "PrizeBoard.h"

#include "DriverProcess.h"

#include <cmath>
#include <sstream>

namespace velmora::test {

namespace {

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

bool readNumber(const std::string& text, long& number) {
    try {
        size_t used = 0;
        const double value = std::stod(text, &used);
        if (used != text.size()) return false;
        number = std::lround(value);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The labels of one column: names, prizes, points.
struct BoardColumn {
    int names;
    int prizes;
    int points;
};
constexpr BoardColumn kLeft{6, 10, 11};
constexpr BoardColumn kRight{7, 12, 13};

} // namespace

PrizeBoard readPrizeBoard(DriverProcess& driver) {
    PrizeBoard board;
    board.eventName = driver.caption("Label40", 5);
    board.pages = splitAt(driver.property("Combo8", "items"), '|');
    for (const std::string& page : board.pages) {
        driver.run("choose Combo8 " + page);
        for (const std::string& message : driver.messages())
            board.problems.push_back("page " + page + ": message \"" + message + "\"");
        for (const BoardColumn& column : {kLeft, kRight}) {
            const auto names = valueLines(driver.caption("Label40", column.names));
            const auto prizes = valueLines(driver.caption("Label40", column.prizes));
            const auto points = valueLines(driver.caption("Label40", column.points));
            if (prizes.size() != names.size() || points.size() != names.size()) {
                board.problems.push_back("page " + page + ": " + std::to_string(names.size()) + " names, " +
                                         std::to_string(prizes.size()) + " prizes, " +
                                         std::to_string(points.size()) + " points in one column");
            }
            for (size_t i = 0; i < names.size(); ++i) {
                PrizeBoardLine line;
                const size_t dot = names[i].find(". ");
                long place = 0;
                if (dot == std::string::npos || !readNumber(names[i].substr(0, dot), place) ||
                    i >= prizes.size() || !readNumber(prizes[i], line.prize) || i >= points.size() ||
                    !readNumber(points[i], line.points)) {
                    board.problems.push_back("page " + page + ": unreadable line \"" + names[i] + "\"");
                    continue;
                }
                line.place = static_cast<int>(place);
                line.name = names[i].substr(dot + 2);
                board.lines.push_back(line);
            }
        }
    }
    return board;
}

} // namespace velmora::test
