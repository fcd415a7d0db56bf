#pragma once

#include "gamelog/gamelog.h"
#include "pitching/pitchrules.h"
#include "views/grid.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDateEdit;
class QLabel;
class QTableWidget;
class TPitchRulesForm;
class TPrintForm;

namespace pny {
class Store;
}

// Who may pitch on a date: every pitcher of the league (or of one team) of the last 14 days with
// his last night, its pitches, the rest it requires and when he may pitch again, printed and
// exported like any tab. The league's pitch rules are edited from here.
class TEligiblePitchersForm : public QDialog {
    Q_OBJECT
public:
    explicit TEligiblePitchersForm(QWidget* parent = nullptr);

    // Shows the pitchers of the store's current league modally, for the next date of its
    // schedule with a game (today when none).
    void ShowPitchers(pny::Store& store);

    TPrintForm* printForm() const { return printForm_; }
    const pny::ViewGrid& grid() const { return grid_; }

public slots:
    void RulesButtonClick();
    void PrintButtonClick();
    void ExportButtonClick();
    void HelpButtonClick();
    void refresh();

private:
    void showRules();

    pny::Store* store_ = nullptr;
    pny::GameLog log_;
    std::optional<pny::PitchRules> rules_;
    pny::ViewGrid grid_;

    QDateEdit* dateEdit_ = nullptr;
    QComboBox* teamBox_ = nullptr;
    QLabel* rulesLabel_ = nullptr;
    QLabel* emptyLabel_ = nullptr;  // says why the table has no pitcher
    QTableWidget* table_ = nullptr;
    TPitchRulesForm* rulesForm_ = nullptr;
    TPrintForm* printForm_ = nullptr;
};
