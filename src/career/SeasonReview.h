#pragma once

#include <string>

namespace velmora {

class GameContext;

// The review of a season (Picture12), shown when its last week turns to the first of the next and
// reopened from the statistics screen: tournaments played, won and finals reached per game, money
// and world place at its start and end, his best result and the champions of its finals; from the
// second season on the season before stands beside each figure, in brackets. Read from the
// career's history; it closes with a click, Enter or Esc.
class SeasonReview {
  public:
    // The panel's texts are items of Label67.
    static constexpr const char* kLabels = "Label67";
    enum Label {
        kTitle = 0,
        kCaptions = 1, // the table's line captions
        kColumns = 2,  // 2..5: Uno, Hearts, Brisolo, all games
        kLines = 6,    // money, world place, best result, champions
        kHint = 7,
        kLastLabel = 7,
        kCatcher = 8, // under the others, over the whole panel: a click anywhere closes it
    };

    explicit SeasonReview(GameContext& form) : f(form) {}

    // Shows the review of a season of the history; false (nothing shown) for a season without weeks.
    bool show(int season);
    // A click on the panel, Enter or Esc.
    void close();

  private:
    GameContext& f;
};

} // namespace velmora
