#include "backupcommand.h"

#include "arguments.h"
#include "exitstatus.h"
#include "folderaccess.h"

#include "print/backupcopy.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace pny::cli {

const char* const kBackupUsage =
    "  backup DEST [--folder DIR]\n"
    "            copy every data and notes file into the folder DEST, listing each file.\n";

int runBackup(const QStringList& arguments) {
    const QString command = QStringLiteral("backup");
    const CommandLine syntax{
        "backup", "backup DEST [--folder DIR]", kBackupUsage, {{"--folder"}, {}, 1}};
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandArguments args;
    if (const auto status = readCommandLine(arguments, syntax, args, [](const auto& read) {
            return read.plain.isEmpty() ? QStringLiteral("give the destination folder") : QString();
        }))
        return *status;
    const QString folder = args.dataFolder();
    const QString dest = args.plain.value(0);
    if (!QFileInfo(folder).isDir())
        return failure(command, QStringLiteral("no data folder \"%1\"").arg(folder));
    // A new folder on a stick is made, a file of that name is not replaced.
    if (!QFileInfo(dest).isDir() && (QFileInfo::exists(dest) || !QDir().mkpath(dest))) {
        return failure(command,
                       QStringLiteral("the destination folder \"%1\" cannot be made").arg(dest));
    }
    if (!prepareForReading(folder, "backup"))
        return exitStatus(Outcome::Failure);
    const pny::BackupResult result = pny::backupAll(folder, dest);
    for (int i = 0; i < result.copied; ++i)
        out << result.names.at(i) << "\n";
    out.flush();
    if (!result.ok())
        return failure(command, result.failureMessage());
    err << result.copied << (result.copied == 1 ? " file" : " files") << " copied to " << dest
        << "\n";
    return exitStatus(Outcome::Success);
}

}  // namespace pny::cli
