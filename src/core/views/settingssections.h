#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pny {

// A league's settings file of ours ("Y1L1.Leaders") opens with the leader settings, a header line
// and one line of factors; the league's other settings follow, each a line of its own that starts
// with its tag: the pitch rules ("Pitches|") and the sheet's columns ("Sheet|"). Each is read and
// written alone, every other line kept as it was.

// The index of the first line after the leader settings.
constexpr std::size_t kFirstSectionLine = 2;

using SectionTest = bool (*)(const std::string& line);

// The file's lines with `line` as the one line of its section (`isSection`), replacing the first
// older one where it stood and dropping any further one, or with the section taken out when
// `line` is none; every other line stays as it was. A file without the leader lines gets them
// first, as the defaults, so that the leader settings read as before.
std::vector<std::string> withSection(const std::vector<std::string>& lines, SectionTest isSection,
                                     const std::optional<std::string>& line);

// Whether a line after the leader settings is of a kind the program reads.
bool isKnownSectionLine(const std::string& line);

// The lines after the leader settings that are of no known kind, for the data check: the first
// one is reported.
std::vector<std::pair<int, std::string>> unknownSectionProblems(
    const std::vector<std::string>& lines);

// Reads the settings file at `path` for one of its sections, opening nothing but an ordinary file
// (a FIFO would block the read); a link is read through, as for every data file. `exists` is false
// and the lines empty when there is no file (a link leading nowhere included). Returns false with
// a message naming the file when something else stands there or it cannot be read.
bool readSettingsFile(const QString& path, bool& exists, std::vector<std::string>& lines,
                      QString& error);

// Puts `line` into its section of the file at `path` (or takes the section out when none),
// replacing the file atomically; a link is replaced by an ordinary file, never written through.
// Taking a section out of a file that does not exist writes nothing. Refused, writing nothing:
// a file whose first line is not the leader settings' header (not ours), anything but an ordinary
// file or a link to one. Returns false with a message naming the file and the reason.
bool writeSettingsSection(const QString& path, SectionTest isSection,
                          const std::optional<std::string>& line, QString& error);

}  // namespace pny
