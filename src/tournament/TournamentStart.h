#pragma once

#include <string>

namespace velmora {

class Form1;

// "Gioca Torneo": the field, the first round's tables, the scoreboard list and the rule sheet.
class TournamentStart {
public:
    explicit TournamentStart(Form1& form) : f(form) {}

    void Label39_Click();
    // The rule sheet shown behind "I" for a game.
    static std::string ruleSheet(const std::string& game);

private:
    Form1& f;
};

} // namespace velmora
