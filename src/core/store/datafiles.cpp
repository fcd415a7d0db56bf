#include "store/datafiles.h"

#include "store/filecommit.h"
#include "store/filekind.h"
#include "store/folderlock.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace pny {

bool isDataFileName(const QString& fileName) {
    static const char* const kExtensions[] = {".Years", ".Leagues", ".Teams",   ".Players",
                                              ".Games", ".Fields",  ".Umpires", ".Times",
                                              ".Notes", ".Leaders"};
    for (const char* extension : kExtensions) {
        if (fileName.endsWith(QLatin1String(extension), Qt::CaseInsensitive))
            return true;
    }
    // The people's links and the imports made are files of ours for the whole folder.
    if (fileName.endsWith(QLatin1String(".People"), Qt::CaseInsensitive) ||
        fileName.endsWith(QLatin1String(".Imports"), Qt::CaseInsensitive))
        return true;
    // A league's game log ("Y1L1.Log"); other ".log" files are no business of ours.
    static const QRegularExpression gameLog(QStringLiteral("^Y[0-9]+L[0-9]+\\.Log$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return gameLog.match(fileName).hasMatch() ||
           fileName.compare(QLatin1String(kLockName), Qt::CaseInsensitive) == 0 ||
           fileName.compare(QLatin1String(kJournalName), Qt::CaseInsensitive) == 0 ||
           isCommitTempName(fileName);
}

QString refuseOutputPath(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    if (isDataFileName(QFileInfo(path).fileName())) {
        return QStringLiteral(
                   "\"%1\" is a name Pennantry keeps its data under, so nothing is written there; "
                   "choose another name.")
            .arg(shown);
    }
    const QString kind = nonOrdinaryKind(path);
    if (!kind.isEmpty())
        return QStringLiteral("\"%1\" is %2, not an ordinary file; nothing is written there.")
            .arg(shown, kind);
    return QString();
}

}  // namespace pny
