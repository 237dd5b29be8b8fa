#pragma once

#include <string>

namespace velmora {

class GameContext;

// Sorting and drawing the human's hand (seat 3) in the row of card pictures Image11 0..26.
class HandDisplay {
  public:
    explicit HandDisplay(GameContext& form) : f(form) {}

    // Sorts the human's Uno hand and draws it; run after every change of the hand.
    void showUnoHand();
    // Sorts the human's 52-card hand for the current game (Hearts or Brisolo) and draws it.
    void showFrenchHand();

  private:
    // One picture per slot from the given folder ("\immagini\52\"); an empty slot hides its picture.
    void drawHand(const std::string& folder);

    GameContext& f;
};

} // namespace velmora
