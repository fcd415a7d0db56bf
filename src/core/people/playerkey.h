#pragma once

#include <optional>
#include <string>

namespace pny {

// One player record anywhere in the data folder: the line indexes of its year, league, team and
// player, which never change because records are never removed from their lists.
struct PlayerKey {
    int year = 0;
    int league = 0;
    int team = 0;
    int player = 0;

    bool operator==(const PlayerKey& o) const {
        return year == o.year && league == o.league && team == o.team && player == o.player;
    }
    bool operator!=(const PlayerKey& o) const { return !(*this == o); }
    bool operator<(const PlayerKey& o) const {
        if (year != o.year)
            return year < o.year;
        if (league != o.league)
            return league < o.league;
        if (team != o.team)
            return team < o.team;
        return player < o.player;
    }

    // The base name of the players file that holds the record: "Y1L2T3".
    std::string playersBaseName() const;
    // The base name of the league's files: "Y1L2".
    std::string leagueBaseName() const;
};

// One league of one season: the line indexes of its year and league.
struct LeagueKey {
    int year = 0;
    int league = 0;

    bool operator==(const LeagueKey& o) const { return year == o.year && league == o.league; }
    bool operator!=(const LeagueKey& o) const { return !(*this == o); }
    bool operator<(const LeagueKey& o) const {
        return year != o.year ? year < o.year : league < o.league;
    }
};

// "Y1L2", the base name of the league's files.
std::string leagueKeyText(const LeagueKey& key);

// Reads "Y1L2"; nothing for any other text.
std::optional<LeagueKey> parseLeagueKey(const std::string& text);

// The key as the people file and the notes files name it: "Y1L2T3P4".
std::string playerKeyText(const PlayerKey& key);

// Reads "Y1L2T3P4" (every index 1 or more, no signs or blanks); nothing for any other text.
std::optional<PlayerKey> parsePlayerKey(const std::string& text);

}  // namespace pny
