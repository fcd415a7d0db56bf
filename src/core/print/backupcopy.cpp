#include "print/backupcopy.h"

#include "store/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace pny {

const char* const kBackupPatterns =
    "*.Years;*.Leagues;*.Teams;*.Players;*.Games;*.Fields;*.Umpires;*.Times;*.Notes;*.Leaders"
    ";*.People;*.Imports;Y*L*.Log";

QStringList backupFileNames(const QString& dataFolder) {
    QDir dir(dataFolder);
    dir.setNameFilters(QString::fromLatin1(kBackupPatterns).split(QLatin1Char(';')));
    // Without QDir::Hidden and QDir::System only ordinary, visible files are listed; without
    // QDir::CaseSensitive the patterns ignore letter case.
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

QString backupTarget(const QString& destFolder, const QString& fileName) {
    QString path = destFolder;
    if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QDir::separator()))
        path += QLatin1Char('/');
    return path + fileName;
}

bool backupFile(const QString& source, const QString& target, QString& error) {
    std::vector<std::string> lines;
    if (!readTextLines(source, lines, error))
        return false;
    // Backing up into the data folder itself: the copy is already there, and rewriting a file
    // with itself could only lose it (a full disk), never gain anything.
    const QFileInfo sourceInfo(source);
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && sourceInfo.canonicalFilePath() == targetInfo.canonicalFilePath())
        return true;
    return writeTextLines(target, lines, error);
}

QString BackupResult::failureMessage() const {
    if (ok())
        return {};
    const QString copiedText =
        copied == 1 ? QStringLiteral("1 file was") : QStringLiteral("%1 files were").arg(copied);
    return QStringLiteral("The backup stopped at \"%1\": %2\n%3 copied before it.")
        .arg(failedName, error, copiedText);
}

BackupResult backupAll(const QString& dataFolder, const QString& destFolder,
                       const QStringList& names, const std::function<void(int)>& beforeFile) {
    BackupResult result;
    result.names = names;
    for (int i = 0; i < names.size(); ++i) {
        if (beforeFile)
            beforeFile(i);
        QString error;
        if (!backupFile(QDir(dataFolder).filePath(names.at(i)),
                        backupTarget(destFolder, names.at(i)), error)) {
            result.failedName = names.at(i);
            result.error = error;
            return result;
        }
        ++result.copied;
    }
    return result;
}

BackupResult backupAll(const QString& dataFolder, const QString& destFolder,
                       const std::function<void(int)>& beforeFile) {
    return backupAll(dataFolder, destFolder, backupFileNames(dataFolder), beforeFile);
}

}  // namespace pny
