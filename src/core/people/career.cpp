#include "people/career.h"

#include "people/seasonleagues.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/formats.h"
#include "views/leaders.h"
#include "views/playerview.h"
#include "views/rowwriter.h"
#include "views/tablelayout.h"

#include <map>

namespace pny {
namespace {

// The cells in front of the tab's columns.
const char* const kSeasonHeaders[] = {" Year", " League", " Team"};
constexpr int kSeasonColumns = 3;

StatValues valuesOf(const PlayerRecord& record) {
    StatValues values{};
    for (int s = 0; s < PlayerStatCount; ++s)
        values[static_cast<std::size_t>(s)] = record.value(static_cast<PlayerStat>(s));
    return values;
}

// A row of the tab's cells with the season's cells put in after the key.
std::vector<std::string> withSeasonCells(std::vector<std::string> row,
                                         const std::vector<std::string>& season) {
    row.insert(row.begin() + 1, season.begin(), season.end());
    return row;
}

}  // namespace

void CareerSums::add(const StatValues& season, long long inningsPerGame) {
    for (std::size_t s = 0; s < values.size(); ++s)
        values[s] += season[s];
    earnedRunInnings += season[StatER] * inningsPerGame;
}

StatValues CareerSums::carried() const {
    StatValues sums = values;
    sums[StatIP] += sums[StatIP3] / 3;
    sums[StatIP3] %= 3;
    return sums;
}

StatValues CareerSums::forRates() const {
    StatValues rates = carried();
    rates[StatER] = earnedRunInnings;
    return rates;
}

DerivedTexts CareerSums::derived() const {
    return deriveStats(forRates(), 1);
}

PlayerKey currentPlayerKey(const Store& store) {
    return {toNumber(store.header.currentYear), toNumber(store.year.currentLeague),
            toNumber(store.league.currentTeam), toNumber(store.team.currentPlayer)};
}

bool readCareer(const Store& store, const std::vector<PlayerKey>& keys, Career& career,
                QString& error) {
    career = Career();
    std::vector<SeasonLeague> leagues;
    if (!readSeasonLeagues(store, leagues, error))
        return false;
    // Each file is read once, however many of the person's records it holds.
    std::map<std::string, std::vector<std::string>> files;
    auto linesOf = [&](const std::string& baseName, const char* extension,
                       const std::vector<std::string>*& lines) {
        const std::string name = baseName + extension;
        auto at = files.find(name);
        if (at == files.end()) {
            std::vector<std::string> read;
            if (!storeFileLines(store, baseName, extension, read, error))
                return false;
            at = files.emplace(name, std::move(read)).first;
        }
        lines = &at->second;
        return true;
    };
    for (const PlayerKey& key : keys) {
        const SeasonLeague* league = findSeasonLeague(leagues, key.year, key.league);
        if (!league)
            continue;
        const std::vector<std::string>* teams = nullptr;
        const std::vector<std::string>* players = nullptr;
        if (!linesOf(key.leagueBaseName(), ".Teams", teams) ||
            !linesOf(key.playersBaseName(), ".Players", players)) {
            return false;
        }
        if (key.team >= static_cast<int>(teams->size()) ||
            key.player >= static_cast<int>(players->size())) {
            continue;
        }
        const TeamRecord team = TeamRecord::parse((*teams)[static_cast<std::size_t>(key.team)]);
        CareerSeason season;
        season.record = PlayerRecord::parse((*players)[static_cast<std::size_t>(key.player)]);
        if (!team.flag.empty() || !season.record.flag.empty())
            continue;
        season.key = key;
        season.season = league->season;
        season.league = league->name;
        season.team = team.name;
        season.inningsPerGame = league->inningsPerGame;
        career.sums.add(valuesOf(season.record), season.inningsPerGame);
        career.name = season.record.name;
        career.seasons.push_back(std::move(season));
    }
    return true;
}

ViewGrid careerGrid(const Career& career, const LeagueRecord& league, int tab) {
    ViewGrid grid;
    buildHeaderRow(league, tab, grid);
    grid.headers.insert(grid.headers.begin() + 1, std::begin(kSeasonHeaders),
                        std::end(kSeasonHeaders));
    for (int& column : grid.wideColumns)
        column += kSeasonColumns;
    grid.wideColumns.insert(grid.wideColumns.begin(), {2, 3});
    if (grid.wideColumns.size() > 7)
        grid.wideColumns.resize(7);
    grid.caption = "Career - " + career.name;
    if (career.seasons.empty()) {
        clearTableBody(grid);
        return grid;
    }

    const std::vector<bool> shown = shownColumns(league, tab);
    RowWriter writer(shown);
    int row = 0;
    for (const CareerSeason& season : career.seasons) {
        writer.begin(playerKeyText(season.key));
        writePlayerRow(writer, ++row, season.record,
                       deriveStats(valuesOf(season.record), season.inningsPerGame));
        grid.rows.push_back(withSeasonCells(writer.take(), {cutTo(' ' + season.season, kCellWidth),
                                                            cutTo(' ' + season.league, kCellWidth),
                                                            cutTo(' ' + season.team, kCellWidth)}));
    }

    // The career row: every count summed, G and GP too (they are the player's own here), the
    // rates from the sums.
    writer.begin(grid.rows.back()[0]);
    const StatValues sums = career.sums.carried();
    writeTotalsRow(writer, sums, career.sums.derived(), " Career", sums[StatG], sums[StatGP]);
    const std::size_t seasons = career.seasons.size();
    grid.rows.push_back(withSeasonCells(
        writer.take(),
        {formatCount(static_cast<long long>(seasons)) + (seasons == 1 ? " season" : " seasons"),
         " ***", " ***"}));
    grid.currentRow = 1;
    return grid;
}

}  // namespace pny
