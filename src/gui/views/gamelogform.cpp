#include "views/gamelogform.h"

#include "common/exporttable.h"
#include "common/gridtable.h"
#include "common/messages.h"
#include "common/reportbuttons.h"
#include "gamelog/playergamelog.h"
#include "help/helpviewer.h"
#include "print/print.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

TGameLogForm::TGameLogForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GameLogForm"));
    setModal(true);
    setSizeGripEnabled(true);
    setWindowTitle(QStringLiteral("Game Log"));
    printForm_ = new TPrintForm(this);

    table_ = reportTable(this, QStringLiteral("Table"));
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    connect(table_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { TableDoubleClick(row); });

    QHBoxLayout* buttons =
        reportButtonRow(this, &TGameLogForm::PrintButtonClick, &TGameLogForm::ExportButtonClick,
                        &TGameLogForm::HelpButtonClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    resize(1000, 520);
}

int TGameLogForm::ShowGameLog(pny::Store& store, int team, int player) {
    store_ = &store;
    chosenNight_ = 0;
    QString error;
    log_ = pny::GameLog();
    if (!log_.read(store, error))
        Messages::error(parentWidget(), error);
    grid_ = pny::playerGameLog(store, log_, team, player);
    showGrid();
    exec();
    store_ = nullptr;
    return chosenNight_;
}

void TGameLogForm::showGrid() {
    setWindowTitle(pny::fromCodePage(grid_.caption));
    const QStringList headers = fillGridTable(table_, grid_);
    // Column 0 holds the night a row belongs to: never shown, as in every table.
    table_->setColumnHidden(0, true);
    // Widths from the font rather than from every cell, so that a long log opens at once: the
    // name and entry columns take their longest text, the numbers what "-9999" needs.
    const QFontMetrics metrics(table_->font());
    const QFontMetrics headerMetrics(table_->horizontalHeader()->font());
    const int number = metrics.horizontalAdvance(QStringLiteral(" -9999")) + 8;
    for (int c = 1; c < table_->columnCount(); ++c) {
        int width = std::max(number, headerMetrics.horizontalAdvance(headers.at(c)) + 12);
        if (c <= 3) {
            for (const std::vector<std::string>& cells : grid_.rows) {
                width = std::max(width, metrics.horizontalAdvance(
                                            pny::fromCodePage(cells[static_cast<std::size_t>(c)])) +
                                            12);
            }
        }
        table_->setColumnWidth(c, width);
    }
    if (table_->rowCount() > 0)
        table_->setCurrentCell(table_->rowCount() - 1, 1);
}

void TGameLogForm::PrintButtonClick() {
    printForm_->PrintTable(table_, windowTitle(), windowTitle());
}

void TGameLogForm::ExportButtonClick() {
    if (store_)
        exportTable(this, *store_, grid_, false, windowTitle());
}

void TGameLogForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Game_Log"));
}

void TGameLogForm::TableDoubleClick(int row) {
    if (row < 0 || row >= static_cast<int>(grid_.rows.size()))
        return;
    const int night = pny::toNumber(grid_.rows[static_cast<std::size_t>(row)].front());
    if (night <= 0)
        return;
    if (log_.isRemoved(night)) {
        Messages::information(this, QStringLiteral("This night was removed from the season."));
        return;
    }
    chosenNight_ = night;
    accept();
}
