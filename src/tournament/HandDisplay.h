#pragma once

#include <string>

namespace velmora {

class Form1;

// Sorting and drawing the human's hand in the row of card pictures.
class HandDisplay {
public:
    explicit HandDisplay(Form1& form) : f(form) {}

    void showUnoHand();
    void showFrenchHand();

private:
    Form1& f;
};

} // namespace velmora
