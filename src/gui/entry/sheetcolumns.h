#pragma once

#include "gamelog/boxscorecolumns.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// The columns the league's box score sheet shows and their order: every column the league may
// show, ticked when shown, the sheet's order from top to bottom. Each group (batting with the user
// columns, pitching, fielding) stays together on the sheet, so a column moves within its group.
class TSheetColumnsForm : public QDialog {
    Q_OBJECT
public:
    explicit TSheetColumnsForm(QWidget* parent = nullptr);

    // Lists `available` with the `chosen` names ticked, in their order, each group's unchosen
    // columns after its chosen ones; `defaults` are what the Defaults button brings back.
    void setColumns(const std::vector<pny::BoxScoreColumn>& available,
                    const std::vector<std::string>& chosen,
                    const std::vector<std::string>& defaults);

    // The ticked columns' names from top to bottom.
    std::vector<std::string> chosenNames() const;

public slots:
    void UpButtonClick();
    void DownButtonClick();
    void DefaultsButtonClick();
    void OkButtonClick();
    void HelpButtonClick();

private:
    void fill(const std::vector<std::string>& chosen);
    void moveCurrent(int step);
    void updateButtons();

    std::vector<pny::BoxScoreColumn> available_;
    std::vector<std::string> defaults_;

    QListWidget* list_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
};

// Shows the dialog for the league's columns. Returns the chosen names in the sheet's order on OK,
// nothing on Cancel.
std::optional<std::vector<std::string>> ChooseColumns(
    const std::vector<pny::BoxScoreColumn>& available, const std::vector<std::string>& chosen,
    const std::vector<std::string>& defaults, QWidget* parent = nullptr);
