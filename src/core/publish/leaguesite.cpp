#include "publish/leaguesite.h"

#include "gamelog/gamelog.h"
#include "pitching/eligiblepitchers.h"
#include "pitching/pitchrulesfile.h"

#include "publish/sitecalendar.h"
#include "publish/sitegames.h"
#include "publish/sitepage.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/leaders.h"
#include "views/leadersexport.h"
#include "views/tableview.h"

#include <QLocale>

#include <algorithm>
#include <set>

namespace pny {
namespace {

constexpr int kIndexPlaces = 5;
constexpr int kIndexGames = 5;
// The leader tables the front page shows.
const char* const kMainCategories[] = {"AVG", "HR", "RBI", "ERA", "Won", "BSO"};
// The player tabs a team page shows.
constexpr int kHittingTab = 2;
constexpr int kPitchingTab = 4;
constexpr int kFieldingTab = 5;

QString teamFile(int line) {
    return QStringLiteral("team-%1.html").arg(line);
}

QString dateText(const QDate& date) {
    return QLocale::c().toString(date, QStringLiteral("dddd, MMMM d, yyyy"));
}

// The team lines that have a page of their own.
using TeamPages = std::set<int>;

// "Owls 3 at Eagles 5 · Field 2" with links to the teams' pages (a deleted team has none).
QString gameLine(const SiteGame& game, bool withDate, const TeamPages& pages) {
    QString out = QStringLiteral("<li>");
    if (withDate) {
        out += QStringLiteral("<span class=\"when\">") +
               QLocale::c().toString(game.start, QStringLiteral("ddd MMM d, h:mm AP")) +
               QStringLiteral("</span>");
    } else {
        out += QStringLiteral("<span class=\"when\">") +
               QLocale::c().toString(game.start.time(), QStringLiteral("h:mm AP")) +
               QStringLiteral("</span>");
    }
    const auto team = [&pages](int line, const QString& name, const QString& score) {
        QString text = pages.count(line) == 0
                           ? siteText(name)
                           : QStringLiteral("<a href=\"") + teamFile(line) + QStringLiteral("\">") +
                                 siteText(name) + QStringLiteral("</a>");
        if (!score.isEmpty())
            text +=
                QLatin1Char(' ') + QStringLiteral("<b>") + siteText(score) + QStringLiteral("</b>");
        return text;
    };
    out += team(game.away, game.awayName, game.awayScore) + QStringLiteral(" at ") +
           team(game.home, game.homeName, game.homeScore);
    if (!game.field.isEmpty())
        out += QStringLiteral(" &#183; ") + siteText(game.field);
    out += QStringLiteral("</li>\n");
    return out;
}

QString gameList(const std::vector<const SiteGame*>& games, bool withDate, const TeamPages& pages) {
    if (games.empty())
        return QStringLiteral("<p>None.</p>\n");
    QString out = QStringLiteral("<ul class=\"games\">\n");
    for (const SiteGame* game : games)
        out += gameLine(*game, withDate, pages);
    out += QStringLiteral("</ul>\n");
    return out;
}

QString leaderTables(const LeagueLeaders& leaders, bool mainOnly) {
    QString out;
    for (const LeaderTable& table : leaders.tables) {
        if (mainOnly &&
            std::none_of(std::begin(kMainCategories), std::end(kMainCategories),
                         [&](const char* id) { return qstrcmp(id, table.category->id) == 0; })) {
            continue;
        }
        out += QStringLiteral("<h2>") + QString::fromUtf8(table.category->title).toHtmlEscaped() +
               QStringLiteral("</h2>\n");
        if (!table.rule.empty())
            out += QStringLiteral("<p class=\"rule\">") + siteText(table.rule) +
                   QStringLiteral("</p>\n");
        if (table.rows.empty()) {
            out += QStringLiteral("<p class=\"empty\">") + emptyLeaderTableText(table) +
                   QStringLiteral("</p>\n");
            continue;
        }
        std::vector<QString> links;
        for (const LeaderRow& row : table.rows)
            links.push_back(teamFile(row.team));
        out += siteTable(leaderGrid(table), links, QString::fromUtf8(table.category->title));
    }
    return out;
}

}  // namespace

bool buildLeagueSite(const Store& source, const LeaderSettings& settings, const QDate& today,
                     const QTimeZone& zone, std::vector<SiteFile>& files, QString& error) {
    // A copy to select teams in: whatever it loads or stages is never committed.
    Store store = source;
    store.onLeagueRead = nullptr;
    QString fileError;
    store.onFileError = [&fileError](const QString& message) {
        if (fileError.isEmpty())
            fileError = message;
    };
    store.teamFilter.clear();
    store.umpireFilter.clear();

    ViewState state;
    const ViewGrid standings = buildTable(store, state, kTeamsTab);
    store.ensureGames();
    store.ensureFields();
    if (!fileError.isEmpty()) {
        error = fileError;
        return false;
    }
    const QString league = siteLeagueName(store);
    const std::vector<SiteGame> games = readSiteGames(store);

    const QDate asOfDate = siteAsOf(games, today);
    const QString asOf = dateText(asOfDate);

    // A league with pitch rules shows on each team page who may pitch on its next game date.
    std::optional<PitchRules> pitchRules;
    GameLog pitchLog;
    if (!readPitchRules(pitchRulesPath(store), pitchRules, error) ||
        (pitchRules && !pitchLog.read(store, error))) {
        return false;
    }
    const QDate pitchDate = nextGameDate(store, asOfDate.addDays(1));

    LeagueLeaders leaders;
    LeagueLeaders frontLeaders;
    LeaderSettings front = settings;
    front.places = kIndexPlaces;
    if (!buildLeagueLeaders(store, settings, leaders, error) ||
        !buildLeagueLeaders(store, front, frontLeaders, error)) {
        return false;
    }

    // The teams the standings show, in their order.
    std::vector<int> teamLines;
    std::vector<QString> teamLinks;
    for (const std::vector<std::string>& row : standings.rows) {
        const int line = row.empty() || row.front().empty() ? 0 : toNumber(row.front());
        if (line > 0)
            teamLines.push_back(line);
        teamLinks.push_back(line > 0 ? teamFile(line) : QString());
    }

    const TeamPages pages(teamLines.begin(), teamLines.end());
    files.clear();
    const auto addPage = [&](const QString& name, const QString& title, const QString& body) {
        files.push_back({name, sitePage(title, league, asOf, name, body).toUtf8()});
    };

    // The front page.
    std::vector<const SiteGame*> results;
    std::vector<const SiteGame*> upcoming;
    for (auto it = games.rbegin(); it != games.rend() && int(results.size()) < kIndexGames; ++it) {
        if (it->hasResult())
            results.push_back(&*it);
    }
    for (const SiteGame& game : games) {
        if (!game.hasResult() && game.start.date() >= asOfDate &&
            int(upcoming.size()) < kIndexGames) {
            upcoming.push_back(&game);
        }
    }
    QString index = siteTable(standings, teamLinks, QStringLiteral("Standings"));
    index += QStringLiteral("<h2>Last results</h2>\n") + gameList(results, true, pages);
    index += QStringLiteral("<h2>Next games</h2>\n") + gameList(upcoming, true, pages);
    index += QStringLiteral("<p><a href=\"leaders.html\">Every leader table</a></p>\n");
    index += leaderTables(frontLeaders, true);
    addPage(QStringLiteral("index.html"), QStringLiteral("Standings"), index);

    // One page per team.
    for (const int line : teamLines) {
        selectRecord(store, kTeamsTab, numberText(line));
        const QString name = siteTeamName(store, line);
        const TeamRecord team = TeamRecord::parse(store.teams.line(line));
        QString body = QStringLiteral("<p class=\"record\">Record: ") +
                       siteText(QStringLiteral("%1-%2-%3")
                                    .arg(toNumber(team.won))
                                    .arg(toNumber(team.lost))
                                    .arg(toNumber(team.tied))) +
                       QStringLiteral(" (won-lost-tied)</p>\n");
        const std::pair<int, const char*> tables[] = {
            {kHittingTab, "Batting"}, {kPitchingTab, "Pitching"}, {kFieldingTab, "Fielding"}};
        for (const auto& [tab, title] : tables) {
            ViewState teamState;
            const ViewGrid grid = buildTable(store, teamState, tab);
            body += QStringLiteral("<h2>") + QLatin1String(title) + QStringLiteral("</h2>\n");
            body += siteTable(grid, {}, QLatin1String(title));
        }
        std::vector<const SiteGame*> own;
        for (const SiteGame& game : games) {
            if (game.home == line || game.away == line)
                own.push_back(&game);
        }
        if (pitchRules) {
            body += QStringLiteral("<h2 id=\"pitchers\">Eligible Pitchers on ") +
                    dateText(pitchDate) + QStringLiteral("</h2>\n") +
                    siteTable(eligiblePitchers(store, pitchLog, pitchRules, pitchDate, line));
        }
        body += QStringLiteral("<h2 id=\"games\">Games</h2>\n") + gameList(own, true, pages);
        addPage(teamFile(line), name, body);
    }
    if (!fileError.isEmpty()) {
        error = fileError;
        return false;
    }

    // The schedule, grouped by date.
    QString schedule = QStringLiteral("<p class=\"teams\">");
    for (const int line : teamLines) {
        schedule += QStringLiteral("<a href=\"") + teamFile(line) + QStringLiteral("#games\">") +
                    siteText(siteTeamName(store, line)) + QStringLiteral("</a> ");
    }
    schedule +=
        QStringLiteral("</p>\n<p><a href=\"schedule.ics\">Subscribe to the calendar</a></p>\n");
    for (std::size_t i = 0; i < games.size();) {
        const QDate date = games[i].start.date();
        std::vector<const SiteGame*> day;
        for (; i < games.size() && games[i].start.date() == date; ++i)
            day.push_back(&games[i]);
        schedule += QStringLiteral("<h2>") + dateText(date) + QStringLiteral("</h2>\n") +
                    gameList(day, false, pages);
    }
    if (games.empty())
        schedule += QStringLiteral("<p>No games yet.</p>\n");
    addPage(QStringLiteral("schedule.html"), QStringLiteral("Schedule"), schedule);

    addPage(QStringLiteral("leaders.html"), QStringLiteral("League Leaders"),
            leaderTables(leaders, false));
    files.push_back(
        {QStringLiteral("schedule.ics"), leagueCalendar(league, games, zone, asOfDate)});
    files.push_back({QStringLiteral("style.css"), siteStylesheet()});
    return true;
}

}  // namespace pny
