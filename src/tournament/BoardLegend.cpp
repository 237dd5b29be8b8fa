#include "tournament/BoardLegend.h"

#include <sstream>

namespace velmora {

std::string BoardLegend::meaning(const std::string& word, bool penaltyPoints) {
    if (word == "Naz") return "Naz: nazionalita' del giocatore (la bandiera)";
    if (word == "El") return "El: esito al tavolo - V passa al turno successivo, X e' eliminato";
    if (word == "Tav") return "Tav: numero del tavolo";
    if (word == "Car" || word == "Ca") return word + ": carte ancora in mano";
    if (word == "Pu") {
        return penaltyPoints ? "Pu: punti di penalita' presi - passano i due con meno punti"
                             : "Pu: punti delle carte vinte - passano i due con piu' punti";
    }
    if (word == "Cuo")
        return "Cuo: la carta di cuori piu' bassa presa - a pari punti passa chi ha la piu' bassa";
    if (word == "Ma") return "Ma: manche vinte";
    if (word == "MP") return "MP: punti della manche migliore";
    if (word == "Rank") return "Rank: posizione nella classifica mondiale";
    if (word == "Punti") return "Punti: punti della classifica mondiale";
    return "";
}

bool BoardLegend::countsPenalties(const std::string& header) {
    std::istringstream words(header);
    std::string word;
    while (words >> word) {
        if (word == "Cuo") return true;
    }
    return false;
}

std::string BoardLegend::legend(const std::string& header) {
    const bool penalties = countsPenalties(header);
    std::istringstream words(header);
    std::string word, lines;
    while (words >> word) {
        const std::string text = meaning(word, penalties);
        if (!text.empty()) lines += (lines.empty() ? "" : "\n") + text;
    }
    return lines;
}

} // namespace velmora
