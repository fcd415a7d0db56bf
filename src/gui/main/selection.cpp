#include "main/selection.h"

#include "main/list.h"
#include "store/linecodec.h"

SelectionCommands::SelectionCommands(pny::Store& store, TListForm& list, Hooks hooks)
    : store_(store), list_(list), hooks_(std::move(hooks)) {
    if (hooks_.openNotes)
        list_.setOpenNotes(hooks_.openNotes);
}

void SelectionCommands::call(const std::function<void()>& hook) const {
    if (hook)
        hook();
}

void SelectionCommands::YearButtonClick() {
    bool changed = false;
    const std::string chosen =
        list_.ListPicker(store_.years, "Year", store_.header.currentYear, changed);
    store_.readYear(pny::toNumber(chosen));
    if (chosen != store_.header.currentYear) {
        store_.header.currentYear = chosen;
        // The league, team and player buffers follow the new year at once, so that the levels
        // below are judged by this year's records and not by the last year's.
        store_.ensureLeagues();
        call(hooks_.buildHeaders);
    } else if (changed) {
        call(hooks_.refreshTable);
    }
}

void SelectionCommands::LeagueButtonClick() {
    if (!store_.hasYear()) {
        YearButtonClick();
        if (!store_.hasYear())
            return;
    }
    // A list whose old file could not be written stays loaded; choosing from it would put the
    // choice into the wrong file, so the command stops (the store has reported the failure).
    if (!store_.ensureLeagues())
        return;
    bool changed = false;
    const std::string chosen =
        list_.ListPicker(store_.leagues, "League", store_.year.currentLeague, changed);
    store_.readLeague(pny::toNumber(chosen));
    if (changed)
        store_.changed.leagues = true;
    if (chosen != store_.year.currentLeague) {
        store_.year.currentLeague = chosen;
        store_.writeYear();
        store_.ensureTeams();
        call(hooks_.buildHeaders);
    } else if (changed) {
        call(hooks_.refreshTable);
    }
}

void SelectionCommands::TeamButtonClick() {
    if (!store_.ensureLeagues())
        return;
    if (!store_.hasLeague()) {
        LeagueButtonClick();
        if (!store_.hasLeague())
            return;
    }
    if (!store_.ensureTeams())
        return;
    bool changed = false;
    const std::string chosen =
        list_.ListPicker(store_.teams, "Team", store_.league.currentTeam, changed);
    store_.readTeam(pny::toNumber(chosen));
    if (changed)
        store_.changed.teams = true;
    if (chosen != store_.league.currentTeam) {
        store_.league.currentTeam = chosen;
        store_.writeLeague();
        store_.ensurePlayers();
        call(hooks_.refreshTable);
    } else if (changed) {
        call(hooks_.refreshTable);
    }
}

void SelectionCommands::PlayerButtonClick() {
    if (!store_.ensureTeams())
        return;
    if (!store_.hasTeam()) {
        TeamButtonClick();
        if (!store_.hasTeam())
            return;
    }
    if (!store_.ensurePlayers())
        return;
    bool changed = false;
    const std::string chosen =
        list_.ListPicker(store_.players, "Player", store_.team.currentPlayer, changed);
    store_.readPlayer(pny::toNumber(chosen));
    if (changed) {
        store_.changed.players = true;
        call(hooks_.clearStatsCache);
    }
    if (chosen != store_.team.currentPlayer) {
        store_.team.currentPlayer = chosen;
        store_.writeTeam();
        call(hooks_.refreshTable);
    } else if (changed) {
        call(hooks_.refreshTable);
    }
}
