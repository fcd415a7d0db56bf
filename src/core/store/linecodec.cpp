#include "store/linecodec.h"

#include <algorithm>
#include <limits>

namespace pny {

std::string nextField(std::string& buffer, std::size_t width) {
    const std::size_t bar = buffer.find(kSeparator);
    if (bar == std::string::npos)
        return {};
    std::string field = buffer.substr(0, std::min({bar, kMaxFieldLength, width}));
    buffer.erase(0, bar + 1);
    return field;
}

int toNumber(const std::string& text) {
    // Every number of every record goes through here, so it reads in place without copying.
    const std::size_t end = std::min<std::size_t>(text.size(), 10);
    bool started = false;  // a character other than a blank was seen
    bool digits = false;
    bool negative = false;
    long long value = 0;
    for (std::size_t i = 0; i < end; ++i) {
        const char c = text[i];
        if (c == ' ')
            continue;
        if (!started && (c == '-' || c == '+')) {
            negative = c == '-';
            started = true;
            continue;
        }
        started = true;
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
        digits = true;
    }
    if (!digits)
        return 0;
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return 0;
    }
    return static_cast<int>(value);
}

std::string numberText(long long value) {
    return std::to_string(value);
}

std::string cutTo(const std::string& text, std::size_t width) {
    return text.substr(0, width);
}

LineBuilder& LineBuilder::add(const std::string& field, std::size_t width) {
    line_ += cutTo(field, width);
    line_ += kSeparator;
    return *this;
}

}  // namespace pny
