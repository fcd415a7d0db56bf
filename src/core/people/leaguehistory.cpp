#include "people/leaguehistory.h"

#include "people/career.h"
#include "people/peoplelinks.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/records.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/formats.h"
#include "views/leaderreasons.h"
#include "views/leadersexport.h"
#include "views/tableexport.h"
#include "views/teamview.h"

#include <QCollator>
#include <QLocale>

#include <map>
#include <set>

namespace pny {
namespace {

const char* const kChampionsTitle = "Standings Leaders by Season";

// A person as the all-time leaders count him: his seasons of the history's leagues together.
struct PersonTotals {
    CareerSums sums;
    std::string name;      // of his latest season
    std::string teamName;  // of his latest season
};

// The standings key without the team's line: greater is better, as the standings order it.
std::string recordKey(const LeaderTeam& team) {
    const std::string key =
        standingsKey(static_cast<int>(team.won), static_cast<int>(team.lost), 0);
    return key.substr(0, key.size() - 1);
}

SeasonChampion championOf(const SeasonLeague& league, const std::vector<LeaderTeam>& teams) {
    SeasonChampion champion;
    champion.league = league;
    std::string best;
    for (const LeaderTeam& team : teams) {
        if (team.won + team.lost <= 0)
            continue;
        const std::string key = recordKey(team);
        if (champion.teams.empty() || key > best) {
            best = key;
            champion.teams.assign(1, team.name);
            champion.won = team.won;
            champion.lost = team.lost;
            champion.tied = team.tied;
        } else if (key == best) {
            champion.teams.push_back(team.name);
        }
    }
    return champion;
}

}  // namespace

std::vector<SeasonLeague> historyLeagues(const std::vector<SeasonLeague>& all,
                                         const LeagueKey& current, const PeopleLinks& people) {
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::vector<QString> names;
    for (const SeasonLeague& league : all)
        names.push_back(fromCodePage(league.name).trimmed());
    // A league joins when it shares a name with one in the history or is linked to one; what
    // joins may bring in more, until nothing does.
    std::vector<bool> in(all.size());
    std::set<LeagueKey> keys{current};
    for (bool grew = true; grew;) {
        grew = false;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (in[i])
                continue;
            const LeagueKey key{all[i].year, all[i].league};
            bool joins = keys.count(key) > 0;
            for (const LeagueKey& linked : people.leaguesWith(key))
                joins = joins || keys.count(linked) > 0;
            for (std::size_t j = 0; j < all.size() && !joins; ++j)
                joins = in[j] && collator.compare(names[i], names[j]) == 0;
            if (joins) {
                in[i] = true;
                keys.insert(key);
                grew = true;
            }
        }
    }
    std::vector<SeasonLeague> history;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (in[i])
            history.push_back(all[i]);
    }
    return history;
}

std::string careerRule(Qualifier qualifier, const LeaderSettings& settings) {
    const int figure = qualifier == Qualifier::PlateAppearances ? settings.careerPlateAppearances
                       : qualifier == Qualifier::Innings        ? settings.careerInnings
                                                                : settings.careerGames;
    if (qualifier == Qualifier::None)
        return {};
    if (figure <= 0)
        return "Qualified: every player (no career minimum)";
    return "Qualified: at least " + std::to_string(figure) + ' ' + qualifierUnit(qualifier) +
           " in a career";
}

bool careerQualifies(Qualifier qualifier, const LeaderSettings& settings,
                     const StatValues& careerRates) {
    switch (qualifier) {
        case Qualifier::PlateAppearances:
            return careerRates[StatPA] >= settings.careerPlateAppearances;
        case Qualifier::Innings:
            return 3 * careerRates[StatIP] + careerRates[StatIP3] >= 3LL * settings.careerInnings;
        case Qualifier::Games:
            return careerRates[StatG] >= settings.careerGames;
        case Qualifier::None:
            break;
    }
    return true;
}

bool buildLeagueHistory(const Store& store, const PeopleLinks& people,
                        const LeaderSettings& settings, LeagueHistory& history, QString& error) {
    history = LeagueHistory();
    history.caption = store.league.name + " - League History";
    std::vector<SeasonLeague> all;
    if (!readSeasonLeagues(store, all, error))
        return false;
    history.leagues = historyLeagues(all, currentLeagueKey(store), people);

    // A linked person is known by his number, an unlinked record (a person of one season) by
    // its key.
    std::map<std::pair<int, PlayerKey>, PersonTotals> persons;
    std::vector<LeaderTeam> teams;
    for (const SeasonLeague& league : history.leagues) {
        if (!readLeagueTeams(store, league.baseName(), teams, error))
            return false;
        history.champions.push_back(championOf(league, teams));
        for (const LeaderTeam& team : teams) {
            for (const LeaderPlayer& player : team.players) {
                const PlayerKey key{league.year, league.league, team.line, player.line};
                const int number = people.personOf(key);
                PersonTotals& person = persons[number != 0 ? std::make_pair(number, PlayerKey{})
                                                           : std::make_pair(0, key)];
                person.sums.add(player.values, league.inningsPerGame);
                person.name = player.name;
                person.teamName = team.name;
            }
        }
    }
    // Each person is ranked as a team of one, so that the leaders' ranking serves unchanged; the
    // weighed earned runs give the career ERA at 1 inning per game.
    std::vector<LeaderTeam> careers;
    careers.reserve(persons.size());
    for (const auto& [key, person] : persons) {
        LeaderTeam team;
        team.line = static_cast<int>(careers.size()) + 1;
        team.name = person.teamName;
        LeaderPlayer player;
        player.line = 1;
        player.name = person.name;
        player.values = person.sums.forRates();
        team.players.push_back(std::move(player));
        careers.push_back(std::move(team));
    }
    history.leaders = rankLeaders(
        careers, settings.places, 1,
        [&settings](const LeaderTeam&, const LeaderPlayer& player, const LeaderCategory& category) {
            return careerQualifies(category.qualifier, settings, player.values);
        },
        [&settings](Qualifier qualifier) { return careerRule(qualifier, settings); });
    explainEmptyTables(history.leaders, careers, 1, [&settings](Qualifier qualifier) {
        return careerUnqualifiedReason(qualifier, settings);
    });
    return true;
}

ViewGrid championsGrid(const LeagueHistory& history) {
    ViewGrid grid;
    grid.headers = {"", " Year", " League", " Team", " Won", " Lost", " Tied", " Pct"};
    grid.wideColumns = {2, 3};
    grid.caption = kChampionsTitle;
    for (const SeasonChampion& champion : history.champions) {
        std::string teams;
        for (const std::string& team : champion.teams)
            teams += (teams.empty() ? "" : " / ") + team;
        const bool played = !champion.teams.empty();
        grid.rows.push_back(
            {champion.league.baseName(), cutTo(' ' + champion.league.season, kCellWidth),
             cutTo(' ' + champion.league.name, kCellWidth), cutTo(' ' + teams, kCellWidth),
             played ? formatCount(champion.won) : "", played ? formatCount(champion.lost) : "",
             played ? formatCount(champion.tied) : "",
             played ? formatRate(champion.won, champion.won + champion.lost) : ""});
    }
    return grid;
}

QString exportHistoryTsv(const LeagueHistory& history) {
    return fromCodePage(history.caption) + QStringLiteral("\n\n") +
           QString::fromLatin1(kChampionsTitle) + QStringLiteral("\n") +
           exportTsv(championsGrid(history)) + leaderBlocksTsv(history.leaders);
}

QString exportHistoryCsv(const LeagueHistory& history) {
    return csvCell(fromCodePage(history.caption)) + QStringLiteral("\r\n\r\n") +
           csvCell(QString::fromLatin1(kChampionsTitle)) + QStringLiteral("\r\n") +
           exportCsv(championsGrid(history)) + leaderBlocksCsv(history.leaders);
}

QString exportHistoryHtml(const LeagueHistory& history) {
    const ViewGrid champions = championsGrid(history);
    const QString championsBody = champions.rows.empty()
                                      ? QStringLiteral("<p class=\"empty\">No champion yet.</p>\n")
                                      : htmlTable(champions);
    return htmlPage(history.caption, QStringLiteral("<h2>") + QString::fromLatin1(kChampionsTitle) +
                                         QStringLiteral("</h2>\n") + championsBody +
                                         QStringLiteral("<h2>All-Time Leaders</h2>\n") +
                                         leaderBlocksHtml(history.leaders));
}

}  // namespace pny
