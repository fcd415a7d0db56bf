#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace pny {
struct RosterPlan;
}

// The look before a roster import: the team the players go to, the rows that will be added and
// the rows that will be skipped with the reason. OK adds them, Cancel adds nothing.
class RosterPreview : public QDialog {
    Q_OBJECT
public:
    RosterPreview(const pny::RosterPlan& plan, const QString& fileName, QWidget* parent = nullptr);

private:
    QLabel* teamLabel_;
    QTableWidget* addTable_;
    QTableWidget* skipTable_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};
