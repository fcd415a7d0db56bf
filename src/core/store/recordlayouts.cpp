#include "store/recordlayouts.h"

#include "store/linecodec.h"

#include <limits>

namespace pny::recordlayouts {

const Layout& headerLayout() {
    static const Layout l{{"letter", 1, Kind::Text, 0},  {"tab", 1, Kind::Count, 0},
                          {"field 3", 5, Kind::Text, 0}, {"current year", 5, Kind::Index, 0},
                          {"height", 5, Kind::Count, 0}, {"width", 5, Kind::Count, 0},
                          {"field 7", 6, Kind::Text, 0}};
    return l;
}

const Layout& yearLayout() {
    static const Layout l{{"flag", 1, Kind::Text, 0},
                          {"number", 5, Kind::Text, 0},
                          {"name", 40, Kind::Text, 0},
                          {"current league", 5, Kind::Index, 0}};
    return l;
}

const Layout& leagueLayout() {
    static const Layout l{{"flag", 1, Kind::Text, 0},
                          {"number", 5, Kind::Text, 0},
                          {"name", 40, Kind::Text, 0},
                          {"current team", 5, Kind::Index, 0},
                          {"current game", 5, Kind::Index, 1},
                          {"innings", 4, Kind::Count, 0},
                          {"font colour", 8, Kind::Count, 0},
                          {"font name", 40, Kind::Text, 0},
                          {"font size", 4, Kind::Count, 0},
                          {"bold", 1, Kind::Text, 0},
                          {"italic", 1, Kind::Text, 0},
                          {"sort keys", 7, Kind::Text, 0},
                          {"sort directions", 7, Kind::Text, 0},
                          {"player columns", 61, Kind::Text, 0},
                          {"schedule columns", 20, Kind::Text, 0},
                          {"team columns", 8, Kind::Text, 0},
                          {"user column 1", 8, Kind::Text, 0},
                          {"user column 2", 8, Kind::Text, 0},
                          {"user column 3", 8, Kind::Text, 0},
                          {"user column 4", 8, Kind::Text, 0}};
    return l;
}

const Layout& teamLayout() {
    static const Layout l{{"flag", 1, Kind::Text, 0},           {"number", 5, Kind::Text, 0},
                          {"name", 40, Kind::Text, 0},          {"won", 4, Kind::Count, 0},
                          {"lost", 4, Kind::Count, 0},          {"tied", 4, Kind::Count, 0},
                          {"current player", 5, Kind::Index, 0}};
    return l;
}

const Layout& playerLayout() {
    static const Layout l = [] {
        static const char* const stats[] = {
            "G",    "Inn", "PA", "1B",  "2B",  "3B",  "HR",  "SO", "BB", "HP",  "WCI",  "SBnt",
            "SFly", "RBI", "RS", "PkO", "SB",  "CS",  "BO",  "GP", "IP", "IP3", "ST",   "BT",
            "WP",   "Bks", "HA", "WA",  "BH",  "BSO", "RPO", "RA", "ER", "Won", "Lost", "Sv",
            "Pos",  "PB",  "PO", "A",   "Err", "C1",  "C2",  "C3", "C4"};
        Layout layout{
            {"flag", 1, Kind::Text, 0}, {"number", 5, Kind::Text, 0}, {"name", 40, Kind::Text, 0}};
        for (const char* name : stats) {
            const std::string s(name);
            // The batting order and the position are text as typed.
            layout.push_back({name, 4, (s == "BO" || s == "Pos") ? Kind::Text : Kind::Count, 0});
        }
        return layout;
    }();
    return l;
}

const Layout& gameLayout() {
    static const Layout l{{"flag", 1, Kind::Text, 0},
                          {"date", 8, Kind::Text, 0},
                          {"time", 4, Kind::Text, 0},
                          {"field", 5, Kind::Index, ToFields},
                          {"home team", 5, Kind::Index, ToTeams},
                          {"away team", 5, Kind::Index, ToTeams},
                          {"umpire 1", 5, Kind::Index, ToUmpires},
                          {"umpire 2", 5, Kind::Index, ToUmpires},
                          {"umpire 3", 5, Kind::Index, ToUmpires},
                          {"umpire 4", 5, Kind::Index, ToUmpires},
                          {"home score", 4, Kind::Count, 0},
                          {"away score", 4, Kind::Count, 0}};
    return l;
}

const Layout& namedLayout() {
    static const Layout l{
        {"flag", 1, Kind::Text, 0}, {"number", 5, Kind::Text, 0}, {"name", 40, Kind::Text, 0}};
    return l;
}

bool isNumber(const std::string& text, long long& value) {
    std::string digits;
    for (char c : text.substr(0, 10)) {
        if (c != ' ')
            digits += c;
    }
    value = 0;
    if (digits.empty())
        return true;  // empty reads as 0 by design
    std::size_t pos = 0;
    const bool negative = digits[0] == '-';
    if (digits[0] == '-' || digits[0] == '+')
        pos = 1;
    if (pos == digits.size())
        return false;
    for (; pos < digits.size(); ++pos) {
        const char c = digits[pos];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

std::string asShown(const std::string& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < 20; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7f && c != '"') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    if (text.size() > 20)
        out += "...";
    return out + "\"";
}

std::vector<std::string> splitFields(const std::string& line, std::string& rest) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = line.find(kSeparator, start);
        if (bar == std::string::npos)
            break;
        fields.push_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    rest = line.substr(start);
    return fields;
}

}  // namespace pny::recordlayouts
