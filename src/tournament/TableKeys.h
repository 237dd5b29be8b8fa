#pragma once

namespace velmora {

class GameContext;

// The table played from the keyboard. A focus frame stands on one card of the human's hand that a
// click would take now (a card he may play, or at the Hearts pass any card to set aside or take
// back); the arrows move it over those cards only, and Enter or Space takes the framed card as a
// click would. The frame shows from the first key pressed at the table on, so a player who only
// uses the mouse never sees it. Redrawn after every event, like the other table cues.
class TableKeys {
  public:
    explicit TableKeys(GameContext& form) : f(form) {}

    // Moves the frame to the next card to the right (+1) or to the left (-1), round the hand; a
    // hidden frame is only shown. False when no card may be taken now.
    bool move(int step);
    // Shows a hidden frame. False when it was already shown or no card may be taken now.
    bool reveal();
    // The hand place under the frame (0..29), or -1 when no frame shows.
    int framedSlot();
    // Keeps the frame on a card that may be taken, the nearest to where it stood.
    void refresh();

    // Places 0..26 of the hand and 27..29 of the Hearts pass.
    static constexpr int kPlaces = 30;
    // How long keys rest once a result comes up (the banner, the closed round, the prize board),
    // on the table clock: a key pressed for the last card never runs on past the result.
    static constexpr long long kResultRestMs = 500;

  private:
    // Whether some card is his to take now: play runs and he is to play or to set cards aside.
    bool handOpen();
    // Whether a click on a hand place would be taken now.
    bool takes(int slot);
    // The first place from `from` on, going by `step` round the hand, that takes a click; -1 if none.
    int nextTaking(int from, int step);
    // The place of first..last nearest to `from` that takes a click, the right-hand side first;
    // -1 if none.
    int nearestTaking(int from, int first, int last);

    // Holds the keys when a result has come up since the last event.
    void restAtResults();

    GameContext& f;
    bool m_resultsShown[3] = {false, false, false}; // the banner, "PROSSIMO TURNO", the prize board
    bool m_shown = false;
    int m_slot = 0;
};

} // namespace velmora
