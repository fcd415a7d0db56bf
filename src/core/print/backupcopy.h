#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace pny {

// The name patterns of the files a backup copies, separated by ";" (letter case ignored).
extern const char* const kBackupPatterns;

// The names of the files a backup copies: the ordinary, not hidden files of `dataFolder` whose
// names match one of the backup patterns, in alphabetical order (letter case ignored).
QStringList backupFileNames(const QString& dataFolder);

// The target path of `fileName` in the folder `destFolder`.
QString backupTarget(const QString& destFolder, const QString& fileName);

// Copies one data file as text lines: every line, the last one too, is written with a CR LF.
// The target is replaced atomically, so a failed copy leaves no partly written file. When source
// and target are the same file nothing is written. Returns false with a message naming the file
// and the reason.
bool backupFile(const QString& source, const QString& target, QString& error);

struct BackupResult {
    QStringList names;   // the files that were to be copied, in order
    int copied = 0;      // how many of them were copied
    QString failedName;  // the file the backup stopped at, empty when all were copied
    QString error;       // why it stopped there
    bool ok() const { return failedName.isEmpty(); }
    // The message a stopped backup shows: which file, why, and how many were copied before it.
    QString failureMessage() const;
};

// Copies every backup file of `dataFolder` into `destFolder`, in the order of backupFileNames().
// `beforeFile` (when set) is called with each file's position in the list before it is copied.
// Stops at the first file that cannot be read or written; the files copied before it stay.
BackupResult backupAll(const QString& dataFolder, const QString& destFolder,
                       const QStringList& names,
                       const std::function<void(int)>& beforeFile = nullptr);
BackupResult backupAll(const QString& dataFolder, const QString& destFolder,
                       const std::function<void(int)>& beforeFile = nullptr);

}  // namespace pny
