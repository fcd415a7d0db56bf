#pragma once

#include "entry/entryresult.h"
#include "entry/playerentry.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pny {
class Store;
}

// The player statistics dialog: for every statistic an Add edit for what the player did in the
// games being entered and a Total edit with the season total; OK stores Total + Add. It also sets
// the batting order and position and renames the league's four user columns.
class TPlayerForm : public QDialog {
    Q_OBJECT
public:
    explicit TPlayerForm(QWidget* parent = nullptr);

    // Runs the dialog on the store's current player and, on OK, writes the player (and the
    // league when a user column header changed) back through the store. The caller then clears
    // the player statistics cache unless Cancelled, and refreshes or rebuilds the table.
    EntryResult EnterPlayerStatistics(pny::Store& store);

public slots:
    void OkButtonClick();
    void HelpButtonClick();
    // Cancel, Escape and the close box: asks first when something was typed.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    pny::PlayerEntryTexts typedTexts(QString& refusal) const;
    // Every edit's text, to tell whether anything was typed since the dialog opened.
    QStringList editTexts() const;
    void sizeEdits();

    std::array<QLineEdit*, pny::PlayerStatCount> add_{};
    std::array<QLineEdit*, pny::PlayerStatCount> total_{};
    std::array<QLineEdit*, 4> user_{};
    QLineEdit* editBO_ = nullptr;
    QLineEdit* editPos_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

    // While the dialog runs: the store it works on and the outcome of an accepted OK.
    pny::Store* store_ = nullptr;
    pny::PlayerEntryOutcome outcome_;
    pny::PlayerEntryTexts texts_;  // what the accepted OK read
    QStringList openingTexts_;
};
