#include "pitching/eligibility.h"

#include "gamelog/night.h"
#include "store/codepage.h"
#include "store/records.h"
#include "store/store.h"

#include <algorithm>

namespace pny {
namespace {

QString pitcherName(const Store& store, int team, int player) {
    std::vector<std::string> lines;
    QString error;
    if (store.teamPlayerLines(team, lines, error) && player >= 1 &&
        player < static_cast<int>(lines.size())) {
        const std::string name = PlayerRecord::parse(lines[static_cast<std::size_t>(player)]).name;
        if (!name.empty())
            return fromCodePage(name);
    }
    return QStringLiteral("Player %1 of team %2").arg(player).arg(team);
}

QString pitchesText(const std::optional<long long>& pitches) {
    return pitches ? QString::number(*pitches) : QStringLiteral("an unknown number of");
}

}  // namespace

QDate firstEligibleDate(const PitchRules& rules, const QDate& day, long long pitches) {
    return day.addDays(restDaysFor(rules, pitches) + 1);
}

QString isoDate(const QDate& date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

PitcherStatus pitcherStatus(const PitchRules& rules, const std::vector<PitchingDay>& days,
                            const QDate& date) {
    PitcherStatus status;
    std::optional<QDate> knownFrom;
    std::optional<QDate> unknownFrom;
    std::optional<PitchingDay> knownDay;
    std::optional<PitchingDay> unknownDay;
    for (const PitchingDay& day : days) {
        if (day.date >= date)
            continue;
        status.last = day;
        // Without a count a day needs at least no rest and at most the longest of the table.
        const QDate from =
            day.pitches ? firstEligibleDate(rules, day.date, *day.pitches) : day.date.addDays(1);
        if (!knownFrom || from > *knownFrom) {
            knownFrom = from;
            knownDay = day;
        }
        if (!day.pitches) {
            const QDate latest = day.date.addDays(longestRest(rules) + 1);
            if (!unknownFrom || latest > *unknownFrom) {
                unknownFrom = latest;
                unknownDay = day;
            }
        }
    }
    if (!status.last)
        return status;
    if (status.last->pitches)
        status.restDays = restDaysFor(rules, *status.last->pitches);
    // A day without a count matters only where it may reach past the days that are known.
    const bool unknownMatters = unknownFrom && *unknownFrom > *knownFrom;
    if (!unknownMatters)
        status.eligibleFrom = knownFrom;
    if (knownFrom && *knownFrom > date) {
        status.eligible = Eligible::No;
        status.blocking = knownDay;
    } else if (unknownMatters && *unknownFrom > date) {
        status.eligible = Eligible::Unknown;
        status.blocking = unknownDay;
    }
    return status;
}

std::vector<PitchWarning> pitchWarnings(const Store& store, const GameLog& log,
                                        const PitchRules& rules, const Night& night,
                                        int replacing) {
    std::vector<PitchWarning> warnings;
    for (const BoxScoreTeam* side : {&night.home, &night.away}) {
        for (const BoxScoreLine& line : side->lines) {
            if (line.values[StatBT] < 0) {
                warnings.push_back({side->team, line.player,
                                    QStringLiteral("%1: the strikes (S) are more than the "
                                                   "pitches (NP).")
                                        .arg(pitcherName(store, side->team, line.player))});
            }
        }
    }
    const std::vector<PitchedNight> tonight = nightPitchers(night, replacing);
    if (tonight.empty())
        return warnings;
    const std::map<PitcherKey, std::vector<PitchingDay>> days =
        pitchingDays(pitchedNights(log, replacing));
    for (const PitchedNight& pitched : tonight) {
        const QString name = pitcherName(store, pitched.team, pitched.player);
        const QString date = isoDate(pitched.date);
        const auto his = days.find({pitched.team, pitched.player});
        std::optional<long long> dayPitches = pitched.pitches;
        if (his != days.end()) {
            const PitcherStatus status = pitcherStatus(rules, his->second, pitched.date);
            if (status.eligible == Eligible::No) {
                warnings.push_back(
                    {pitched.team, pitched.player,
                     QStringLiteral("%1 was not eligible to pitch on %2: he threw %3 pitches on "
                                    "%4 (night %5) and was eligible from %6.")
                         .arg(name, date, pitchesText(status.blocking->pitches),
                              isoDate(status.blocking->date))
                         .arg(status.blocking->nights.front())
                         .arg(isoDate(firstEligibleDate(rules, status.blocking->date,
                                                        *status.blocking->pitches)))});
            } else if (status.eligible == Eligible::Unknown) {
                warnings.push_back(
                    {pitched.team, pitched.player,
                     QStringLiteral("%1 may not have been eligible to pitch on %2: the pitches of "
                                    "his night of %3 (night %4) are unknown.")
                         .arg(name, date, isoDate(status.blocking->date))
                         .arg(status.blocking->nights.front())});
            }
            // Earlier nights of the same date (a doubleheader) add up with this one.
            for (const PitchingDay& day : his->second) {
                if (day.date != pitched.date)
                    continue;
                if (day.pitches && dayPitches)
                    *dayPitches += *day.pitches;
                else
                    dayPitches.reset();
            }
        }
        if (rules.dailyMax > 0 && dayPitches && *dayPitches > rules.dailyMax) {
            warnings.push_back(
                {pitched.team, pitched.player,
                 QStringLiteral("%1 threw %2 pitches on %3, over the daily maximum of %4.")
                     .arg(name)
                     .arg(*dayPitches)
                     .arg(date)
                     .arg(rules.dailyMax)});
        }
    }
    return warnings;
}

}  // namespace pny
