#pragma once

#include "views/playerstats.h"

#include <string>

namespace pny {

// One line of a league's game log ("Y1L1.Log"): what one entry did to one player or to one team.
// The log only grows; a mistake is put right by a later entry that points at the one it corrects.

// What made an entry; stored as its letter.
enum class LogKind : char {
    Before = 'B',   // totals the player or team had before the log began, or that another
                    // program changed since: the difference, so that the log adds up again
    Night = 'N',    // a game night from the box score sheet or `pny boxscore`
    Entry = 'E',    // the Add values of the player dialog, or the team dialog's result
    Total = 'T',    // totals typed over in the player or team dialog
    Change = 'C',   // a past night changed: the difference
    Removal = 'R',  // a past night removed: the night undone
};
bool isLogKind(char letter);

// A line of the file:
//   entry|kind|corrects|date|time|game|team|opponent|player|values...
// A player line (player > 0) holds the 43 counted statistics added, in file order without BO and
// Pos, each empty for zero. A team line (player 0) holds won|lost|tied added, then the team's
// score as typed for this entry (empty when none) and the score text the game held before it.
struct LogLine {
    int entry = 0;
    LogKind kind = LogKind::Night;
    int corrects = 0;     // the night a Change or Removal corrects; 0 for the others
    std::string date;     // the game's date, yyyymmdd; empty for dialog entries
    std::string time;     // the game's time, hhnn
    int game = 0;         // the game's line in the schedule; 0 when it has none
    int team = 0;         // the team's line in the league's teams file
    int opponent = 0;     // the other team of the night; 0 for dialog entries
    int player = 0;       // the player's line in the team's players file; 0 for the team line
    StatValues values{};  // a player line's statistics added (BO and Pos stay 0)
    long long won = 0, lost = 0, tied = 0;  // a team line's results added
    std::string score;                      // a team line: the team's score after this entry
    std::string scoreBefore;                // and before it

    bool isTeamLine() const { return player == 0; }

    // Reads a line; false when it is not one of ours (a number that cannot be read, an unknown
    // kind, missing fields).
    static bool parse(const std::string& text, LogLine& line);
    std::string build() const;
};

// The header line that names the file's kind.
extern const char* const kLogHeader;
extern const char* const kLogExtension;  // ".Log"

}  // namespace pny
