#pragma once

#include "import/importrecords.h"
#include "views/progress.h"

#include <QString>
#include <QStringList>

#include <optional>

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

// "Added 1 season, 1 league, 6 teams, 72 players, 30 games, 3 fields, 5 umpires and 7 notes
// files from LEAGUE96.PZS".
QString importSummary(const ImportCounts& counts, const QString& fileName);

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
    // Set, with `error`, when the same file (by size and SHA-1) was imported into the folder
    // before and the import was not told to go again: that import's record.
    std::optional<ImportRecord> earlier;

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
//
// The import is recorded in the folder's import records, staged for the same commit, and the
// store's recovery note names the file and its seasons. A file imported before is refused (see
// ImportResult::earlier) unless `again` is set.
ImportResult importLegacyFile(Store& store, const QString& path, const ProgressFn& progress = {},
                              bool again = false);

}  // namespace pny
