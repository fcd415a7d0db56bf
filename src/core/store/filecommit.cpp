#include "store/filecommit.h"

#include "store/datafiles.h"
#include "store/filekind.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pny {

const char* const kJournalName = "Pennantry.Journal";

namespace {

constexpr const char* kTempMark = ".~pny";
constexpr const char* kSetAsideMark = ".Untrusted";

CommitFaultHook& faultHook() {
    static CommitFaultHook hook;
    return hook;
}

DiskSpaceHook& diskSpaceHook() {
    static DiskSpaceHook hook;
    return hook;
}

SyncHook& syncHook() {
    static SyncHook hook;
    return hook;
}

// Tells a test's hook of a sync that succeeded.
int synced(int error, SyncScope scope, const QString& path) {
    if (error == 0 && syncHook())
        syncHook()(scope, path);
    return error;
}

FaultAction fault(CommitStep step, const QString& path) {
    const CommitFaultHook& hook = faultHook();
    return hook ? hook(step, path) : FaultAction::Continue;
}

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString cannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot write \"%1\": %2.").arg(QDir::toNativeSeparators(path), reason);
}

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

QString tempPathFor(const QString& path, const QString& id) {
    return path + QLatin1String(kTempMark) + id;
}

QString newCommitId() {
    return QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0');
}

QByteArray checksum(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

// The permissions a new file takes over from the one it replaces; new files get the usual ones.
mode_t modeFor(const QString& target) {
    struct stat info {};
    if (::stat(nativePath(target).constData(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & 07777;
    return 0666;
}

// Writes a new file with every byte checked; `sync` also flushes it to the disk. A failure leaves
// the partly written file for the caller to remove and sets `reason`.
bool writeNewFile(const QString& path, const QString& target, const QByteArray& bytes, mode_t mode,
                  bool sync, QString& reason) {
    const int fd = ::open(nativePath(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0) {
        reason = reasonOf(errno);
        return false;
    }
    if (mode != 0666)
        ::fchmod(fd, mode);  // the umask must not narrow what the replaced file allowed
    qint64 room = bytes.size();
    if (const DiskSpaceHook& hook = diskSpaceHook())
        room = qBound<qint64>(0, hook(target, bytes.size()), bytes.size());
    const char* data = bytes.constData();
    qint64 left = room;
    int error = 0;
    while (left > 0 && error == 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0 && errno != EINTR)
            error = errno;
        if (n > 0) {
            data += n;
            left -= n;
        }
    }
    if (error == 0 && room < bytes.size())
        error = ENOSPC;
    if (error == 0 && sync)
        error = synced(::fsync(fd) == 0 ? 0 : errno, SyncScope::File, path);
    // Some file systems report a failed write only when the file is closed.
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        reason = reasonOf(error);
        return false;
    }
    return true;
}

int syncFile(const QString& path) {
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return synced(error, SyncScope::File, path);
}

int syncFolder(const QString& folder) {
    const int fd = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return synced(error, SyncScope::Folder, folder);
}

// Brings the written files to the disk in one pass: one syncfs of the folder's file system where
// there is one, else every file and then the folder.
int syncAll(const QString& folder, const std::vector<QString>& paths) {
#ifdef __linux__
    const int fd = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int result = ::syncfs(fd);
    const int error = result == 0 ? 0 : errno;
    ::close(fd);
    if (result == 0 || error != ENOSYS)
        return synced(error, SyncScope::FileSystem, folder);
#endif
    for (const QString& path : paths) {
        if (const int error = syncFile(path))
            return error;
    }
    return syncFolder(folder);
}

void removeFiles(const std::vector<QString>& paths) {
    for (const QString& path : paths)
        ::unlink(nativePath(path).constData());
}

// One file of a journal: the names are plain names in the journal's folder.
struct JournalEntry {
    QString target;
    QString temp;
    qint64 size = 0;
    QByteArray sum;
};

QByteArray journalText(const std::vector<JournalEntry>& entries, const QString& note) {
    QByteArray text = "J|" + QByteArray::number(static_cast<qint64>(entries.size())) + "|\r\n";
    for (const JournalEntry& e : entries) {
        text += QFile::encodeName(e.target) + '|' + QFile::encodeName(e.temp) + '|' +
                QByteArray::number(e.size) + '|' + e.sum + "|\r\n";
    }
    if (!note.isEmpty())
        text += "N|" + note.toUtf8() + "|\r\n";
    text += "E|" + checksum(text) + "|\r\n";
    return text;
}

// Reads a journal; false when it is cut short or damaged anywhere.
bool parseJournal(const QByteArray& text, std::vector<JournalEntry>& entries, QString& note) {
    const qsizetype end = text.lastIndexOf("E|");
    if (end < 0 || text.mid(end) != "E|" + checksum(text.left(end)) + "|\r\n")
        return false;
    QList<QByteArray> lines = text.left(end).split('\n');
    // The note, when there is one, is the line before the checksum.
    if (lines.size() >= 3 && lines.at(lines.size() - 2).startsWith("N|")) {
        const QByteArray line = lines.takeAt(lines.size() - 2).trimmed();
        if (!line.endsWith('|'))
            return false;
        note = QString::fromUtf8(line.mid(2, line.size() - 3));
    }
    // Every line ends with CR LF, so the split leaves one empty piece at the end.
    if (lines.size() < 2 || !lines.first().startsWith("J|"))
        return false;
    const int count = lines.first().split('|').value(1).toInt();
    if (count != lines.size() - 2)
        return false;
    for (int i = 1; i <= count; ++i) {
        const QList<QByteArray> fields = lines.at(i).trimmed().split('|');
        if (fields.size() != 5)
            return false;
        entries.push_back({QFile::decodeName(fields.at(0)), QFile::decodeName(fields.at(1)),
                           fields.at(2).toLongLong(), fields.at(3)});
    }
    return true;
}

// Why a whole journal cannot be trusted, or empty. A journal only ever names data files of its own
// folder, each with its own temporary file beside it; anything else was not written by a commit,
// and renaming it could replace the lock, a program or a folder, or install a link.
QString untrustedEntry(const QDir& dir, const std::vector<JournalEntry>& entries,
                       CommitTargetRule rule) {
    for (const JournalEntry& e : entries) {
        if (!(rule ? rule(e.target) : isCommitTarget(e.target)))
            return QStringLiteral("it names \"%1\", which is not a data file of the folder")
                .arg(e.target);
        if (!isCommitTempName(e.temp) || !e.temp.startsWith(e.target + QLatin1String(kTempMark)) ||
            e.temp.contains(QLatin1Char('/')) || e.temp.contains(QLatin1Char('\\'))) {
            return QStringLiteral("it names \"%1\" as the temporary file of \"%2\"")
                .arg(e.temp, e.target);
        }
        const PathType target = pathTypeOf(dir.filePath(e.target));
        if (target != PathType::Missing && target != PathType::File && target != PathType::SymLink)
            return QStringLiteral("\"%1\" is %2").arg(e.target, describePathType(target));
        const PathType temp = pathTypeOf(dir.filePath(e.temp));
        if (temp != PathType::Missing && temp != PathType::File)
            return QStringLiteral("its temporary file \"%1\" is %2, not an ordinary file")
                .arg(e.temp, describePathType(temp));
    }
    return QString();
}

// Renames a journal that cannot be trusted to a name of its own, where it blocks no writer and
// stays for the user to look at.
bool setJournalAside(const QDir& dir, const QString& why, QString& report, QString& error) {
    const QString journalPath = dir.filePath(QLatin1String(kJournalName));
    QString name;
    for (int n = 1; name.isEmpty() || pathTypeOf(dir.filePath(name)) != PathType::Missing; ++n) {
        name = QLatin1String(kJournalName) + QLatin1String(kSetAsideMark) +
               (n > 1 ? QString::number(n) : QString());
    }
    if (::rename(nativePath(journalPath).constData(), nativePath(dir.filePath(name)).constData()) !=
        0) {
        error = QStringLiteral(
                    "A save journal that cannot be trusted (%1) could not be set "
                    "aside: %2")
                    .arg(why, cannotWrite(dir.filePath(name), reasonOf(errno)));
        return false;
    }
    report = QStringLiteral(
                 "A save journal that cannot be trusted was set aside as \"%1\" and "
                 "nothing it names was changed: %2.")
                 .arg(name, why);
    return true;
}

// Every entry of the folder with a temporary file's name, whatever it is.
QStringList tempNamesIn(const QDir& dir) {
    QStringList names =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString& name) { return !isCommitTempName(name); }),
                names.end());
    return names;
}

bool holds(const QString& path, qint64 size, const QByteArray& sum) {
    // Never through a link: its bytes would come from somewhere else, and the rename would move
    // the link itself into place.
    if (pathTypeOf(path) != PathType::File)
        return false;
    QFile file(path);
    if (file.size() != size || !file.open(QIODevice::ReadOnly))
        return false;
    return checksum(file.readAll()) == sum;
}

}  // namespace

FileStamp stampOf(const QString& path) {
    struct stat info {};
    FileStamp stamp;
    if (::stat(nativePath(path).constData(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = info.st_size;
    stamp.modifiedNs = static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.inode = info.st_ino;
    return stamp;
}

bool isCommitTempName(const QString& fileName) {
    const qsizetype at = fileName.lastIndexOf(QLatin1String(kTempMark));
    return at > 0 && at + 5 < fileName.size();
}

void setCommitFaultHook(CommitFaultHook hook) {
    faultHook() = std::move(hook);
}

void setDiskSpaceHook(DiskSpaceHook hook) {
    diskSpaceHook() = std::move(hook);
}

void setSyncHook(SyncHook hook) {
    syncHook() = std::move(hook);
}

bool isSetAsideJournalName(const QString& fileName) {
    const QString start = QLatin1String(kJournalName) + QLatin1String(kSetAsideMark);
    if (!fileName.startsWith(start))
        return false;
    const QString number = fileName.mid(start.size());
    bool ok = true;
    return number.isEmpty() || (number.toInt(&ok) > 1 && ok);
}

bool checkReplaceable(const QString& path, QString& error) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        error = cannotWrite(path, QStringLiteral("the folder does not exist"));
        return false;
    }
    const QString kind = nonOrdinaryKind(path);
    if (!kind.isEmpty()) {
        error = cannotWrite(path, QStringLiteral("it is %1, not an ordinary file").arg(kind));
        return false;
    }
    if (::access(nativePath(folder).constData(), W_OK) != 0) {
        error = cannotWrite(path, reasonOf(errno));
        return false;
    }
    // A rename would replace a read-only file all the same; whoever made it read-only meant no.
    if (info.exists() && ::access(nativePath(path).constData(), W_OK) != 0) {
        error = cannotWrite(path, reasonOf(errno));
        return false;
    }
    return true;
}

QStringList FileCommit::paths() const {
    QStringList paths;
    for (const auto& entry : files_)
        paths << entry.first;
    return paths;
}

void FileCommit::setRecoveryNote(const QString& note) {
    note_ = note;
    for (QChar& c : note_) {
        if (c == QLatin1Char('|') || c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
}

void FileCommit::add(const QString& path, const QByteArray& bytes) {
    files_[QFileInfo(path).absoluteFilePath()] = bytes;
}

bool FileCommit::run(QString& error) {
    if (files_.empty())
        return true;
    const QString folder = QFileInfo(files_.begin()->first).absolutePath();
    for (const auto& [path, bytes] : files_) {
        if (QFileInfo(path).absolutePath() != folder) {
            error = cannotWrite(path, QStringLiteral("a commit writes into one folder only"));
            return false;
        }
        if (!checkReplaceable(path, error))
            return false;
    }
    // A journal left by a crash is completed first, so that this commit never overwrites it.
    const QString journalPath = QDir(folder).filePath(QLatin1String(kJournalName));
    if (pathTypeOf(journalPath) != PathType::Missing) {
        QString report;
        if (!finishUnfinishedCommit(folder, report, error, rule_))
            return false;
    }

    const QString id = newCommitId();
    std::vector<QString> written;
    std::vector<JournalEntry> entries;
    for (const auto& [path, bytes] : files_) {
        const QString temp = tempPathFor(path, id);
        const FaultAction action = fault(CommitStep::WriteTemp, path);
        if (action == FaultAction::Crash)
            return false;
        QString reason;
        written.push_back(temp);
        if (action == FaultAction::Fail)
            reason = reasonOf(EIO);
        if (action == FaultAction::Fail ||
            !writeNewFile(temp, path, bytes, modeFor(path), false, reason)) {
            removeFiles(written);
            error = cannotWrite(path, reason);
            return false;
        }
        entries.push_back({QFileInfo(path).fileName(), QFileInfo(temp).fileName(), bytes.size(),
                           checksum(bytes)});
    }

    const FaultAction journalAction = fault(CommitStep::WriteJournal, journalPath);
    if (journalAction == FaultAction::Crash)
        return false;
    QString reason = reasonOf(EIO);
    written.push_back(journalPath);
    if (journalAction == FaultAction::Fail ||
        !writeNewFile(journalPath, journalPath, journalText(entries, note_), 0666, false, reason)) {
        removeFiles(written);
        error = cannotWrite(journalPath, reason);
        return false;
    }

    // One sync makes the temporary files and the journal durable together; the journal's checksums
    // tell the next start whether they all arrived, should the power fail during it.
    const FaultAction syncAction = fault(CommitStep::Sync, folder);
    if (syncAction == FaultAction::Crash)
        return false;
    const int syncError = syncAction == FaultAction::Fail ? EIO : syncAll(folder, written);
    if (syncError != 0) {
        removeFiles(written);
        error = cannotWrite(files_.begin()->first, reasonOf(syncError));
        return false;
    }

    for (const JournalEntry& e : entries) {
        const QString target = QDir(folder).filePath(e.target);
        const FaultAction action = fault(CommitStep::Rename, target);
        if (action == FaultAction::Crash)
            return false;
        const QString temp = QDir(folder).filePath(e.temp);
        if (action == FaultAction::Fail ||
            ::rename(nativePath(temp).constData(), nativePath(target).constData()) != 0) {
            // The journal is complete, so the commit goes ahead: the recovery of the next start
            // is tried at once, and failing that is left to the next start.
            const int renameError = action == FaultAction::Fail ? EIO : errno;
            QString report;
            QString ignored;
            if (finishUnfinishedCommit(folder, report, ignored, rule_))
                return true;
            error = QStringLiteral("%1 The save is completed when Pennantry next starts.")
                        .arg(cannotWrite(target, reasonOf(renameError)));
            return false;
        }
    }

    const FaultAction folderAction = fault(CommitStep::SyncFolder, folder);
    if (folderAction == FaultAction::Crash)
        return false;
    const int folderError = folderAction == FaultAction::Fail ? EIO : syncFolder(folder);
    if (folderError != 0) {
        error = cannotWrite(folder, reasonOf(folderError));
        return false;
    }
    if (fault(CommitStep::RemoveJournal, journalPath) != FaultAction::Continue)
        return true;  // the renames are durable; a journal left over is completed as a no-op
    // Left over, the journal would only be found complete with nothing to do; no sync is needed.
    ::unlink(nativePath(journalPath).constData());
    return true;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString& error) {
    if (!checkReplaceable(path, error))
        return false;
    const QString temp = tempPathFor(QFileInfo(path).absoluteFilePath(), newCommitId());
    const FaultAction action = fault(CommitStep::WriteTemp, path);
    if (action == FaultAction::Crash)
        return false;
    QString reason = reasonOf(EIO);
    if (action == FaultAction::Fail ||
        !writeNewFile(temp, path, bytes, modeFor(path), true, reason)) {
        removeFiles({temp});
        error = cannotWrite(path, reason);
        return false;
    }
    const FaultAction renameAction = fault(CommitStep::Rename, path);
    if (renameAction == FaultAction::Crash)
        return false;
    if (renameAction == FaultAction::Fail ||
        ::rename(nativePath(temp).constData(), nativePath(path).constData()) != 0) {
        const int renameError = renameAction == FaultAction::Fail ? EIO : errno;
        removeFiles({temp});
        error = cannotWrite(path, reasonOf(renameError));
        return false;
    }
    if (const int folderError = syncFolder(QFileInfo(path).absolutePath())) {
        error = cannotWrite(path, reasonOf(folderError));
        return false;
    }
    return true;
}

bool hasUnfinishedCommit(const QString& folder) {
    const QDir dir(folder);
    if (pathTypeOf(dir.filePath(QLatin1String(kJournalName))) != PathType::Missing)
        return true;
    return !tempNamesIn(dir).isEmpty();
}

bool finishUnfinishedCommit(const QString& folder, QString& report, QString& error,
                            CommitTargetRule rule) {
    report.clear();
    const QDir dir(folder);
    const QString journalPath = dir.filePath(QLatin1String(kJournalName));
    const PathType journalType = pathTypeOf(journalPath);
    std::vector<JournalEntry> entries;
    QString note;
    bool readable = false;
    QString distrust;
    if (journalType == PathType::File) {
        QFile journal(journalPath);
        readable =
            journal.open(QIODevice::ReadOnly) && parseJournal(journal.readAll(), entries, note);
        if (readable)
            distrust = untrustedEntry(dir, entries, rule);
        else
            entries.clear();  // names from a damaged journal are nobody's
    } else if (journalType != PathType::Missing) {
        distrust =
            QStringLiteral("it is %1, not an ordinary file").arg(describePathType(journalType));
    }
    if (!distrust.isEmpty()) {
        if (!setJournalAside(dir, distrust, report, error))
            return false;
    } else if (journalType != PathType::Missing) {
        // Each file is either still waiting whole in its temporary file or already in place.
        bool complete = readable;
        std::vector<bool> waiting;
        for (const JournalEntry& e : entries) {
            waiting.push_back(holds(dir.filePath(e.temp), e.size, e.sum));
            complete = complete && (waiting.back() || holds(dir.filePath(e.target), e.size, e.sum));
        }
        if (complete) {
            int renamed = 0;
            for (std::size_t i = 0; i < entries.size(); ++i) {
                const JournalEntry& e = entries[i];
                const QString temp = dir.filePath(e.temp);
                if (!waiting[i])
                    continue;  // renamed before the interruption
                if (::rename(nativePath(temp).constData(),
                             nativePath(dir.filePath(e.target)).constData()) != 0) {
                    error = QStringLiteral("An interrupted save could not be completed: %1")
                                .arg(cannotWrite(dir.filePath(e.target), reasonOf(errno)));
                    return false;
                }
                ++renamed;
            }
            if (const int folderError = syncFolder(folder)) {
                error = cannotWrite(folder, reasonOf(folderError));
                return false;
            }
            if (renamed > 0) {
                report = QStringLiteral("A save that was interrupted has been completed (%1 %2).")
                             .arg(renamed)
                             .arg(renamed == 1 ? QStringLiteral("file") : QStringLiteral("files"));
            }
            // What the commit was, so that the user does not do it again: a kill after the
            // renames but before the journal was removed also kept its summary from the user.
            if (!note.isEmpty())
                report += (report.isEmpty() ? QString() : QStringLiteral(" ")) + note;
        } else {
            report = QStringLiteral(
                "A save that was interrupted before it was complete has been undone; the files "
                "are as they were before it.");
        }
        if (::unlink(nativePath(journalPath).constData()) != 0 && errno != ENOENT) {
            error = cannotWrite(journalPath, reasonOf(errno));
            return false;
        }
    }
    // Whatever temporary files are left belong to no commit that will ever complete. A link is
    // removed itself, never what it leads to; a folder only when empty, as nothing of ours is in
    // one.
    for (const QString& name : tempNamesIn(dir)) {
        const QByteArray path = nativePath(dir.filePath(name));
        if (pathTypeOf(dir.filePath(name)) == PathType::Folder)
            ::rmdir(path.constData());
        else
            ::unlink(path.constData());
    }
    return true;
}

}  // namespace pny
