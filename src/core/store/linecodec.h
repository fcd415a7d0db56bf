#pragma once

#include <cstddef>
#include <string>

namespace pny {

// The field separator of every record line; a field can never contain it.
constexpr char kSeparator = '|';

// No field is ever longer than this, whatever its record says.
constexpr std::size_t kMaxFieldLength = 61;

// Cuts the next '|'-terminated field off the front of `buffer` and returns it cut to `width`.
// Without a further separator the field is empty and the buffer stays as it is, so every later
// field of the same record reads as empty too.
std::string nextField(std::string& buffer, std::size_t width);

// Lenient number reading used everywhere: the first 10 characters, every blank removed, read as
// a signed decimal integer. Empty or unreadable text, or a value beyond 32 bits, reads as 0.
int toNumber(const std::string& text);

// The decimal text of a number, as every record writes it.
std::string numberText(long long value);

// The first `width` characters of `text`.
std::string cutTo(const std::string& text, std::size_t width);

// Builds a record line: each field cut to its width and followed by the separator.
// Lines are never cut as a whole, so the last fields of a long record are kept.
class LineBuilder {
public:
    LineBuilder& add(const std::string& field, std::size_t width);
    const std::string& line() const { return line_; }

private:
    std::string line_;
};

}  // namespace pny
