#include "views/leaders.h"

#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/records.h"
#include "store/store.h"
#include "store/textfile.h"
#include "views/catalogues.h"
#include "views/formats.h"
#include "views/leaderreasons.h"
#include "views/tableview.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <limits>
#include <optional>

namespace pny {
namespace {

// A player who may be listed, with his team.
struct Candidate {
    const LeaderTeam* team;
    const LeaderPlayer* player;
};

// Orders players of equal value: by name in the program's collation (case ignored), then by team
// and player line, so that the order never depends on chance.
class ListedOrder {
public:
    explicit ListedOrder(const std::vector<Candidate>& candidates) : candidates_(candidates) {
        collator_.setCaseSensitivity(Qt::CaseInsensitive);
        collator_.setNumericMode(false);
        collator_.setIgnorePunctuation(false);
        keys_.resize(candidates.size());
    }

    // The collation key of a candidate's name, made once however many tables list him.
    const QCollatorSortKey& nameKey(std::size_t candidate) {
        std::optional<QCollatorSortKey>& key = keys_[candidate];
        if (!key) {
            key.emplace(collator_.sortKey(fromCodePage(candidates_[candidate].player->name)));
        }
        return *key;
    }

    bool before(std::size_t a, std::size_t b) {
        const int byName = nameKey(a).compare(nameKey(b));
        if (byName != 0)
            return byName < 0;
        const Candidate& x = candidates_[a];
        const Candidate& y = candidates_[b];
        if (x.team->line != y.team->line)
            return x.team->line < y.team->line;
        return x.player->line < y.player->line;
    }

private:
    const std::vector<Candidate>& candidates_;
    QCollator collator_{QLocale()};
    std::vector<std::optional<QCollatorSortKey>> keys_;
};

struct Ranked {
    long long value;
    std::size_t candidate;
};

LeaderTable rankCategory(const LeaderCategory& category, const std::vector<Candidate>& candidates,
                         ListedOrder& order, int places, long long inningsPerGame,
                         const LeaderQualifies& qualifies) {
    LeaderTable table;
    table.category = &category;
    std::vector<Ranked> ranked;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Candidate& c = candidates[i];
        if (category.qualifier != Qualifier::None && !qualifies(*c.team, *c.player, category))
            continue;
        if (const std::optional<long long> value =
                leaderRankValue(category.stat, c.player->values, inningsPerGame)) {
            ranked.push_back({*value, i});
        }
    }
    const bool lower = category.lowerIsBetter;
    auto better = [lower](const Ranked& a, const Ranked& b) {
        return lower ? a.value < b.value : a.value > b.value;
    };
    // Only the first places and whoever ties the last of them are listed: find the value of the
    // last place and keep every player at least as good.
    const std::size_t shown = static_cast<std::size_t>(std::max(places, kMinPlaces));
    if (ranked.size() > shown) {
        std::nth_element(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(shown - 1),
                         ranked.end(), better);
        const Ranked last = ranked[shown - 1];
        ranked.erase(std::remove_if(ranked.begin(), ranked.end(),
                                    [&](const Ranked& r) { return better(last, r); }),
                     ranked.end());
    }
    std::sort(ranked.begin(), ranked.end(), [&](const Ranked& a, const Ranked& b) {
        if (a.value != b.value)
            return better(a, b);
        return order.before(a.candidate, b.candidate);
    });

    for (std::size_t k = 0; k < ranked.size(); ++k) {
        const Candidate& c = candidates[ranked[k].candidate];
        LeaderRow row;
        row.rank = (k > 0 && ranked[k].value == ranked[k - 1].value) ? table.rows.back().rank
                                                                     : static_cast<int>(k) + 1;
        row.team = c.team->line;
        row.player = c.player->line;
        row.playerName = cutTo(' ' + c.player->name, kCellWidth);
        row.teamName = cutTo(' ' + c.team->name, kCellWidth);
        row.value = leaderValueText(category.stat, c.player->values, inningsPerGame);
        if (category.qualifier != Qualifier::None)
            row.qualifying = qualifyingText(category.qualifier, c.player->values);
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace

bool storeFileLines(const Store& store, const std::string& baseName, const char* extension,
                    std::vector<std::string>& lines, QString& error) {
    const std::pair<const RecordList*, const std::string*> held[] = {
        {&store.leagues, &store.loaded.leagues},
        {&store.teams, &store.loaded.teams},
        {&store.players, &store.loaded.players}};
    const std::string kind(extension);
    const int level = kind == ".Leagues" ? 0 : kind == ".Teams" ? 1 : kind == ".Players" ? 2 : -1;
    if (level >= 0) {
        const auto& [list, loadedName] = held[level];
        if (!loadedName->empty() && *loadedName == baseName) {
            lines = list->lines();
            return true;
        }
    }
    lines.clear();
    const QString path = store.pathOf(baseName, extension);
    if (!QFileInfo::exists(path))
        return true;
    return readTextLines(path, lines, error);
}

bool readLeagueTeams(const Store& store, std::vector<LeaderTeam>& teams, QString& error) {
    return readLeagueTeams(store, store.teamsBaseName(), teams, error);
}

bool readLeagueTeams(const Store& store, const std::string& teamsName,
                     std::vector<LeaderTeam>& teams, QString& error) {
    teams.clear();
    std::vector<std::string> teamLines;
    if (!storeFileLines(store, teamsName, ".Teams", teamLines, error))
        return false;
    std::vector<std::string> playerLines;
    for (int t = 1; t < static_cast<int>(teamLines.size()); ++t) {
        const TeamRecord record = TeamRecord::parse(teamLines[static_cast<std::size_t>(t)]);
        if (!record.flag.empty())
            continue;
        LeaderTeam team;
        team.line = t;
        team.name = record.name;
        team.won = toNumber(record.won);
        team.lost = toNumber(record.lost);
        team.tied = toNumber(record.tied);
        team.games = team.won + team.lost + team.tied;
        const std::string playersName = teamsName + "T" + numberText(t);
        if (!storeFileLines(store, playersName, ".Players", playerLines, error))
            return false;
        team.players.reserve(playerLines.size());
        for (int p = 1; p < static_cast<int>(playerLines.size()); ++p) {
            const PlayerRecord player =
                PlayerRecord::parse(playerLines[static_cast<std::size_t>(p)]);
            if (!player.flag.empty())
                continue;
            LeaderPlayer leader;
            leader.line = p;
            leader.number = player.number;
            leader.name = player.name;
            for (int s = 0; s < PlayerStatCount; ++s)
                leader.values[static_cast<std::size_t>(s)] =
                    player.value(static_cast<PlayerStat>(s));
            team.players.push_back(std::move(leader));
        }
        teams.push_back(std::move(team));
    }
    return true;
}

std::vector<LeaderTable> rankLeaders(const std::vector<LeaderTeam>& teams,
                                     const LeaderSettings& settings, long long inningsPerGame) {
    long long fewest = std::numeric_limits<long long>::max();
    long long most = 0;
    for (const LeaderTeam& team : teams) {
        if (team.games > 0) {
            fewest = std::min(fewest, team.games);
            most = std::max(most, team.games);
        }
    }
    if (most == 0)
        fewest = 0;
    return rankLeaders(
        teams, settings.places, inningsPerGame,
        [&settings, inningsPerGame](const LeaderTeam& team, const LeaderPlayer& player,
                                    const LeaderCategory& category) {
            return qualifiesFor(category.qualifier, settings, inningsPerGame, team.games,
                                player.values);
        },
        [&](Qualifier qualifier) {
            return qualificationRule(qualifier, settings, inningsPerGame, fewest, most);
        });
}

std::vector<LeaderTable> rankLeaders(const std::vector<LeaderTeam>& teams, int places,
                                     long long inningsPerGame, const LeaderQualifies& qualifies,
                                     const std::function<std::string(Qualifier)>& rules) {
    std::vector<Candidate> candidates;
    for (const LeaderTeam& team : teams) {
        for (const LeaderPlayer& player : team.players)
            candidates.push_back({&team, &player});
    }
    ListedOrder order(candidates);
    std::vector<LeaderTable> tables;
    for (const LeaderCategory& category : leaderCategories()) {
        tables.push_back(
            rankCategory(category, candidates, order, places, inningsPerGame, qualifies));
        if (category.qualifier != Qualifier::None)
            tables.back().rule = rules(category.qualifier);
    }
    return tables;
}

bool buildLeagueLeaders(const Store& store, const LeaderSettings& settings, LeagueLeaders& leaders,
                        QString& error) {
    leaders = LeagueLeaders();
    leaders.caption = store.year.number + ' ' + store.league.name + " - League Leaders";
    std::vector<LeaderTeam> teams;
    if (!readLeagueTeams(store, teams, error))
        return false;
    leaders.tables = rankLeaders(teams, settings, inningsPerGame(store.league.innings));
    explainEmptyTables(leaders.tables, teams, inningsPerGame(store.league.innings),
                       seasonUnqualifiedReason);
    return true;
}

ViewGrid leaderGrid(const LeaderTable& table) {
    ViewGrid grid;
    const bool rate = table.category->qualifier != Qualifier::None;
    grid.headers = {"", " Rank", " Player", " Team", std::string(" ") + table.category->name};
    if (rate)
        grid.headers.push_back(std::string(" ") + qualifierUnit(table.category->qualifier));
    grid.wideColumns = {2, 3};
    grid.caption = leaderTableTitle(*table.category);
    for (const LeaderRow& row : table.rows) {
        std::vector<std::string> cells{numberText(row.player), formatCount(row.rank),
                                       row.playerName, row.teamName, row.value};
        if (rate)
            cells.push_back(row.qualifying);
        grid.rows.push_back(std::move(cells));
    }
    return grid;
}

bool selectLeader(Store& store, int team, int player) {
    if (!store.ensureTeams())
        return false;
    const std::string teamKey = numberText(team);
    store.readTeam(team);
    if (store.league.currentTeam != teamKey) {
        store.league.currentTeam = teamKey;
        store.writeLeague();
    }
    if (!store.ensurePlayers())
        return false;
    selectRecord(store, kFirstPlayerTab, numberText(player));
    return true;
}

}  // namespace pny
