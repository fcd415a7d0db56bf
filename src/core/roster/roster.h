#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

namespace pny {

class Store;

// A team's roster brought in from a spreadsheet's CSV file, and written out the same way.

// A row that was not taken, with the file line and why.
struct RosterProblem {
    int line = 0;
    QString reason;
};

// One player read from the file, in code page bytes ready for his record.
struct RosterPlayer {
    int line = 0;
    std::string number;
    std::string name;
};

struct RosterFile {
    std::vector<RosterPlayer> players;
    std::vector<RosterProblem> problems;
    // Set when the file cannot be used at all (no header naming a name column).
    QString error;
};

// Reads a roster: the first row names the columns, found by their headers with case ignored:
// "No", "Number", "#" (or "No.", "Num", "Jersey") for the number, "Name" or "Player" for the
// name, or "First" and "Last" joined with a blank. A name the code page cannot hold, a number or
// name too long for its field, and a row without a name are problems, by line.
RosterFile readRoster(const QByteArray& bytes);

struct RosterResult {
    int added = 0;
    std::vector<RosterProblem> skipped;  // the file's problems and the numbers already there
};

// Adds the players of `roster` to the store's current team (its players list loaded), in file
// order, as planRoster plans it: a number already on the team, or earlier in the file, is skipped
// ("07" and "7" are the same number). Nothing is written: the caller commits.
RosterResult addRoster(Store& store, const RosterFile& roster);

// The current team's active players as a roster file: UTF-8 with a byte-order mark (so that
// spreadsheets take it as UTF-8), a "No,Name" header, CR LF line ends.
QByteArray exportRoster(const Store& store);

}  // namespace pny
