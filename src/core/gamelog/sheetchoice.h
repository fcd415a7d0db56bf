#pragma once

#include "gamelog/boxscorecolumns.h"

#include <QString>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pny {

class Store;

// The columns a league chose for its box score sheet, in their order. They live in the league's
// settings file of ours ("Y1L1.Leaders") as a line of their own after the leader settings:
//   Sheet|AB|R|H|RBI|BB|SO|DEC|IP|P.H|P.R|ER|P.BB|P.SO|PO|A|E|
// each column by its name (BoxScoreColumn::name, code page bytes). A league that chose none has
// no such line and shows the default columns; reading or writing the line leaves every other
// line of the file as it was.

extern const char* const kSheetColumnsTag;  // "Sheet|"

// The league settings file of the store's current league (the leader settings' file).
QString sheetColumnsPath(const Store& store);

// Whether a line of the file is the line of sheet columns.
bool isSheetColumnsLine(const std::string& line);

// The line naming these columns. Nothing, with `problem` saying why, when a name cannot be kept
// in a line: an empty one, or one holding the separator '|', a line break or a NUL (only a user
// column's header could).
std::optional<std::string> sheetColumnsLine(const std::vector<std::string>& names,
                                            std::string& problem);

// The names of the first line of sheet columns after the leader settings, as stored; none when
// the lines hold no such line. Text after the last separator is never a name.
std::optional<std::vector<std::string>> sheetColumnsOf(const std::vector<std::string>& lines);

// The file's lines with `line` as the line of sheet columns, replacing any older one, or without
// one when `line` is none; every other line stays as it was. A file without the leader lines gets
// them first, as the defaults, so that the leader settings read as before.
std::vector<std::string> withSheetColumns(const std::vector<std::string>& lines,
                                          const std::optional<std::string>& line);

// Reads the chosen columns from the file at `path`: none when the file or the line is missing.
// Returns false with a message naming the file when it cannot be read or is no ordinary file (a
// folder, a FIFO, which is never opened); a link is read through, as every data file is. `names`
// is then none.
bool readSheetColumns(const QString& path, std::optional<std::vector<std::string>>& names,
                      QString& error);

// Puts the chosen columns into the file at `path`, or takes them out when `names` is none (the
// league goes back to the defaults), replacing the file atomically with every other line as it
// was; a link is replaced by an ordinary file, never written through. Taking them out of a file
// that does not exist writes nothing. Refuses, writing nothing, a file whose first line is not the
// leader settings' header, anything but an ordinary file or a link to one, and a name that cannot
// be kept in a line. Returns false with a message naming the file and the reason.
bool writeSheetColumns(const QString& path, const std::optional<std::vector<std::string>>& names,
                       QString& error);

// The columns the sheet shows: those of `available` that `names` names, each group kept together
// in the order of a printed box score (batting with the user columns, pitching, fielding) and in
// the chosen order within it. `defaults` when `names` is none or names no available column.
std::vector<BoxScoreColumn> chosenSheetColumns(const std::vector<BoxScoreColumn>& available,
                                               const std::optional<std::vector<std::string>>& names,
                                               const std::vector<BoxScoreColumn>& defaults);

// What to keep of a choice: none when it is the defaults, so that a league back at the defaults
// keeps no line and follows them (NP and S come and go with the league's pitch rules).
std::optional<std::vector<std::string>> sheetChoiceToKeep(const std::vector<std::string>& chosen,
                                                          const std::vector<std::string>& defaults);

// Which of the sheet's three groups a column belongs to: 0 batting (the user columns included),
// 1 pitching, 2 fielding.
int sheetGroupOf(EntryGroup group);

// What is wrong with the lines of sheet columns after the leader settings, for the data check:
// a second line, a name of no column of the league (`available`), a name given twice, the groups
// mixed, or a line naming no column at all.
std::vector<std::pair<int, std::string>> sheetColumnsProblems(
    const std::vector<std::string>& lines, const std::vector<BoxScoreColumn>& available);

}  // namespace pny
