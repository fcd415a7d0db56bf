#include "publish/siteteam.h"

#include "publish/sitepage.h"
#include "publish/sitestats.h"
#include "publish/sitetable.h"

namespace pny {
namespace {

using CellsOf = std::vector<QString> (*)(const StatValues&, long long);

QString statTable(const SiteLeague& league, const LeaderTeam& team, const QString& caption,
                  const std::vector<QString>& headers, int keyColumn, CellsOf cells,
                  bool (*shown)(const StatValues&)) {
    SiteTableLayout layout;
    layout.caption = caption;
    layout.headers = {QStringLiteral("Player")};
    layout.headers.insert(layout.headers.end(), headers.begin(), headers.end());
    layout.keyColumn = keyColumn + 1;
    for (const LeaderPlayer& player : team.players) {
        if (shown && !shown(player.values))
            continue;
        SiteTableRow row;
        row.cells = {playerLink(team, player)};
        for (QString& text : cells(player.values, league.inningsPerGame))
            row.cells.push_back(std::move(text));
        layout.rows.push_back(std::move(row));
    }
    if (layout.rows.empty())
        return QStringLiteral("<p>") + caption + QStringLiteral(": nobody yet.</p>\n");
    StatValues sums = teamSums(team);
    sums[StatG] = team.games;
    sums[StatGP] = team.games;
    SiteTableRow total;
    total.total = true;
    total.cells = {QStringLiteral("Totals")};
    for (QString& text : cells(sums, league.inningsPerGame))
        total.cells.push_back(std::move(text));
    layout.rows.push_back(std::move(total));
    return siteDataTable(layout);
}

}  // namespace

QString playerLink(const LeaderTeam& team, const LeaderPlayer& player) {
    QString name = siteText(player.name);
    if (name.isEmpty())
        name = QStringLiteral("#") + siteText(player.number);
    return siteLink(playerFile(team.line, player.line), name);
}

StatValues teamSums(const LeaderTeam& team) {
    StatValues sums{};
    for (const LeaderPlayer& player : team.players) {
        for (int s = 0; s < PlayerStatCount; ++s) {
            if (isSummedStat(static_cast<PlayerStat>(s)))
                sums[static_cast<std::size_t>(s)] += player.values[static_cast<std::size_t>(s)];
        }
    }
    return sums;
}

bool leagueKeepsFielding(const SiteLeague& league) {
    for (const LeaderTeam& team : league.teams) {
        for (const LeaderPlayer& player : team.players) {
            if (hasFielding(player.values))
                return true;
        }
    }
    return false;
}

QString teamTables(const SiteLeague& league, const LeaderTeam& team, bool withFielding) {
    const QString name = league.teamName(team.line);
    QString out = QStringLiteral("<h2>Batting</h2>\n") +
                  statTable(league, team, name + QStringLiteral(" batting"), battingHeaders(),
                            kBattingAvg, battingCells, nullptr);
    out += QStringLiteral("<h2>Pitching</h2>\n") +
           statTable(league, team, name + QStringLiteral(" pitching"), pitchingHeaders(),
                     kPitchingEra, pitchingCells, hasPitched);
    if (withFielding) {
        out += QStringLiteral("<h2>Fielding</h2>\n") +
               statTable(league, team, name + QStringLiteral(" fielding"), fieldingHeaders(),
                         kFieldingPct, fieldingCells, nullptr);
    }
    return out;
}

}  // namespace pny
