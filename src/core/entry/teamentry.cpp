#include "entry/teamentry.h"

#include "entry/playerentry.h"
#include "store/linecodec.h"

namespace pny {

TeamEntryOutcome applyTeamEntry(const TeamRecord& team, const std::string& won,
                                const std::string& lost, const std::string& tied,
                                TeamResult result) {
    long long w = toNumber(won);
    long long l = toNumber(lost);
    long long t = toNumber(tied);
    if (result == TeamResult::Won)
        ++w;
    if (result == TeamResult::Lost)
        ++l;
    if (result == TeamResult::Tied)
        ++t;

    return teamWithTotals(team, w, l, t);
}

TeamEntryOutcome teamWithTotals(const TeamRecord& team, long long w, long long l, long long t) {
    TeamEntryOutcome out;
    out.refusal = totalRefusal(QStringLiteral("games won"), w);
    if (out.refusal.isEmpty())
        out.refusal = totalRefusal(QStringLiteral("games lost"), l);
    if (out.refusal.isEmpty())
        out.refusal = totalRefusal(QStringLiteral("games tied"), t);
    if (!out.refusal.isEmpty())
        return out;

    out.team = team;
    // A team with any result shows won and lost as numbers, "0" included; only the sum decides.
    if (w + l + t != 0) {
        out.team.won = numberText(w);
        out.team.lost = numberText(l);
    } else {
        out.team.won.clear();
        out.team.lost.clear();
    }
    out.team.tied = countText(t);
    out.accepted = true;
    return out;
}

}  // namespace pny
