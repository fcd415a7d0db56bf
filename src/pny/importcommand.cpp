#include "importcommand.h"

#include "folderaccess.h"
#include "folderarguments.h"

#include "import/legacyimport.h"
#include "store/store.h"

#include <QFileInfo>
#include <QTextStream>

namespace pny::cli {

int runImport(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    const char* const usage = "Usage: pny import FILE [--folder DIR]\n";
    FolderArguments args;
    if (!readFolderArguments(arguments, 1, "import", usage, args))
        return 2;
    const QString folder = args.folder;
    const QString file = args.plain.value(0);
    if (file.isEmpty()) {
        err << usage;
        return 2;
    }
    if (!QFileInfo(folder).isDir()) {
        err << "pny import: the data folder \"" << folder << "\" does not exist\n";
        return 1;
    }
    if (!pny::hasLegacyExtension(file)) {
        err << "pny import: The File Extension Must be .PZS (\"" << file << "\")\n";
        return 1;
    }

    pny::FolderLock lock(folder);
    if (const int status = lockForWriting(lock, "import"))
        return status;
    pny::Store store(folder);
    bool fileError = false;
    store.onFileError = [&](const QString& message) {
        err << "pny import: " << message << "\n";
        fileError = true;
    };
    store.loadYears();
    if (fileError)
        return 1;  // never save over a years file that could not be read
    const pny::ImportResult result = pny::importLegacyFile(store, file);
    for (const QString& warning : result.warnings)
        err << "pny import: " << warning << "\n";
    if (!result.ok()) {
        err << "pny import: " << result.error << "\n";
        return 1;
    }
    // The whole import is one commit: it reaches the disk whole or not at all.
    if (!store.saveAll() || fileError) {
        err << "pny import: nothing was imported\n";
        return 1;
    }
    const pny::ImportCounts& c = result.counts;
    out << "Added " << c.seasons << (c.seasons == 1 ? " season, " : " seasons, ") << c.leagues
        << (c.leagues == 1 ? " league, " : " leagues, ") << c.teams
        << (c.teams == 1 ? " team, " : " teams, ") << c.players
        << (c.players == 1 ? " player, " : " players, ") << c.games
        << (c.games == 1 ? " game, " : " games, ") << c.fields
        << (c.fields == 1 ? " field, " : " fields, ") << c.umpires
        << (c.umpires == 1 ? " umpire" : " umpires") << " and " << c.notes
        << (c.notes == 1 ? " notes file" : " notes files") << " from " << file << "\n";
    if (c.cleaned > 0)
        out << pny::cleanedTextsReport(c) << "\n";
    return result.warnings.isEmpty() ? 0 : 1;
}

}  // namespace pny::cli
