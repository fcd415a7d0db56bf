#pragma once

#include "main/commandhost.h"

#include <functional>

class TBoxScoreForm;
class TFieldForm;
class TGameForm;
class TGameLogForm;
class TMakeForm;
class TNoteForm;
class TPlayerForm;
class TRadioNoteForm;
class TTeamForm;

// The commands that enter or correct what was played: Update on every tab, the box score of a
// night, a player's game log (whose nights open for correction) and the notes.
class EntryCommands {
public:
    // `noteForm` is the notes editor the window shares with the list picker.
    EntryCommands(CommandHost host, std::function<TNoteForm&()> noteForm);

    // Team results, a player's statistics or a game, by tab. A missing item is asked for first;
    // when it is still missing, no dialog opens.
    void UpdateButtonClick();
    // The box score sheet: the selected game on the Schedule tab, else a date and two teams.
    void BoxScoreItemClick();
    // The current player's game log, on the player tabs; false when there is none to show.
    bool GameLogItemClick();
    void NoteButtonClick();

private:
    // After a night was added, changed or removed: every view shows it, the night's game is the
    // highlighted row of the schedule (and the record the next command acts on), and the window
    // says what was done.
    void nightChanged();

    TBoxScoreForm& boxScoreForm();
    TFieldForm& fieldForm();
    TGameForm& gameForm();
    TGameLogForm& gameLogForm();
    TMakeForm& makeForm();
    TPlayerForm& playerForm();
    TRadioNoteForm& radioNoteForm();
    TTeamForm& teamForm();

    CommandHost host_;
    std::function<TNoteForm&()> noteForm_;
    TBoxScoreForm* boxScoreForm_ = nullptr;
    TFieldForm* fieldForm_ = nullptr;
    TGameForm* gameForm_ = nullptr;
    TGameLogForm* gameLogForm_ = nullptr;
    TMakeForm* makeForm_ = nullptr;
    TPlayerForm* playerForm_ = nullptr;
    TRadioNoteForm* radioNoteForm_ = nullptr;
    TTeamForm* teamForm_ = nullptr;
};
