#include "career/Dashboard.h"

#include "state/CardGame.h"

#include "career/EventEntry.h"
#include "career/PlayerKey.h"
#include "career/TierTables.h"
#include "career/WeekReport.h"
#include "data/Quoting.h"
#include "data/StoreOrder.h"
#include "state/GameContext.h"
#include "state/MenuFrames.h"
#include "state/Season.h"
#include "state/StoreColumns.h"

#include <array>
#include <string>
#include <utility>

namespace velmora {

namespace {

constexpr int kEventSlots = 4;
const char* const kContinentalClosed = "Evento continentale: iscrizioni chiuse";
const char* const kFinalsClosed =
    "Le finali sono riservate agli otto migliori della classifica del gioco: chi e' tra loro e' iscritto da solo";
// Players kept each side of his overall world place, to tell who passed whom over a week.
constexpr int kNeighbours = 6;
// What the rankings read of every player: names, continent, nation, the overall points and the
// three games' (the orders of the four rankings), and whether those are the kinds of value the game
// writes (whole numbers, a surname in text), which the store's order and ours agree on.
const char kWorldRead[] =
    "SELECT cognome, nome, continente, nazione, totalepunti, unopunti, heartspunti, brisolopunti, "
    "typeof(totalepunti)='integer' AND typeof(unopunti)='integer' AND "
    "typeof(heartspunti)='integer' AND typeof(brisolopunti)='integer' AND "
    "typeof(cognome)='text' AND typeof(continente)='text' AND typeof(nazione)='text' "
    "FROM giocatori";
constexpr int kFirstPoints = 4;
constexpr int kPlainRow = 8;

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
    readPointsToDefend();
    for (int slot = 0; slot < kEventSlots; ++slot)
        showEventSlot(slot, ownFlagKey, tiers);
    f.c("Label8").visible = f.enteredEvent == "0";
    showPointsLeaving();
    f.eventEntry().fillWeekChoices();
    if (Control* choice = f.window().find("Combo16")) choice->visible = f.c("Label8").visible;
    // A career just opened ("Carica", a restored backup) shows the report of its last week again.
    if (m_opening != f.careerOpenings) {
        m_opening = f.careerOpenings;
        WeekReport(f).show(1);
    }
}

// Last season's results of his at this week's events: the world's week takes them back from his
// points, whether he plays them again or not.
void Dashboard::readPointsToDefend() {
    m_toDefend = f.db().query("SELECT torneo, tipo, punti FROM tornei where cognome='" + fApici(f.playerSurname) +
                              "' and nome='" + fApici(f.playerFirstName) +
                              "' and punti > 0 and torneo in (SELECT torneo FROM calendario where settimana=" +
                              std::to_string(f.currentWeek) + ")");
}

long Dashboard::pointsToDefend(const std::string& event) const {
    long points = 0;
    for (int r = 0; r <= m_toDefend.last(); ++r) {
        if (sameText(m_toDefend.at(0, r).str(), event)) points += static_cast<long>(m_toDefend.at(2, r).toInt());
    }
    return points;
}

void Dashboard::showPointsLeaving() {
    Control* leaving = f.window().find("Label72");
    if (!leaving) return;
    long total = 0;
    std::string perGame;
    for (const CardGame& game : cardGames()) {
        long points = 0;
        for (int r = 0; r <= m_toDefend.last(); ++r) {
            if (sameText(m_toDefend.at(1, r).str(), game.name)) points += static_cast<long>(m_toDefend.at(2, r).toInt());
        }
        if (points == 0) continue;
        total += points;
        perGame += std::string(perGame.empty() ? "" : ", ") + game.name + " " + std::to_string(points);
    }
    leaving->text = "In scadenza questa settimana: " + std::to_string(total) + " punti" +
                    (perGame.empty() ? "" : " (" + perGame + ")");
    leaving->visible = true;
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
    Control* defend = f.window().find("Label65", slot);
    Control* note = f.window().find("Label78", slot);
    if (defend) defend->visible = false;
    if (note) note->visible = false;
    enter.toolTip.clear();
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
    // The badge names its game in words for whoever does not know its picture yet.
    badge.toolTip = "Gioco: " + game;
    if (const long held = pointsToDefend(name); defend && held > 0) {
        defend->text = "Da difendere: " + std::to_string(held) + " punti";
        defend->visible = true;
    }

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
        // Continental championships are by invitation only: the slot says so where the button
        // would be.
        flag.visible = false;
        enter.visible = false;
        if (note) {
            note->text = kContinentalClosed;
            note->visible = true;
        }
    } else {
        f.loadPicture(flag, GameContext::flagPath(host));
        if (Season::isFinalsWeek(f.currentWeek) && qualifiedForFinal(game)) f.enteredEvent = name;
        const bool hasEntry = f.enteredEvent != "0";
        f.c("Label39").visible = hasEntry;
        enter.visible = !hasEntry;
        flag.visible = true;
    }

    // In the finals weeks nobody enters by hand: the button says why when the pointer rests on it.
    if (Season::isFinalsWeek(f.currentWeek)) enter.toolTip = kFinalsClosed;
    // Before the finals weeks a click on the marker withdraws the entry: the marker says so.
    entered.toolTip = Season::isFinalsWeek(f.currentWeek) ? "" : "Clic per ritirare l'iscrizione";
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
    // The world read once, in storage order: each ranking and scope is the store's own order of
    // it (see StoreOrder), unless a row holds a value the store would place differently.
    const Rows world = f.db().query(kWorldRead);
    bool plain = true;
    for (int r = 0; r <= world.last() && plain; ++r)
        plain = world.at(kPlainRow, r).toInt() == 1;
    const std::string scopes[3] = {"", continent, f.playerNation};
    std::string lines;
    size_t placeIndex = 0;
    WorldGlance glance;
    for (size_t ranking = 0; ranking < kOrders.size(); ++ranking) {
        const std::string sort = std::string("order by ") + kOrders[ranking] + " desc,cognome asc";
        const std::vector<int> ordered =
            plain ? StoreOrder::byNumberDescThenText(world, kFirstPoints + static_cast<int>(ranking), 0)
                  : std::vector<int>();
        for (int scope = 0; scope < 3; ++scope) {
            // The ranking's players of the scope, best first, as rows of `listed` (surname, first name).
            Rows asked;
            std::vector<int> rows;
            if (plain) {
                for (int r : ordered) {
                    if (scope == 0 ||
                        StoreOrder::compareNoCase(world.at(1 + scope, r).text(), scopes[scope]) == 0)
                        rows.push_back(r);
                }
            } else {
                // Only the names are needed to find the player's place.
                const char* column = scope == 1 ? "continente" : "nazione";
                asked = f.db().query(
                    "SELECT cognome, nome FROM giocatori  " +
                    (scope == 0 ? "" : std::string("where ") + column + "='" + fApici(scopes[scope]) + "'") +
                    sort);
                for (int r = 0; r <= asked.last(); ++r)
                    rows.push_back(r);
            }
            const Rows& listed = plain ? world : asked;
            const auto name = [&](size_t k) {
                return listed.at(0, rows[k]).str() + " " + listed.at(1, rows[k]).str();
            };
            int place = 0; // not ranked: the player is missing from the world
            for (size_t k = 0; k < rows.size() && place == 0; ++k) {
                if (listed.at(0, rows[k]).str() == f.playerSurname &&
                    listed.at(1, rows[k]).str() == f.playerFirstName)
                    place = static_cast<int>(k) + 1;
            }
            if (scope == 0) {
                // The world list of the ranking: its leader, and for the overall one his neighbours.
                if (!rows.empty()) glance.leaders[ranking] = name(0);
                for (int k = place - 1 - kNeighbours;
                     ranking == 0 && place > 0 && k <= place - 1 + kNeighbours; ++k) {
                    if (k < 0 || k >= static_cast<int>(rows.size())) continue;
                    glance.near.emplace_back(k + 1,
                                             k == place - 1 ? std::string() : name(static_cast<size_t>(k)));
                }
            }
            f.rankingPlaces[placeIndex++] = place;
            if (!lines.empty()) lines += "\n";
            lines += place > 0 ? std::to_string(place) : "-";
        }
    }
    f.c("Label1", 15).text = lines;
    f.worldGlance = std::move(glance);
}

} // namespace velmora

namespace velmora {

std::string Dashboard::finalsClosedReason() {
    return kFinalsClosed;
}

} // namespace velmora
