#pragma once

#include "store/records.h"

#include <array>
#include <optional>
#include <string>

namespace pny {

// The seven references the game dialog edits (and two of which the schedule filter dialog uses):
// field, home team, away team and umpires 1 to 4, as line index texts, empty for none.
struct PickSlots {
    std::string field;
    std::string home;
    std::string away;
    std::array<std::string, 4> umpires;

    // The slot a pick code reads and sets: "F" the field, "H" and "T" the home team, "A" the away
    // team, "1" to "4" an umpire, "U" umpire 1. Null for any other code.
    std::string* slot(char code);
    void loadFrom(const GameRecord& game);
    void storeInto(GameRecord& game) const;
};

// What a pick code picks from.
enum class PickList { None, Fields, Teams, Umpires };
PickList pickListOf(char code);

// The texts the game dialog opens with for a stored date and time: the year with four digits,
// month and day without leading zeros, the hour on the 12-hour clock and the minutes with two
// digits each ("07", "30", pm for 1930; "12", "00", am for 0000). A game without a date opens
// blank on pm; a stored date or time that cannot be read leaves its edits blank.
struct GameEntryTexts {
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
    std::string minute;
    bool pm = true;
};
GameEntryTexts gameEntryTexts(const GameRecord& game);

// A date and time as stored: "yyyymmdd" and "hhnn" on the 24-hour clock.
struct GameMoment {
    std::string date;
    std::string time;
};

// Reads the typed date (year, month, day) and 12-hour time. The date must be a real calendar date
// with all three numbers; a year below 100 falls in the century of `currentYear`. The hour must
// be 1 to 12 and the minutes 0 to 59; 12 am is midnight, 12 pm noon. Blanks around a number are
// allowed, anything but digits is not. Nothing when either is wrong.
std::optional<GameMoment> readGameEntry(const std::string& year, const std::string& month,
                                        const std::string& day, const std::string& hour,
                                        const std::string& minute, bool pm, int currentYear);
// The same with the century of today's date.
std::optional<GameMoment> readGameEntry(const std::string& year, const std::string& month,
                                        const std::string& day, const std::string& hour,
                                        const std::string& minute, bool pm);

// The scores stored for the typed texts (read leniently, anything unreadable is 0): both empty
// when both are 0, so a game that ended 0 to 0 looks like one not yet played; otherwise both as
// decimal text, a zero as "0", each cut to 4 characters.
struct GameScores {
    std::string home;
    std::string away;
};
GameScores gameScores(const std::string& homeText, const std::string& awayText);

// Puts the dialog's values into a game: its date and time, the seven references and the scores.
// The flag is left as it is.
void applyGameEntry(GameRecord& game, const GameMoment& moment, const PickSlots& picks,
                    const GameScores& scores);

}  // namespace pny
