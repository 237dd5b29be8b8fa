#include "app/ScreenBoards.h"

namespace velmora {

const std::vector<ScreenBoard>& ScreenBoard::all() {
    static const std::vector<ScreenBoard> boards = {
        // The world rankings: the chosen ranking's figures are drawn a second time on a gold band
        // (Label22) over their own column.
        {"Classifica mondiale",
         {"Label13", -1},
         {{{"Label10", -1}, "Pos"},
          {{"Label11", -1}, "Giocatore"},
          {{"Label12", -1}, "Punti totale"},
          {{"Label14", -1}, "Punti Uno"},
          {{"Label15", -1}, "Punti Hearts"},
          {{"Label16", -1}, "Punti Brisolo"},
          {{"Label17", -1}, "Posizione nel mondo"},
          {{"Label18", -1}, "Posizione nel continente"},
          {{"Label19", -1}, "Posizione nella nazione"}},
         {{"Label22", -1}}},
        // The calendar: the week's events (each line's "Risultati" stays a button of its own),
        // then the standings of the event chosen.
        {"Tornei della settimana",
         {"Label28", -1},
         {{{"Label24", -1}, "Torneo"},
          {{"Label81", -1}, "Gioco"},
          {{"Label25", -1}, "Montepremi"},
          {{"Label26", -1}, "Punti"},
          {{"Label27", -1}, "Giocatori"},
          {{"Label30", -1}, "Iscrizione"}},
         {}},
        {"Risultati del torneo",
         {"Label31", -1},
         {{{"Label32", -1}, "Pos"}, {{"Label33", -1}, "Giocatore"}, {{"Label34", -1}, "Premio €"},
          {{"Label35", -1}, "Punti"}},
         {}},
        // The prize board: places 1..32 down the left half, the next ones down the right half,
        // each half under its own headings.
        {"Montepremi",
         {"Label40", 8},
         {{{"Label40", 6}, "Giocatore"}, {{"Label40", 10}, "Premio €"}, {{"Label40", 11}, "Punti"}},
         {{"PrizeHeading", 0}, {"PrizeHeading", 1}}},
        {"Montepremi, seguito",
         {"Label40", 9},
         {{{"Label40", 7}, "Giocatore"}, {{"Label40", 12}, "Premio €"}, {{"Label40", 13}, "Punti"}},
         {{"PrizeHeading", 2}, {"PrizeHeading", 3}}},
        // The player card: his twelve places (a block of lines per ranking), his last tournaments
        // (their importance marks are a picture font, not words, and stay unread) and the thirty
        // players around him in the ranking chosen.
        {"Classifiche del giocatore",
         {"Label53", 17},
         {{{"Label53", 15}, "Classifica"}, {{"Label53", 14}, "Pos"}, {{"Label53", 16}, "Punti"}},
         {}},
        {"Ultimi tornei giocati",
         {"Label53", 6},
         {{{"Label53", 3}, "Settimana"},
          {{"Label53", 4}, "Pos"},
          {{"Label53", 5}, "Torneo"},
          {{"Label53", 7}, "Punti"}},
         {{"Label53", 18}}},
        {"Classifica intorno al giocatore",
         {"Label53", 23},
         {{{"Label53", 20}, "Pos"}, {{"Label53", 21}, "Punti"}, {{"Label53", 22}, "Giocatore"}},
         {}},
    };
    return boards;
}

const ScreenBoard* ScreenBoard::carriedBy(const std::string& name, int index) {
    for (const ScreenBoard& board : all()) {
        if (name == board.carrier.name && index == board.carrier.index) return &board;
    }
    return nullptr;
}

bool ScreenBoard::isPart(const std::string& name, int index) {
    auto is = [&](const Ref& ref) { return name == ref.name && index == ref.index; };
    for (const ScreenBoard& board : all()) {
        for (const Column& column : board.columns)
            if (is(column.caption)) return true;
        for (const Ref& ref : board.alsoHidden)
            if (is(ref)) return true;
    }
    return false;
}

} // namespace velmora
