#include "gamelog/boxscorewarnings.h"

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
                               refusal.section(QLatin1Char('\n'), 0, 0)});
            }
        }
    }
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
    long long outs = 0;
    for (const BoxScoreLine& line : side.lines)
        outs += outsOf(line.values[StatIP], line.values[StatIP3]);
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

std::vector<BoxScoreWarning> boxScoreWarnings(const Store& store, const Night& night) {
    std::vector<BoxScoreWarning> out;
    const long long innings = inningsPerGame(store.league.innings);
    lineWarnings(store, night.home, true, out);
    teamWarnings(night, night.home, night.away, true, innings, out);
    lineWarnings(store, night.away, false, out);
    teamWarnings(night, night.away, night.home, false, innings, out);
    return out;
}

}  // namespace pny
