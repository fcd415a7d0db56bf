#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pny {

// What is wrong with a league's game log against its teams and players: lines that cannot be
// read, lines that point at no team or player, and players whose totals are not the sum of their
// log lines (another program changed them). Each problem with the file line (1-based; 0 for the
// file as a whole). Players without a line in the log are not judged: they were never entered
// since the log began. `playerLines` holds the players files that could be read, by team line.
std::vector<std::pair<int, std::string>> gameLogProblems(
    const std::vector<std::string>& logLines, const std::vector<std::string>& teamLines,
    const std::map<int, std::vector<std::string>>& playerLines);

}  // namespace pny
