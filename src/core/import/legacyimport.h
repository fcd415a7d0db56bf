#pragma once

#include "views/progress.h"

#include <QString>
#include <QStringList>

namespace pny {

class Store;

// What one import added.
struct ImportCounts {
    int seasons = 0;
    int leagues = 0;
    int teams = 0;
    int players = 0;
    int games = 0;
    int fields = 0;
    int umpires = 0;
    int notes = 0;
    // Texts that held characters a record cannot hold (a separator, a NUL, a line break or
    // another control character), each replaced by a space.
    int cleaned = 0;
};

// "3 texts held characters a record cannot hold; replaced by spaces", or an empty text.
QString cleanedTextsReport(const ImportCounts& counts);

struct ImportResult {
    ImportCounts counts;
    // Empty when the whole file was read. Otherwise why the import did not run or stopped, naming
    // the file: the file does not exist or cannot be read (nothing was added), or a data file
    // could not be written midway (what was added before stays).
    QString error;
    // Notes files that could not be read or written; the import went on without them.
    QStringList warnings;

    bool ok() const { return error.isEmpty(); }
};

// True when the file name ends in ".PZS" (any letter case).
bool hasLegacyExtension(const QString& path);

// Reads a legacy statistics file (".PZS", INI format) with its notes files (".PZN", in the same
// folder) and appends every named season in it as a new year with its leagues, teams, players,
// games, fields and umpires, through the store's Add and Ensure operations; nothing that exists
// is changed. Afterwards the last imported year, league, team and game are the current ones and
// the new lists are marked changed (nothing is saved beyond what the Ensure operations write when
// the selection moves). `progress` is told (sections visited, file size / 8).
ImportResult importLegacyFile(Store& store, const QString& path, const ProgressFn& progress = {});

}  // namespace pny
