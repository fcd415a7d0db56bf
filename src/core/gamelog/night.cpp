#include "gamelog/night.h"

#include "gamelog/gamelog.h"
#include "store/linecodec.h"

namespace pny {
namespace {

// A typed score as the log keeps it: empty when none.
std::optional<long long> scoreOf(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    return static_cast<long long>(toNumber(text));
}

void addLine(BoxScoreTeam& side, const LogLine& line) {
    for (BoxScoreLine& existing : side.lines) {
        if (existing.player == line.player) {
            for (std::size_t s = 0; s < existing.values.size(); ++s)
                existing.values[s] += line.values[s];
            return;
        }
    }
    side.lines.push_back({line.player, line.values});
}

}  // namespace

bool isNightStat(PlayerStat stat) {
    return stat != StatBO && stat != StatPos && stat != PlayerStatCount;
}

std::optional<Night> nightOf(const GameLog& log, int entry) {
    Night night;
    bool found = false;
    for (const LogLine& line : log.lines()) {
        const bool ofNight = line.entry == entry && line.kind == LogKind::Night;
        const bool change = line.kind == LogKind::Change && line.corrects == entry;
        if (line.kind == LogKind::Removal && line.corrects == entry)
            return std::nullopt;
        if (!ofNight && !change)
            continue;
        if (ofNight && !found) {
            // The home team's line comes first in a night.
            found = true;
            night.date = line.date;
            night.time = line.time;
            night.game = line.game;
            night.home.team = line.team;
            night.away.team = line.opponent;
        }
        if (!found)
            continue;
        BoxScoreTeam& side = line.team == night.home.team ? night.home : night.away;
        if (line.isTeamLine())
            side.score = scoreOf(line.score);
        else
            addLine(side, line);
    }
    if (!found)
        return std::nullopt;
    return night;
}

int nightOfGame(const GameLog& log, int game) {
    if (game <= 0)
        return 0;
    int found = 0;
    for (int night : log.nights()) {
        const std::vector<const LogLine*> lines = log.entryLines(night);
        if (!lines.empty() && lines.front()->game == game)
            found = night;
    }
    return found;
}

}  // namespace pny
