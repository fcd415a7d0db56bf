#include "backupcommand.h"

#include "print/backupcopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace pny::cli {

int runBackup(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString dest;
    QString folder = QCoreApplication::applicationDirPath();
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--folder") && i + 1 < arguments.size()) {
            folder = arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--folder="))) {
            folder = arg.mid(9);
        } else if (!arg.startsWith(QLatin1String("--")) && dest.isEmpty()) {
            dest = arg;
        } else {
            err << "pny backup: unexpected argument \"" << arg << "\"\n"
                << "Usage: pny backup DEST [--folder DIR]\n";
            return 2;
        }
    }
    if (dest.isEmpty()) {
        err << "Usage: pny backup DEST [--folder DIR]\n";
        return 2;
    }
    if (!QFileInfo(folder).isDir()) {
        err << "pny backup: the data folder \"" << folder << "\" does not exist\n";
        return 1;
    }
    if (!QFileInfo(dest).isDir()) {
        err << "pny backup: the destination folder \"" << dest << "\" does not exist\n";
        return 1;
    }
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
