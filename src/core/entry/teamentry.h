#pragma once

#include "store/records.h"

#include <QString>

#include <string>

namespace pny {

// The choices of the team result dialog, in screen order.
enum class TeamResult { DidNotPlay, Won, Lost, Tied };

struct TeamEntryOutcome {
    bool accepted = false;
    QString refusal;  // why OK was refused; the record is then unchanged
    TeamRecord team;
};

// The OK of the team result dialog: the typed counts (code-page bytes) plus the chosen result.
// Won and lost are written as numbers ("0" included) when the three counts sum to anything but
// zero, and both empty when they sum to zero; tied is empty for zero. A count that does not fit
// its 4 characters refuses the entry.
TeamEntryOutcome applyTeamEntry(const TeamRecord& team, const std::string& won,
                                const std::string& lost, const std::string& tied,
                                TeamResult result);

// A team with these won, lost and tied totals, written as the team result dialog writes them;
// refused when a total does not fit its 4 characters.
TeamEntryOutcome teamWithTotals(const TeamRecord& team, long long won, long long lost,
                                long long tied);

}  // namespace pny
