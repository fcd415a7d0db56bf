#include "gamelog/dialoglog.h"

#include "gamelog/gamelog.h"
#include "gamelog/logbaseline.h"
#include "gamelog/night.h"
#include "gamelog/totalsarithmetic.h"
#include "store/linecodec.h"
#include "store/store.h"

namespace pny {
namespace {

// Appends the lines as entries of their own: the baseline first, then each kind in turn.
void appendEntry(GameLog& log, LogLine line, LogKind kind) {
    line.entry = log.nextEntry();
    line.kind = kind;
    log.append(line);
}

bool readLog(Store& store, GameLog& log) {
    QString error;
    if (log.read(store, error))
        return true;
    store.reportError(error + QStringLiteral("\nThis entry is not in the game log."));
    return false;
}

}  // namespace

void logPlayerDialog(Store& store, const PlayerRecord& before, const PlayerEntryTexts& texts,
                     const PlayerRecord& after) {
    const int team = toNumber(store.league.currentTeam);
    const int player = toNumber(store.team.currentPlayer);

    StatValues added{};
    StatValues typedOver{};
    for (int s = 0; s < PlayerStatCount; ++s) {
        const auto stat = static_cast<PlayerStat>(s);
        if (!isNightStat(stat))
            continue;
        added[stat] = toNumber(texts.add[stat]);
        typedOver[stat] =
            static_cast<long long>(after.value(stat)) - before.value(stat) - added[stat];
    }
    // Innings compared as outs: the dialog carries thirds into innings.
    const long long outs = outsOf(after.value(StatIP), after.value(StatIP3)) -
                           outsOf(before.value(StatIP), before.value(StatIP3)) -
                           outsOf(added[StatIP], added[StatIP3]);
    typedOver[StatIP] = outs / 3;
    typedOver[StatIP3] = outs % 3;
    if (isZero(added) && isZero(typedOver))
        return;

    GameLog log;
    if (!readLog(store, log))
        return;
    LogLine line;
    if (playerBaseline(log, team, player, before, line))
        appendEntry(log, line, LogKind::Before);
    line = LogLine();
    line.team = team;
    line.player = player;
    if (!isZero(added)) {
        line.values = added;
        appendEntry(log, line, LogKind::Entry);
    }
    if (!isZero(typedOver)) {
        line.values = typedOver;
        appendEntry(log, line, LogKind::Total);
    }
    store.stageFile(GameLog::pathOf(store), log.fileLines());
}

void logTeamDialog(Store& store, const TeamRecord& before, const TeamRecord& after) {
    const int team = toNumber(store.league.currentTeam);
    LogLine line;
    line.team = team;
    line.won = static_cast<long long>(toNumber(after.won)) - toNumber(before.won);
    line.lost = static_cast<long long>(toNumber(after.lost)) - toNumber(before.lost);
    line.tied = static_cast<long long>(toNumber(after.tied)) - toNumber(before.tied);
    if (line.won == 0 && line.lost == 0 && line.tied == 0)
        return;

    GameLog log;
    if (!readLog(store, log))
        return;
    LogLine baseline;
    if (teamBaseline(log, team, before, baseline))
        appendEntry(log, baseline, LogKind::Before);
    appendEntry(log, line, LogKind::Entry);
    store.stageFile(GameLog::pathOf(store), log.fileLines());
}

}  // namespace pny
