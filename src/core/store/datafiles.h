#pragma once

#include <QString>

namespace pny {

// The kinds of file a data folder holds. The older kinds are the years, leagues, teams, players,
// games, fields, umpires and times files; the rest are ours.
enum class DataKind {
    None,       // no file of ours
    Older,      // the older program's files, notes excepted
    Notes,      // "Y1L1T1.Notes"
    GameLog,    // "Y1L1.Log"
    Leaders,    // "Y1L1.Leaders"
    People,     // "Pennantry.People"
    Imports,    // "Pennantry.Imports"
    Lock,       // "Pennantry.Lock" and the helper file its locking makes beside it
    Journal,    // "Pennantry.Journal"
    Temporary,  // a temporary file of a save
};

// Which of a data folder's files a name is (letter case ignored, as the backup does).
DataKind dataKindOf(const QString& fileName);

// True when a file of this name is one of a data folder's own: the data files of every kind, the
// lock, the journal and the temporary files of a save.
bool isDataFileName(const QString& fileName);

// True when a save may replace a file of this name: a plain name (no folder in it) of one of the
// data files, never the lock, the journal, a temporary file or anything else in the folder.
bool isCommitTarget(const QString& fileName);

// For anything that writes a file the user names (an export, a published page, a printed PDF):
// empty when `path` may be written, else a message saying why not. Only a data file's own writer
// may replace it, and only an ordinary file (or a new one) is ever written: a FIFO would block,
// and a link would write where it leads.
QString refuseOutputPath(const QString& path);

}  // namespace pny
