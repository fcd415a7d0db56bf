#include "views/scheduleview.h"

#include "schedule/gametime.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/formats.h"
#include "views/rowwriter.h"
#include "views/tablelayout.h"

namespace pny {
namespace {

constexpr std::size_t kScheduleCharacter = 6;  // character 7 of the sort keys and directions
constexpr int kPieceWidth = 8;
constexpr std::size_t kTwoPieces = 16;
constexpr std::size_t kThreePieces = 24;
constexpr std::size_t kKeyLength = 5;

std::string datePiece(const GameRecord& game) {
    return padRight(game.date, kPieceWidth);
}

std::string timePiece(const GameRecord& game) {
    return "TIME" + padRight(game.time, kPieceWidth - 4);
}

NamedRecord namedAt(const RecordList& list, const std::string& reference) {
    return NamedRecord::parse(list.line(toNumber(reference)));
}

TeamRecord teamAt(const RecordList& list, const std::string& reference) {
    return TeamRecord::parse(list.line(toNumber(reference)));
}

}  // namespace

int scheduleSortKey(const LeagueRecord& league) {
    if (league.sortKeys.size() <= kScheduleCharacter)
        return SortByDate;
    const int key = static_cast<unsigned char>(league.sortKeys[kScheduleCharacter]) - 128;
    return key >= SortByField && key <= SortByAway ? key : SortByDate;
}

bool scheduleSortDescending(const LeagueRecord& league) {
    return league.sortDirections.size() > kScheduleCharacter &&
           league.sortDirections[kScheduleCharacter] == '1';
}

std::string scheduleKeyLine(const GameRecord& game, const std::string& fieldNumber,
                            const std::string& homeNumber, const std::string& awayNumber, int key,
                            int line) {
    const std::string field = padLeft(fieldNumber, kPieceWidth);
    const std::string home = padLeft(homeNumber, kPieceWidth);
    const std::string away = padLeft(awayNumber, kPieceWidth);
    std::string first, second, third;
    switch (key) {
        case SortByField:
            first = field, second = datePiece(game), third = timePiece(game);
            break;
        case SortByTime:
            first = timePiece(game), second = datePiece(game), third = field;
            break;
        case SortByHome:
            first = home, second = away, third = datePiece(game);
            break;
        case SortByAway:
            first = away, second = home, third = datePiece(game);
            break;
        case SortByDate:
        default:
            first = datePiece(game), second = timePiece(game), third = field;
            break;
    }
    std::string keyLine = cutTo(first + second, kTwoPieces);
    keyLine = cutTo(keyLine + third, kThreePieces);
    return keyLine + std::to_string(line);
}

bool passesScheduleFilters(const GameRecord& game, const std::string& teamFilter,
                           const std::string& umpireFilter) {
    if (!teamFilter.empty() && teamFilter != game.home && teamFilter != game.away)
        return false;
    if (!umpireFilter.empty()) {
        for (const std::string& umpire : game.umpires) {
            if (umpire == umpireFilter)
                return true;
        }
        return false;
    }
    return true;
}

void buildScheduleView(Store& store, ViewState& state, ViewGrid& grid, const ProgressFn& progress) {
    if (!store.ensureGames()) {
        // The games of the league shown before could not be saved: they stay in memory, and
        // showing them under this league's name would mislead.
        clearTableBody(grid);
        return;
    }
    store.ensureFields();
    store.ensureUmpires();

    const int lines = store.games.size();
    ProgressCounter counter(progress, 2 * lines);
    const int key = scheduleSortKey(store.league);
    const bool byTeams = key == SortByHome || key == SortByAway;
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(lines));
    for (int i = 1; i < lines; ++i) {
        counter.step();
        const GameRecord game = GameRecord::parse(store.games.line(i));
        if (!game.flag.empty() ||
            !passesScheduleFilters(game, store.teamFilter, store.umpireFilter)) {
            continue;
        }
        std::string fieldNumber, homeNumber, awayNumber;
        if (byTeams) {
            homeNumber = teamAt(store.teams, game.home).number;
            awayNumber = teamAt(store.teams, game.away).number;
        } else {
            fieldNumber = namedAt(store.fields, game.field).number;
        }
        keys.push_back(scheduleKeyLine(game, fieldNumber, homeNumber, awayNumber, key, i));
    }
    state.sortList.insertAll(keys);
    clearTableBody(grid);
    const int n = state.sortList.size();
    if (n == 0)
        return;

    const bool descending = scheduleSortDescending(store.league);
    const std::size_t columns = static_cast<std::size_t>(grid.columnCount());
    grid.rows.assign(static_cast<std::size_t>(n), std::vector<std::string>(columns));
    const std::vector<bool> shown = shownColumns(store.league, kScheduleTab);
    RowWriter writer(shown);
    for (int r = 1; r <= n; ++r) {
        counter.step();
        const std::string& keyLine = state.sortList.at(descending ? n - r : r - 1);
        std::string line =
            keyLine.size() > kThreePieces ? keyLine.substr(kThreePieces, kKeyLength) : "";
        if (line == store.league.currentGame)
            grid.currentRow = r;
        std::vector<std::string>& row = grid.rows[static_cast<std::size_t>(r - 1)];
        const GameRecord game = GameRecord::parse(store.games.line(toNumber(line)));
        const std::optional<QDateTime> moment = readGameDateTime(game.date, game.time);
        if (!moment) {
            // The rows stop here; this one keeps its key so the game can be chosen and mended.
            row[0] = std::move(line);
            grid.error = invalidDateTimeMessage(game.date, game.time);
            break;
        }
        const NamedRecord field = namedAt(store.fields, game.field);
        const TeamRecord home = teamAt(store.teams, game.home);
        const TeamRecord away = teamAt(store.teams, game.away);

        writer.begin(std::move(line));
        writer.add(formatCount(r));
        writer.add(' ' + field.number);
        writer.add(' ' + field.name);
        writer.add(' ' + weekdayName(moment->date()));
        writer.add(' ' + monthDayText(moment->date()));
        writer.add(' ' + scheduleTimeText(moment->time()));
        writer.add(' ' + home.number);
        writer.add(' ' + home.name);
        writer.add(' ' + away.number);
        writer.add(' ' + away.name);
        writer.add(' ' + game.homeScore);
        writer.add(' ' + game.awayScore);
        for (const std::string& reference : game.umpires) {
            const NamedRecord umpire = namedAt(store.umpires, reference);
            writer.add(' ' + umpire.number);
            writer.add(' ' + umpire.name);
        }
        row = writer.take();
    }

    // The current game is not shown: the game of the selected row becomes the current one.
    if (grid.currentRow == 0)
        grid.currentRow = 1;
    const std::string& selected = grid.rows[static_cast<std::size_t>(grid.currentRow - 1)][0];
    if (!selected.empty() && selected != store.league.currentGame) {
        store.league.currentGame = selected;
        store.writeLeague();
    }
    store.readGame(toNumber(store.league.currentGame));
    store.readTeam(toNumber(store.league.currentTeam));
}

}  // namespace pny
