#pragma once

#include <string>

namespace pny {

// Text helpers that turn numbers into cell texts. Values are taken 64 bits wide so that a total
// or an intermediate product never wraps; every value that fits a 32-bit statistic shows the same
// text it always did.

// Empty for 0, otherwise a blank and the decimal digits (with a minus sign when negative).
std::string formatCount(long long n);

// The last `width` characters of nine "0" characters followed by the decimal text of n.
std::string zeroPad(long long n, int width);

// Blanks in front of `s` up to `width` characters; a longer text keeps its last `width`.
std::string padLeft(const std::string& s, int width);

// The first `width` characters of `s`, blanks appended up to `width`.
std::string padRight(const std::string& s, int width);

// A five-character rate with three decimals: x over y, truncated; five blanks when y is 0,
// capped at "9.999".
std::string formatRate(long long x, long long y);

// The five characters of a rate given in thousandths: " .333", "2.500", capped at "9.999".
std::string formatThousandths(long long v);

// On-base plus slugging: the on-base rate (hits and walks over at bats and walks) and the slugging
// rate (total bases over at bats), each in thousandths and truncated, added, and shown like a
// rate. Five blanks when either divisor is 0.
std::string formatOps(long long onBase, long long onBaseDivisor, long long bases, long long atBats);

// A five-character earned run average with two decimals: x earned runs over y outs in a game of
// `inningsPerGame` innings; five blanks when y is 0, capped at "99.99".
std::string formatEra(long long x, long long y, long long inningsPerGame);

// The five characters of a value given in hundredths, as the earned run average shows them:
// " 0.33", " 3.00", "12.34", capped at "99.99".
std::string formatHundredths(long long v);

// Walks and hits per inning pitched: x walks plus hits allowed over y outs, in hundredths,
// truncated, shown like an earned run average; five blanks when y is 0.
std::string formatWhip(long long x, long long y);

// Innings pitched as "a.b" (whole innings, then thirds); empty when a + b is 0. Never cut: a
// team's total of 1234.2 innings shows in full.
std::string formatInnings(long long a, long long b);

// The innings per game of a league's field: 9 when the field is empty.
int inningsPerGame(const std::string& field);

}  // namespace pny
