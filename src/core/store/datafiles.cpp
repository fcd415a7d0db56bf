#include "store/datafiles.h"

#include "store/filecommit.h"
#include "store/filekind.h"
#include "store/folderlock.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace pny {

DataKind dataKindOf(const QString& fileName) {
    const auto is = [&fileName](const char* name) {
        return fileName.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    const auto endsWith = [&fileName](const char* extension) {
        return fileName.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
    };
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')))
        return DataKind::None;
    // Checked first: "Y1L1.Teams.~pny0a1b2c3d" ends in no kind's extension, but is a save's.
    if (isCommitTempName(fileName))
        return DataKind::Temporary;
    if (is(kLockName) || fileName.compare(QLatin1String(kLockName) + QLatin1String(".rmlock"),
                                          Qt::CaseInsensitive) == 0)
        return DataKind::Lock;
    if (is(kJournalName))
        return DataKind::Journal;
    static const char* const kOlder[] = {".Years", ".Leagues", ".Teams",   ".Players",
                                         ".Games", ".Fields",  ".Umpires", ".Times"};
    for (const char* extension : kOlder) {
        if (endsWith(extension))
            return DataKind::Older;
    }
    if (endsWith(".Notes"))
        return DataKind::Notes;
    if (endsWith(".Leaders"))
        return DataKind::Leaders;
    // The people's links and the imports made are one file of ours each for the whole folder.
    if (endsWith(".People"))
        return DataKind::People;
    if (endsWith(".Imports"))
        return DataKind::Imports;
    // A league's game log ("Y1L1.Log"); other ".log" files are no business of ours.
    static const QRegularExpression gameLog(QStringLiteral("^Y[0-9]+L[0-9]+\\.Log$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (gameLog.match(fileName).hasMatch())
        return DataKind::GameLog;
    return DataKind::None;
}

bool isDataFileName(const QString& fileName) {
    return dataKindOf(fileName) != DataKind::None;
}

bool isCommitTarget(const QString& fileName) {
    switch (dataKindOf(fileName)) {
        case DataKind::Older:
        case DataKind::Notes:
        case DataKind::GameLog:
        case DataKind::Leaders:
        case DataKind::People:
        case DataKind::Imports:
            // An extension alone (".Years") is no file a save makes.
            return !fileName.startsWith(QLatin1Char('.'));
        case DataKind::None:
        case DataKind::Lock:
        case DataKind::Journal:
        case DataKind::Temporary:
            break;
    }
    return false;
}

QString refuseOutputPath(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    if (isDataFileName(QFileInfo(path).fileName())) {
        return QStringLiteral(
                   "\"%1\" is a name Pennantry keeps its data under, so nothing is written there; "
                   "choose another name.")
            .arg(shown);
    }
    const QString kind = notOwnFileKind(path);
    if (!kind.isEmpty())
        return QStringLiteral("\"%1\" is %2, not an ordinary file; nothing is written there.")
            .arg(shown, kind);
    return QString();
}

}  // namespace pny
