#pragma once

#include <QDialog>

#include <string>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace pny {
class Store;
}

// The availability dialog: the time slots of one field, added singly or as a weekly series
// between two dates, changed and deleted. The field selection dialog sets its caption and runs it.
class TMakeForm : public QDialog {
    Q_OBJECT
public:
    explicit TMakeForm(QWidget* parent = nullptr);

    // Shows the slots of field `fieldKey` (its index in the fields list) from the store's times
    // list and lets the user change them. Returns how many slots of the field it shows at the end.
    int EditFieldTimes(pny::Store& store, const std::string& fieldKey);

    // The working values kept from one use to the next.
    const std::string& fieldKey() const { return fieldKey_; }
    int currentSlotPosition() const { return currentPosition_; }
    int shownSlotCount() const { return shownCount_; }

public slots:
    void AddButtonClick();
    void ChangeButtonClick();
    void DeleteButtonClick();
    void RadioSingleClick();
    void RadioMultipleClick();
    void MakeGridSelectCell(int row);

private:
    void addTime(bool change);
    // Fills the grid with the field's slots and takes up the selected row.
    void fillGrid();
    void takeUpRow(int row);
    void updateEnabling();

    QTableWidget* grid_ = nullptr;
    QRadioButton* radioSingle_ = nullptr;
    QRadioButton* radioMultiple_ = nullptr;
    QComboBox* weekdays_ = nullptr;
    QLineEdit* editSYr_ = nullptr;
    QLineEdit* editSMo_ = nullptr;
    QLineEdit* editSDa_ = nullptr;
    QLineEdit* editSHr_ = nullptr;
    QLineEdit* editSMn_ = nullptr;
    QRadioButton* radioSam_ = nullptr;
    QRadioButton* radioSpm_ = nullptr;
    QGroupBox* endGroup_ = nullptr;
    QLineEdit* editEYr_ = nullptr;
    QLineEdit* editEMo_ = nullptr;
    QLineEdit* editEDa_ = nullptr;
    QPushButton* changeButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;

    pny::Store* store_ = nullptr;
    std::string fieldKey_;
    int currentPosition_ = -1;
    int shownCount_ = 0;
    bool filling_ = false;
};
