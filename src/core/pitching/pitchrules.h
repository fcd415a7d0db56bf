#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pny {

// A league's limits on pitching: how many pitches a pitcher may throw in a day, and how many
// calendar days of rest a day's pitches require before he may pitch again.
struct RestStep {
    int fromPitches = 0;  // this many pitches in a day or more...
    int days = 0;         // ...require this many days of rest
    bool operator==(const RestStep& o) const {
        return fromPitches == o.fromPitches && days == o.days;
    }
};

struct PitchRules {
    int dailyMax = 0;  // 0: no daily maximum
    // Steps in rising order of pitches; fewer pitches than the first step need no rest.
    std::vector<RestStep> rest;

    bool operator==(const PitchRules& o) const { return dailyMax == o.dailyMax && rest == o.rest; }
    bool operator!=(const PitchRules& o) const { return !(*this == o); }
};

constexpr int kMaxPitchCount = 999;
constexpr int kMaxRestDays = 99;
constexpr int kMaxRestSteps = 20;

// The days of rest `pitches` thrown in one day require.
int restDaysFor(const PitchRules& rules, long long pitches);
// The most days of rest any day can require: what a day of unknown pitches may need.
int longestRest(const PitchRules& rules);

// Reads a rest table as typed: "21:1,36:2,51:3,66:4" (from 21 pitches 1 day, ...), blanks
// ignored; an empty text is an empty table. Pitches must rise from step to step (1 to 999) and
// days lie in 0 to 99. Returns the steps, or what is wrong.
std::optional<std::vector<RestStep>> parseRestTable(const std::string& text, std::string& problem);
// The table as it is typed: "21:1,36:2,51:3,66:4".
std::string restTableText(const std::vector<RestStep>& rest);
// The table as a reader sees it: "1-20: 0, 21-35: 1, 36-50: 2, 51-65: 3, 66 and more: 4".
std::string restTableDescription(const std::vector<RestStep>& rest);

// Reads a daily maximum as typed: digits, 0 (none) to 999.
std::optional<int> parseDailyMax(const std::string& text);

// The line that holds the rules in the league's settings file:
//   Pitches|85|21:1|36:2|51:3|66:4|
// (the daily maximum, empty for none, then one field per step).
extern const char* const kPitchRulesTag;  // "Pitches|"
bool isPitchRulesLine(const std::string& line);
std::string pitchRulesLine(const PitchRules& rules);
// The rules of a line; nothing when the line cannot be read as a whole (a league then has no
// rules rather than wrong ones).
std::optional<PitchRules> parsePitchRulesLine(const std::string& line, std::string& problem);

}  // namespace pny
