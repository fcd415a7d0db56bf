#pragma once

#include "store/store.h"

#include <QStringList>

class QTimer;
class QWidget;

// How the main window's changes reach the disk: a command commits what it changed when it ends,
// so that a confirmed change is on the disk at once; moves through the rows, which change the
// current record of a list, are committed together a moment after the last move instead of once
// per row. The file errors gathered meanwhile are reported once, over `window`.
class CommitCycle {
public:
    CommitCycle(pny::Store& store, QWidget* window);

    // Keeps a file error to report with the others.
    void addError(const QString& message);
    // Commits a moment from now, unless another move comes first.
    void commitSoon();
    // Commits at once what is waiting; false when it could not be written (it stays in memory).
    bool commit();
    void reportErrors();
    // Save Data: saves everything and reports what failed.
    void saveNow();
    // Saves everything before the window closes; on failure asks whether to retry. True when
    // the window may close.
    bool saveBeforeClosing();

private:
    pny::Store& store_;
    QWidget* window_;
    QTimer* timer_;
    QStringList errors_;
};
