#include "views/leaderreasons.h"

namespace pny {

std::string noValueReason(LeaderStat stat) {
    switch (stat) {
        case LeaderStat::Avg:
        case LeaderStat::Slugging:
            return "No batter has an at-bat yet";
        case LeaderStat::OnBase:
        case LeaderStat::Ops:
            return "No batter has been to the plate yet";
        case LeaderStat::Hits:
            return "No batter has a hit yet";
        case LeaderStat::Doubles:
            return "No batter has a double yet";
        case LeaderStat::Triples:
            return "No batter has a triple yet";
        case LeaderStat::HomeRuns:
            return "No batter has a home run yet";
        case LeaderStat::RunsBattedIn:
            return "No batter has a run batted in yet";
        case LeaderStat::RunsScored:
            return "No batter has scored a run yet";
        case LeaderStat::Walks:
            return "No batter has a walk yet";
        case LeaderStat::StolenBases:
            return "No runner has a stolen base yet";
        case LeaderStat::Era:
        case LeaderStat::Whip:
        case LeaderStat::InningsPitched:
            return "No pitcher has pitched an out yet";
        case LeaderStat::Won:
            return "No pitcher has a win yet";
        case LeaderStat::Saves:
            return "No pitcher has a save yet";
        case LeaderStat::StrikeOuts:
            return "No pitcher has a strikeout yet";
        case LeaderStat::WinPercent:
            return "No pitcher has a decision yet";
        case LeaderStat::Fielding:
            return "No fielder has a chance yet";
        case LeaderStat::PutOuts:
            return "No fielder has a put-out yet";
        case LeaderStat::Assists:
            return "No fielder has an assist yet";
    }
    return "Nobody has a value yet";
}

std::string seasonUnqualifiedReason(Qualifier qualifier) {
    return std::string("Nobody has enough ") + qualifierUnit(qualifier) + " to qualify yet";
}

std::string careerUnqualifiedReason(Qualifier qualifier, const LeaderSettings& settings) {
    const int figure = qualifier == Qualifier::PlateAppearances ? settings.careerPlateAppearances
                       : qualifier == Qualifier::Innings        ? settings.careerInnings
                                                                : settings.careerGames;
    return "Nobody has " + std::to_string(figure) + ' ' + qualifierUnit(qualifier) +
           " in a career yet";
}

void explainEmptyTables(std::vector<LeaderTable>& tables, const std::vector<LeaderTeam>& teams,
                        long long inningsPerGame,
                        const std::function<std::string(Qualifier)>& unqualified) {
    for (LeaderTable& table : tables) {
        table.emptyReason.clear();
        if (!table.rows.empty() || !table.category)
            continue;
        bool anyValue = false;
        for (const LeaderTeam& team : teams) {
            for (const LeaderPlayer& player : team.players) {
                anyValue = anyValue ||
                           leaderRankValue(table.category->stat, player.values, inningsPerGame);
            }
        }
        // A counting table lists everyone with a value, so only a rate table can be empty with
        // values: nobody qualifies.
        table.emptyReason = anyValue && table.category->qualifier != Qualifier::None
                                ? unqualified(table.category->qualifier)
                                : noValueReason(table.category->stat);
    }
}

}  // namespace pny
