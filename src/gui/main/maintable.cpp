#include "main/maintable.h"

#include "store/codepage.h"
#include "store/linecodec.h"
#include "views/tablelayout.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStringList>
#include <QTabBar>
#include <QTableWidget>

namespace maintable {
namespace {

const char* const kTabCaptions[] = {"Teams",    "Players",  "Hitting", "Running",
                                    "Pitching", "Fielding", "Custom",  "Schedule"};

}  // namespace

QTableWidget* make(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(QStringLiteral("Table"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(17);
    table->verticalHeader()->setMinimumSectionSize(8);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->horizontalHeader()->setMinimumSectionSize(0);
    table->setWordWrap(false);
    table->setTabKeyNavigation(false);  // Tab leaves the table for the tab row
    table->setTextElideMode(Qt::ElideNone);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette palette = table->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    table->setPalette(palette);
    QFont font = table->font();
    font.setBold(true);
    font.setPixelSize(13);
    table->setFont(font);
    return table;
}

QTabBar* makeTabRow(QWidget* parent) {
    auto* tabs = new QTabBar(parent);
    tabs->setObjectName(QStringLiteral("BottomTab"));
    tabs->setShape(QTabBar::RoundedSouth);
    tabs->setExpanding(false);
    // Tab reaches the tab row from the table; the arrow keys then move along the tabs.
    tabs->setFocusPolicy(Qt::TabFocus);
    for (const char* caption : kTabCaptions)
        tabs->addTab(QString::fromLatin1(caption));
    return tabs;
}

void fill(QTableWidget& table, const pny::ViewGrid& grid) {
    table.clear();
    table.setColumnCount(grid.columnCount());
    table.setRowCount(static_cast<int>(grid.rows.size()));
    QStringList headers;
    for (const std::string& text : grid.headers)
        headers << pny::fromCodePage(text);
    table.setHorizontalHeaderLabels(headers);
    for (int r = 0; r < static_cast<int>(grid.rows.size()); ++r) {
        const std::vector<std::string>& cells = grid.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            table.setItem(
                r, c, new QTableWidgetItem(pny::fromCodePage(cells[static_cast<std::size_t>(c)])));
        }
    }
}

void selectCurrentRow(QTableWidget& table, const pny::ViewGrid& grid, int focusColumn) {
    if (grid.currentRow > 0 && focusColumn > 0) {
        table.setCurrentCell(grid.currentRow - 1, focusColumn);
    } else if (grid.hasRecords()) {
        table.setCurrentCell(0, 0);
    } else {
        table.setCurrentCell(-1, -1);  // the one blank row is no record to select
    }
}

void sizeColumns(QTableWidget& table, const pny::ViewGrid& grid) {
    const int count = table.columnCount();
    if (count == 0)
        return;
    const std::vector<int> widths =
        pny::sizeColumns(count, grid.wideColumns, table.viewport()->width());
    for (int c = 0; c < count && c < static_cast<int>(widths.size()); ++c)
        table.setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

void applyLeagueFont(QTableWidget& table, const pny::LeagueRecord& league) {
    // Until a font is stored, the table keeps the design font.
    QFont font = table.font();
    QPalette palette = table.palette();
    if (!league.fontColor.empty()) {
        const int value = pny::toNumber(league.fontColor);
        palette.setColor(QPalette::Text,
                         QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF));
    }
    if (!league.fontName.empty())
        font.setFamily(pny::fromCodePage(league.fontName));
    if (!league.fontSize.empty() && pny::toNumber(league.fontSize) > 0)
        font.setPointSize(pny::toNumber(league.fontSize));
    if (league.bold == "1") {
        font.setBold(true);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
    }
    if (league.italic == "1")
        font.setItalic(true);
    table.setFont(font);
    table.setPalette(palette);
    table.verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
}

}  // namespace maintable
