#include "publish/siteplayer.h"

#include "publish/sitepage.h"
#include "publish/sitestats.h"
#include "publish/sitetable.h"

namespace pny {
namespace {

StatValues valuesOf(const PlayerRecord& record) {
    StatValues values{};
    for (int s = 0; s < PlayerStatCount; ++s)
        values[static_cast<std::size_t>(s)] = record.value(static_cast<PlayerStat>(s));
    return values;
}

QString seasonTable(const QString& caption, const QString& nameHeader, const QString& name,
                    const std::vector<QString>& headers, int key,
                    const std::vector<QString>& cells) {
    SiteTableLayout layout;
    layout.caption = caption;
    layout.headers = {nameHeader};
    layout.headers.insert(layout.headers.end(), headers.begin(), headers.end());
    layout.keyColumn = key + 1;
    SiteTableRow row;
    row.cells = {name};
    row.cells.insert(row.cells.end(), cells.begin(), cells.end());
    layout.rows.push_back(std::move(row));
    return siteDataTable(layout);
}

const BoxScoreLine* lineIn(const BoxScoreTeam& side, int player) {
    for (const BoxScoreLine& line : side.lines) {
        if (line.player == player)
            return &line;
    }
    return nullptr;
}

QString gameLog(const SiteLeague& league, const LeaderTeam& team, const LeaderPlayer& player,
                const QString& name) {
    const std::vector<int>& entries = league.nightsOf(team.line, player.line);
    if (entries.empty())
        return QStringLiteral("<p>No nights in the game log yet.</p>\n");
    const bool pitched = hasPitched(player.values);
    SiteTableLayout layout;
    layout.caption = name + QStringLiteral(" game log");
    for (const char* header : {"Date", "Opp", "AB", "R", "H", "HR", "RBI", "BB", "SO"})
        layout.headers.push_back(QString::fromLatin1(header));
    if (pitched) {
        for (const char* header : {"IP", "ER", "Dec"})
            layout.headers.push_back(QString::fromLatin1(header));
    }
    layout.headers.push_back(QStringLiteral("AVG"));
    layout.keyColumn = static_cast<int>(layout.headers.size()) - 1;
    for (const int entry : entries) {
        const SiteNight* night = league.night(entry);
        if (!night)
            continue;
        const bool home = night->night.home.team == team.line;
        const BoxScoreTeam& own = home ? night->night.home : night->night.away;
        const BoxScoreTeam& other = home ? night->night.away : night->night.home;
        const BoxScoreLine* line = lineIn(own, player.line);
        if (!line)
            continue;
        const StatValues& v = line->values;
        const std::vector<QString> batting = battingCells(v, league.inningsPerGame);
        SiteTableRow row;
        row.cells = {
            siteLink(nightFile(entry), siteDate(night->night.date)),
            (home ? QStringLiteral("vs ") : QStringLiteral("at ")) + league.teamName(other.team),
            batting[1],
            batting[2],
            batting[3],
            batting[6],
            batting[7],
            batting[8],
            batting[9]};
        if (pitched) {
            const std::vector<QString> pitching = nightPitchingCells(v);
            row.cells.push_back(hasPitched(v) ? pitching[0] : QString());
            row.cells.push_back(hasPitched(v) ? pitching[3] : QString());
            row.cells.push_back(pitching[6]);
        }
        row.cells.push_back(battingAverage(league.countsAfter(team.line, player.line, entry),
                                           league.inningsPerGame));
        layout.rows.push_back(std::move(row));
    }
    return siteDataTable(layout);
}

QString careerTable(const Career& career, const QString& name) {
    SiteTableLayout layout;
    layout.caption = name + QStringLiteral(" career batting");
    layout.headers = {QStringLiteral("Year"), QStringLiteral("League"), QStringLiteral("Team")};
    layout.headers.insert(layout.headers.end(), battingHeaders().begin(), battingHeaders().end());
    layout.keyColumn = 3 + kBattingAvg;
    for (const CareerSeason& season : career.seasons) {
        SiteTableRow row;
        row.cells = {siteText(season.season), siteText(season.league), siteText(season.team)};
        for (QString& cell : battingCells(valuesOf(season.record), season.inningsPerGame))
            row.cells.push_back(std::move(cell));
        layout.rows.push_back(std::move(row));
    }
    SiteTableRow total;
    total.total = true;
    total.cells = {QStringLiteral("Career"), QString(), QString()};
    for (QString& cell : battingCells(career.sums.carried(), 9))
        total.cells.push_back(std::move(cell));
    layout.rows.push_back(std::move(total));
    return siteDataTable(layout);
}

}  // namespace

QString playerBody(const SiteLeague& league, const LeaderTeam& team, const LeaderPlayer& player,
                   const Career* career) {
    QString name = siteText(player.name);
    if (name.isEmpty())
        name = QStringLiteral("#") + siteText(player.number);
    QString out = QStringLiteral("<p class=\"team\">") +
                  siteLink(teamFile(team.line), league.teamName(team.line));
    const QString number = siteText(player.number);
    if (!number.isEmpty())
        out += QStringLiteral(" &#183; #") + number;
    out += QStringLiteral("</p>\n<h2>Season</h2>\n");
    out += seasonTable(name + QStringLiteral(" batting this season"), QStringLiteral("Season"),
                       QStringLiteral("Batting"), battingHeaders(), kBattingAvg,
                       battingCells(player.values, league.inningsPerGame));
    if (hasPitched(player.values)) {
        out += seasonTable(name + QStringLiteral(" pitching this season"), QStringLiteral("Season"),
                           QStringLiteral("Pitching"), pitchingHeaders(), kPitchingEra,
                           pitchingCells(player.values, league.inningsPerGame));
    }
    out += QStringLiteral("<h2>Game log</h2>\n") + gameLog(league, team, player, name);
    if (career && career->seasons.size() > 1)
        out += QStringLiteral("<h2>Career</h2>\n") + careerTable(*career, name);
    return out;
}

}  // namespace pny
