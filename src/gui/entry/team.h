#pragma once

#include "entry/entryresult.h"
#include "entry/teamentry.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pny {
class Store;
}

// The team result dialog: records a win, loss or tie of the current team, or corrects its counts.
class TTeamForm : public QDialog {
    Q_OBJECT
public:
    explicit TTeamForm(QWidget* parent = nullptr);

    // Runs the dialog on the store's current team and, on OK, writes the team back through the
    // store. Returns Refresh after a write, Cancelled otherwise.
    EntryResult EnterTeamResult(pny::Store& store);

    // The chosen result: 0 "Did Not Play", 1 "Won", 2 "Lost", 3 "Tied".
    int itemIndex() const;
    void setItemIndex(int index);

public slots:
    void OkButtonClick();
    void HelpButtonClick();

private:
    QGroupBox* radioGroup_ = nullptr;
    QButtonGroup* choices_ = nullptr;
    QLineEdit* editWon_ = nullptr;
    QLineEdit* editLost_ = nullptr;
    QLineEdit* editTied_ = nullptr;
    QPushButton* okButton_ = nullptr;

    pny::Store* store_ = nullptr;
    pny::TeamEntryOutcome outcome_;
};
