#pragma once

#include "pitching/pitchrules.h"

#include <QString>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pny {

class Store;

// The pitch rules live in the league's settings file of ours ("Y1L1.Leaders"), which opens with
// the leader settings (the header line and one line of factors); the rules are a line of their
// own after them. Reading or writing the rules leaves every other line as it was, and a league
// without rules has no such line, so its file keeps the bytes it had.

// The league settings file of the store's current league.
QString pitchRulesPath(const Store& store);

// The rules in the file's lines: none when it has no line of rules. `problem` says what is wrong
// with a line of rules that cannot be read (the league then counts as without rules).
std::optional<PitchRules> pitchRulesOf(const std::vector<std::string>& lines, std::string& problem);

// The file's lines with the rules put in, replacing any older line of rules, or taken out when
// `rules` is none; every other line stays as it was. A file without the leader lines gets them
// first, as the defaults, so that the leader settings read as before.
std::vector<std::string> withPitchRules(const std::vector<std::string>& lines,
                                        const std::optional<PitchRules>& rules);

// Reads the rules of the file at `path`: none when the file or the line is missing. Returns false
// with a message naming the file and the reason when the file cannot be read or the line of
// rules is unreadable (`rules` is then none).
bool readPitchRules(const QString& path, std::optional<PitchRules>& rules, QString& error);

// Puts the rules into the file at `path` (or takes them out), replacing the file atomically with
// the other lines as they were. Taking rules out of a file that does not exist writes nothing.
// Returns false with a message naming the file and the reason.
bool writePitchRules(const QString& path, const std::optional<PitchRules>& rules, QString& error);

// What is wrong with the lines of pitch rules after the leader settings (line 3 on), for the data
// check: an unreadable line of rules, or a second one.
std::vector<std::pair<int, std::string>> pitchRulesProblems(const std::vector<std::string>& lines);

}  // namespace pny
