#include "views/playerview.h"

#include "store/linecodec.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/formats.h"
#include "views/rowwriter.h"
#include "views/tablelayout.h"

namespace pny {
namespace {

constexpr int kSortFieldWidth = 20;
constexpr int kDefaultSortKey = 1;
constexpr std::size_t kKeyLength = 5;
const std::string kStars = " ***";

// Where the text of a player catalogue column comes from.
enum class Source { Sequence, Number, Name, Field, Derived, Innings };

struct PlayerColumn {
    Source source;
    int index;  // the PlayerStat of a Field, the DerivedStat of a Derived column
};

constexpr PlayerColumn field(PlayerStat stat) {
    return {Source::Field, stat};
}
constexpr PlayerColumn derived(DerivedStat stat) {
    return {Source::Derived, stat};
}

// The 61 player catalogue columns in order.
const PlayerColumn kColumns[kPlayerColumns] = {
    {Source::Sequence, 0}, {Source::Number, 0},  {Source::Name, 0},   field(StatG),
    derived(DerivedAB),    derived(DerivedH),    derived(DerivedW),   derived(DerivedSac),
    derived(DerivedAvg),   derived(DerivedSlg),  derived(DerivedOBP), field(StatInn),
    field(StatPA),         field(StatBO),        field(StatRS),       field(StatPkO),
    derived(DerivedSA),    field(StatSB),        field(StatCS),       derived(DerivedSBP),
    field(Stat1B),         field(Stat2B),        field(Stat3B),       field(StatHR),
    field(StatRBI),        field(StatSO),        field(StatBB),       field(StatHP),
    field(StatWCI),        field(StatSBnt),      field(StatSFly),     field(StatPos),
    field(StatPB),         field(StatPO),        field(StatA),        derived(DerivedTC),
    field(StatErr),        derived(DerivedFldP), field(StatGP),       {Source::Innings, StatIP},
    field(StatST),         field(StatBT),        derived(DerivedPT),  field(StatWP),
    field(StatBks),        field(StatHA),        field(StatWA),       field(StatBH),
    field(StatBSO),        field(StatRPO),       field(StatRA),       field(StatER),
    derived(DerivedERA),   field(StatWon),       field(StatLost),     derived(DerivedWP),
    field(StatSv),         field(StatC1),        field(StatC2),       field(StatC3),
    field(StatC4),
};

std::string upperName(std::string name) {
    for (char& c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return name;
}

std::string sortValue(const PlayerRecord& player, const DerivedTexts& texts, int key) {
    const PlayerColumn& column = kColumns[key];
    switch (column.source) {
        case Source::Sequence:
            return std::string(kSortFieldWidth, ' ');
        case Source::Number:
            return padLeft(player.number, kSortFieldWidth);
        case Source::Name:
            return padRight(upperName(player.name), kSortFieldWidth);
        case Source::Derived:
            return padLeft(texts[static_cast<std::size_t>(column.index)], kSortFieldWidth);
        case Source::Field:
        case Source::Innings:
            return padLeft(player.stats[static_cast<std::size_t>(column.index)], kSortFieldWidth);
    }
    return {};
}

}  // namespace

void writePlayerRow(RowWriter& writer, int row, const PlayerRecord& player,
                    const DerivedTexts& texts) {
    for (const PlayerColumn& column : kColumns) {
        switch (column.source) {
            case Source::Sequence:
                writer.add(formatCount(row));
                break;
            case Source::Number:
                writer.add(' ' + player.number);
                break;
            case Source::Name:
                writer.add(' ' + player.name);
                break;
            case Source::Field:
                writer.add(' ' + player.stats[static_cast<std::size_t>(column.index)]);
                break;
            case Source::Derived:
                writer.add(texts[static_cast<std::size_t>(column.index)]);
                break;
            case Source::Innings:
                writer.add(formatInnings(player.value(StatIP), player.value(StatIP3)));
                break;
        }
    }
}

void writeTotalsRow(RowWriter& writer, const StatValues& sums, const DerivedTexts& totals,
                    const std::string& label, long long games, long long gamesPitched) {
    for (const PlayerColumn& column : kColumns) {
        switch (column.source) {
            case Source::Sequence:
            case Source::Number:
                writer.add(kStars);
                break;
            case Source::Name:
                writer.add(label);
                break;
            case Source::Derived:
                writer.add(totals[static_cast<std::size_t>(column.index)]);
                break;
            case Source::Innings:
                writer.add(formatInnings(sums[StatIP], sums[StatIP3]));
                break;
            case Source::Field:
                switch (column.index) {
                    case StatG:
                        writer.add(formatCount(games));
                        break;
                    case StatBO:
                    case StatPos:
                        writer.add(kStars);
                        break;
                    case StatGP:
                        writer.add(formatCount(gamesPitched));
                        break;
                    default:
                        writer.add(formatCount(sums[static_cast<std::size_t>(column.index)]));
                        break;
                }
                break;
        }
    }
}

int playerSortKey(const LeagueRecord& league, int tab) {
    const std::size_t at = static_cast<std::size_t>(tab - 1);
    if (at >= league.sortKeys.size())
        return kDefaultSortKey;
    const int key = static_cast<unsigned char>(league.sortKeys[at]) - 128;
    return key >= 0 && key < kPlayerColumns ? key : kDefaultSortKey;
}

bool playerSortDescending(const LeagueRecord& league, int tab) {
    const std::size_t at = static_cast<std::size_t>(tab - 1);
    return at < league.sortDirections.size() && league.sortDirections[at] == '1';
}

std::string playerKeyLine(const PlayerRecord& player, const DerivedTexts& derived, int key,
                          int line) {
    return sortValue(player, derived, key) + std::to_string(line);
}

void buildPlayerView(Store& store, ViewState& state, int tab, ViewGrid& grid,
                     const ProgressFn& progress) {
    grid.caption += " - " + store.team.name;
    store.ensurePlayers();
    const int lines = store.players.size();
    const bool compute = !state.cache.validFor(store);
    ProgressCounter counter(progress, (compute ? 3 : 2) * lines);
    if (compute)
        computePlayerStats(store, state.cache, &counter);

    const int key = playerSortKey(store.league, tab);
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(lines));
    for (int i = 1; i < lines; ++i) {
        counter.step();
        const PlayerRecord player = PlayerRecord::parse(store.players.line(i));
        if (player.flag.empty())
            keys.push_back(playerKeyLine(player, state.cache.entry(i), key, i));
    }
    state.sortList.insertAll(keys);
    clearTableBody(grid);
    const int n = state.sortList.size();
    if (n == 0)
        return;

    const bool descending = playerSortDescending(store.league, tab);
    grid.rows.clear();
    grid.rows.reserve(static_cast<std::size_t>(n) + 1);
    const std::vector<bool> shown = shownColumns(store.league, tab);
    RowWriter writer(shown);
    for (int r = 1; r <= n; ++r) {
        counter.step();
        const std::string& keyLine = state.sortList.at(descending ? n - r : r - 1);
        std::string line = keyLine.substr(kSortFieldWidth, kKeyLength);
        if (line == store.team.currentPlayer)
            grid.currentRow = r;
        const int index = toNumber(line);
        const PlayerRecord player = PlayerRecord::parse(store.players.line(index));
        writer.begin(std::move(line));
        writePlayerRow(writer, r, player, state.cache.entry(index));
        grid.rows.push_back(writer.take());
    }

    // Choosing the totals row makes the last listed player current.
    // Its G is the team's games, not a sum over the players; its GP the pitchers' decisions.
    writer.begin(grid.rows.back()[0]);
    const StatValues& sums = state.cache.sums;
    writeTotalsRow(writer, sums, state.cache.totals, " Totals",
                   static_cast<long long>(toNumber(store.team.won)) + toNumber(store.team.lost) +
                       toNumber(store.team.tied),
                   sums[StatWon] + sums[StatLost]);
    grid.rows.push_back(writer.take());

    // The current player is not shown: the player of the selected row becomes the current one.
    if (grid.currentRow == 0)
        grid.currentRow = 1;
    const std::string& selected = grid.rows[static_cast<std::size_t>(grid.currentRow - 1)][0];
    if (selected != store.team.currentPlayer) {
        store.team.currentPlayer = selected;
        store.writeTeam();
    }
    store.readPlayer(toNumber(store.team.currentPlayer));
}

}  // namespace pny
