#pragma once

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;

namespace pny {
class Store;
}

// The player display settings of one player tab: which of the 61 player columns the tab shows,
// its sort item and its sort direction.
class TPlayerSortForm : public QDialog {
    Q_OBJECT
public:
    explicit TPlayerSortForm(QWidget* parent = nullptr);

    // Runs the dialog for player tab `tab` (1 to 6) whose caption is `tabCaption` ("Hitting")
    // and, on OK, writes the league back. Returns true when the settings changed: the main
    // window then rebuilds the headers and the table.
    bool Execute(pny::Store& store, int tab, const QString& tabCaption);

    // The checked item of RadioSort (0 to 60), or -1 when none is.
    int sortIndex() const;
    void setSortIndex(int index);
    // The checked item of RadioAD: 0 ascending, 1 descending.
    int directionIndex() const;

public slots:
    void TopTabChange(int index);
    void OkButtonClick();
    void HelpButtonClick();

private:
    static constexpr int kItems = 61;

    QTabBar* TopTab = nullptr;
    QStackedWidget* pages_ = nullptr;
    QGroupBox* DisplayBox = nullptr;
    QGroupBox* RadioSort = nullptr;
    QButtonGroup* sortGroup_ = nullptr;
    std::array<QCheckBox*, kItems> CheckBoxes{};
    std::array<QRadioButton*, kItems> SortItems{};
    QGroupBox* RadioAD = nullptr;
    QButtonGroup* directionGroup_ = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* CancelButton = nullptr;
};
