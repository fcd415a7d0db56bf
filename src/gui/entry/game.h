#pragma once

#include "entry/entryresult.h"
#include "schedule/gameentry.h"

#include <QDialog>

#include <array>
#include <functional>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
class RecordPicker;

namespace pny {
class Store;
}

// The game dialog: changes, adds or deletes one game of the current league's schedule, with its
// date and time, field, teams, umpires and scores. Fields, teams and umpires are picked (and
// created) through the list picker.
class TGameForm : public QDialog {
    Q_OBJECT
public:
    // How the dialog was closed; Cancel is also the result of Escape and the close box.
    enum Result {
        CancelResult = QDialog::Rejected,
        OkResult = QDialog::Accepted,
        AddResult,
        DeleteResult,
        ScheduleMadeResult,
    };

    explicit TGameForm(QWidget* parent = nullptr);

    // Runs the dialog on the current game of the current league and stores what it was closed
    // with: OK writes the game back, Add appends a new game (and makes it current), Delete asks
    // and marks the game deleted or empties the schedule, Make may build a new schedule. When
    // `viewShowsGames` is false (the schedule view shows no game) the dialog opens blank and OK
    // adds a game. The current team is read back into its buffer afterwards. Returns Refresh when
    // the main window must refresh the table, Cancelled when nothing changed.
    EntryResult EnterGame(pny::Store& store, RecordPicker& listForm, bool viewShowsGames);

    // The schedule generator run by the Make button; returns true when it built a new schedule,
    // which closes the dialog with the schedule-made result. Without it, Make is disabled.
    std::function<bool()> makeSchedule;

    // The references the dialog edits, loaded from the game when it opens.
    const pny::PickSlots& pickSlots() const { return picks_; }

public slots:
    void FButtonClick();
    void HButtonClick();
    void AButtonClick();
    void U1ButtonClick();
    void U2ButtonClick();
    void U3ButtonClick();
    void U4ButtonClick();
    void FClearClick();
    void HClearClick();
    void AClearClick();
    void U1ClearClick();
    void U2ClearClick();
    void U3ClearClick();
    void U4ClearClick();
    void OkAddClick();
    void HelpButtonClick();
    void MakeButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // One pick row: Clear, the pick button and the number and name labels.
    struct PickRow {
        char code;
        QToolButton* clear = nullptr;
        QToolButton* button = nullptr;
        QLabel* number = nullptr;
        QLabel* name = nullptr;
    };
    static constexpr int kPickRows = 7;

    void pick(int row);
    void clearRow(int row);
    // Shows the number and name of the record the row's last read put into its buffer.
    void showRow(int row);
    QToolButton* makeButton(const QString& name, const QString& caption, const QIcon& icon);
    EntryResult storeResult(pny::Store& store, int result, bool viewShowsGames);

    pny::Store* store_ = nullptr;
    RecordPicker* listForm_ = nullptr;
    pny::PickSlots picks_;
    pny::GameMoment moment_;  // the date and time checked by OK or Add

    QLineEdit* EditYr = nullptr;
    QLineEdit* EditMo = nullptr;
    QLineEdit* EditDa = nullptr;
    QLineEdit* EditHr = nullptr;
    QLineEdit* EditMn = nullptr;
    QRadioButton* RadioAM = nullptr;
    QRadioButton* RadioPM = nullptr;
    std::array<PickRow, kPickRows> rows_;
    QLineEdit* EditHTS = nullptr;
    QLineEdit* EditATS = nullptr;
    QToolButton* OkButton = nullptr;
    QToolButton* AddButton = nullptr;
    QToolButton* DeleteButton = nullptr;
    QToolButton* MakeButton = nullptr;
    QToolButton* CancelButton = nullptr;
    QToolButton* HelpButton = nullptr;
};
