#pragma once

#include <QString>

namespace pny {

// True when a file of this name is one of a data folder's own: the years, leagues, teams,
// players, games, fields, umpires and times files, notes files, leader settings, the people's
// links, the imports made, the lock, the journal and the temporary files of a save (letter case
// ignored, as the backup does).
bool isDataFileName(const QString& fileName);

// For anything that writes a file the user names (an export, a published page): empty when
// `path` may be written, else a message saying why not. Only a data file's own writer may replace
// it, and only an ordinary file (or a new one) is ever written.
QString refuseOutputPath(const QString& path);

}  // namespace pny
