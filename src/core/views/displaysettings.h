#pragma once

#include "store/records.h"

#include <string>
#include <vector>

namespace pny {

// What the display settings dialogs change in a league record: the columns each tab shows, the
// sort key and direction of each tab, the innings per game and the table font. Each function
// changes the record only; the caller writes it back with WriteLeague.

// Innings per game: the default and the range the setup offers.
constexpr int kDefaultInnings = 9;
constexpr int kMinInnings = 3;
constexpr int kMaxInnings = 18;

// Sort items of the schedule ("Field Number" ... "Away Team").
constexpr int kScheduleSortItems = 5;

// Team ColumnMask: the check state of each of the 8 standings columns ("*" = shown).
std::vector<bool> teamColumnChecks(const LeagueRecord& league);
void setTeamColumns(LeagueRecord& league, const std::vector<bool>& checks);

// Schedule ColumnMask: the check state of each of the 20 schedule columns ("*" = shown).
std::vector<bool> scheduleColumnChecks(const LeagueRecord& league);
void setScheduleColumns(LeagueRecord& league, const std::vector<bool>& checks);

// The innings per game are never empty while the setup shows them: a league that never set them
// gets "9" in its buffer, which the next WriteLeague stores.
void fillDefaultInnings(LeagueRecord& league);
// The value the spin box shows.
int inningsValue(const LeagueRecord& league);
void setInnings(LeagueRecord& league, int value);

// The bit of a player tab (1 Players ... 32 Custom) in the player ColumnMask codes; 0 for any
// other tab.
unsigned char playerTabBit(int tab);
// Whether each of the 61 player columns shows on `tab`.
std::vector<bool> playerColumnChecks(const LeagueRecord& league, int tab);
// Sets or clears the bit of `tab` in every code of the player ColumnMask; the bits of the other
// tabs stay, and bit 128 is always set, so a code is never a blank or a control character.
void setPlayerColumns(LeagueRecord& league, int tab, const std::vector<bool>& checks);

// The sort item of tab 1 to 7 (7 = schedule): code 128 + item. A code outside the tab's items
// reads as item 1, as the views read it.
int sortItem(const LeagueRecord& league, int tab);
void setSortItem(LeagueRecord& league, int tab, int item);
// The sort direction of tab 1 to 7: "1" = descending, a blank = ascending.
bool sortDescending(const LeagueRecord& league, int tab);
void setSortDescending(LeagueRecord& league, int tab, bool descending);

// A font as the font dialog chooses it.
struct TableFont {
    int red = 0;
    int green = 0;
    int blue = 0;
    std::string name;  // code page bytes
    int pointSize = 0;
    bool bold = false;
    bool italic = false;
};
// Stores the five font fields: colour red + green*256 + blue*65536 (empty for black), name (at
// most 40 characters), size (empty for 0), bold and italic ("1" or empty).
void setFontFields(LeagueRecord& league, const TableFont& font);

}  // namespace pny
