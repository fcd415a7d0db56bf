#include "views/teamview.h"

#include "store/linecodec.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/formats.h"
#include "views/rowwriter.h"
#include "views/tablelayout.h"

namespace pny {

namespace {
constexpr std::size_t kKeyStart = 10;  // the line number follows the two 5-character pieces
constexpr std::size_t kKeyLength = 5;
}  // namespace

std::string standingsKey(int won, int lost, int line) {
    const long long decided = static_cast<long long>(won) + lost;
    const long long breaker = lost < won ? decided : 1000 - decided;
    return formatRate(won, decided) + zeroPad(breaker, 5) + std::to_string(line);
}

std::string gamesBehind(int leaderWon, int leaderLost, int won, int lost) {
    const long long v = (static_cast<long long>(leaderWon) - won) + (lost - leaderLost);
    const std::string half = v > 0 && v % 2 != 0 ? ".5" : "";
    const long long h = v / 2;
    // The whole games are never cut: a long season shows its full count.
    return ' ' + (h > 0 ? std::to_string(h) + half : half);
}

void buildTeamView(Store& store, ViewState& state, ViewGrid& grid, const ProgressFn& progress) {
    const int lines = store.teams.size();
    ProgressCounter counter(progress, 2 * lines);
    for (int i = 1; i < lines; ++i) {
        counter.step();
        const TeamRecord team = TeamRecord::parse(store.teams.line(i));
        if (!team.flag.empty())
            continue;
        state.sortList.insert(standingsKey(toNumber(team.won), toNumber(team.lost), i));
    }
    clearTableBody(grid);
    const int n = state.sortList.size();
    if (n == 0)
        return;

    grid.rows.clear();
    grid.rows.reserve(static_cast<std::size_t>(n));
    const std::vector<bool> shown = shownColumns(store.league, kTeamsTab);
    RowWriter writer(shown);
    int leaderWon = 0;
    int leaderLost = 0;
    for (int r = 1; r <= n; ++r) {
        counter.step();
        const std::string& keyLine = state.sortList.at(n - r);
        std::string key = keyLine.substr(kKeyStart, kKeyLength);
        if (key == store.league.currentTeam)
            grid.currentRow = r;
        const TeamRecord team = TeamRecord::parse(store.teams.line(toNumber(key)));
        const int won = toNumber(team.won);
        const int lost = toNumber(team.lost);
        if (r == 1) {
            leaderWon = won;
            leaderLost = lost;
        }
        writer.begin(std::move(key));
        writer.add(formatCount(r));
        writer.add(' ' + team.number);
        writer.add(' ' + team.name);
        writer.add(' ' + team.won);
        writer.add(' ' + team.lost);
        writer.add(' ' + team.tied);
        writer.add(keyLine.substr(0, 5));
        writer.add(gamesBehind(leaderWon, leaderLost, won, lost));
        grid.rows.push_back(writer.take());
    }

    // The current team is not shown: the team of the selected row becomes the current one.
    if (grid.currentRow == 0)
        grid.currentRow = 1;
    const std::string& selected = grid.rows[static_cast<std::size_t>(grid.currentRow - 1)][0];
    if (selected != store.league.currentTeam) {
        store.league.currentTeam = selected;
        store.writeLeague();
    }
    store.readTeam(toNumber(store.league.currentTeam));
}

}  // namespace pny
