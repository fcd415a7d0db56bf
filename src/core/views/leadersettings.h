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
struct LeaderSettings {
    int battingFactor = 310;
    int pitchingFactor = 100;
    int fieldingFactor = 67;
    // How many places each table lists (more when players tie for the last one).
    int places = 10;

    bool operator==(const LeaderSettings& other) const {
        return battingFactor == other.battingFactor && pitchingFactor == other.pitchingFactor &&
               fieldingFactor == other.fieldingFactor && places == other.places;
    }
    bool operator!=(const LeaderSettings& other) const { return !(*this == other); }
};

constexpr int kMaxFactor = 9999;  // 99.99 per team game
constexpr int kMinPlaces = 1;
constexpr int kMaxPlaces = 999;

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

// The lines of the settings file: the header, then one line of the three factors and the places.
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
