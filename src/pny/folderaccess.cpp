#include "folderaccess.h"

#include <QTextStream>

namespace pny::cli {

int lockForWriting(FolderLock& lock, const char* command) {
    QTextStream err(stderr);
    QString message;
    const FolderLock::Result result = lock.acquire(message);
    if (result != FolderLock::Result::Acquired) {
        err << "pny " << command << ": " << message << "\n";
        return result == FolderLock::Result::HeldElsewhere ? kExitLocked : 1;
    }
    QString report;
    if (!lock.finishUnfinishedSave(report, message)) {
        err << "pny " << command << ": " << message << "\n";
        return 1;
    }
    if (!report.isEmpty())
        err << "pny " << command << ": " << report << "\n";
    return 0;
}

bool prepareForReading(const QString& folder, const char* command) {
    QString report;
    QString error;
    const bool done = finishUnfinishedSaveIfFree(folder, report, error);
    QTextStream err(stderr);
    if (!report.isEmpty())
        err << "pny " << command << ": " << report << "\n";
    if (!done)
        err << "pny " << command << ": " << error << "\n";
    return done;
}

}  // namespace pny::cli
