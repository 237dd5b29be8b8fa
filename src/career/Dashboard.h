#pragma once

#include <string>

namespace velmora {

class Form1;

// The career's home screen: player card, the week's events and the twelve ranking positions.
class Dashboard {
public:
    explicit Dashboard(Form1& form) : f(form) {}

    void refresh();
    void rankingPositions();

private:
    Form1& f;
};

} // namespace velmora
