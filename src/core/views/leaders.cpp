#include "views/leaders.h"

#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/records.h"
#include "store/store.h"
#include "store/textfile.h"
#include "views/catalogues.h"
#include "views/formats.h"
#include "views/tableview.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <limits>
#include <optional>

namespace pny {
namespace {

constexpr long long kRateCap = 9999;  // "9.999" and "99.99" show every value from here up

// The counts a category is worked out from, as the player views work them out.
struct Counts {
    long long hits, walks, atBats, bases, outs, chances;

    explicit Counts(const StatValues& v)
        : hits(v[Stat1B] + v[Stat2B] + v[Stat3B] + v[StatHR]),
          walks(v[StatBB] + v[StatHP] + v[StatWCI]),
          atBats(v[StatPA] - (walks + v[StatSBnt] + v[StatSFly])),
          bases(v[Stat1B] + 2 * v[Stat2B] + 3 * v[Stat3B] + 4 * v[StatHR]),
          outs(3 * v[StatIP] + v[StatIP3]),
          chances(v[StatPO] + v[StatA] + v[StatErr]) {}
};

// A rate in thousandths or hundredths as its text shows it: values past the cap show alike.
// A divisor of 0 (or below, which only inconsistent counts give) has no value.
std::optional<long long> scaled(long long x, long long scale, long long y) {
    if (y <= 0)
        return std::nullopt;
    return std::min((x * scale) / y, kRateCap);
}

// The value a player ranks by in a category, in the units its text shows; nothing when he has
// none (a divisor of 0, or a count of 0 or less).
std::optional<long long> rankValue(LeaderStat stat, const StatValues& v, long long innings) {
    const Counts c(v);
    auto count = [](long long n) { return n > 0 ? std::optional<long long>(n) : std::nullopt; };
    switch (stat) {
        case LeaderStat::Avg:
            return scaled(c.hits, 1000, c.atBats);
        case LeaderStat::OnBase:
            return scaled(c.hits + c.walks, 1000, c.atBats + c.walks);
        case LeaderStat::Slugging:
            return scaled(c.bases, 1000, c.atBats);
        case LeaderStat::Ops: {
            if (c.atBats <= 0 || c.atBats + c.walks <= 0)
                return std::nullopt;
            const long long ops =
                (c.hits + c.walks) * 1000 / (c.atBats + c.walks) + c.bases * 1000 / c.atBats;
            return std::min(ops, kRateCap);
        }
        case LeaderStat::Hits:
            return count(c.hits);
        case LeaderStat::Doubles:
            return count(v[Stat2B]);
        case LeaderStat::Triples:
            return count(v[Stat3B]);
        case LeaderStat::HomeRuns:
            return count(v[StatHR]);
        case LeaderStat::RunsBattedIn:
            return count(v[StatRBI]);
        case LeaderStat::RunsScored:
            return count(v[StatRS]);
        case LeaderStat::Walks:
            return count(v[StatBB]);
        case LeaderStat::StolenBases:
            return count(v[StatSB]);
        case LeaderStat::Era:
            return scaled(v[StatER] * innings, 300, c.outs);
        case LeaderStat::Whip:
            return scaled(v[StatWA] + v[StatHA], 300, c.outs);
        case LeaderStat::Won:
            return count(v[StatWon]);
        case LeaderStat::Saves:
            return count(v[StatSv]);
        case LeaderStat::StrikeOuts:
            return count(v[StatBSO]);
        case LeaderStat::InningsPitched:
            return count(c.outs);
        case LeaderStat::WinPercent:
            return scaled(v[StatWon], 1000, v[StatWon] + v[StatLost]);
        case LeaderStat::Fielding:
            return scaled(v[StatPO] + v[StatA], 1000, c.chances);
        case LeaderStat::PutOuts:
            return count(v[StatPO]);
        case LeaderStat::Assists:
            return count(v[StatA]);
    }
    return std::nullopt;
}

// The value's cell text, made by the same formats as the player views' cells.
std::string valueText(LeaderStat stat, const StatValues& v, long long innings) {
    const Counts c(v);
    switch (stat) {
        case LeaderStat::Avg:
            return formatRate(c.hits, c.atBats);
        case LeaderStat::OnBase:
            return formatRate(c.hits + c.walks, c.atBats + c.walks);
        case LeaderStat::Slugging:
            return formatRate(c.bases, c.atBats);
        case LeaderStat::Ops:
            return formatOps(c.hits + c.walks, c.atBats + c.walks, c.bases, c.atBats);
        case LeaderStat::Era:
            return formatEra(v[StatER], c.outs, innings);
        case LeaderStat::Whip:
            return formatWhip(v[StatWA] + v[StatHA], c.outs);
        case LeaderStat::WinPercent:
            return formatRate(v[StatWon], v[StatWon] + v[StatLost]);
        case LeaderStat::Fielding:
            return formatRate(v[StatPO] + v[StatA], c.chances);
        case LeaderStat::InningsPitched:
            return formatInnings(v[StatIP], v[StatIP3]);
        default:
            return formatCount(*rankValue(stat, v, innings));
    }
}

// The figure a qualification counts, in the units of its factor's hundredths: plate appearances,
// outs (three to an inning) or games.
long long qualifyingFigure(Qualifier qualifier, const StatValues& v) {
    switch (qualifier) {
        case Qualifier::PlateAppearances:
            return v[StatPA];
        case Qualifier::Innings:
            return 3 * v[StatIP] + v[StatIP3];
        case Qualifier::Games:
            return v[StatG];
        case Qualifier::None:
            break;
    }
    return 0;
}

std::string qualifyingText(Qualifier qualifier, const StatValues& v) {
    if (qualifier == Qualifier::Innings)
        return formatInnings(v[StatIP], v[StatIP3]);
    return formatCount(qualifyingFigure(qualifier, v));
}

int factorOf(Qualifier qualifier, const LeaderSettings& settings) {
    switch (qualifier) {
        case Qualifier::PlateAppearances:
            return settings.battingFactor;
        case Qualifier::Innings:
            return settings.pitchingFactor;
        case Qualifier::Games:
            return settings.fieldingFactor;
        case Qualifier::None:
            break;
    }
    return 0;
}

// The least figure that qualifies after `games` team games: factor × games, rounded up, where
// innings count in outs.
long long neededFigure(Qualifier qualifier, int factor, long long games) {
    const long long scale = qualifier == Qualifier::Innings ? 3 : 1;
    return (factor * games * scale + 99) / 100;
}

bool qualifies(Qualifier qualifier, int factor, long long games, const StatValues& v) {
    if (qualifier == Qualifier::None)
        return true;
    // A team that has not played gives no one a place among the rate leaders.
    if (games <= 0)
        return false;
    return qualifyingFigure(qualifier, v) >= neededFigure(qualifier, factor, games);
}

const char* unitOf(Qualifier qualifier) {
    switch (qualifier) {
        case Qualifier::PlateAppearances:
            return "PA";
        case Qualifier::Innings:
            return "IP";
        case Qualifier::Games:
            return "G";
        case Qualifier::None:
            break;
    }
    return "";
}

std::string neededText(Qualifier qualifier, int factor, long long games) {
    const long long figure = neededFigure(qualifier, factor, games);
    const std::string number = qualifier == Qualifier::Innings
                                   ? std::to_string(figure / 3) + '.' + std::to_string(figure % 3)
                                   : std::to_string(figure);
    return number + ' ' + unitOf(qualifier) + " after " + std::to_string(games) +
           (games == 1 ? " game" : " games");
}

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
                         ListedOrder& order, const LeaderSettings& settings,
                         long long inningsPerGame) {
    LeaderTable table;
    table.category = &category;
    const int factor = factorOf(category.qualifier, settings);
    std::vector<Ranked> ranked;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Candidate& c = candidates[i];
        if (!qualifies(category.qualifier, factor, c.team->games, c.player->values))
            continue;
        if (const std::optional<long long> value =
                rankValue(category.stat, c.player->values, inningsPerGame)) {
            ranked.push_back({*value, i});
        }
    }
    const bool lower = category.lowerIsBetter;
    auto better = [lower](const Ranked& a, const Ranked& b) {
        return lower ? a.value < b.value : a.value > b.value;
    };
    // Only the first places and whoever ties the last of them are listed: find the value of the
    // last place and keep every player at least as good.
    const std::size_t places = static_cast<std::size_t>(std::max(settings.places, kMinPlaces));
    if (ranked.size() > places) {
        std::nth_element(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(places - 1),
                         ranked.end(), better);
        const Ranked last = ranked[places - 1];
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
        row.value = valueText(category.stat, c.player->values, inningsPerGame);
        if (category.qualifier != Qualifier::None)
            row.qualifying = qualifyingText(category.qualifier, c.player->values);
        table.rows.push_back(std::move(row));
    }
    return table;
}

// Reads a list's lines: the store's own when it holds that file, otherwise the file's (none when
// it does not exist).
bool listLines(const Store& store, const RecordList& list, const std::string& loadedName,
               const std::string& baseName, const char* extension, std::vector<std::string>& lines,
               QString& error) {
    if (!loadedName.empty() && loadedName == baseName) {
        lines = list.lines();
        return true;
    }
    lines.clear();
    const QString path = store.pathOf(baseName, extension);
    if (!QFileInfo::exists(path))
        return true;
    return readTextLines(path, lines, error);
}

}  // namespace

const std::vector<LeaderCategory>& leaderCategories() {
    using S = LeaderStat;
    using G = LeaderGroup;
    using Q = Qualifier;
    static const std::vector<LeaderCategory> categories{
        {S::Avg, "AVG", "AVG", "Batting Average", G::Batting, Q::PlateAppearances, false},
        {S::OnBase, "OBP", "OB%", "On-Base Percentage", G::Batting, Q::PlateAppearances, false},
        {S::Slugging, "SLG", "SLG", "Slugging Percentage", G::Batting, Q::PlateAppearances, false},
        {S::Ops, "OPS", "OPS", "On-Base Plus Slugging", G::Batting, Q::PlateAppearances, false},
        {S::Hits, "H", "H", "Hits", G::Batting, Q::None, false},
        {S::Doubles, "2B", "2B", "Doubles", G::Batting, Q::None, false},
        {S::Triples, "3B", "3B", "Triples", G::Batting, Q::None, false},
        {S::HomeRuns, "HR", "HR", "Home Runs", G::Batting, Q::None, false},
        {S::RunsBattedIn, "RBI", "RBI", "Runs Batted In", G::Batting, Q::None, false},
        {S::RunsScored, "RS", "RS", "Runs Scored", G::Batting, Q::None, false},
        {S::Walks, "BB", "BB", "Bases on Balls", G::Batting, Q::None, false},
        {S::StolenBases, "SB", "SB", "Stolen Bases", G::Batting, Q::None, false},
        {S::Era, "ERA", "ERA", "Earned Run Average", G::Pitching, Q::Innings, true},
        {S::Whip, "WHIP", "WHIP", "Walks and Hits per Inning", G::Pitching, Q::Innings, true},
        {S::Won, "Won", "Won", "Games Won", G::Pitching, Q::None, false},
        {S::Saves, "Sv", "Sv", "Saves", G::Pitching, Q::None, false},
        {S::StrikeOuts, "BSO", "BSO", "Batters Struck Out", G::Pitching, Q::None, false},
        {S::InningsPitched, "IP", "IP", "Innings Pitched", G::Pitching, Q::None, false},
        {S::WinPercent, "WP", "W%", "Winning Percentage", G::Pitching, Q::Innings, false},
        {S::Fielding, "FP", "F%", "Fielding Percentage", G::Fielding, Q::Games, false},
        {S::PutOuts, "PO", "PO", "Put Outs", G::Fielding, Q::None, false},
        {S::Assists, "A", "A", "Assists", G::Fielding, Q::None, false},
    };
    return categories;
}

bool readLeagueTeams(const Store& store, std::vector<LeaderTeam>& teams, QString& error) {
    teams.clear();
    const std::string teamsName = store.teamsBaseName();
    std::vector<std::string> teamLines;
    if (!listLines(store, store.teams, store.loaded.teams, teamsName, ".Teams", teamLines, error))
        return false;
    std::vector<std::string> playerLines;
    for (int t = 1; t < static_cast<int>(teamLines.size()); ++t) {
        const TeamRecord record = TeamRecord::parse(teamLines[static_cast<std::size_t>(t)]);
        if (!record.flag.empty())
            continue;
        LeaderTeam team;
        team.line = t;
        team.name = record.name;
        team.games = static_cast<long long>(toNumber(record.won)) + toNumber(record.lost) +
                     toNumber(record.tied);
        const std::string playersName = teamsName + "T" + numberText(t);
        if (!listLines(store, store.players, store.loaded.players, playersName, ".Players",
                       playerLines, error)) {
            return false;
        }
        team.players.reserve(playerLines.size());
        for (int p = 1; p < static_cast<int>(playerLines.size()); ++p) {
            const PlayerRecord player =
                PlayerRecord::parse(playerLines[static_cast<std::size_t>(p)]);
            if (!player.flag.empty())
                continue;
            LeaderPlayer leader;
            leader.line = p;
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
    std::vector<Candidate> candidates;
    long long fewest = std::numeric_limits<long long>::max();
    long long most = 0;
    for (const LeaderTeam& team : teams) {
        if (team.games > 0) {
            fewest = std::min(fewest, team.games);
            most = std::max(most, team.games);
        }
        for (const LeaderPlayer& player : team.players)
            candidates.push_back({&team, &player});
    }
    if (most == 0)
        fewest = 0;

    ListedOrder order(candidates);
    std::vector<LeaderTable> tables;
    for (const LeaderCategory& category : leaderCategories()) {
        tables.push_back(rankCategory(category, candidates, order, settings, inningsPerGame));
        if (category.qualifier != Qualifier::None)
            tables.back().rule = qualificationRule(category.qualifier, settings, fewest, most);
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
    return true;
}

std::string qualificationRule(Qualifier qualifier, const LeaderSettings& settings,
                              long long fewestGames, long long mostGames) {
    if (qualifier == Qualifier::None)
        return {};
    const int factor = factorOf(qualifier, settings);
    std::string rule =
        "Qualified: " + formatFactor(factor) + ' ' + unitOf(qualifier) + " per team game (";
    if (mostGames <= 0) {
        rule += "no team has played a game yet";
    } else if (fewestGames == mostGames) {
        rule += neededText(qualifier, factor, mostGames);
    } else {
        rule += neededText(qualifier, factor, fewestGames) + " to " +
                neededText(qualifier, factor, mostGames);
    }
    return rule + ')';
}

std::string leaderTableTitle(const LeaderCategory& category) {
    return std::string(category.title) + " (" + category.name + ')';
}

ViewGrid leaderGrid(const LeaderTable& table) {
    ViewGrid grid;
    const bool rate = table.category->qualifier != Qualifier::None;
    grid.headers = {"", " Rank", " Player", " Team", std::string(" ") + table.category->name};
    if (rate)
        grid.headers.push_back(std::string(" ") + unitOf(table.category->qualifier));
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
