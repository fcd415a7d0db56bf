#pragma once

#include "pitching/pitchhistory.h"
#include "pitching/pitchrules.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace pny {

class GameLog;
class Store;
struct Night;

// Whether a pitcher may pitch on a date under the league's rules. A day of rest is a calendar
// day: after 4 days of rest from a Monday he may pitch on Saturday.

enum class Eligible { Yes, No, Unknown };

struct PitcherStatus {
    // His last day before the date asked; none when he had not pitched before it.
    std::optional<PitchingDay> last;
    std::optional<int> restDays;  // what the last day requires; none when its count is unknown
    // The first date on which every earlier day allows him to pitch; none when a day of unknown
    // pitches may keep him out longer than the days that are known.
    std::optional<QDate> eligibleFrom;
    Eligible eligible = Eligible::Yes;
    // The day that keeps him out (No) or may keep him out (Unknown).
    std::optional<PitchingDay> blocking;
};

// The first date a day's pitches allow him to pitch again: the day after its days of rest.
QDate firstEligibleDate(const PitchRules& rules, const QDate& day, long long pitches);

// His status on `date` from his days (oldest first); only days before the date count.
PitcherStatus pitcherStatus(const PitchRules& rules, const std::vector<PitchingDay>& days,
                            const QDate& date);

// "2026-05-09".
QString isoDate(const QDate& date);

// What the box score sheet and pny boxscore warn of for a night about to be entered (as the new
// night, or as the change of night `replacing`): a pitcher not yet eligible on the night's date
// (naming the earlier day, its pitches and the first eligible date), one whose eligibility cannot
// be told for a day without a count, and one whose pitches of the day go over the daily maximum.
// The warnings never stop the night. None when the league has no rules. Also a pitcher whose
// typed strikes are more than his pitches (negative balls).
struct PitchWarning {
    int team = 0;    // the pitcher's team
    int player = 0;  // and his line in its players file
    QString text;    // names him
};
std::vector<PitchWarning> pitchWarnings(const Store& store, const GameLog& log,
                                        const PitchRules& rules, const Night& night,
                                        int replacing = 0);

}  // namespace pny
