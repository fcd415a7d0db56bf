#pragma once

#include <QDialog>

#include <array>
#include <string>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class RecordPicker;

namespace pny {
class Store;
}

// The schedule display settings: the sort item and direction of the Schedule tab, the team and
// umpire filters (kept in memory only) and the schedule columns shown.
class TScheduleSortForm : public QDialog {
    Q_OBJECT
public:
    explicit TScheduleSortForm(QWidget* parent = nullptr);

    // Runs the dialog on the current league; "One Team" and "One Umpire" pick through `list`.
    // On OK stores the settings and the filters. Returns true when they changed: the main window
    // then rebuilds the headers and the table. The current team record is read again either
    // way, since the dialog reads other teams to name them.
    bool Execute(pny::Store& store, RecordPicker& list);

    // The checked items of RadioGroup (0 to 4) and RadioAD (0 ascending, 1 descending).
    int sortIndex() const;
    int directionIndex() const;
    // The filters the dialog holds until OK.
    const std::string& pendingTeam() const { return pendingTeam_; }
    const std::string& pendingUmpire() const { return pendingUmpire_; }

public slots:
    void AllTeamClick();
    void TeamButtonClick();
    void AllUmpiresClick();
    void UmpireButtonClick();
    void OKButtonClick();
    void HelpButtonClick();

private:
    void showTeamFilter();
    void showUmpireFilter();

    pny::Store* store_ = nullptr;
    RecordPicker* list_ = nullptr;
    std::string pendingTeam_;
    std::string pendingUmpire_;

    QGroupBox* RadioGroup = nullptr;
    QButtonGroup* sortGroup_ = nullptr;
    QGroupBox* RadioAD = nullptr;
    QButtonGroup* directionGroup_ = nullptr;
    QGroupBox* FilterBox = nullptr;
    QPushButton* AllTeam = nullptr;
    QPushButton* TeamButton = nullptr;
    QPushButton* AllUmpires = nullptr;
    QPushButton* UmpireButton = nullptr;
    QLabel* TFilter = nullptr;
    QLabel* UFilter = nullptr;
    QGroupBox* DisplayBox = nullptr;
    std::array<QCheckBox*, 20> CheckBoxes{};
    QPushButton* OKButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* CancelButton = nullptr;
};
