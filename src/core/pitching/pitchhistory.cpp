#include "pitching/pitchhistory.h"

#include "gamelog/gamelog.h"
#include "gamelog/night.h"

#include <algorithm>

namespace pny {

bool pitchedIn(const StatValues& values) {
    return values[StatGP] > 0 || values[StatIP] > 0 || values[StatIP3] > 0 ||
           values[StatST] + values[StatBT] > 0;
}

std::optional<long long> pitchesOf(const StatValues& values) {
    const long long pitches = values[StatST] + values[StatBT];
    if (pitches <= 0)
        return std::nullopt;
    return pitches;
}

std::vector<PitchedNight> nightPitchers(const Night& night, int entry) {
    std::vector<PitchedNight> out;
    const QDate date =
        QDate::fromString(QString::fromLatin1(night.date.c_str()), QStringLiteral("yyyyMMdd"));
    if (!date.isValid())
        return out;
    for (const BoxScoreTeam* side : {&night.home, &night.away}) {
        for (const BoxScoreLine& line : side->lines) {
            if (pitchedIn(line.values))
                out.push_back({entry, date, side->team, line.player, pitchesOf(line.values)});
        }
    }
    return out;
}

std::vector<PitchedNight> pitchedNights(const GameLog& log, int leaving) {
    std::vector<PitchedNight> out;
    for (int entry : log.nights()) {
        if (entry == leaving)
            continue;
        const std::optional<Night> night = nightOf(log, entry);
        if (!night)
            continue;
        for (PitchedNight& pitched : nightPitchers(*night, entry))
            out.push_back(std::move(pitched));
    }
    return out;
}

std::map<PitcherKey, std::vector<PitchingDay>> pitchingDays(
    const std::vector<PitchedNight>& nights) {
    std::map<PitcherKey, std::vector<PitchingDay>> days;
    for (const PitchedNight& pitched : nights) {
        std::vector<PitchingDay>& his = days[{pitched.team, pitched.player}];
        auto day = std::find_if(his.begin(), his.end(),
                                [&](const PitchingDay& d) { return d.date == pitched.date; });
        if (day == his.end()) {
            his.push_back({pitched.date, pitched.pitches, {pitched.night}});
            continue;
        }
        // A night without a count makes the whole day's count unknown.
        if (day->pitches && pitched.pitches)
            *day->pitches += *pitched.pitches;
        else
            day->pitches.reset();
        day->nights.push_back(pitched.night);
    }
    for (auto& [key, his] : days) {
        std::stable_sort(his.begin(), his.end(), [](const PitchingDay& a, const PitchingDay& b) {
            return a.date < b.date;
        });
    }
    return days;
}

}  // namespace pny
