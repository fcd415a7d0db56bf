#pragma once

class QTableWidget;

// Sizes the columns of a dialog's list grid from its font: every shown column as wide as its
// header and its widest cell, `fillColumn` also taking the room left over. The grid is never
// narrower than all its columns need, so the dialog grows to show them whole.
void fitGridColumns(QTableWidget* grid, int fillColumn);
