#pragma once

// The season the game night benchmarks start from, and the nights they add.
#include "gamelog/night.h"
#include "store/store.h"

#include <string>

namespace bench {

// One season with one league of 7-inning games and `teams` teams of `players` players.
inline void makeSeason(pny::Store& store, int teams, int players) {
    store.loadYears();
    store.year = pny::YearRecord::parse("|2026|Summer||");
    store.addYear();
    store.ensureLeagues();
    store.league = pny::LeagueRecord::parse("|1|Majors||||7|");
    store.addLeague();
    store.ensureTeams();
    for (int t = 1; t <= teams; ++t) {
        store.team =
            pny::TeamRecord::parse("|" + std::to_string(t) + "|Team " + std::to_string(t) + "|");
        store.addTeam();
        store.ensurePlayers();
        for (int p = 1; p <= players; ++p) {
            store.player = pny::PlayerRecord::parse("|" + std::to_string(p) + "|Player " +
                                                    std::to_string(p) + "|");
            store.addPlayer();
        }
    }
}

// A team's box score of night `night`: every player bats four times, the first one pitches.
inline pny::BoxScoreTeam nightSide(int team, long long score, int night, int players) {
    pny::BoxScoreTeam out;
    out.team = team;
    out.score = score;
    for (int p = 1; p <= players; ++p) {
        pny::BoxScoreLine line;
        line.player = p;
        line.values[pny::StatG] = 1;
        line.values[pny::StatPA] = 4;
        line.values[pny::Stat1B] = (p + night) % 3;
        line.values[pny::StatHR] = (p * night) % 7 == 0 ? 1 : 0;
        line.values[pny::StatRS] = p <= score ? 1 : 0;
        if (p == 1) {
            line.values[pny::StatIP] = 7;
            line.values[pny::StatER] = night % 4;
            line.values[pny::StatRA] = night % 5;
        }
        out.lines.push_back(line);
    }
    return out;
}

}  // namespace bench
