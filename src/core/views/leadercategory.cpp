#include "views/leadercategory.h"

#include "store/records.h"
#include "views/formats.h"

#include <algorithm>

namespace pny {
namespace {

constexpr long long kRateCap = 9999;  // "9.999" and "99.99" show every value from here up

// The counts a category is worked out from, as the player views work them out.
struct Counts {
    long long hits, walks, atBats, bases, outs, chances;

    explicit Counts(const StatValues& v)
        : hits(v[Stat1B] + v[Stat2B] + v[Stat3B] + v[StatHR]),
          walks(v[StatBB] + v[StatHP] + v[StatWCI]),
          atBats(v[StatPA] - (walks + v[StatSBnt] + v[StatSFly])),
          bases(v[Stat1B] + 2 * v[Stat2B] + 3 * v[Stat3B] + 4 * v[StatHR]),
          outs(3 * v[StatIP] + v[StatIP3]),
          chances(v[StatPO] + v[StatA] + v[StatErr]) {}
};

// A rate in thousandths or hundredths as its text shows it: values past the cap show alike.
// A divisor of 0 (or below, which only inconsistent counts give) has no value.
std::optional<long long> scaled(long long x, long long scale, long long y) {
    if (y <= 0)
        return std::nullopt;
    return std::min((x * scale) / y, kRateCap);
}

// The figure a qualification counts, in the units of its factor's hundredths: plate appearances,
// outs (three to an inning) or games.
long long qualifyingFigure(Qualifier qualifier, const StatValues& v) {
    switch (qualifier) {
        case Qualifier::PlateAppearances:
            return v[StatPA];
        case Qualifier::Innings:
            return 3 * v[StatIP] + v[StatIP3];
        case Qualifier::Games:
            return v[StatG];
        case Qualifier::None:
            break;
    }
    return 0;
}

// The least figure that qualifies after `games` team games: factor × games, rounded up, where
// innings count in outs.
long long neededFigure(Qualifier qualifier, int factor, long long games) {
    const long long scale = qualifier == Qualifier::Innings ? 3 : 1;
    return (factor * games * scale + 99) / 100;
}

}  // namespace

const std::vector<LeaderCategory>& leaderCategories() {
    using S = LeaderStat;
    using G = LeaderGroup;
    using Q = Qualifier;
    static const std::vector<LeaderCategory> categories{
        {S::Avg, "AVG", "AVG", "Batting Average", G::Batting, Q::PlateAppearances, false},
        {S::OnBase, "OBP", "OB%", "On-Base Percentage", G::Batting, Q::PlateAppearances, false},
        {S::Slugging, "SLG", "SLG", "Slugging Percentage", G::Batting, Q::PlateAppearances, false},
        {S::Ops, "OPS", "OPS", "On-Base Plus Slugging", G::Batting, Q::PlateAppearances, false},
        {S::Hits, "H", "H", "Hits", G::Batting, Q::None, false},
        {S::Doubles, "2B", "2B", "Doubles", G::Batting, Q::None, false},
        {S::Triples, "3B", "3B", "Triples", G::Batting, Q::None, false},
        {S::HomeRuns, "HR", "HR", "Home Runs", G::Batting, Q::None, false},
        {S::RunsBattedIn, "RBI", "RBI", "Runs Batted In", G::Batting, Q::None, false},
        {S::RunsScored, "RS", "RS", "Runs Scored", G::Batting, Q::None, false},
        {S::Walks, "BB", "BB", "Bases on Balls", G::Batting, Q::None, false},
        {S::StolenBases, "SB", "SB", "Stolen Bases", G::Batting, Q::None, false},
        {S::Era, "ERA", "ERA", "Earned Run Average", G::Pitching, Q::Innings, true},
        {S::Whip, "WHIP", "WHIP", "Walks and Hits per Inning", G::Pitching, Q::Innings, true},
        {S::Won, "Won", "Won", "Games Won", G::Pitching, Q::None, false},
        {S::Saves, "Sv", "Sv", "Saves", G::Pitching, Q::None, false},
        {S::StrikeOuts, "BSO", "BSO", "Batters Struck Out", G::Pitching, Q::None, false},
        {S::InningsPitched, "IP", "IP", "Innings Pitched", G::Pitching, Q::None, false},
        {S::WinPercent, "WP", "W%", "Winning Percentage", G::Pitching, Q::Innings, false},
        {S::Fielding, "FP", "F%", "Fielding Percentage", G::Fielding, Q::Games, false},
        {S::PutOuts, "PO", "PO", "Put Outs", G::Fielding, Q::None, false},
        {S::Assists, "A", "A", "Assists", G::Fielding, Q::None, false},
    };
    return categories;
}

std::optional<long long> leaderRankValue(LeaderStat stat, const StatValues& v, long long innings) {
    const Counts c(v);
    auto count = [](long long n) { return n > 0 ? std::optional<long long>(n) : std::nullopt; };
    switch (stat) {
        case LeaderStat::Avg:
            return scaled(c.hits, 1000, c.atBats);
        case LeaderStat::OnBase:
            return scaled(c.hits + c.walks, 1000, c.atBats + c.walks);
        case LeaderStat::Slugging:
            return scaled(c.bases, 1000, c.atBats);
        case LeaderStat::Ops: {
            if (c.atBats <= 0 || c.atBats + c.walks <= 0)
                return std::nullopt;
            const long long ops =
                (c.hits + c.walks) * 1000 / (c.atBats + c.walks) + c.bases * 1000 / c.atBats;
            return std::min(ops, kRateCap);
        }
        case LeaderStat::Hits:
            return count(c.hits);
        case LeaderStat::Doubles:
            return count(v[Stat2B]);
        case LeaderStat::Triples:
            return count(v[Stat3B]);
        case LeaderStat::HomeRuns:
            return count(v[StatHR]);
        case LeaderStat::RunsBattedIn:
            return count(v[StatRBI]);
        case LeaderStat::RunsScored:
            return count(v[StatRS]);
        case LeaderStat::Walks:
            return count(v[StatBB]);
        case LeaderStat::StolenBases:
            return count(v[StatSB]);
        case LeaderStat::Era:
            return scaled(v[StatER] * innings, 300, c.outs);
        case LeaderStat::Whip:
            return scaled(v[StatWA] + v[StatHA], 300, c.outs);
        case LeaderStat::Won:
            return count(v[StatWon]);
        case LeaderStat::Saves:
            return count(v[StatSv]);
        case LeaderStat::StrikeOuts:
            return count(v[StatBSO]);
        case LeaderStat::InningsPitched:
            return count(c.outs);
        case LeaderStat::WinPercent:
            return scaled(v[StatWon], 1000, v[StatWon] + v[StatLost]);
        case LeaderStat::Fielding:
            return scaled(v[StatPO] + v[StatA], 1000, c.chances);
        case LeaderStat::PutOuts:
            return count(v[StatPO]);
        case LeaderStat::Assists:
            return count(v[StatA]);
    }
    return std::nullopt;
}

std::string leaderValueText(LeaderStat stat, const StatValues& v, long long innings) {
    const Counts c(v);
    switch (stat) {
        case LeaderStat::Avg:
            return formatRate(c.hits, c.atBats);
        case LeaderStat::OnBase:
            return formatRate(c.hits + c.walks, c.atBats + c.walks);
        case LeaderStat::Slugging:
            return formatRate(c.bases, c.atBats);
        case LeaderStat::Ops:
            return formatOps(c.hits + c.walks, c.atBats + c.walks, c.bases, c.atBats);
        case LeaderStat::Era:
            return formatEra(v[StatER], c.outs, innings);
        case LeaderStat::Whip:
            return formatWhip(v[StatWA] + v[StatHA], c.outs);
        case LeaderStat::WinPercent:
            return formatRate(v[StatWon], v[StatWon] + v[StatLost]);
        case LeaderStat::Fielding:
            return formatRate(v[StatPO] + v[StatA], c.chances);
        case LeaderStat::InningsPitched:
            return formatInnings(v[StatIP], v[StatIP3]);
        default:
            return formatCount(leaderRankValue(stat, v, innings).value_or(0));
    }
}

int qualifyingFactor(Qualifier qualifier, const LeaderSettings& settings, long long innings) {
    switch (qualifier) {
        case Qualifier::PlateAppearances:
            return settings.battingFactor.value_or(defaultFactor(true, innings));
        case Qualifier::Innings:
            return settings.pitchingFactor.value_or(defaultFactor(false, innings));
        case Qualifier::Games:
            return settings.fieldingFactor;
        case Qualifier::None:
            break;
    }
    return 0;
}

bool qualifiesFor(Qualifier qualifier, const LeaderSettings& settings, long long innings,
                  long long games, const StatValues& v) {
    if (qualifier == Qualifier::None)
        return true;
    // A team that has not played gives no one a place among the rate leaders.
    if (games <= 0)
        return false;
    return qualifyingFigure(qualifier, v) >=
           neededFigure(qualifier, qualifyingFactor(qualifier, settings, innings), games);
}

std::string qualifyingText(Qualifier qualifier, const StatValues& v) {
    if (qualifier == Qualifier::Innings)
        return formatInnings(v[StatIP], v[StatIP3]);
    return formatCount(qualifyingFigure(qualifier, v));
}

const char* qualifierUnit(Qualifier qualifier) {
    switch (qualifier) {
        case Qualifier::PlateAppearances:
            return "PA";
        case Qualifier::Innings:
            return "IP";
        case Qualifier::Games:
            return "G";
        case Qualifier::None:
            break;
    }
    return "";
}

namespace {

std::string neededText(Qualifier qualifier, int factor, long long games) {
    const long long figure = neededFigure(qualifier, factor, games);
    const std::string number = qualifier == Qualifier::Innings
                                   ? std::to_string(figure / 3) + '.' + std::to_string(figure % 3)
                                   : std::to_string(figure);
    return number + ' ' + qualifierUnit(qualifier) + " after " + std::to_string(games) +
           (games == 1 ? " game" : " games");
}

}  // namespace

std::string qualificationRule(Qualifier qualifier, const LeaderSettings& settings,
                              long long innings, long long fewestGames, long long mostGames) {
    if (qualifier == Qualifier::None)
        return {};
    const int factor = qualifyingFactor(qualifier, settings, innings);
    std::string rule =
        "Qualified: " + formatFactor(factor) + ' ' + qualifierUnit(qualifier) + " per team game (";
    if (mostGames <= 0) {
        rule += "no team has played a game yet";
    } else if (fewestGames == mostGames) {
        rule += neededText(qualifier, factor, mostGames);
    } else {
        rule += neededText(qualifier, factor, fewestGames) + " to " +
                neededText(qualifier, factor, mostGames);
    }
    return rule + ')';
}

std::string leaderTableTitle(const LeaderCategory& category) {
    return std::string(category.title) + " (" + category.name + ')';
}

}  // namespace pny
