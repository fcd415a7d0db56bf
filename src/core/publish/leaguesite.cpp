#include "publish/leaguesite.h"

#include "gamelog/gamelog.h"
#include "people/career.h"
#include "people/peoplelinks.h"
#include "pitching/eligiblepitchers.h"
#include "pitching/pitchrulesfile.h"
#include "publish/sitecalendar.h"
#include "publish/sitedata.h"
#include "publish/sitefeed.h"
#include "publish/sitegames.h"
#include "publish/sitenight.h"
#include "publish/sitepage.h"
#include "publish/siteplayer.h"
#include "publish/sitestandings.h"
#include "publish/sitetable.h"
#include "publish/siteteam.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/leaders.h"
#include "views/leadersexport.h"

#include <QLocale>

#include <algorithm>
#include <map>

namespace pny {
namespace {

constexpr int kIndexPlaces = 5;
constexpr int kIndexGames = 5;
// The leader tables the front page shows.
const char* const kMainCategories[] = {"AVG", "HR", "RBI", "ERA", "Won", "BSO"};

QString dateText(const QDate& date) {
    return QLocale::c().toString(date, QStringLiteral("dddd, MMMM d, yyyy"));
}

// What a game line links to: the teams' pages and the night of each game with one.
struct GameLinks {
    const SiteLeague& league;
    std::map<int, int> nightOfGame;  // schedule line -> night entry
};

// "Owls 3 at Eagles 5 · Field 2 · Box score" with links to the teams' pages (a deleted team has
// none) and to the night's page when the log holds the game.
QString gameLine(const SiteGame& game, bool withDate, const GameLinks& links) {
    QString out =
        QStringLiteral("<li><span class=\"when\">") +
        (withDate ? QLocale::c().toString(game.start, QStringLiteral("ddd MMM d, h:mm AP"))
                  : QLocale::c().toString(game.start.time(), QStringLiteral("h:mm AP"))) +
        QStringLiteral("</span>");
    const auto team = [&links](int line, const QString& name, const QString& score) {
        QString text =
            links.league.team(line) ? siteLink(teamFile(line), siteText(name)) : siteText(name);
        if (!score.isEmpty())
            text += QStringLiteral(" <b>") + siteText(score) + QStringLiteral("</b>");
        return text;
    };
    out += team(game.away, game.awayName, game.awayScore) + QStringLiteral(" at ") +
           team(game.home, game.homeName, game.homeScore);
    if (!game.field.isEmpty())
        out += QStringLiteral(" &#183; ") + siteText(game.field);
    const auto night = links.nightOfGame.find(game.line);
    if (night != links.nightOfGame.end())
        out += QStringLiteral(" &#183; ") +
               siteLink(nightFile(night->second), QStringLiteral("Box score"));
    out += QStringLiteral("</li>\n");
    return out;
}

QString gameList(const std::vector<const SiteGame*>& games, bool withDate, const GameLinks& links) {
    if (games.empty())
        return QStringLiteral("<p>None.</p>\n");
    QString out = QStringLiteral("<ul class=\"games\">\n");
    for (const SiteGame* game : games)
        out += gameLine(*game, withDate, links);
    out += QStringLiteral("</ul>\n");
    return out;
}

// A leader table as a phone reads it: the rank, the player, the value, then his team.
QString leaderTable(const SiteLeague& league, const LeaderTable& table) {
    SiteTableLayout layout;
    const QString title = QString::fromUtf8(table.category->title).toHtmlEscaped();
    layout.caption = title;
    layout.headers = {QStringLiteral("#"), QStringLiteral("Player"),
                      QString::fromUtf8(table.category->name).toHtmlEscaped(),
                      QStringLiteral("Team")};
    layout.nameColumn = 1;
    layout.keyColumn = 2;
    int previous = 0;
    for (const LeaderRow& row : table.rows) {
        SiteTableRow cells;
        const LeaderTeam* team = league.team(row.team);
        const LeaderPlayer* player = league.player(row.team, row.player);
        // A rank shared with the row above reads as a tie.
        cells.cells = {row.rank == previous ? QString() : QString::number(row.rank),
                       team && player ? playerLink(*team, *player) : siteText(row.playerName),
                       siteText(row.value),
                       team ? siteLink(teamFile(row.team), league.teamName(row.team))
                            : siteText(row.teamName)};
        previous = row.rank;
        layout.rows.push_back(std::move(cells));
    }
    return siteDataTable(layout);
}

QString leaderTables(const SiteLeague& league, const LeagueLeaders& leaders, bool mainOnly) {
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
        out += table.rows.empty() ? QStringLiteral("<p class=\"empty\">") +
                                        emptyLeaderTableText(table) + QStringLiteral("</p>\n")
                                  : leaderTable(league, table);
    }
    return out;
}

// The careers of the league's players that Link Players joined with other seasons.
bool readCareers(const Store& store, const SiteLeague& league,
                 std::map<std::pair<int, int>, Career>& careers, QString& error) {
    PeopleLinks people;
    if (!readPeople(store, people, error))
        return false;
    const int year = toNumber(store.header.currentYear);
    const int leagueLine = toNumber(store.year.currentLeague);
    for (const LeaderTeam& team : league.teams) {
        for (const LeaderPlayer& player : team.players) {
            const PlayerKey key{year, leagueLine, team.line, player.line};
            if (people.personOf(key) == 0)
                continue;
            if (!readCareer(store, people.recordsOf(key), careers[{team.line, player.line}],
                            error)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

bool buildLeagueSite(const Store& source, const LeaderSettings& settings, const QDate& today,
                     const QTimeZone& zone, std::vector<SiteFile>& files, QString& error) {
    // A copy to read in: whatever it loads or stages is never committed.
    Store store = source;
    store.onLeagueRead = nullptr;
    QString fileError;
    store.onFileError = [&fileError](const QString& message) {
        if (fileError.isEmpty())
            fileError = message;
    };
    // The site shows every team and umpire, whatever the window's filters hide.
    store.teamFilter.clear();
    store.umpireFilter.clear();
    store.ensureTeams();
    store.ensureGames();
    store.ensureFields();
    if (!fileError.isEmpty()) {
        error = fileError;
        return false;
    }
    SiteLeague data;
    std::map<std::pair<int, int>, Career> careers;
    if (!readSiteLeague(store, data, error) || !readCareers(store, data, careers, error))
        return false;
    const QString league = siteLeagueName(store);
    const std::vector<SiteGame> games = readSiteGames(store);
    GameLinks links{data, {}};
    for (const SiteNight& night : data.nights) {
        if (night.night.game > 0)
            links.nightOfGame[night.night.game] = night.entry;
    }

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

    files.clear();
    const auto addPage = [&](const QString& name, const QString& title, const QString& body) {
        files.push_back({name, sitePage(title, league, asOf, name, body).toUtf8()});
    };

    // The front page.
    std::vector<int> teamLines;
    QString index = standingsTable(data, games, &teamLines);
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
    index += QStringLiteral("<h2>Last results</h2>\n") + gameList(results, true, links);
    index += QStringLiteral("<p><a href=\"feed.xml\">Results feed</a></p>\n");
    index += QStringLiteral("<h2>Next games</h2>\n") + gameList(upcoming, true, links);
    index += QStringLiteral("<p><a href=\"leaders.html\">Every leader table</a></p>\n");
    index += leaderTables(data, frontLeaders, true);
    addPage(QStringLiteral("index.html"), QStringLiteral("Standings"), index);

    // One page per team and one per player.
    const bool fielding = leagueKeepsFielding(data);
    for (const LeaderTeam& team : data.teams) {
        QString body = QStringLiteral("<p class=\"record\">Record: ") +
                       QStringLiteral("%1-%2-%3").arg(team.won).arg(team.lost).arg(team.tied) +
                       QStringLiteral(" (won-lost-tied)</p>\n");
        body += teamTables(data, team, fielding);
        std::vector<const SiteGame*> own;
        for (const SiteGame& game : games) {
            if (game.home == team.line || game.away == team.line)
                own.push_back(&game);
        }
        if (pitchRules) {
            body += QStringLiteral("<h2 id=\"pitchers\">Eligible Pitchers on ") +
                    dateText(pitchDate) + QStringLiteral("</h2>\n") +
                    siteTable(eligiblePitchers(store, pitchLog, pitchRules, pitchDate, team.line),
                              {}, QStringLiteral("Eligible Pitchers"));
        }
        body += QStringLiteral("<h2 id=\"games\">Games</h2>\n") + gameList(own, true, links);
        addPage(teamFile(team.line), data.teamPlainName(team.line), body);
        for (const LeaderPlayer& player : team.players) {
            const auto career = careers.find({team.line, player.line});
            QString name = fromCodePage(player.name).trimmed();
            if (name.isEmpty())
                name = QStringLiteral("#") + fromCodePage(player.number).trimmed();
            addPage(playerFile(team.line, player.line), name,
                    playerBody(data, team, player,
                               career == careers.end() ? nullptr : &career->second));
        }
    }

    // One page per night of the game log.
    for (const SiteNight& night : data.nights)
        addPage(nightFile(night.entry), nightTitle(data, night.night), nightBody(data, night));

    // The schedule, grouped by date.
    QString schedule = QStringLiteral("<p class=\"teams\">");
    for (const int line : teamLines) {
        schedule += QStringLiteral("<a href=\"") + teamFile(line) + QStringLiteral("#games\">") +
                    data.teamName(line) + QStringLiteral("</a> ");
    }
    schedule +=
        QStringLiteral("</p>\n<p><a href=\"schedule.ics\">Subscribe to the calendar</a></p>\n");
    for (std::size_t i = 0; i < games.size();) {
        const QDate date = games[i].start.date();
        std::vector<const SiteGame*> day;
        for (; i < games.size() && games[i].start.date() == date; ++i)
            day.push_back(&games[i]);
        schedule += QStringLiteral("<h2>") + dateText(date) + QStringLiteral("</h2>\n") +
                    gameList(day, false, links);
    }
    if (games.empty())
        schedule += QStringLiteral("<p>No games yet.</p>\n");
    addPage(QStringLiteral("schedule.html"), QStringLiteral("Schedule"), schedule);

    addPage(QStringLiteral("leaders.html"), QStringLiteral("League Leaders"),
            leaderTables(data, leaders, false));
    files.push_back(
        {QStringLiteral("schedule.ics"), leagueCalendar(league, games, zone, asOfDate)});
    files.push_back({QStringLiteral("feed.xml"), leagueFeed(league, data, zone, asOfDate)});
    files.push_back({QStringLiteral("style.css"), siteStylesheet() + siteTableStylesheet()});
    return true;
}

}  // namespace pny
