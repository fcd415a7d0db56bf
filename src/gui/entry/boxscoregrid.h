#pragma once

#include <QChar>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QTableWidget>

// One team's grid of the box score sheet: a row per player (his number and name as the row's
// caption) and a totals row, a column per statistic. It is typed like a spreadsheet, with the
// fewest keys a box score needs:
//   typing replaces the cell; a count that never reaches 10 in a game takes one digit and moves
//   on, IP moves on once its outs are typed (5.2), a decision once its letter is;
//   Tab and Shift+Tab move across (from a row's last cell to the next row's first);
//   Enter ends the row: the next row's first cell of the same part (batting, pitching,
//   fielding), and from the last row on to the team's runs;
//   B, P and F go to the same row's batting, pitching or fielding;
//   F2 opens a cell for a longer number; Delete clears, Ctrl+V pastes a tab-separated block.
class BoxScoreGrid : public QTableWidget {
    Q_OBJECT
public:
    enum class CellKind {
        Number,    // an optional minus and up to four digits
        Digit,     // the same, moving on after one digit
        Innings,   // IP as 5.2, moving on after the outs
        Decision,  // W, L or S, moving on after it
    };

    explicit BoxScoreGrid(QWidget* parent = nullptr);

    // What each column holds; Number for a column not given.
    void setColumnKinds(const QList<CellKind>& kinds);
    CellKind columnKind(int column) const;
    // The first column of each part of a row and the letter that goes there.
    void setParts(const QList<QPair<QChar, int>>& parts);

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

    // Whether `text` may stand in a cell of that kind.
    static bool isCellText(CellKind kind, const QString& text);

signals:
    // The user changed one or more cells.
    void cellsEdited();
    // Enter ended the last row.
    void passedLastRow();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void typeText(const QString& text);
    // Moves to the same row's part that the letter names; false for no such letter.
    bool jumpToPart(const QString& text);
    // Enter: the next row's first cell of the current part, or on past the grid.
    void endRow();
    int partStart(int column) const;
    void eraseLast();
    void clearSelectedCells();
    void paste();
    // The next or previous cell across, wrapping to the next or previous row; invalid past the
    // first or last cell.
    QModelIndex cellAcross(const QModelIndex& from, bool forward) const;
    void applyColumnWidths();

    int playerRows_ = 0;
    QList<CellKind> kinds_;
    QList<QPair<QChar, int>> parts_;
    // The cursor has just arrived in the cell: the next digit replaces it.
    bool fresh_ = true;
    // Cells are being set by the program, not edited.
    bool filling_ = false;
};
