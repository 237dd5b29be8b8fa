#pragma once

#include <string>

namespace velmora {

class Form1;

// Creating a new world of 2000 players with one previous season behind it.
class NewCareer {
public:
    explicit NewCareer(Form1& form) : f(form) {}

    void Label3_Click(int index);

private:
    Form1& f;
};

} // namespace velmora
