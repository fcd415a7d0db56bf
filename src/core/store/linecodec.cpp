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
    std::string digits;
    for (char c : text.substr(0, 10)) {
        if (c != ' ')
            digits += c;
    }
    if (digits.empty())
        return 0;
    std::size_t pos = 0;
    bool negative = false;
    if (digits[0] == '-' || digits[0] == '+') {
        negative = digits[0] == '-';
        pos = 1;
    }
    if (pos == digits.size())
        return 0;
    long long value = 0;
    for (; pos < digits.size(); ++pos) {
        const char c = digits[pos];
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
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
