#pragma once

#include <QString>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pny {

class Store;

// A league's own numbers for its leader tables, kept in a file of ours beside the league's teams
// file ("Y1L1.Leaders"); the league record itself is never touched. A league without the file
// uses the defaults.
//
// The factors are hundredths of a figure per game of the player's team: a batter qualifies for
// the batting rates with at least battingFactor / 100 plate appearances per team game, a pitcher
// for ERA, WHIP and W% with as many innings pitched, a fielder for F% with as many games.
// A batting or pitching factor the user never set follows the league's innings per game: 3.1 PA
// and 1.0 IP per game of nine innings, scaled to the league's (see defaultFactor).
struct LeaderSettings {
    std::optional<int> battingFactor;
    std::optional<int> pitchingFactor;
    int fieldingFactor = 67;
    // How many places each table lists (more when players tie for the last one).
    int places = 10;
    // The all-time leaders' qualification: whole career figures, not per game. A batter needs
    // this many plate appearances for the batting rates, a pitcher this many innings for ERA,
    // WHIP and W%, a fielder this many games for F%; 0 lets everyone in.
    int careerPlateAppearances = 100;
    int careerInnings = 30;
    int careerGames = 30;

    bool operator==(const LeaderSettings& other) const {
        return battingFactor == other.battingFactor && pitchingFactor == other.pitchingFactor &&
               fieldingFactor == other.fieldingFactor && places == other.places &&
               careerPlateAppearances == other.careerPlateAppearances &&
               careerInnings == other.careerInnings && careerGames == other.careerGames;
    }
    bool operator!=(const LeaderSettings& other) const { return !(*this == other); }
};

constexpr int kMaxFactor = 9999;  // 99.99 per team game
// The batting and pitching factors for games of nine innings.
constexpr int kNineInningBattingFactor = 310;
constexpr int kNineInningPitchingFactor = 100;

// The batting (`batting` true) or pitching factor of a league whose games have `inningsPerGame`
// innings when the user set none: the nine-inning factor x innings / 9, to the nearest hundredth.
// A league without a sound number of innings counts nine.
int defaultFactor(bool batting, long long inningsPerGame);
constexpr int kMinPlaces = 1;
constexpr int kMaxPlaces = 999;
constexpr int kMaxCareerFigure = 9999;

// The file's extension and its header line, which names the kind.
extern const char* const kLeadersExtension;
extern const char* const kLeadersHeader;

// Reads a factor as typed: digits with at most two decimals after a point ("3.1", "0.67", "2",
// ".5"), blanks around it ignored, at most 99.99. Returns it in hundredths, or nothing.
std::optional<int> parseFactor(const std::string& text);

// A factor in hundredths as text, with one decimal at least: 310 "3.1", 100 "1.0", 67 "0.67".
std::string formatFactor(int hundredths);

// Whether a number of places is one a table can have.
inline bool validPlaces(long long places) {
    return places >= kMinPlaces && places <= kMaxPlaces;
}

// Reads a career qualification as typed: plain digits, 0 to 9999, blanks around them ignored.
std::optional<int> parseCareerFigure(const std::string& text);

// The lines of the settings file: the header, then one line of the three factors, the places and
// the three career figures when they are not the defaults (a file without them, such as one
// written before they existed, reads as the defaults). A batting or pitching factor the user did
// not set is an empty field; one stored in a file is one the user set.
std::vector<std::string> leaderSettingsLines(const LeaderSettings& settings);

// The settings in a file's lines; a missing or unreadable value keeps its default.
LeaderSettings parseLeaderSettings(const std::vector<std::string>& lines);

// What is wrong in a settings file's lines, for the data check: the line (the header is line 1)
// and what is wrong there. Empty when the lines are sound.
std::vector<std::pair<int, std::string>> leaderSettingsProblems(
    const std::vector<std::string>& lines);

// The settings file of the current league of `store` (its year and league selection).
QString leaderSettingsPath(const Store& store);

// Reads the settings from `path`: the defaults when the file does not exist. Returns false with a
// message naming the file and the reason when it exists but cannot be read (the defaults are then
// in `settings`).
bool readLeaderSettings(const QString& path, LeaderSettings& settings, QString& error);

// Writes the settings to `path`, replacing the file atomically. Returns false with a message
// naming the file and the reason.
bool writeLeaderSettings(const QString& path, const LeaderSettings& settings, QString& error);

}  // namespace pny
