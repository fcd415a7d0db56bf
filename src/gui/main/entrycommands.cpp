#include "main/entrycommands.h"

#include "entry/boxscore.h"
#include "entry/game.h"
#include "entry/player.h"
#include "entry/team.h"
#include "main/list.h"
#include "notes/notes.h"
#include "notes/notescommand.h"
#include "notes/radio.h"
#include "schedule/field.h"
#include "schedule/generator.h"
#include "schedule/make.h"
#include "store/linecodec.h"
#include "views/catalogues.h"
#include "views/gamelogform.h"
#include "views/tableview.h"

#include <QWidget>

#include <utility>

EntryCommands::EntryCommands(CommandHost host, std::function<TNoteForm&()> noteForm)
    : host_(std::move(host)), noteForm_(std::move(noteForm)) {}

TBoxScoreForm& EntryCommands::boxScoreForm() {
    return madeOnFirstUse(boxScoreForm_, [this] { return new TBoxScoreForm(host_.window); });
}
TFieldForm& EntryCommands::fieldForm() {
    return madeOnFirstUse(fieldForm_, [this] { return new TFieldForm(host_.window); });
}
TGameForm& EntryCommands::gameForm() {
    return madeOnFirstUse(gameForm_, [this] {
        auto* form = new TGameForm(host_.window);
        // The game dialog's Make fills the schedule from the fields' free time slots.
        form->makeSchedule = [this, form] {
            return MakeSchedule(form, host_.store, fieldForm(), makeForm());
        };
        return form;
    });
}
TGameLogForm& EntryCommands::gameLogForm() {
    return madeOnFirstUse(gameLogForm_, [this] { return new TGameLogForm(host_.window); });
}
TMakeForm& EntryCommands::makeForm() {
    return madeOnFirstUse(makeForm_, [this] { return new TMakeForm(host_.window); });
}
TPlayerForm& EntryCommands::playerForm() {
    return madeOnFirstUse(playerForm_, [this] { return new TPlayerForm(host_.window); });
}
TRadioNoteForm& EntryCommands::radioNoteForm() {
    return madeOnFirstUse(radioNoteForm_, [this] { return new TRadioNoteForm(host_.window); });
}
TTeamForm& EntryCommands::teamForm() {
    return madeOnFirstUse(teamForm_, [this] { return new TTeamForm(host_.window); });
}

void EntryCommands::UpdateButtonClick() {
    pny::Store& store = host_.store;
    const int tab = host_.currentTab();
    if (tab == 0) {
        if (!store.hasTeam())
            host_.askTeam();
        if (store.hasTeam() && teamForm().EnterTeamResult(store) != EntryResult::Cancelled)
            host_.refreshTable();
    } else if (tab >= 1 && tab <= 6) {
        if (!store.hasPlayer())
            host_.askPlayer();
        if (store.hasPlayer()) {
            const EntryResult result = playerForm().EnterPlayerStatistics(store);
            if (result != EntryResult::Cancelled)
                host_.clearStatsCache();
            if (result == EntryResult::Rebuild)
                host_.buildHeaders();
            if (result == EntryResult::Refresh)
                host_.refreshTable();
        }
    } else {
        if (!store.hasLeague())
            host_.askLeague();
        if (store.hasLeague() &&
            gameForm().EnterGame(store, host_.listForm(), host_.grid().hasRecords()) !=
                EntryResult::Cancelled)
            host_.refreshTable();
    }
}

void EntryCommands::BoxScoreItemClick() {
    pny::Store& store = host_.store;
    if (!store.hasLeague())
        host_.askLeague();
    if (!store.hasLeague())
        return;
    EntryResult result = EntryResult::Cancelled;
    const int game = pny::toNumber(store.league.currentGame);
    if (host_.currentTab() == pny::kScheduleTab && host_.grid().hasRecords() && game > 0) {
        result = boxScoreForm().EnterGameNight(store, host_.listForm(), game);
    } else {
        result = boxScoreForm().EnterNewNight(store, host_.listForm());
    }
    if (result != EntryResult::Cancelled)
        nightChanged();
}

bool EntryCommands::GameLogItemClick() {
    pny::Store& store = host_.store;
    if (!pny::isPlayerTab(host_.currentTab()) || !store.hasPlayer())
        return false;
    const int night = gameLogForm().ShowGameLog(store, pny::toNumber(store.league.currentTeam),
                                                pny::toNumber(store.team.currentPlayer));
    if (night > 0 &&
        boxScoreForm().CorrectNight(store, host_.listForm(), night) != EntryResult::Cancelled) {
        nightChanged();
    }
    return true;
}

void EntryCommands::NoteButtonClick() {
    runNoteCommand(host_.store, host_.currentTab(), radioNoteForm(), noteForm_(),
                   host_.window->windowTitle(), host_.window);
}

void EntryCommands::nightChanged() {
    // A night changes players' totals, the standings and a game's score.
    host_.clearStatsCache();
    const int game = boxScoreForm().doneGame();
    if (game > 0)
        pny::selectRecord(host_.store, pny::kScheduleTab, pny::numberText(game));
    // Showing the tab builds its table; a night outside the schedule leaves the tab as it is.
    if (game > 0 && host_.currentTab() != pny::kScheduleTab)
        host_.showTab(pny::kScheduleTab);
    else
        host_.buildHeaders();
    if (host_.confirm)
        host_.confirm(boxScoreForm().doneText());
}
