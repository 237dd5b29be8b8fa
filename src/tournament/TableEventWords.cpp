#include "tournament/TableEventWords.h"

#include <cctype>
#include <utility>

namespace velmora {

namespace {

constexpr int kHuman = 3;
constexpr const char* kUnoWords[][2] = {{"piu2", "+2"},
                                        {"piu4", "+4"},
                                        {"saltaturno", "salta turno"},
                                        {"cambiagiro", "cambio giro"},
                                        {"cambiacolore", "cambio colore"}};
constexpr const char* kSuits[] = {"picche", "cuori", "fiori", "quadri"};

// Splits a card code into its value and its colour or suit ("12picche" -> 12, picche).
std::pair<std::string, std::string> split(const std::string& code) {
    for (const auto& word : kUnoWords) {
        const std::string value = word[0];
        if (code.rfind(value, 0) == 0) return {value, code.substr(value.size())};
    }
    size_t digits = 0;
    while (digits < code.size() && std::isdigit(static_cast<unsigned char>(code[digits])))
        ++digits;
    return {code.substr(0, digits), code.substr(digits)};
}

bool isSuit(const std::string& colour) {
    for (const char* suit : kSuits)
        if (colour == suit) return true;
    return false;
}

// The French card's name with its article.
std::string frenchCard(int value, const std::string& suit) {
    std::string name;
    switch (value) {
    case 11: name = "il Fante"; break;
    case 12: name = "la Donna"; break;
    case 13: name = "il Re"; break;
    case 14: name = "l'Asso"; break;
    case 8: name = "l'8"; break;
    default: name = "il " + std::to_string(value); break;
    }
    return name + " di " + suit;
}

} // namespace

std::string cardWords(const std::string& code) {
    const auto [value, colour] = split(code);
    if (isSuit(colour) && !value.empty() && std::isdigit(static_cast<unsigned char>(value[0])))
        return frenchCard(std::stoi(value), colour);
    for (const auto& word : kUnoWords) {
        if (value == word[0]) return colour.empty() ? word[1] : std::string(word[1]) + " " + colour;
    }
    return colour.empty() ? value : value + " " + colour;
}

std::string tableEventLine(const TableEvent& event, const std::string& game,
                           const std::array<std::string, 4>& surnames) {
    using Kind = TableEvent::Kind;
    const bool human = event.seat == kHuman;
    const std::string who = event.seat >= 0 && event.seat < 4 ? surnames[static_cast<size_t>(event.seat)] : "";
    // The verb as said of a computer seat, or to the human.
    const auto says = [&](const std::string& third, const std::string& second) {
        return human ? second : who + " " + third;
    };
    const std::string card = event.card.empty() ? "" : cardWords(event.card);
    switch (event.kind) {
    case Kind::Deal:
        return "Carte mescolate: " + std::to_string(event.count) + " a testa";
    case Kind::CardLaid: {
        const std::string value = split(event.card).first;
        if (value == "piu2" || value == "piu4") return ""; // told with the draw it makes
        std::string line = says("gioca ", "Giochi ") + card;
        if (!event.colour.empty()) line += (human ? " e scegli " : " e sceglie ") + event.colour;
        return line;
    }
    case Kind::CardDrawn:
        return human ? "Peschi " + (card.empty() ? std::string("una carta") : card) : who + " pesca una carta";
    case Kind::PenaltyDraw: {
        const bool fromHuman = event.other == kHuman;
        const std::string culprit =
            event.other >= 0 && event.other < 4 ? surnames[static_cast<size_t>(event.other)] : "";
        // A +2 keeps its colour, which is the colour in force from now on; a +4 says the chosen one.
        std::string line = (fromHuman ? "Giochi " : culprit + " gioca ") + card;
        if (!event.colour.empty()) line += (fromHuman ? " e scegli " : " e sceglie ") + event.colour;
        return line + ": " + says("pesca ", "peschi ") + std::to_string(event.count);
    }
    case Kind::LastCard:
        return says("ha una sola carta!", "Hai una sola carta!");
    case Kind::HandEmptied:
        return says("ha finito le carte", "Hai finito le carte");
    case Kind::DirectionChanged:
        return "Cambio di giro: ora in senso " + event.colour;
    case Kind::TrickTaken: {
        const bool manche = game == "Brisolo";
        std::string line = says("prende ", "Prendi ") + (manche ? "la manche" : "la mano") + " con " + card;
        if (manche) line += " (" + std::to_string(event.count) + " punti)";
        return line;
    }
    case Kind::HeartsBroken:
        return "Cuori rotti";
    case Kind::QueenTaken:
        return says("prende la Donna di picche", "Prendi la Donna di picche");
    case Kind::MoonShot:
        return says("fa cappotto: ha preso tutti i punti", "Fai cappotto: hai preso tutti i punti");
    }
    return "";
}

} // namespace velmora
