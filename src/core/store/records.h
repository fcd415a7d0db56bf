#pragma once

#include <array>
#include <string>

namespace pny {

// Every record kind: the fields of one line, as bytes exactly as stored (cut to their widths).
// parse() reads a line, build() makes the line that is stored.

// Line 0 of the years list: program-wide settings that survive a restart.
struct YearsHeader {
    std::string letter;       // "Y", written back unchanged
    std::string tab;          // index of the selected tab, one digit
    std::string keep3;        // unknown to us: read and written back unchanged
    std::string currentYear;  // index of the current year
    std::string height;       // main window height in pixels
    std::string width;        // main window width in pixels
    std::string keep7;        // unknown to us: read and written back unchanged

    static YearsHeader parse(const std::string& line);
    std::string build() const;
};

struct YearRecord {
    std::string flag;
    std::string number;
    std::string name;
    std::string currentLeague;

    static YearRecord parse(const std::string& line);
    std::string build() const;
};

struct LeagueRecord {
    std::string flag;
    std::string number;
    std::string name;
    std::string currentTeam;
    std::string currentGame;
    std::string innings;  // innings per game for ERA; empty counts as 9
    std::string fontColor;
    std::string fontName;
    std::string fontSize;
    std::string bold;
    std::string italic;
    std::string sortKeys;        // 7 characters, code 128 + key number per tab
    std::string sortDirections;  // 7 characters, "1" = descending
    std::string playerMask;      // 61 characters, code 128 + the bits of the tabs showing it
    std::string scheduleMask;    // 20 characters, "*" = shown
    std::string teamMask;        // 8 characters, "*" = shown
    std::array<std::string, 4> userHeaders;

    // Reads a line and normalises the display fields, giving missing ones their defaults.
    static LeagueRecord parse(const std::string& line);
    std::string build() const;
};

// The player ColumnMask code a never-set position k (1 to 61) takes.
unsigned char defaultPlayerMaskCode(int position);

struct TeamRecord {
    std::string flag;
    std::string number;
    std::string name;
    std::string won;
    std::string lost;
    std::string tied;
    std::string currentPlayer;

    static TeamRecord parse(const std::string& line);
    std::string build() const;
};

// The 45 statistics of a player line, in file order.
enum PlayerStat {
    StatG,
    StatInn,
    StatPA,
    Stat1B,
    Stat2B,
    Stat3B,
    StatHR,
    StatSO,
    StatBB,
    StatHP,
    StatWCI,
    StatSBnt,
    StatSFly,
    StatRBI,
    StatRS,
    StatPkO,
    StatSB,
    StatCS,
    StatBO,
    StatGP,
    StatIP,
    StatIP3,
    StatST,
    StatBT,
    StatWP,
    StatBks,
    StatHA,
    StatWA,
    StatBH,
    StatBSO,
    StatRPO,
    StatRA,
    StatER,
    StatWon,
    StatLost,
    StatSv,
    StatPos,
    StatPB,
    StatPO,
    StatA,
    StatErr,
    StatC1,
    StatC2,
    StatC3,
    StatC4,
    PlayerStatCount
};

struct PlayerRecord {
    std::string flag;
    std::string number;
    std::string name;
    std::array<std::string, PlayerStatCount> stats;

    std::string& stat(PlayerStat s) { return stats[s]; }
    const std::string& stat(PlayerStat s) const { return stats[s]; }
    int value(PlayerStat s) const;

    static PlayerRecord parse(const std::string& line);
    std::string build() const;
};

struct GameRecord {
    std::string flag;
    std::string date;  // yyyymmdd
    std::string time;  // hhnn, 24-hour clock
    std::string field;
    std::string home;
    std::string away;
    std::array<std::string, 4> umpires;
    std::string homeScore;
    std::string awayScore;

    static GameRecord parse(const std::string& line);
    std::string build() const;
};

// Fields and umpires: a flag, a number and a name.
struct NamedRecord {
    std::string flag;
    std::string number;
    std::string name;

    static NamedRecord parse(const std::string& line);
    std::string build() const;
};
using FieldRecord = NamedRecord;
using UmpireRecord = NamedRecord;

// Field widths shared by the records and the dialogs that edit them.
namespace width {
constexpr std::size_t kFlag = 1;
constexpr std::size_t kNumber = 5;
constexpr std::size_t kName = 40;
constexpr std::size_t kIndex = 5;
constexpr std::size_t kCount = 4;
constexpr std::size_t kDate = 8;
constexpr std::size_t kTime = 4;
constexpr std::size_t kFontColor = 8;
constexpr std::size_t kFontName = 40;
constexpr std::size_t kSortKeys = 7;
constexpr std::size_t kPlayerMask = 61;
constexpr std::size_t kScheduleMask = 20;
constexpr std::size_t kTeamMask = 8;
constexpr std::size_t kUserHeader = 8;
}  // namespace width

}  // namespace pny
