#pragma once

#include <string>

namespace velmora {

class Form1;

// Start-up, the menus, screen switching, the pop-ups and leaving a table.
class StartUp {
public:
    explicit StartUp(Form1& form) : f(form) {}

    void Form_Load();
    void Label1_Click(int index);
    void Combo1_Click(int index);
    void Label45_Click();
    void Label47_Click();
    void Label52_Click();
    void Label41_Click();

private:
    Form1& f;
};

} // namespace velmora
