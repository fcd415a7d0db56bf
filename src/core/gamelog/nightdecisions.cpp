#include "gamelog/nightdecisions.h"

#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

namespace pny {
namespace {

// A pitcher with a decision: his team's side and line.
struct Decided {
    bool home = true;
    int line = -1;
    long long count = 0;
};

std::vector<Decided> decidedBy(const Night& night, PlayerStat stat) {
    std::vector<Decided> out;
    for (bool home : {true, false}) {
        const BoxScoreTeam& side = home ? night.home : night.away;
        for (std::size_t k = 0; k < side.lines.size(); ++k) {
            const long long count = side.lines[k].values[stat];
            if (count > 0)
                out.push_back({home, static_cast<int>(k), count});
        }
    }
    return out;
}

class Names {
public:
    Names(const Store& store, const Night& night) : store_(store), night_(night) {}

    // "Ito (Foxglove Fireflies)"
    QString of(const Decided& pitcher) const {
        const BoxScoreTeam& side = pitcher.home ? night_.home : night_.away;
        const int player = side.lines[static_cast<std::size_t>(pitcher.line)].player;
        QString team = fromCodePage(TeamRecord::parse(store_.teams.line(side.team)).name).trimmed();
        if (team.isEmpty())
            team = QStringLiteral("team %1").arg(side.team);
        std::vector<std::string> players;
        QString error;
        QString name;
        if (store_.teamPlayerLines(side.team, players, error) && player >= 1 &&
            player < static_cast<int>(players.size())) {
            name = fromCodePage(PlayerRecord::parse(players[static_cast<std::size_t>(player)]).name)
                       .trimmed();
        }
        if (name.isEmpty())
            name = QStringLiteral("player %1").arg(player);
        return QStringLiteral("%1 (%2)").arg(name, team);
    }

private:
    const Store& store_;
    const Night& night_;
};

// More than one of a decision in the game: two pitchers, or one pitcher counted twice.
void moreThanOne(const Names& names, const std::vector<Decided>& decided, const QString& two,
                 const char* caption, std::vector<DecisionClash>& out) {
    if (decided.size() >= 2) {
        out.push_back({decided[1].home, decided[1].line,
                       QStringLiteral("%1 in one game: %2 and %3.")
                           .arg(two, names.of(decided[0]), names.of(decided[1]))});
    } else if (decided.size() == 1 && decided[0].count > 1) {
        out.push_back({decided[0].home, decided[0].line,
                       QStringLiteral("%1 in one game: %2 has %3 %4.")
                           .arg(two, names.of(decided[0]), QLatin1String(caption))
                           .arg(decided[0].count)});
    }
}

}  // namespace

std::vector<DecisionClash> decisionClashes(const Store& store, const Night& night) {
    const Names names(store, night);
    const std::vector<Decided> won = decidedBy(night, StatWon);
    const std::vector<Decided> lost = decidedBy(night, StatLost);
    std::vector<DecisionClash> out;
    moreThanOne(names, won, QStringLiteral("Two winning pitchers"), "Won", out);
    moreThanOne(names, lost, QStringLiteral("Two losing pitchers"), "Lost", out);
    moreThanOne(names, decidedBy(night, StatSv), QStringLiteral("Two saves"), "Sv", out);
    for (const Decided& winner : won) {
        for (const Decided& loser : lost) {
            if (winner.home != loser.home)
                continue;
            if (winner.line == loser.line) {
                out.push_back(
                    {loser.home, loser.line,
                     QStringLiteral("One pitcher both won and lost: %1.").arg(names.of(winner))});
                return out;
            }
            out.push_back({loser.home, loser.line,
                           QStringLiteral("The winning and the losing pitcher on one team: %1 "
                                          "and %2.")
                               .arg(names.of(winner), names.of(loser))});
            return out;
        }
    }
    return out;
}

}  // namespace pny
