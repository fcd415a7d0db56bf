#pragma once

#include <QString>

namespace pny {

// What stands at `path` when it is not an ordinary file: "a folder", "a FIFO", "a device",
// "a socket" or "not an ordinary file". Empty for an ordinary file (a link to one included) and for
// a path where nothing is. Reading a FIFO would block until something writes into it, and a
// device is never ours to replace, so every reader and writer asks this first.
QString nonOrdinaryKind(const QString& path);

}  // namespace pny
