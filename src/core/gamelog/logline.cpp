#include "gamelog/logline.h"

#include <string_view>
#include <vector>

namespace pny {

const char* const kLogHeader = "Log|";
const char* const kLogExtension = ".Log";

namespace {

constexpr int kCommonFields = 9;
constexpr int kTeamFields = 5;

bool isLoggedStat(int stat) {
    return stat != StatBO && stat != StatPos;
}

std::vector<std::string_view> splitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    fields.reserve(kCommonFields + PlayerStatCount);
    std::string::size_type start = 0;
    for (;;) {
        const auto bar = text.find('|', start);
        if (bar == std::string::npos)
            break;
        fields.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    // Every field ends with a separator, so anything after the last one is no field.
    if (start != text.size())
        fields.clear();
    return fields;
}

// A number of the log: empty is 0, anything but an optional minus and digits is no number.
bool readNumber(std::string_view text, long long& value) {
    value = 0;
    if (text.empty())
        return true;
    std::size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() > 18)
        return false;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (text[k] < '0' || text[k] > '9')
            return false;
    }
    value = 0;
    for (std::size_t k = i; k < text.size(); ++k)
        value = value * 10 + (text[k] - '0');
    if (i == 1)
        value = -value;
    return true;
}

bool readIndex(std::string_view text, int& value) {
    long long wide = 0;
    if (!readNumber(text, wide) || wide < 0 || wide > 0x7fffffff)
        return false;
    value = static_cast<int>(wide);
    return true;
}

std::string valueText(long long value) {
    return value == 0 ? std::string() : std::to_string(value);
}

}  // namespace

bool isLogKind(char letter) {
    return letter == 'B' || letter == 'N' || letter == 'E' || letter == 'T' || letter == 'C' ||
           letter == 'R';
}

bool LogLine::parse(const std::string& text, LogLine& line) {
    const std::vector<std::string_view> f = splitFields(text);
    if (f.size() < kCommonFields)
        return false;
    LogLine out;
    if (!readIndex(f[0], out.entry) || out.entry == 0)
        return false;
    if (f[1].size() != 1 || !isLogKind(f[1][0]))
        return false;
    out.kind = static_cast<LogKind>(f[1][0]);
    if (!readIndex(f[2], out.corrects))
        return false;
    out.date = std::string(f[3]);
    out.time = std::string(f[4]);
    if (!readIndex(f[5], out.game) || !readIndex(f[6], out.team) || out.team == 0 ||
        !readIndex(f[7], out.opponent) || !readIndex(f[8], out.player)) {
        return false;
    }

    if (out.isTeamLine()) {
        if (f.size() != kCommonFields + kTeamFields)
            return false;
        if (!readNumber(f[9], out.won) || !readNumber(f[10], out.lost) ||
            !readNumber(f[11], out.tied)) {
            return false;
        }
        out.score = std::string(f[12]);
        out.scoreBefore = std::string(f[13]);
    } else {
        std::size_t k = kCommonFields;
        for (int s = 0; s < PlayerStatCount; ++s) {
            if (!isLoggedStat(s))
                continue;
            if (k >= f.size() || !readNumber(f[k], out.values[static_cast<std::size_t>(s)]))
                return false;
            ++k;
        }
        if (k != f.size())
            return false;
    }
    line = std::move(out);
    return true;
}

std::string LogLine::build() const {
    std::string text;
    const auto add = [&text](const std::string& field) {
        text += field;
        text += '|';
    };
    add(std::to_string(entry));
    add(std::string(1, static_cast<char>(kind)));
    add(valueText(corrects));
    add(date);
    add(time);
    add(valueText(game));
    add(std::to_string(team));
    add(valueText(opponent));
    add(valueText(player));
    if (isTeamLine()) {
        add(valueText(won));
        add(valueText(lost));
        add(valueText(tied));
        add(score);
        add(scoreBefore);
    } else {
        for (int s = 0; s < PlayerStatCount; ++s) {
            if (isLoggedStat(s))
                add(valueText(values[static_cast<std::size_t>(s)]));
        }
    }
    return text;
}

}  // namespace pny
