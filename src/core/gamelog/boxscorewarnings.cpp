#include "gamelog/boxscorewarnings.h"

#include "entry/playerentry.h"
#include "gamelog/nightdecisions.h"
#include "gamelog/totalsarithmetic.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/formats.h"

namespace pny {
namespace {

long long hitsOf(const StatValues& v) {
    return v[Stat1B] + v[Stat2B] + v[Stat3B] + v[StatHR];
}

// At-bats as the program derives them: plate appearances less walks and sacrifices.
long long atBatsOf(const StatValues& v) {
    return v[StatPA] - (v[StatBB] + v[StatHP] + v[StatWCI] + v[StatSBnt] + v[StatSFly]);
}

void lineWarnings(const Store& store, const BoxScoreTeam& side, bool home,
                  std::vector<BoxScoreWarning>& out) {
    std::vector<std::string> players;
    QString error;
    const bool haveTotals = store.teamPlayerLines(side.team, players, error);
    for (std::size_t k = 0; k < side.lines.size(); ++k) {
        const BoxScoreLine& line = side.lines[k];
        const StatValues& v = line.values;
        const int index = static_cast<int>(k);
        if (hitsOf(v) > atBatsOf(v)) {
            out.push_back(
                {BoxScoreProblem::HitsOverAtBats, home, index,
                 QStringLiteral("%1 hits in %2 at-bats").arg(hitsOf(v)).arg(atBatsOf(v))});
        }
        if (v[StatER] > v[StatRA]) {
            out.push_back(
                {BoxScoreProblem::EarnedOverAllowed, home, index,
                 QStringLiteral("%1 earned runs of %2 allowed").arg(v[StatER]).arg(v[StatRA])});
        }
        const auto p = static_cast<std::size_t>(line.player);
        if (haveTotals && p >= 1 && p < players.size()) {
            PlayerRecord after;
            const QString refusal = addToTotals(PlayerRecord::parse(players[p]), v, after);
            if (!refusal.isEmpty()) {
                out.push_back({BoxScoreProblem::TotalOutOfRange, home, index,
                               refusal.section(QLatin1Char('\n'), 0, 0), true});
            }
        }
    }
}

long long sumOf(const BoxScoreTeam& side, PlayerStat stat) {
    long long sum = 0;
    for (const BoxScoreLine& line : side.lines)
        sum += line.values[stat];
    return sum;
}

long long outsPitched(const BoxScoreTeam& side) {
    long long outs = 0;
    for (const BoxScoreLine& line : side.lines)
        outs += outsOf(line.values[StatIP], line.values[StatIP3]);
    return outs;
}

// Whether some line of the team has a number in that group of the player dialog (G counts for
// batting, GP for pitching).
bool hasGroup(const BoxScoreTeam& side, EntryGroup group) {
    for (const BoxScoreLine& line : side.lines) {
        for (const PlayerEntryRow& row : playerEntryRows()) {
            if (row.group == group && isNightStat(row.stat) && line.values[row.stat] != 0)
                return true;
        }
    }
    return false;
}

// "the Harbor Herons' pitchers", "the City Otter's pitchers"
QString pitchersOf(const Store& store, int team) {
    QString name = fromCodePage(TeamRecord::parse(store.teams.line(team)).name).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("team %1").arg(team);
    const bool plural = name.endsWith(QLatin1Char('s')) || name.endsWith(QLatin1Char('S'));
    return QStringLiteral("the %1%2 pitchers").arg(name, QLatin1String(plural ? "'" : "'s"));
}

// A team's batting against what the other team's pitchers say they allowed.
void againstPitchers(const Store& store, const BoxScoreTeam& side, const BoxScoreTeam& other,
                     bool home, std::vector<BoxScoreWarning>& out) {
    if (!hasGroup(side, EntryGroup::Offense) || !hasGroup(other, EntryGroup::Pitching))
        return;
    struct Pair {
        BoxScoreProblem problem;
        const char* caption;
        long long batting;
        PlayerStat allowed;
        const char* verb;
    };
    const Pair pairs[] = {
        {BoxScoreProblem::HitsNotAllowed, "H",
         sumOf(side, Stat1B) + sumOf(side, Stat2B) + sumOf(side, Stat3B) + sumOf(side, StatHR),
         StatHA, "allowed"},
        {BoxScoreProblem::RunsNotAllowed, "R", sumOf(side, StatRS), StatRA, "allowed"},
        {BoxScoreProblem::WalksNotAllowed, "BB", sumOf(side, StatBB), StatWA, "walked"},
        {BoxScoreProblem::StrikeoutsNotAllowed, "SO", sumOf(side, StatSO), StatBSO, "struck out"},
        {BoxScoreProblem::HitBattersNotAllowed, "HBP", sumOf(side, StatHP), StatBH, "hit"},
    };
    for (const Pair& pair : pairs) {
        const long long allowed = sumOf(other, pair.allowed);
        if (pair.batting == allowed)
            continue;
        out.push_back({pair.problem, home, -1,
                       QStringLiteral("%1 %2, %3 %4 %5")
                           .arg(QLatin1String(pair.caption))
                           .arg(pair.batting)
                           .arg(pitchersOf(store, other.team), QLatin1String(pair.verb))
                           .arg(allowed)});
    }
}

// Every out of the other team's innings is some fielder's putout. A team whose putouts were not
// typed (most box scores leave them out) has nothing to prove.
void putoutsAgainstOuts(const BoxScoreTeam& side, bool home, std::vector<BoxScoreWarning>& out) {
    const long long putouts = sumOf(side, StatPO);
    const long long outs = outsPitched(side);
    if (putouts == 0 || putouts == outs)
        return;
    out.push_back({BoxScoreProblem::PutoutsNotOuts, home, -1,
                   QStringLiteral("PO %1, its pitchers recorded %2 outs").arg(putouts).arg(outs)});
}

void teamWarnings(const Night& night, const BoxScoreTeam& side, const BoxScoreTeam& other,
                  bool home, long long innings, std::vector<BoxScoreWarning>& out) {
    if (side.score) {
        long long runs = 0;
        for (const BoxScoreLine& line : side.lines)
            runs += line.values[StatRS];
        if (runs != *side.score) {
            out.push_back({BoxScoreProblem::RunsNotScore, home, -1,
                           QStringLiteral("Runs scored add up to %1, the score is %2")
                               .arg(runs)
                               .arg(*side.score)});
        }
    }
    if (!night.finished())
        return;
    const long long outs = outsPitched(side);
    const long long full = 3 * innings;
    // The visitors' pitchers get fewer outs when the home team wins without its last turn at bat
    // or in the middle of it.
    const bool homeWon = home ? false : *other.score > *side.score;
    const long long fewest = homeWon ? full - 3 : full;
    if (outs < fewest || outs > full) {
        QString pitched = QString::fromStdString(formatInnings(outs / 3, outs % 3)).trimmed();
        if (pitched.isEmpty())
            pitched = QStringLiteral("0");
        out.push_back(
            {BoxScoreProblem::OutsNotInnings, home, -1,
             QStringLiteral("%1 innings pitched, a game has %2").arg(pitched).arg(innings)});
    }
}

}  // namespace

std::vector<BoxScoreWarning> boxScoreWarnings(const Store& store, const Night& night,
                                              bool fieldingShown) {
    std::vector<BoxScoreWarning> out;
    const long long innings = inningsPerGame(store.league.innings);
    const std::vector<DecisionClash> clashes = decisionClashes(store, night);
    for (bool home : {true, false}) {
        const BoxScoreTeam& side = home ? night.home : night.away;
        const BoxScoreTeam& other = home ? night.away : night.home;
        lineWarnings(store, side, home, out);
        for (const DecisionClash& clash : clashes) {
            if (clash.home == home)
                out.push_back({BoxScoreProblem::Decisions, home, clash.line, clash.text, true});
        }
        teamWarnings(night, side, other, home, innings, out);
        againstPitchers(store, side, other, home, out);
        if (fieldingShown)
            putoutsAgainstOuts(side, home, out);
    }
    return out;
}

}  // namespace pny
