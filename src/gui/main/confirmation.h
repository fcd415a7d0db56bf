#pragma once

#include <QLabel>

class QAbstractItemView;
class QTimer;

// The line under the table that says what a command just did ("Added: game 16, ..."), so that
// the user sees it without a click. It takes no focus and speaks plain text to a screen reader;
// it goes away when the next command ends, on a tab change, or after some seconds.
class ConfirmationLine : public QLabel {
    Q_OBJECT
public:
    // The line takes its space from `table`, whose highlighted row it keeps in sight.
    ConfirmationLine(QAbstractItemView* table, QWidget* parent);

    // Shows `text` until the command after this one ends or the time is up.
    void confirm(const QString& text);
    // A command ended: a confirmation of an earlier one is gone; this command's stays when what
    // it did was `saved` (else the error said what happened, and the line would contradict it).
    void commandEnded(bool saved);
    void dismiss();

    static constexpr int kShownMilliseconds = 15000;

private:
    QAbstractItemView* table_ = nullptr;
    QTimer* timer_ = nullptr;
    bool fresh_ = false;  // confirmed by the command that is running
};
