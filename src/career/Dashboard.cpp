#include "career/Dashboard.h"

#include "state/CardGame.h"

#include "career/PlayerKey.h"
#include "career/TierTables.h"
#include "data/Quoting.h"
#include "state/GameContext.h"
#include "state/MenuFrames.h"
#include "state/StoreColumns.h"

#include <array>
#include <string>
#include <utility>

namespace velmora {

namespace {

constexpr int kEventSlots = 4;
// Weeks 50, 51 and 52 hold the season finals.
constexpr int kLastOrdinaryWeek = 49;

} // namespace

std::string Dashboard::gameBadgePath(const std::string& game) {
    static const std::pair<const char*, const char*> kBadges[] = {
        {"Uno", "uno"}, {"Hearts", "hearts"}, {"Brisolo", "brisolo"}};
    for (const auto& [known, file] : kBadges) {
        if (sameText(game, known)) return std::string("\\immagini\\giochi\\") + file + ".gif";
    }
    return "";
}

void Dashboard::refresh() {
    Window& w = f.window();
    MenuFrames::showDashboardMenu(w, true);

    KeyValueStore& temp = f.temp();
    f.playerFirstName = temp.text("tuonome");
    f.playerSurname = temp.text("tuocognome");
    f.playerNation = temp.text("tuanazionalita");
    f.playerAge = static_cast<int>(roundEven(temp.number("tuaeta")));
    f.playerMoney = static_cast<long>(roundEven(temp.number("tuodenaro")));
    f.currentWeek = static_cast<int>(roundEven(temp.number("settimana")));
    f.enteredEvent = temp.text("evento");

    f.c("Label1", 8).text = f.playerFirstName + " " + f.playerSurname;
    f.c("Label1", 9).text = "Eta' " + std::to_string(f.playerAge);
    f.c("Label1", 13).text = "€" + std::to_string(f.playerMoney);
    const std::string ownFlagKey = playerFlagKey();
    f.loadPicture(f.c("Image4"), GameContext::flagPath(ownFlagKey));

    const std::string continent = playerContinent();
    std::string scopes;
    for (int ranking = 0; ranking < 4; ++ranking) {
        if (ranking > 0) scopes += "\n";
        scopes += "Mondo\n" + continent + "\n" + f.playerNation;
    }
    f.c("Label1", 12).text = scopes;
    rankingPositions();
    f.c("Label1", 14).text = "Prossimi Eventi Settimana " + std::to_string(f.currentWeek);
    f.weekEvents = f.db().query("SELECT * FROM calendario where  settimana=" + std::to_string(f.currentWeek) +
                                " order by importanza asc ");

    TierTables tiers(f.db());
    for (int slot = 0; slot < kEventSlots; ++slot)
        showEventSlot(slot, ownFlagKey, tiers);
    f.c("Label8").visible = f.enteredEvent == "0";
}

std::string Dashboard::playerFlagKey() {
    Rows nation = f.db().query("SELECT * FROM nazionalita where nazione='" + fApici(f.playerNation) +
                               "' order by nazione asc ");
    return nation.at(0, 0).str();
}

std::string Dashboard::playerContinent() {
    // The database compares nation names without regard to case; so does this lookup.
    for (int r = 0; r <= f.nationRowsLast; ++r) {
        if (sameText(f.nationRows.at(1, r).str(), f.playerNation)) return f.nationRows.at(2, r).str();
    }
    return "";
}

void Dashboard::showEventSlot(int slot, const std::string& ownFlagKey, TierTables& tiers) {
    Control& text = f.c("Label5", slot);
    Control& flag = f.c("Image5", slot);
    Control& enter = f.c("Label6", slot);
    Control& entered = f.c("Label7", slot);
    // The slot's stripe on the board goes with its event.
    if (Control* stripe = f.window().find("Shape" + std::to_string(31 + slot))) {
        stripe->visible = slot <= f.weekEvents.last();
    }
    Control& badge = f.c("Image22", slot);
    if (slot > f.weekEvents.last()) {
        text.visible = enter.visible = flag.visible = entered.visible = badge.visible = false;
        return;
    }
    const Rows& events = f.weekEvents;
    const std::string name = events.at(calendario::kEventName, slot).str();
    const Value& level = events.at(calendario::kImportance, slot);
    const Value& entrants = events.at(calendario::kEntrants, slot);
    const std::string game = events.at(calendario::kGame, slot).str();
    const Value& fee = events.at(calendario::kFee, slot);
    const std::string host = events.at(calendario::kHostNation, slot).str();
    const std::string badgePath = gameBadgePath(game);
    if (!badgePath.empty()) f.loadPicture(badge, badgePath);
    badge.visible = !badgePath.empty();

    std::string caption = name + "\n" + entrants.str() + " giocatori";
    if (!fee.isEmpty()) {
        const TierTable& tier = tiers.level(level);
        const Rows& prizes = tier.prizeRows();
        const Rows& points = tier.pointRows();
        // A tier pays every finishing position it covers, as long as the field is large enough
        // to reach its last position.
        double pool = 0;
        double onOffer = 0;
        for (int tier = 0; tier <= points.last(); ++tier) {
            if (points.at(3, tier).num() > entrants.num()) continue;
            const double places = points.at(3, tier).num() - points.at(2, tier).num() + 1;
            pool += places * prizes.at(1, tier).num();
            onOffer += places * points.at(1, tier).num();
        }
        caption += "\nIscrizione €" + fee.str() + "  -  Montepremi €" + numberText(pool) +
                   "  -  Punti in palio " + numberText(onOffer);
    }

    if (host == "nazio") {
        // The national championship is held in the player's own nation.
        f.loadPicture(flag, GameContext::flagPath(ownFlagKey));
        flag.visible = true;
        enter.visible = true;
    } else if (host == "conti") {
        // Continental championships are by invitation only.
        flag.visible = false;
        enter.visible = false;
    } else {
        f.loadPicture(flag, GameContext::flagPath(host));
        if (f.currentWeek > kLastOrdinaryWeek && qualifiedForFinal(game)) f.enteredEvent = name;
        const bool hasEntry = f.enteredEvent != "0";
        f.c("Label39").visible = hasEntry;
        enter.visible = !hasEntry;
        flag.visible = true;
    }

    // Before the finals weeks a click on the marker withdraws the entry: the marker says so.
    entered.toolTip = f.currentWeek > kLastOrdinaryWeek ? "" : "Clic per ritirare l'iscrizione";
    if (f.enteredEvent != "0" && name == f.enteredEvent) {
        entered.visible = true;
        enter.visible = false;
    } else {
        entered.visible = false;
    }
    text.text = caption;
    text.visible = true;
}

bool Dashboard::qualifiedForFinal(const std::string& game) {
    const CardGame* played = findCardGame(game);
    if (!played) return false;
    Rows best = f.db().query(std::string("SELECT top 8 cognome, nome FROM giocatori  order by ") +
                             played->pointsColumn + " desc,cognome asc,nome asc");
    for (int r = 0; r <= best.last(); ++r) {
        if (best.at(0, r).str() == f.playerSurname && best.at(1, r).str() == f.playerFirstName) return true;
    }
    return false;
}

void Dashboard::rankingPositions() {
    const std::string continent = playerContinent();
    static const std::array<const char*, 4> kOrders = {"totalepunti", "unopunti", "heartspunti",
                                                       "brisolopunti"};
    std::string lines;
    size_t placeIndex = 0;
    for (const char* order : kOrders) {
        const std::string sort = std::string("order by ") + order + " desc,cognome asc";
        // Only the names are needed to find the player's place.
        const std::array<std::string, 3> statements = {
            "SELECT cognome, nome FROM giocatori  " + sort,
            "SELECT cognome, nome FROM giocatori  where continente='" + fApici(continent) + "'" + sort,
            "SELECT cognome, nome FROM giocatori  where nazione='" + fApici(f.playerNation) + "'" + sort,
        };
        for (const std::string& statement : statements) {
            Rows players = f.db().query(statement);
            std::string position = "-"; // not ranked: the player is missing from the world
            int place = 0;
            for (int r = 0; r <= players.last(); ++r) {
                if (players.at(0, r).str() == f.playerSurname &&
                    players.at(1, r).str() == f.playerFirstName) {
                    place = r + 1;
                    position = std::to_string(place);
                    break;
                }
            }
            f.rankingPlaces[placeIndex++] = place;
            if (!lines.empty()) lines += "\n";
            lines += position;
        }
    }
    f.c("Label1", 15).text = lines;
}

} // namespace velmora
