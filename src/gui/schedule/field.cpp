#include "schedule/field.h"

#include "common/gridcolumns.h"
#include "common/messages.h"
#include "help/helpviewer.h"
#include "schedule/fieldtimes.h"
#include "schedule/make.h"
#include "store/codepage.h"
#include "store/store.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString countText(int count) {
    return count == 0 ? QString() : QString::number(count);
}

}  // namespace

TFieldForm::TFieldForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FieldForm"));
    setWindowTitle(QStringLiteral("Select Fields to Use in Schedule"));
    setModal(true);

    grid_ = new QTableWidget(0, 4, this);
    grid_->setObjectName(QStringLiteral("FieldGrid"));
    grid_->setHorizontalHeaderLabels({QString(), QStringLiteral("   No."),
                                      QStringLiteral("Field Name"), QStringLiteral("Times")});
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(17);
    grid_->verticalHeader()->setMinimumSectionSize(8);
    grid_->setColumnWidth(0, 0);
    grid_->setColumnHidden(0, true);
    grid_->setColumnWidth(1, 50);
    grid_->setColumnWidth(3, 44);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setMinimumSize(360, 220);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { SetButtonClick(); });

    const auto makeButton = [this](const QString& name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* setButton =
        makeButton(QStringLiteral("SetButton"), QStringLiteral("&Set Field Available Times"));
    QPushButton* resetButton =
        makeButton(QStringLiteral("ResetButton"), QStringLiteral("&Reset All"));
    QPushButton* addButton =
        makeButton(QStringLiteral("AddButton"), QStringLiteral("&Add Games To Schedule"));
    QPushButton* cancelButton =
        makeButton(QStringLiteral("CancelButton"), QStringLiteral("&Cancel"));
    setButton->setDefault(true);
    setButton->setAutoDefault(true);
    connect(setButton, &QPushButton::clicked, this, &TFieldForm::SetButtonClick);
    connect(resetButton, &QPushButton::clicked, this, &TFieldForm::ResetButtonClick);
    connect(addButton, &QPushButton::clicked, this, &TFieldForm::AddButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(setButton);
    buttons->addWidget(resetButton);
    buttons->addWidget(addButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this,
            [] { HelpViewer::showTopic(QStringLiteral("Make_Button")); });
}

bool TFieldForm::SelectFields(pny::Store& store, const std::vector<pny::FieldRow>& rows,
                              TMakeForm& makeForm) {
    store_ = &store;
    makeForm_ = &makeForm;
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const pny::FieldRow& row = rows[static_cast<std::size_t>(r)];
        grid_->setItem(r, 0, new QTableWidgetItem(pny::fromCodePage(row.index)));
        grid_->setItem(r, 1, new QTableWidgetItem(pny::fromCodePage(row.number)));
        grid_->setItem(r, 2, new QTableWidgetItem(pny::fromCodePage(row.name)));
        grid_->setItem(r, 3, new QTableWidgetItem(countText(row.timeSlots)));
    }
    fitGridColumns(grid_, 2);
    if (!rows.empty()) {
        grid_->setCurrentCell(0, 1);
        grid_->selectRow(0);
    }
    grid_->setFocus();
    return exec() == QDialog::Accepted;
}

void TFieldForm::SetButtonClick() {
    const int row = grid_->currentRow();
    if (!store_ || !makeForm_ || row < 0 || row >= grid_->rowCount())
        return;
    const auto text = [this, row](int column) {
        const QTableWidgetItem* item = grid_->item(row, column);
        return item ? item->text() : QString();
    };
    makeForm_->setWindowTitle(text(1) + QLatin1Char(' ') + text(2) +
                              QStringLiteral(" Availability"));
    std::string key;
    pny::toCodePage(text(0), key);
    const int shown = makeForm_->EditFieldTimes(*store_, key.substr(0, 5));
    grid_->item(row, 3)->setText(countText(shown));
    grid_->setFocus();
}

void TFieldForm::ResetButtonClick() {
    grid_->setFocus();
    if (!store_ || !Messages::question(this, QStringLiteral("Clear All Field Times?")))
        return;
    pny::clearSlots(store_->times, store_->changed.times);
    for (int r = 0; r < grid_->rowCount(); ++r) {
        if (QTableWidgetItem* item = grid_->item(r, 3))
            item->setText(QString());
    }
}

void TFieldForm::AddButtonClick() {
    if (!store_)
        return;
    const int count = store_->times.size();
    if (count == 0) {
        Messages::information(this, QStringLiteral("You must set the times that fields are "
                                                   "available before adding games to the "
                                                   "schedule."));
        return;
    }
    if (Messages::question(this, QStringLiteral("Add %1 Games to Schedule?").arg(count)))
        accept();
}
