#include "ui/TableSounds.h"

namespace velmora {

std::vector<std::string> tableSounds(const TableEvent& event) {
    using Kind = TableEvent::Kind;
    constexpr int kHumanSeat = 3;
    switch (event.kind) {
    case Kind::Deal:
        return {"mescola", "distribuisci"};
    case Kind::CardLaid:
        return {"carta"};
    case Kind::CardDrawn:
        return {"pesca"};
    case Kind::PenaltyDraw:
        return {event.count >= 4 ? "pesca4" : "pesca2"};
    case Kind::LastCard:
        return {"ultima-carta"};
    case Kind::DirectionChanged:
        return {"cambio-giro"};
    case Kind::TrickTaken:
        // His own trick a little louder.
        return {event.seat == kHumanSeat ? "presa-tua" : "presa"};
    case Kind::HeartsBroken:
        return {"cuori-rotti"};
    case Kind::QueenTaken:
        return {"donna-picche"};
    case Kind::MoonShot:
        return {"luna"};
    case Kind::HandEmptied:
        break;
    }
    return {};
}

} // namespace velmora
