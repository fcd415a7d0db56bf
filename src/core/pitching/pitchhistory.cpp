#include "pitching/pitchhistory.h"

#include "gamelog/gamelog.h"
#include "gamelog/logline.h"
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
    // One pass over the log, as the box score sheet asks at every keystroke: each night's player
    // lines with the changes that correct them added, as nightOf gives them.
    struct Collected {
        QDate date;
        bool removed = false;
        std::map<PitcherKey, StatValues> lines;
    };
    std::map<int, Collected> nights;
    for (const LogLine& line : log.lines()) {
        int night = 0;
        if (line.kind == LogKind::Night) {
            night = line.entry;
            Collected& collected = nights[night];
            if (!collected.date.isValid()) {
                collected.date = QDate::fromString(QString::fromLatin1(line.date.c_str()),
                                                   QStringLiteral("yyyyMMdd"));
            }
        } else if (line.kind == LogKind::Change) {
            night = line.corrects;
        } else if (line.kind == LogKind::Removal) {
            nights[line.corrects].removed = true;
            continue;
        } else {
            continue;
        }
        if (line.isTeamLine() || night == leaving)
            continue;
        StatValues& values = nights[night].lines[{line.team, line.player}];
        for (std::size_t s = 0; s < values.size(); ++s)
            values[s] += line.values[s];
    }
    std::vector<PitchedNight> out;
    for (const auto& [night, collected] : nights) {
        if (night == leaving || collected.removed || !collected.date.isValid())
            continue;
        for (const auto& [key, values] : collected.lines) {
            if (pitchedIn(values))
                out.push_back({night, collected.date, key.first, key.second, pitchesOf(values)});
        }
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
