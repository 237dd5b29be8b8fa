#include "tournament/TournamentStart.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void TournamentStart::Label39_Click() {
}

std::string TournamentStart::ruleSheet(const std::string& game) {
    (void)game;
    return {};
}

} // namespace velmora
