#include "gamelog/gamelogcheck.h"

#include "entry/playerentry.h"
#include "gamelog/gamelog.h"
#include "gamelog/logbaseline.h"
#include "store/linecodec.h"

#include <set>

namespace pny {
namespace {

// "PA 44, the log 40; 1B 12, the log 9" for the statistics that differ, at most three.
std::string differences(const PlayerRecord& player, const StatValues& missing) {
    std::string text;
    int shown = 0;
    for (const PlayerEntryRow& row : playerEntryRows()) {
        if (row.stat == StatIP3 || missing[row.stat] == 0)
            continue;
        if (shown++ == 3) {
            text += "; ...";
            break;
        }
        if (!text.empty())
            text += "; ";
        if (row.stat == StatIP) {
            const long long outs = 3LL * player.value(StatIP) + player.value(StatIP3);
            const long long logOuts = outs - (3 * missing[StatIP] + missing[StatIP3]);
            text += "IP " + numberText(outs / 3) + "." + numberText(outs % 3) + ", the log " +
                    numberText(logOuts / 3) + "." + numberText(logOuts % 3);
            continue;
        }
        const long long total = player.value(row.stat);
        text += std::string(row.abbreviation) + " " + numberText(total) + ", the log " +
                numberText(total - missing[row.stat]);
    }
    return text;
}

}  // namespace

std::vector<std::pair<int, std::string>> gameLogProblems(
    const std::vector<std::string>& logLines, const std::vector<std::string>& teamLines,
    const std::map<int, std::vector<std::string>>& playerLines) {
    std::vector<std::pair<int, std::string>> problems;
    if (!logLines.empty() && logLines[0] != kLogHeader)
        problems.emplace_back(1, "the header line is not \"" + std::string(kLogHeader) + "\"");

    // Each line alone, so that problems name their file line.
    GameLog log;
    std::set<std::pair<int, int>> seen;
    for (std::size_t i = 1; i < logLines.size(); ++i) {
        const int fileLine = static_cast<int>(i) + 1;
        LogLine line;
        if (!LogLine::parse(logLines[i], line)) {
            problems.emplace_back(fileLine, "a line that is not one of the game log's");
            continue;
        }
        if (line.team >= static_cast<int>(teamLines.size())) {
            problems.emplace_back(fileLine, "points at team " + numberText(line.team) +
                                                ", which the league does not have");
            continue;
        }
        // A team whose players cannot be read is not judged.
        const auto players = playerLines.find(line.team);
        if (players == playerLines.end())
            continue;
        if (!line.isTeamLine() && line.player >= static_cast<int>(players->second.size())) {
            problems.emplace_back(fileLine, "points at player " + numberText(line.player) +
                                                " of team " + numberText(line.team) +
                                                ", which the team does not have");
            continue;
        }
        log.append(line);
        if (!line.isTeamLine())
            seen.emplace(line.team, line.player);
    }

    for (const auto& [team, player] : seen) {
        const PlayerRecord record =
            PlayerRecord::parse(playerLines.at(team)[static_cast<std::size_t>(player)]);
        const StatValues missing = missingFromLog(log, team, player, record);
        const std::string text = differences(record, missing);
        if (!text.empty()) {
            problems.emplace_back(0, "player " + numberText(player) + " of team " +
                                         numberText(team) + " (" + record.name +
                                         "): totals differ from the game log: " + text);
        }
    }
    return problems;
}

}  // namespace pny
