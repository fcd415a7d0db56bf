#include "common/gridcolumns.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

void fitGridColumns(QTableWidget* grid, int fillColumn) {
    QHeaderView* header = grid->horizontalHeader();
    int needed = 0;
    for (int c = 0; c < grid->columnCount(); ++c) {
        if (grid->isColumnHidden(c))
            continue;
        // The header's caption and the widest cell, in their fonts.
        header->setSectionResizeMode(c, QHeaderView::Fixed);
        grid->resizeColumnToContents(c);
        needed += grid->columnWidth(c);
        if (c == fillColumn)
            header->setSectionResizeMode(c, QHeaderView::Stretch);
    }
    needed += 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width();
    grid->setMinimumWidth(std::max(grid->minimumWidth(), needed));
}
