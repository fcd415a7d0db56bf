#pragma once

#include <vector>

namespace pny {

constexpr int kMinScheduleTeams = 3;
constexpr int kMaxScheduleTeams = 20;

// One game of a round robin: team positions counted from 1 in the team order.
struct Pairing {
    int first = 0;
    int second = 0;
};

// The round robin for `teams` teams (3 to 20) in playing order: n(n-1)/2 pairs, every two
// positions meeting once. Empty for any other count.
std::vector<Pairing> pairingTable(int teams);

// The same pairs cut into rounds where the table is built of rounds (one round for the tables of
// 7, 9, 11 and 12 teams, which are not).
std::vector<std::vector<Pairing>> pairingRounds(int teams);

// The table as written: pairs "first-second", rounds ended by " / ". Null for other counts.
const char* pairingTableText(int teams);

}  // namespace pny
