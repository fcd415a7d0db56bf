#pragma once

#include <QStringList>
#include <QTableWidget>

// One team's grid of the box score sheet: a row per player (his number and name as the row's
// caption) and a totals row, a column per statistic. It is typed like a spreadsheet: typing
// replaces the cell, Tab and Shift+Tab move across (from a row's last cell to the next row's
// first), Enter moves down, Delete clears, Ctrl+V pastes a tab-separated block. A cell holds only
// an optional minus and up to four digits.
class BoxScoreGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit BoxScoreGrid(QWidget* parent = nullptr);

    // Empties the grid and gives it these rows and columns, with a totals row after the rows.
    void setShape(const QStringList& rowCaptions, const QStringList& columnCaptions);
    int playerRows() const { return playerRows_; }

    QString cellText(int row, int column) const;
    // Sets a cell without reporting an edit.
    void setCellText(int row, int column, const QString& text);
    void setTotals(const QStringList& texts);
    // Marks a row's caption with a warning (its tooltip); an empty text clears the mark.
    void setRowWarning(int row, const QString& text);
    QString rowWarning(int row) const;
    // Whether any cell holds a number.
    bool hasTypedCells() const;
    // Closes an open cell editor, keeping what it holds.
    void finishEditing();

    // Whether `text` may stand in a cell: empty, or an optional minus and up to four digits.
    static bool isCellText(const QString& text);

signals:
    // The user changed one or more cells.
    void cellsEdited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void typeText(const QString& text);
    void eraseLast();
    void clearSelectedCells();
    void paste();
    // The next or previous cell across, wrapping to the next or previous row; invalid past the
    // first or last cell.
    QModelIndex cellAcross(const QModelIndex& from, bool forward) const;
    void applyColumnWidths();

    int playerRows_ = 0;
    // The cursor has just arrived in the cell: the next digit replaces it.
    bool fresh_ = true;
    // Cells are being set by the program, not edited.
    bool filling_ = false;
};
