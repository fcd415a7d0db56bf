#include "backupcommand.h"

#include "folderaccess.h"
#include "folderarguments.h"

#include "print/backupcopy.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace pny::cli {

int runBackup(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    FolderArguments args;
    if (!readFolderArguments(arguments, 1, "backup", "Usage: pny backup DEST [--folder DIR]\n",
                             args))
        return 2;
    const QString folder = args.folder;
    const QString dest = args.plain.value(0);
    if (dest.isEmpty()) {
        err << "Usage: pny backup DEST [--folder DIR]\n";
        return 2;
    }
    if (!QFileInfo(folder).isDir()) {
        err << "pny backup: the data folder \"" << folder << "\" does not exist\n";
        return 1;
    }
    // A new folder on a stick is made, a file of that name is not replaced.
    if (!QFileInfo(dest).isDir() && (QFileInfo::exists(dest) || !QDir().mkpath(dest))) {
        err << "pny backup: the destination folder \"" << dest << "\" cannot be made\n";
        return 1;
    }
    if (!prepareForReading(folder, "backup"))
        return 1;
    const pny::BackupResult result = pny::backupAll(folder, dest);
    for (int i = 0; i < result.copied; ++i)
        out << result.names.at(i) << "\n";
    out.flush();
    if (!result.ok()) {
        err << "pny backup: " << result.failureMessage() << "\n";
        return 1;
    }
    err << result.copied << (result.copied == 1 ? " file" : " files") << " copied to " << dest
        << "\n";
    return 0;
}

}  // namespace pny::cli
