#pragma once

#include <QString>

#include <string>
#include <vector>

namespace pny {

// One thing found wrong in a data folder.
struct CheckFinding {
    std::string file;  // the file's name inside the folder
    int line = 0;      // the line as a text editor counts it (the header is line 1); 0 = whole file
    std::string message;

    // "Y1L1.Games:4: game 3: home team 9 is past the end of Y1L1.Teams (2 records)"
    std::string text() const;
};

// Reads every data file a folder's years file leads to (the years, then each year's leagues, each
// league's teams, games, fields, umpires and times, each team's players) and reports, in file
// order: files that cannot be read, text cut off by a NUL, lines without a closing separator or
// longer than 255 characters, fields longer than their widths, more fields than the record has,
// counts and indexes that are not numbers, indexes that point past the end of their list or below
// zero, game dates and times that cannot be read, duplicate and unreadable time slots, leader
// settings that cannot be read, lines of the people's links that cannot be read or that point at
// no player record, notes files, leader settings and data files that belong to no
// record, the same record twice in one list (same number and name) and the same game twice,
// and what an interrupted save or a program that ended without closing left behind (a journal,
// temporary files, a lock that nobody holds).
// Nothing is written. An empty result means the folder is sound.
std::vector<CheckFinding> checkDataFolder(const QString& folder);

}  // namespace pny
