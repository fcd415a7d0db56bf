#include "store/folderlock.h"

#include "store/filecommit.h"
#include "store/filekind.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pny {

const char* const kLockName = "Pennantry.Lock";

namespace {

constexpr int kStaleAfterMs = 1000;

// QLockFile does not say why it could not make its file: making one like it tells the
// operating system's reason (a full disk, a folder without write permission).
QString whyNoFileCanBeMade(const QString& folder) {
    const QByteArray probe =
        QFile::encodeName(QDir(folder).filePath(QStringLiteral("Pennantry.Lock.~pnyprobe")));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        const char content[64] = {};
        if (::write(fd, content, sizeof content) < 0)
            error = errno;
        ::close(fd);
        ::unlink(probe.constData());
    }
    return error != 0 ? QString::fromLocal8Bit(std::strerror(error))
                      : QStringLiteral("the lock file cannot be made");
}

// Opens an ordinary file for reading without following a link and without blocking; -1 with errno
// otherwise.
int openOrdinaryFile(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

QString lockProblemMessage(const QString& folder, const LockFileProblem& problem) {
    return QStringLiteral(
               "Cannot lock the data folder \"%1\": \"%2\" %3. Pennantry never makes "
               "such a lock file: if no program has the folder open, remove it.")
        .arg(QDir::toNativeSeparators(folder),
             QDir::toNativeSeparators(QDir(folder).filePath(problem.fileName)), problem.what);
}

}  // namespace

LockFileProblem lockFileProblem(const QString& folder) {
    const QString lockName = QLatin1String(kLockName);
    for (const QString& name : {lockName, lockName + QLatin1String(".rmlock")}) {
        const QString path = QDir(folder).filePath(name);
        const PathType type = pathTypeOf(path);
        if (type == PathType::Missing)
            continue;
        if (type != PathType::File)
            return {name,
                    QStringLiteral("is %1, not an ordinary file").arg(describePathType(type))};
        const int fd = openOrdinaryFile(path);
        if (fd < 0) {
            return {name, QStringLiteral("cannot be read (%1)")
                              .arg(QString::fromLocal8Bit(std::strerror(errno)))};
        }
        ::close(fd);
    }
    return {};
}

FolderLock::FolderLock(const QString& folder)
    : folder_(folder),
      lock_(std::make_unique<QLockFile>(QDir(folder).filePath(QLatin1String(kLockName)))) {
    // The process that holds the lock keeps an advisory lock on its file, which the system drops
    // when the process ends, however it ends; QLockFile never removes a file somebody still holds
    // that way. So a lock file may be called stale as soon as it is a moment old: that is what
    // clears one a process left empty when it was killed while writing it.
    lock_->setStaleLockTime(kStaleAfterMs);
}

FolderLock::~FolderLock() = default;

FolderLock::Result FolderLock::acquire(QString& message) {
    // Checked before the lock opens anything: opening a FIFO would wait for ever.
    if (const LockFileProblem problem = lockFileProblem(folder_); problem.found()) {
        message = lockProblemMessage(folder_, problem);
        return Result::Failed;
    }
    // Waiting a little longer than a lock takes to turn stale takes over a fresh one left empty.
    if (lock_->tryLock(kStaleAfterMs + 500))
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
                  .arg(QDir::toNativeSeparators(folder_), whyNoFileCanBeMade(folder_));
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

bool isStaleLock(const QString& path) {
    const int fd = openOrdinaryFile(path);
    if (fd < 0)
        return false;
    // The holder keeps an advisory lock on the file for as long as it lives.
    const bool free = ::flock(fd, LOCK_SH | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

bool finishUnfinishedSaveIfFree(const QString& folder, QString& report, QString& error) {
    report.clear();
    if (const LockFileProblem problem = lockFileProblem(folder); problem.found()) {
        error = lockProblemMessage(folder, problem);
        return false;
    }
    if (!hasUnfinishedCommit(folder) &&
        !isStaleLock(QDir(folder).filePath(QLatin1String(kLockName))))
        return true;  // the usual case: nothing to complete, no lock file touched
    FolderLock lock(folder);
    QString ignored;
    if (lock.acquire(ignored) != FolderLock::Result::Acquired)
        return true;  // the writer that holds it completes its own saves
    return lock.finishUnfinishedSave(report, error);
}

}  // namespace pny
