#pragma once

#include <QString>

namespace pny {

// What stands at `path` when it is not an ordinary file: "a folder", "a FIFO", "a device",
// "a socket" or "not an ordinary file". Empty for an ordinary file (a link to one included) and for
// a path where nothing is. Reading a FIFO would block until something writes into it, and a
// device is never ours to replace, so every reader and writer asks this first.
QString nonOrdinaryKind(const QString& path);

// What stands at a path, looked at without following a link and without opening anything.
enum class PathType { Missing, File, Folder, Fifo, SymLink, Device, Socket, Other };
PathType pathTypeOf(const QString& path);

// "a folder", "a FIFO", "a symbolic link", ...; empty for an ordinary file and for nothing.
QString describePathType(PathType type);

// For files that must be ordinary files of their folder themselves (the lock, the journal, a
// temporary file of a save, a file the user names for an output): empty when nothing or an
// ordinary file stands at `path`, else what stands there. A link is refused whatever it leads
// to: following it would read or write somewhere else.
QString notOwnFileKind(const QString& path);

}  // namespace pny
