#include "publish/sitenight.h"

#include "publish/sitestats.h"
#include "publish/sitetable.h"
#include "publish/siteteam.h"

namespace pny {
namespace {

QString score(const BoxScoreTeam& side) {
    return side.score ? QString::number(*side.score) : QString();
}

// A player of the night: his name linked to his page; a player no longer on the team's list is
// named by his line.
QString nightPlayer(const SiteLeague& league, int team, int line) {
    const LeaderTeam* t = league.team(team);
    const LeaderPlayer* player = league.player(team, line);
    if (!t || !player)
        return QStringLiteral("Player %1").arg(line);
    return playerLink(*t, *player);
}

QString sideTables(const SiteLeague& league, const SiteNight& night, const BoxScoreTeam& side) {
    const QString name = league.teamName(side.team);
    QString out = QStringLiteral("<h2>") +
                  (league.team(side.team) ? siteLink(teamFile(side.team), name) : name) +
                  QStringLiteral("</h2>\n");

    SiteTableLayout batting;
    batting.caption = name + QStringLiteral(" batters");
    batting.headers = {QStringLiteral("Batter")};
    for (const QString& header : nightBattingHeaders())
        batting.headers.push_back(header);
    batting.keyColumn = static_cast<int>(batting.headers.size()) - 1;
    SiteTableLayout pitching;
    pitching.caption = name + QStringLiteral(" pitchers");
    pitching.headers = {QStringLiteral("Pitcher")};
    for (const QString& header : nightPitchingHeaders())
        pitching.headers.push_back(header);
    StatValues sums{};
    for (const BoxScoreLine& line : side.lines) {
        const QString player = nightPlayer(league, side.team, line.player);
        for (std::size_t s = 0; s < sums.size(); ++s)
            sums[s] += line.values[s];
        if (hasBatted(line.values) || !hasPitched(line.values)) {
            SiteTableRow row;
            row.cells = {player};
            const StatValues season = league.countsAfter(side.team, line.player, night.entry);
            for (QString& cell : nightBattingCells(line.values, season, league.inningsPerGame))
                row.cells.push_back(std::move(cell));
            batting.rows.push_back(std::move(row));
        }
        if (hasPitched(line.values)) {
            SiteTableRow row;
            row.cells = {player};
            for (QString& cell : nightPitchingCells(line.values))
                row.cells.push_back(std::move(cell));
            pitching.rows.push_back(std::move(row));
        }
    }
    SiteTableRow total;
    total.total = true;
    total.cells = {QStringLiteral("Totals")};
    std::vector<QString> cells = nightBattingCells(sums, sums, league.inningsPerGame);
    cells.back().clear();  // a team's average of one night says little
    total.cells.insert(total.cells.end(), cells.begin(), cells.end());
    if (!batting.rows.empty()) {
        batting.rows.push_back(std::move(total));
        out += siteDataTable(batting);
    } else {
        out += QStringLiteral("<p>No batters.</p>\n");
    }
    out +=
        pitching.rows.empty() ? QStringLiteral("<p>No pitchers.</p>\n") : siteDataTable(pitching);
    return out;
}

}  // namespace

QString nightTitle(const SiteLeague& league, const Night& night) {
    const auto team = [&league](const BoxScoreTeam& side) {
        const QString runs = score(side);
        return league.teamPlainName(side.team) +
               (runs.isEmpty() ? QString() : QLatin1Char(' ') + runs);
    };
    return team(night.away) + QStringLiteral(" at ") + team(night.home);
}

QString nightBody(const SiteLeague& league, const SiteNight& siteNight) {
    const Night& night = siteNight.night;
    QString out = QStringLiteral("<p class=\"final\">");
    out += night.finished() ? QStringLiteral("Final: ") : QStringLiteral("Not finished: ");
    out += league.teamName(night.away.team) + QLatin1Char(' ') + score(night.away) +
           QStringLiteral(", ") + league.teamName(night.home.team) + QLatin1Char(' ') +
           score(night.home);
    out += QStringLiteral("</p>\n<p class=\"when\">") + siteDate(night.date);
    const QString time = siteTime(night.time);
    if (!time.isEmpty())
        out += QStringLiteral(", ") + time;
    if (!siteNight.field.isEmpty())
        out += QStringLiteral(" &#183; ") + siteNight.field;
    out += QStringLiteral("</p>\n");
    out += sideTables(league, siteNight, night.away);
    out += sideTables(league, siteNight, night.home);
    return out;
}

}  // namespace pny
