#pragma once

#include "gamelog/gamelog.h"
#include "views/grid.h"

#include <QDialog>

class QTableWidget;
class TPrintForm;

namespace pny {
class Store;
}

// A player's game log: a row per entry that touched him (date, opponent, what it was, the line)
// with his season to date, printed and exported like any tab. Double-click on a night closes the
// window and opens that night in the box score sheet.
class TGameLogForm : public QDialog {
    Q_OBJECT
public:
    explicit TGameLogForm(QWidget* parent = nullptr);

    // Shows the log of player `player` of team `team` (their lines in their files) modally.
    // Returns the night double-clicked, or 0.
    int ShowGameLog(pny::Store& store, int team, int player);

    TPrintForm* printForm() const { return printForm_; }

public slots:
    void PrintButtonClick();
    void ExportButtonClick();
    void HelpButtonClick();
    void TableDoubleClick(int row);

private:
    void showGrid();

    pny::Store* store_ = nullptr;
    pny::GameLog log_;
    pny::ViewGrid grid_;
    int chosenNight_ = 0;

    QTableWidget* table_ = nullptr;
    TPrintForm* printForm_ = nullptr;
};
