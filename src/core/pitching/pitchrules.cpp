#include "pitching/pitchrules.h"

#include "store/linecodec.h"

#include <algorithm>

namespace pny {

const char* const kPitchRulesTag = "Pitches|";

namespace {

std::string withoutBlanks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '\t')
            out += c;
    }
    return out;
}

// Plain digits from 0 to `max`, at most three of them.
std::optional<int> smallNumber(const std::string& digits, int max) {
    if (digits.empty() || digits.size() > 3 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int value = std::stoi(digits);
    if (value > max)
        return std::nullopt;
    return value;
}

std::optional<RestStep> parseStep(const std::string& text, std::string& problem) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) {
        problem = "\"" + text + "\" is not pitches:days";
        return std::nullopt;
    }
    const std::optional<int> pitches = smallNumber(text.substr(0, colon), kMaxPitchCount);
    const std::optional<int> days = smallNumber(text.substr(colon + 1), kMaxRestDays);
    if (!pitches || *pitches < 1) {
        problem = "\"" + text + "\": the pitches must be a number from 1 to 999";
        return std::nullopt;
    }
    if (!days) {
        problem = "\"" + text + "\": the days of rest must be a number from 0 to 99";
        return std::nullopt;
    }
    return RestStep{*pitches, *days};
}

// Checks the order of the steps; empty when sound.
std::string orderProblem(const std::vector<RestStep>& steps) {
    if (steps.size() > static_cast<std::size_t>(kMaxRestSteps))
        return "a rest table has at most " + std::to_string(kMaxRestSteps) + " steps";
    for (std::size_t k = 1; k < steps.size(); ++k) {
        if (steps[k].fromPitches <= steps[k - 1].fromPitches)
            return "the pitches must rise from step to step (" +
                   std::to_string(steps[k].fromPitches) + " after " +
                   std::to_string(steps[k - 1].fromPitches) + ")";
    }
    return {};
}

}  // namespace

int restDaysFor(const PitchRules& rules, long long pitches) {
    int days = 0;
    for (const RestStep& step : rules.rest) {
        if (pitches >= step.fromPitches)
            days = step.days;
    }
    return days;
}

int longestRest(const PitchRules& rules) {
    int days = 0;
    for (const RestStep& step : rules.rest)
        days = std::max(days, step.days);
    return days;
}

std::optional<std::vector<RestStep>> parseRestTable(const std::string& text, std::string& problem) {
    const std::string compact = withoutBlanks(text);
    std::vector<RestStep> steps;
    if (compact.empty())
        return steps;
    std::size_t start = 0;
    while (start <= compact.size()) {
        const std::size_t comma = compact.find(',', start);
        const std::string part =
            compact.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::optional<RestStep> step = parseStep(part, problem);
        if (!step)
            return std::nullopt;
        steps.push_back(*step);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    problem = orderProblem(steps);
    if (!problem.empty())
        return std::nullopt;
    return steps;
}

std::string restTableText(const std::vector<RestStep>& rest) {
    std::string text;
    for (const RestStep& step : rest) {
        if (!text.empty())
            text += ',';
        text += std::to_string(step.fromPitches) + ':' + std::to_string(step.days);
    }
    return text;
}

std::string restTableDescription(const std::vector<RestStep>& rest) {
    std::string text;
    const auto range = [&text](int from, int to, int days) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(from) +
                (to < 0       ? " and more"
                 : from == to ? ""
                              : "-" + std::to_string(to)) +
                ": " + std::to_string(days);
    };
    if (rest.empty())
        return "no rest required";
    if (rest.front().fromPitches > 1)
        range(1, rest.front().fromPitches - 1, 0);
    for (std::size_t k = 0; k < rest.size(); ++k)
        range(rest[k].fromPitches, k + 1 < rest.size() ? rest[k + 1].fromPitches - 1 : -1,
              rest[k].days);
    return text;
}

std::optional<int> parseDailyMax(const std::string& text) {
    return smallNumber(withoutBlanks(text), kMaxPitchCount);
}

bool isPitchRulesLine(const std::string& line) {
    return line.compare(0, std::char_traits<char>::length(kPitchRulesTag), kPitchRulesTag) == 0;
}

std::string pitchRulesLine(const PitchRules& rules) {
    LineBuilder line;
    line.add("Pitches", kMaxFieldLength)
        .add(rules.dailyMax > 0 ? std::to_string(rules.dailyMax) : std::string(), 3);
    for (const RestStep& step : rules.rest)
        line.add(std::to_string(step.fromPitches) + ':' + std::to_string(step.days), 6);
    return line.line();
}

std::optional<PitchRules> parsePitchRulesLine(const std::string& text, std::string& problem) {
    problem.clear();
    if (!isPitchRulesLine(text)) {
        problem = "not a line of pitch rules";
        return std::nullopt;
    }
    // Fields after the tag, each ended by the separator; text after the last one is never read.
    std::vector<std::string> fields;
    std::size_t start = std::char_traits<char>::length(kPitchRulesTag);
    for (std::size_t bar = text.find(kSeparator, start); bar != std::string::npos;
         bar = text.find(kSeparator, start)) {
        fields.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    PitchRules rules;
    if (!fields.empty() && !fields[0].empty()) {
        const std::optional<int> max = parseDailyMax(fields[0]);
        if (!max) {
            problem = "the daily maximum \"" + fields[0] + "\" is not a number from 0 to 999";
            return std::nullopt;
        }
        rules.dailyMax = *max;
    }
    for (std::size_t k = 1; k < fields.size(); ++k) {
        const std::optional<RestStep> step = parseStep(withoutBlanks(fields[k]), problem);
        if (!step)
            return std::nullopt;
        rules.rest.push_back(*step);
    }
    problem = orderProblem(rules.rest);
    if (!problem.empty())
        return std::nullopt;
    return rules;
}

}  // namespace pny
