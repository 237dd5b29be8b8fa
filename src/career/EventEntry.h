#pragma once

#include <string>

namespace velmora {

class Form1;

// Entering and withdrawing from the week's events, and moving on to the next week.
class EventEntry {
public:
    explicit EventEntry(Form1& form) : f(form) {}

    void Label6_Click(int index);
    void Label7_Click(int index);
    void Label8_Click();
    // Moves the career one week on (52 wraps to 1), stores it and refreshes the dashboard.
    void advanceWeek();

private:
    Form1& f;
};

} // namespace velmora
