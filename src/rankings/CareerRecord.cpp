#include "rankings/CareerRecord.h"

#include "state/HistoryColumns.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace velmora {

namespace {

void add(GameRecord& record, const PlayedEvent& played) {
    ++record.played;
    if (played.place == 1) ++record.won;
    if (played.place >= 1 && played.place <= CareerRecord::kLastFinalPlace) ++record.finals;
    // A place of 0 is no place: nothing he could be proud of, so it is never his best.
    if (played.place > 0) {
        auto [best, fresh] = record.bestPlace.emplace(played.kind, played.place);
        if (!fresh) best->second = std::min(best->second, played.place);
    }
    record.prize += played.prize;
    record.points += played.points;
}

} // namespace

CareerRecord::CareerRecord(const Rows& rows) {
    std::vector<PlayedEvent> all;
    for (int r = 0; r <= rows.last(); ++r) {
        PlayedEvent played;
        played.season = static_cast<int>(rows.at(storico_tornei::kSeason, r).toInt());
        played.week = static_cast<int>(rows.at(storico_tornei::kWeek, r).toInt());
        played.event = rows.at(storico_tornei::kEvent, r).str();
        played.game = rows.at(storico_tornei::kGame, r).str();
        played.kind = rows.at(storico_tornei::kKind, r).str();
        played.place = static_cast<int>(rows.at(storico_tornei::kPlace, r).toInt());
        played.prize = static_cast<long>(rows.at(storico_tornei::kPrize, r).toInt());
        played.points = static_cast<long>(rows.at(storico_tornei::kPoints, r).toInt());
        played.placeBefore = static_cast<int>(rows.at(storico_tornei::kPlaceBefore, r).toInt());
        all.push_back(played);
    }
    std::stable_sort(all.begin(), all.end(), [](const PlayedEvent& a, const PlayedEvent& b) {
        return std::tie(b.season, b.week) < std::tie(a.season, a.week);
    });
    for (const PlayedEvent& played : all) {
        add(m_games[played.game], played);
        add(m_overall, played);
        if (played.place == 1) m_wins.push_back(played);
        if (played.place >= 1 && played.place <= kLastFinalPlace) m_finals.push_back(played);
    }
}

const GameRecord& CareerRecord::game(const std::string& name) const {
    static const GameRecord kNone;
    const auto found = m_games.find(name);
    return found == m_games.end() ? kNone : found->second;
}

int GameRecord::bestOfAll() const {
    int best = 0;
    for (const auto& [kind, place] : bestPlace)
        if (best == 0 || place < best) best = place;
    return best;
}

std::string CareerRecord::bestGame() const {
    std::string best;
    // Most points; on equal points the better best place (a game never placed counts last), then
    // the larger prizes.
    std::tuple<long, int, long> bestScore{-1, std::numeric_limits<int>::min(), -1};
    for (const char* name : kGames) {
        const GameRecord& record = game(name);
        if (record.played == 0) continue;
        const int place = record.bestOfAll();
        const std::tuple<long, int, long> score{record.points, place > 0 ? -place : std::numeric_limits<int>::min() + 1,
                                                record.prize};
        if (score > bestScore) {
            bestScore = score;
            best = name;
        }
    }
    return best;
}

} // namespace velmora
