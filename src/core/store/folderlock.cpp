#include "store/folderlock.h"

#include "store/filecommit.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace pny {

const char* const kLockName = "Pennantry.Lock";

FolderLock::FolderLock(const QString& folder)
    : folder_(folder),
      lock_(std::make_unique<QLockFile>(QDir(folder).filePath(QLatin1String(kLockName)))) {
    // A lock is stale only when its process is gone: a program may stay open for days.
    lock_->setStaleLockTime(0);
}

FolderLock::~FolderLock() = default;

FolderLock::Result FolderLock::acquire(QString& message) {
    if (lock_->tryLock(0))
        return Result::Acquired;
    if (lock_->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString program;
        if (lock_->getLockInfo(&pid, &host, &program)) {
            message = QStringLiteral(
                          "The data folder \"%1\" is open in %2 elsewhere (process %3 on %4). "
                          "Close it there first.")
                          .arg(QDir::toNativeSeparators(folder_),
                               program.isEmpty() ? QStringLiteral("another program") : program)
                          .arg(pid)
                          .arg(host.isEmpty() ? QStringLiteral("an unknown host") : host);
        } else {
            message = QStringLiteral(
                          "The data folder \"%1\" is open in another program. Close it there "
                          "first.")
                          .arg(QDir::toNativeSeparators(folder_));
        }
        return Result::HeldElsewhere;
    }
    message = QStringLiteral("Cannot lock the data folder \"%1\": %2.")
                  .arg(QDir::toNativeSeparators(folder_),
                       lock_->error() == QLockFile::PermissionError
                           ? QStringLiteral("Permission denied")
                           : QStringLiteral("the lock file cannot be made"));
    return Result::Failed;
}

bool FolderLock::isHeld() const {
    return lock_->isLocked();
}

void FolderLock::release() {
    lock_->unlock();
}

bool FolderLock::finishUnfinishedSave(QString& report, QString& error) {
    return finishUnfinishedCommit(folder_, report, error);
}

bool finishUnfinishedSaveIfFree(const QString& folder, QString& report, QString& error) {
    report.clear();
    if (!hasUnfinishedCommit(folder))
        return true;  // the usual case: nothing to complete, no lock file touched
    FolderLock lock(folder);
    QString ignored;
    if (lock.acquire(ignored) != FolderLock::Result::Acquired)
        return true;  // the writer that holds it completes its own saves
    return lock.finishUnfinishedSave(report, error);
}

}  // namespace pny
