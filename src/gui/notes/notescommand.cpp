#include "notes/notescommand.h"

#include "common/messages.h"
#include "notes/noteheadings.h"
#include "notes/notes.h"
#include "notes/radio.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

namespace {

constexpr int kTeamsTab = 0;
constexpr int kLastPlayerTab = 6;
constexpr int kScheduleTab = 7;

void open(pny::Store& store, TNoteForm& editor, const QString& mainCaption,
          const pny::NoteTarget& target) {
    if (target.reference.empty())
        return;
    editor.OpenNotes(store, mainCaption, pny::fromCodePage(target.heading), target.reference);
}

}  // namespace

void runNoteCommand(pny::Store& store, int tab, TRadioNoteForm& choices, TNoteForm& editor,
                    const QString& mainCaption, QWidget* parent) {
    if (tab == kTeamsTab) {
        open(store, editor, mainCaption, pny::teamNoteTarget(store));
        return;
    }
    if (tab > kTeamsTab && tab <= kLastPlayerTab) {
        open(store, editor, mainCaption, pny::playerNoteTarget(store));
        return;
    }
    if (tab != kScheduleTab)
        return;

    store.ensureTeams();
    store.ensureGames();
    store.ensureFields();
    store.ensureUmpires();
    store.readGame(pny::toNumber(store.league.currentGame));
    // Reads the game's field, teams and umpires and gives the team buffer back its current team.
    const pny::GameNoteLines lines = pny::readGameNoteLines(store);
    if (lines.dateError) {
        Messages::error(parent, pny::fromCodePage(*lines.dateError));
        return;
    }
    QStringList labels{pny::fromCodePage(lines.field), pny::fromCodePage(lines.date),
                       pny::fromCodePage(lines.home), pny::fromCodePage(lines.away)};
    for (const std::string& umpire : lines.umpires)
        labels << pny::fromCodePage(umpire);
    choices.setLines(labels);
    if (!choices.choose())
        return;
    const auto choice = static_cast<pny::GameNoteChoice>(choices.choice());
    open(store, editor, mainCaption, pny::gameNoteTarget(store, lines, choice));
}
