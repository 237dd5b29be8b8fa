#pragma once

#include <string>

namespace velmora {

// Something that happened at the human's table, told once by the game that made it happen: the
// table's log writes its line from it, and the platform may play a sound or have it read aloud.
struct TableEvent {
    enum class Kind {
        Deal,             // a table shuffled and dealt; count: cards each
        CardLaid,         // seat played card (Uno: colour names the colour a wild card chose)
        CardDrawn,        // seat drew one card from the pile (card is known only for the human)
        PenaltyDraw,      // seat drew count cards for other's +2 or +4 (card)
        LastCard,         // seat holds one card
        HandEmptied,      // seat has played his last card
        DirectionChanged, // the play now goes round the other way; colour holds "orario" or "antiorario"
        TrickTaken,       // seat took the trick (Hearts) or manche (Brisolo) with card; count: its points
        HeartsBroken,     // the first heart of the hand has been played
        QueenTaken,       // seat took the queen of spades
        MoonShot,         // seat took every point of the hand
    };

    Kind kind = Kind::Deal;
    int seat = -1;      // the seat it happened to, 3 being the human's; -1 for the whole table
    int other = -1;     // the seat whose card made it happen (PenaltyDraw)
    std::string card;   // the card's code ("7rosso", "12picche"), "" when none or unseen
    int count = 0;      // cards or points, as the kind says
    std::string colour; // see the kind
    std::string line;   // the words the table's log wrote for it ("" when it wrote none)
};

} // namespace velmora
