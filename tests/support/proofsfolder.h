#pragma once

#include "gamelog/night.h"
#include "views/playerstats.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QString>

#include <initializer_list>
#include <utility>

// A league of 9-inning games with two teams of three players and one game between them: the
// Otters (team 1, at home: Ann Lee 7, Bo Diaz 12, Cy Young 21) and the Hawks (team 2: Dee Ray 1,
// Eli Fox 2, Flo Kim 3).
namespace proofsfolder {

using namespace pny;

inline void writeSeason(const QString& folder) {
    using testsupport::playerLine;
    testsupport::writeLeagueFolder(
        folder, "|1|City|1|1|9|", {"|1|Otters|2|1||1|", "|2|Hawks|||||"},
        {playerLine("7", "Ann Lee"), playerLine("12", "Bo Diaz"), playerLine("21", "Cy Young")});
    testsupport::writeFile(folder + "/Y1L1T2.Players", "P|\r\n" + playerLine("1", "Dee Ray") +
                                                           "\r\n" + playerLine("2", "Eli Fox") +
                                                           "\r\n" + playerLine("3", "Flo Kim") +
                                                           "\r\n");
    testsupport::writeFile(folder + "/Y1L1.Games", "G|\r\n|20240601|1830||1|2|||||||\r\n");
}

inline StatValues values(std::initializer_list<std::pair<PlayerStat, long long>> list) {
    StatValues v{};
    for (const auto& [stat, value] : list)
        v[stat] = value;
    return v;
}

// Otters 2, Hawks 1, a box score that proves itself: each team's H, R, BB, SO and HBP are what the
// other team's pitchers allowed, the putouts are the outs, Cy won and Eli lost.
inline Night provenNight() {
    Night night;
    night.date = "20240601";
    night.time = "1830";
    night.game = 1;
    night.home.team = 1;
    night.home.score = 2;
    night.home.lines = {
        {1, values({{StatPA, 4}, {Stat1B, 2}, {StatRS, 1}, {StatSO, 1}, {StatG, 1}, {StatPO, 14}})},
        {2, values({{StatPA, 4},
                    {Stat1B, 1},
                    {StatBB, 1},
                    {StatHP, 1},
                    {StatRS, 1},
                    {StatSO, 1},
                    {StatG, 1},
                    {StatPO, 13}})},
        {3, values({{StatGP, 1},
                    {StatIP, 9},
                    {StatHA, 3},
                    {StatRA, 1},
                    {StatER, 1},
                    {StatWA, 2},
                    {StatBSO, 3},
                    {StatWon, 1}})}};
    night.away.team = 2;
    night.away.score = 1;
    night.away.lines = {{1, values({{StatPA, 5},
                                    {Stat1B, 2},
                                    {Stat2B, 1},
                                    {StatRS, 1},
                                    {StatBB, 2},
                                    {StatSO, 3},
                                    {StatG, 1},
                                    {StatPO, 24}})},
                        {2, values({{StatGP, 1},
                                    {StatIP, 8},
                                    {StatHA, 3},
                                    {StatRA, 2},
                                    {StatER, 2},
                                    {StatWA, 1},
                                    {StatBSO, 2},
                                    {StatBH, 1},
                                    {StatLost, 1}})}};
    return night;
}

}  // namespace proofsfolder
