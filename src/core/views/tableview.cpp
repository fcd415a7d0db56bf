#include "views/tableview.h"

#include "store/linecodec.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/playerview.h"
#include "views/scheduleview.h"
#include "views/teamview.h"

namespace pny {

ViewGrid buildTable(Store& store, ViewState& state, int tab, const ProgressFn& progress) {
    ViewGrid grid;
    store.ensureLeagues();
    buildHeaderRow(store.league, tab, grid);

    store.ensureTeams();
    state.sortList.clear();
    grid.caption = store.year.number + ' ' + store.league.name;
    if (tab == kTeamsTab) {
        buildTeamView(store, state, grid, progress);
    } else if (isPlayerTab(tab)) {
        buildPlayerView(store, state, tab, grid, progress);
    } else if (tab == kScheduleTab) {
        buildScheduleView(store, state, grid, progress);
    } else {
        clearTableBody(grid);
    }
    return grid;
}

void selectRecord(Store& store, int tab, const std::string& key) {
    if (key.empty())
        return;
    const std::string index = cutTo(key, width::kIndex);
    if (tab == kTeamsTab) {
        if (index == store.league.currentTeam)
            return;
        store.league.currentTeam = index;
        store.readTeam(toNumber(index));
        store.writeLeague();
    } else if (isPlayerTab(tab)) {
        if (index == store.team.currentPlayer)
            return;
        store.team.currentPlayer = index;
        store.readPlayer(toNumber(index));
        store.writeTeam();
    } else if (tab == kScheduleTab) {
        if (index == store.league.currentGame)
            return;
        store.league.currentGame = index;
        store.readGame(toNumber(index));
        store.writeLeague();
    }
}

CommandStates commandStates(const Store& store, const ViewGrid& grid) {
    CommandStates states{};
    states.setup = toNumber(store.year.currentLeague) > 0;
    states.font = states.setup;
    const int wide = wideColumn(grid);
    states.update = wide > 0;
    states.notes = states.update && grid.hasRecords();
    states.print = states.notes;
    states.focusColumn = states.notes ? wide : 0;
    return states;
}

}  // namespace pny
