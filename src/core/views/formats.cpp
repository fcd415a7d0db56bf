#include "views/formats.h"

#include "store/linecodec.h"

namespace pny {

std::string formatCount(long long n) {
    if (n == 0)
        return {};
    return ' ' + std::to_string(n);
}

std::string zeroPad(long long n, int width) {
    const std::string text = "000000000" + std::to_string(n);
    const std::size_t w = width < 0 ? 0 : static_cast<std::size_t>(width);
    return w >= text.size() ? text : text.substr(text.size() - w);
}

std::string padLeft(const std::string& s, int width) {
    const std::size_t w = width < 0 ? 0 : static_cast<std::size_t>(width);
    if (s.size() >= w)
        return s.substr(s.size() - w);
    return std::string(w - s.size(), ' ') + s;
}

std::string padRight(const std::string& s, int width) {
    const std::size_t w = width < 0 ? 0 : static_cast<std::size_t>(width);
    if (s.size() >= w)
        return s.substr(0, w);
    return s + std::string(w - s.size(), ' ');
}

std::string formatRate(long long x, long long y) {
    if (y == 0)
        return "     ";
    return formatThousandths((x * 1000) / y);
}

std::string formatThousandths(long long v) {
    if (v < 1000)
        return " ." + zeroPad(v, 3);
    if (v <= 9999) {
        const std::string digits = zeroPad(v, 4);
        return digits.substr(0, 1) + '.' + digits.substr(1);
    }
    return "9.999";
}

std::string formatOps(long long onBase, long long onBaseDivisor, long long bases,
                      long long atBats) {
    if (onBaseDivisor == 0 || atBats == 0)
        return "     ";
    return formatThousandths((onBase * 1000) / onBaseDivisor + (bases * 1000) / atBats);
}

std::string formatEra(long long x, long long y, long long inningsPerGame) {
    if (y == 0)
        return "     ";
    return formatHundredths((x * inningsPerGame * 300) / y);
}

std::string formatWhip(long long x, long long y) {
    if (y == 0)
        return "     ";
    return formatHundredths((x * 300) / y);
}

std::string formatHundredths(long long v) {
    if (v < 100)
        return " 0." + zeroPad(v, 2);
    if (v <= 9999) {
        std::string text = zeroPad(v, 4);
        text.insert(2, 1, '.');
        if (text[0] == '0')
            text[0] = ' ';
        return text;
    }
    return "99.99";
}

std::string formatInnings(long long a, long long b) {
    if (a + b == 0)
        return {};
    return std::to_string(a) + '.' + std::to_string(b);
}

int inningsPerGame(const std::string& field) {
    return field.empty() ? 9 : toNumber(field);
}

}  // namespace pny
