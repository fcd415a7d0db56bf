#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace pny {

// The lock file that marks a data folder as open for writing.
extern const char* const kLockName;

// One writer at a time in a data folder: the program holds this lock for its whole run and every
// writing pny command for its own; a lock left by a crashed process is taken over. Readers do not
// need it, but whoever holds it first completes a save that a crash interrupted, so that nobody
// reads a folder half way through one.
class FolderLock {
public:
    explicit FolderLock(const QString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the lock, waiting at most a second and a half. Otherwise `message` says why: the folder
    // is open elsewhere (naming the program, its process id and host), the lock file or its helper
    // is not an ordinary file that can be read (nothing is opened then), or the lock file cannot
    // be made.
    enum class Result { Acquired, HeldElsewhere, Failed };
    Result acquire(QString& message);
    bool isHeld() const;
    // Gives the lock up (the destructor does too).
    void release();

    // With the lock held: completes or undoes the commit a crash left unfinished. `report` says
    // what was done (empty when nothing was left); false with `error` when it could not be done.
    bool finishUnfinishedSave(QString& report, QString& error);

private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
};

// What is wrong with a folder's lock file or the helper file its locking makes beside it
// ("Pennantry.Lock.rmlock"), both of which must be missing or ordinary files that can be read:
// a FIFO would block whoever opens it, a link would lock (or make) a file somewhere else, and a
// folder or an unreadable file could only be taken for another program's lock.
struct LockFileProblem {
    QString fileName;  // the file's name in the folder; empty when both files are sound
    QString what;      // "is a FIFO, not an ordinary file", "cannot be read (Permission denied)"
    bool found() const { return !fileName.isEmpty(); }
};
LockFileProblem lockFileProblem(const QString& folder);

// True when a lock file stands at `path` but no process holds it: its program ended without
// closing. Looks without taking the lock or writing anything.
bool isStaleLock(const QString& path);

// For readers: when no other process holds the folder's lock, takes it for a moment and
// completes an unfinished save, so that what follows reads whole files; a lock left by a process
// that ended is cleared on the way. Returns false with `error` when a save was left and could not
// be completed, or when the lock file is not one (see lockFileProblem); `report` says what was
// done.
bool finishUnfinishedSaveIfFree(const QString& folder, QString& report, QString& error);

}  // namespace pny
