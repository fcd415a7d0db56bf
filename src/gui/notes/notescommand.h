#pragma once

#include <QString>

class QWidget;
class TNoteForm;
class TRadioNoteForm;

namespace pny {
class Store;
}

// The main window's Notes command: opens the notes of what the tab shows. On the Teams tab (0)
// the current team's, on the six player tabs (1 to 6) the current player's, on the Schedule tab
// (7) those of the current game or of its field, home team, away team or an umpire, chosen in
// `choices`. Nothing opens when the chosen item is missing (no current team or player, a game
// without that umpire); an empty schedule shows the message that its date is not valid. On the
// Schedule tab the current team is read back into the team buffer in every case.
void runNoteCommand(pny::Store& store, int tab, TRadioNoteForm& choices, TNoteForm& editor,
                    const QString& mainCaption, QWidget* parent);
