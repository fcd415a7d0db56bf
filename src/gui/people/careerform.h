#pragma once

#include "views/grid.h"

#include <QDialog>

class QTableWidget;
class TPrintForm;

namespace pny {
class Store;
}

// A player's career: one row per season and team with the columns of the player tab it was asked
// from, then the career totals. Prints and exports like a tab.
class TCareerForm : public QDialog {
    Q_OBJECT
public:
    explicit TCareerForm(QWidget* parent = nullptr);

    // Shows the career of the store's current player with the columns of player tab `tab`
    // (named `tabName`) modally. Says why when it cannot be read.
    void ShowCareer(pny::Store& store, int tab, const QString& tabName);

    TPrintForm* printForm() const { return printForm_; }
    const pny::ViewGrid& grid() const { return grid_; }

public slots:
    void PrintButtonClick();
    void ExportButtonClick();
    void HelpButtonClick();

private:
    void showGrid();
    QString fileName() const;

    pny::Store* store_ = nullptr;
    pny::ViewGrid grid_;
    QString tabName_;
    QTableWidget* table_ = nullptr;
    TPrintForm* printForm_ = nullptr;
};
