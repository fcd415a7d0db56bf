#include "gamelog/logbaseline.h"

#include "gamelog/gamelog.h"
#include "gamelog/night.h"
#include "gamelog/totalsarithmetic.h"
#include "store/linecodec.h"

namespace pny {

StatValues missingFromLog(const GameLog& log, int team, int player, const PlayerRecord& totals) {
    const StatValues sum = log.playerSum(team, player);
    StatValues missing{};
    for (int s = 0; s < PlayerStatCount; ++s) {
        const auto stat = static_cast<PlayerStat>(s);
        if (!isNightStat(stat) || stat == StatIP || stat == StatIP3)
            continue;
        missing[stat] = totals.value(stat) - sum[stat];
    }
    const long long outs =
        outsOf(totals.value(StatIP), totals.value(StatIP3)) - outsOf(sum[StatIP], sum[StatIP3]);
    missing[StatIP] = outs / 3;
    missing[StatIP3] = outs % 3;
    return missing;
}

bool playerBaseline(const GameLog& log, int team, int player, const PlayerRecord& totals,
                    LogLine& line) {
    const StatValues missing = missingFromLog(log, team, player, totals);
    if (isZero(missing))
        return false;
    line = LogLine();
    line.team = team;
    line.player = player;
    line.values = missing;
    return true;
}

bool teamBaseline(const GameLog& log, int team, const TeamRecord& totals, LogLine& line) {
    const GameLog::TeamSum sum = log.teamSum(team);
    line = LogLine();
    line.team = team;
    line.won = toNumber(totals.won) - sum.won;
    line.lost = toNumber(totals.lost) - sum.lost;
    line.tied = toNumber(totals.tied) - sum.tied;
    if (line.won == 0 && line.lost == 0 && line.tied == 0) {
        line.team = 0;
        return false;
    }
    return true;
}

}  // namespace pny
