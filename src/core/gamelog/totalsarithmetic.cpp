#include "gamelog/totalsarithmetic.h"

#include "entry/playerentry.h"
#include "entry/teamentry.h"
#include "store/linecodec.h"

#include <algorithm>

namespace pny {

bool isZero(const StatValues& values) {
    return std::all_of(values.begin(), values.end(), [](long long v) { return v == 0; });
}

QString addToTotals(const PlayerRecord& before, const StatValues& values, PlayerRecord& after) {
    after = before;
    for (const PlayerEntryRow& row : playerEntryRows()) {
        if (row.stat == StatIP || row.stat == StatIP3)
            continue;
        const long long total = static_cast<long long>(before.value(row.stat)) + values[row.stat];
        const QString caption = row.caption[0] != '\0' ? QString::fromLatin1(row.caption)
                                                       : QString::fromLatin1(row.abbreviation);
        const QString refusal = totalRefusal(caption, total);
        if (!refusal.isEmpty())
            return refusal;
        after.stat(row.stat) = countText(total);
    }

    long long innings = before.value(StatIP);
    long long thirds = before.value(StatIP3);
    if (thirds >= 0 && thirds <= 2) {
        const long long outs = outsOf(innings, thirds) + outsOf(values[StatIP], values[StatIP3]);
        innings = outs / 3;  // both keep the sign of the outs
        thirds = outs % 3;
    } else {
        innings += values[StatIP];
        thirds += values[StatIP3];
        if (thirds > 2) {
            innings += thirds / 3;
            thirds %= 3;
        }
    }
    QString refusal = totalRefusal(QStringLiteral("IP: Innings Pitched"), innings);
    if (refusal.isEmpty())
        refusal = totalRefusal(QStringLiteral("Thirds of an IP (0-2)"), thirds);
    if (!refusal.isEmpty())
        return refusal;
    after.stat(StatIP) = countText(innings);
    after.stat(StatIP3) = countText(thirds);
    return {};
}

QString addTeamResults(const TeamRecord& before, const TeamResults& results, TeamRecord& after) {
    const TeamEntryOutcome outcome =
        teamWithTotals(before, static_cast<long long>(toNumber(before.won)) + results.won,
                       static_cast<long long>(toNumber(before.lost)) + results.lost,
                       static_cast<long long>(toNumber(before.tied)) + results.tied);
    if (!outcome.accepted)
        return outcome.refusal;
    after = outcome.team;
    return {};
}

}  // namespace pny
