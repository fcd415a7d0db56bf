#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>

namespace pny {

// The journal a group commit keeps in the data folder while it makes its files visible.
extern const char* const kJournalName;

// Which plain names a journal in a folder may rename temporary files over. A data folder's journal
// may name only its data files (isCommitTarget); a folder of another kind, such as a published
// website, names its own rule, since a journal is read before anything it says can be trusted.
using CommitTargetRule = bool (*)(const QString& fileName);

// True for the name of a temporary file of a commit ("Y1L1.Teams.~pny0a1b2c3d"): written beside
// the file it replaces, it never matches a name the older program uses.
bool isCommitTempName(const QString& fileName);

// A group of files of one folder written all or nothing.
//
// Every file goes to a temporary file beside it, each write checked (a short write or a failing
// flush is a failure, never a success with a cut file). Then a journal naming the files with their
// sizes and checksums is written, everything is synced in one pass, the temporary files are renamed
// over the real ones and the folder is synced. A crash before the journal is complete leaves the
// folder as it was (the next start removes the temporary files); a crash after it leaves a journal
// that the next start completes. So the folder always holds either every old file or every new
// one.
class FileCommit {
public:
    // Adds a file to the commit, replacing what an earlier add gave for the same path.
    void add(const QString& path, const QByteArray& bytes);
    // The files' absolute paths, in order.
    QStringList paths() const;
    // A line for the user, kept in the journal, that a recovery which completes this commit
    // reports ("An interrupted import of LEAGUE96.PZS was completed: seasons 4 to 6"), so that
    // nobody does the same work again. Line breaks and '|' become blanks.
    void setRecoveryNote(const QString& note);
    // The names this commit's folder may hold as targets, for a commit outside a data folder; the
    // recovery of an earlier commit of that folder uses it too.
    void setTargetRule(CommitTargetRule rule) { rule_ = rule; }

    // Writes the files. Returns false with a message naming the file and the operating system's
    // reason; the folder is then exactly as before.
    bool run(QString& error);

private:
    std::map<QString, QByteArray> files_;
    QString note_;
    CommitTargetRule rule_ = nullptr;
};

// What identifies one version of a file cheaply: a file replaced or written by anyone else gets
// another inode, size or modification time.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp& o) const {
        return exists == o.exists && size == o.size && modifiedNs == o.modifiedNs &&
               inode == o.inode;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};
FileStamp stampOf(const QString& path);

// Replaces one file atomically: a temporary file beside it, every write checked, synced, renamed
// over the file, the folder synced. On failure the old file stays as it was and `error` names the
// file and the reason.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString& error);

// Checks that `path` may be replaced by a commit: it is missing or an ordinary file that can be
// written, in a folder that exists. Returns false with a message naming the file.
bool checkReplaceable(const QString& path, QString& error);

// Completes or undoes the commit a crash left in `folder`. A complete journal whose files are all
// there is rolled forward (the renames it names are done); a journal cut short, or one whose
// temporary files are not all whole, is dropped with its temporary files, so the folder stays as
// before that commit. A journal that cannot be trusted (not an ordinary file, or naming anything
// but data files of the folder itself and their own temporary files, or a temporary file that is
// not an ordinary file) is set aside under a name of its own (see isSetAsideJournalName) and
// nothing it names is touched. Temporary files that belong to no complete journal are removed
// (and empty folders of such a name). Returns false with a message when something could not be
// completed; `report` says what was done (empty when there was nothing to do). Only a process
// that holds the folder's lock may call this.
// `rule` says which names the journal may rename over (the data files when none is given).
bool finishUnfinishedCommit(const QString& folder, QString& report, QString& error,
                            CommitTargetRule rule = nullptr);

// True when `folder` holds a journal or a temporary file of a commit that did not finish.
bool hasUnfinishedCommit(const QString& folder);

// True for the name a journal that could not be trusted is kept under
// ("Pennantry.Journal.Untrusted", "Pennantry.Journal.Untrusted2", ...).
bool isSetAsideJournalName(const QString& fileName);

// For tests that the commit syncs what it must: while set, told of every sync that succeeded: one
// file's, one folder's (its entries), or the whole file system's that holds the folder.
enum class SyncScope { File, Folder, FileSystem };
using SyncHook = std::function<void(SyncScope scope, const QString& path)>;
void setSyncHook(SyncHook hook);

// Fault injection for tests: the hook is asked before each step of a commit, with the file the
// step works on. Fail makes the step fail as the disk would ("Input/output error"); Crash stops
// the commit dead before the step, as a crash would: nothing after it is done and nothing is
// cleaned up.
enum class CommitStep { WriteTemp, Sync, WriteJournal, Rename, SyncFolder, RemoveJournal };
enum class FaultAction { Continue, Fail, Crash };
using CommitFaultHook = std::function<FaultAction(CommitStep step, const QString& path)>;
void setCommitFaultHook(CommitFaultHook hook);

// For tests of failing disks: while set, every write of a temporary file asks it how many of the
// file's bytes fit on the disk; when fewer than all, only those are written and the write fails as
// on a full disk ("No space left on device"). Pass an empty function to remove it.
using DiskSpaceHook = std::function<qint64(const QString& path, qint64 size)>;
void setDiskSpaceHook(DiskSpaceHook hook);

}  // namespace pny
