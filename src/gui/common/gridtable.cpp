#include "common/gridtable.h"

#include "store/codepage.h"

#include <QHeaderView>
#include <QTableWidget>

QTableWidget* reportTable(QWidget* parent, const QString& objectName) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(objectName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->setWordWrap(false);
    return table;
}

QStringList fillGridTable(QTableWidget* table, const pny::ViewGrid& grid) {
    table->clear();
    table->setColumnCount(grid.columnCount());
    table->setRowCount(static_cast<int>(grid.rows.size()));
    QStringList headers;
    for (const std::string& text : grid.headers)
        headers << pny::fromCodePage(text);
    table->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < static_cast<int>(grid.rows.size()); ++r) {
        const std::vector<std::string>& cells = grid.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            table->setItem(
                r, c, new QTableWidgetItem(pny::fromCodePage(cells[static_cast<std::size_t>(c)])));
        }
    }
    return headers;
}
