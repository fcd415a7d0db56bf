#include "store/savecheck.h"

#include "store/filecommit.h"
#include "store/filekind.h"
#include "store/folderlock.h"

#include <QDir>

namespace pny {

std::vector<CheckFinding> checkSaveLeftovers(const QString& folder) {
    std::vector<CheckFinding> findings;
    const auto report = [&findings](const QString& name, const QString& message) {
        findings.push_back({name.toStdString(), 0, message.toStdString()});
    };
    const QDir dir(folder);
    const QStringList names = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        const PathType type = pathTypeOf(dir.filePath(name));
        if (name == QLatin1String(kJournalName)) {
            if (type == PathType::File) {
                report(name, QStringLiteral(
                                 "the journal of a save that was interrupted; the next start of "
                                 "Pennantry or of a pny command completes or undoes it"));
            } else {
                report(name, QStringLiteral("\"%1\" is %2, not an ordinary file: no save made it; "
                                            "the next start of Pennantry or of a pny command "
                                            "sets it aside")
                                 .arg(name, describePathType(type)));
            }
        } else if (isSetAsideJournalName(name)) {
            report(name, QStringLiteral("a save journal that could not be trusted, set aside; "
                                        "nothing it names was changed. Look at it and remove it"));
        } else if (isCommitTempName(name)) {
            if (type == PathType::Folder) {
                report(name, QStringLiteral("a folder with the name of a temporary file of a "
                                            "save; no save made it: remove it by hand"));
            } else {
                report(name, QStringLiteral("a temporary file of a save that was interrupted; the "
                                            "next start of Pennantry or of a pny command removes "
                                            "it")
                                 .append(type == PathType::File
                                             ? QString()
                                             : QStringLiteral(" (it is %1, which no save makes)")
                                                   .arg(describePathType(type))));
            }
        }
    }
    if (const LockFileProblem problem = lockFileProblem(folder); problem.found()) {
        report(problem.fileName,
               QStringLiteral("\"%1\" %2: no program can lock the folder until it is removed")
                   .arg(problem.fileName, problem.what));
    } else if (isStaleLock(dir.filePath(QLatin1String(kLockName)))) {
        report(QLatin1String(kLockName),
               QStringLiteral("a lock left by a program that ended without closing; the next "
                              "program to open the folder takes it over"));
    }
    return findings;
}

}  // namespace pny
