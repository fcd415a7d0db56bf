#include "entry/sheetcolumns.h"

#include "common/dialogbutton.h"
#include "common/messages.h"
#include "gamelog/sheetchoice.h"
#include "help/helpviewer.h"
#include "store/codepage.h"

#include <QByteArray>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kNameRole = Qt::UserRole;
constexpr int kGroupRole = Qt::UserRole + 1;

int groupOf(const QListWidgetItem* item) {
    return item ? item->data(kGroupRole).toInt() : -1;
}

}  // namespace

TSheetColumnsForm::TSheetColumnsForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SheetColumnsForm"));
    setModal(true);
    setWindowTitle(QStringLiteral("Box Score Columns"));

    auto* caption = new QLabel(
        QStringLiteral("The sheet shows the ticked &columns, in this order within each group:"),
        this);
    caption->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ColumnList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    caption->setBuddy(list_);

    up_ = dialogButton(this, QStringLiteral("UpButton"), QStringLiteral("Move &Up"),
                       QStyle::SP_ArrowUp);
    up_->setToolTip(QStringLiteral("Move the column up within its group (Ctrl+Up)"));
    down_ = dialogButton(this, QStringLiteral("DownButton"), QStringLiteral("Move &Down"),
                         QStyle::SP_ArrowDown);
    down_->setToolTip(QStringLiteral("Move the column down within its group (Ctrl+Down)"));
    auto* defaults = dialogButton(this, QStringLiteral("DefaultsButton"),
                                  QStringLiteral("De&faults"), QStyle::SP_BrowserReload);
    defaults->setToolTip(QStringLiteral("The columns the sheet shows when the league chose none"));
    auto* ok = dialogButton(this, QStringLiteral("OkButton"), QStringLiteral("&OK"),
                            QStyle::SP_DialogOkButton);
    ok->setDefault(true);
    auto* cancel = dialogButton(this, QStringLiteral("CancelButton"), QStringLiteral("&Cancel"),
                                QStyle::SP_DialogCancelButton);
    auto* help = dialogButton(this, QStringLiteral("HelpButton"), QStringLiteral("&Help"),
                              QStyle::SP_DialogHelpButton);
    connect(up_, &QPushButton::clicked, this, &TSheetColumnsForm::UpButtonClick);
    connect(down_, &QPushButton::clicked, this, &TSheetColumnsForm::DownButtonClick);
    connect(defaults, &QPushButton::clicked, this, &TSheetColumnsForm::DefaultsButtonClick);
    connect(ok, &QPushButton::clicked, this, &TSheetColumnsForm::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TSheetColumnsForm::HelpButtonClick);
    // Shortcuts of their own rather than the buttons': a button's shortcut clicks it only after
    // showing the press, so quick keys would run ahead of the moves.
    auto* upKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), this);
    auto* downKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), this);
    connect(upKey, &QShortcut::activated, this, &TSheetColumnsForm::UpButtonClick);
    connect(downKey, &QShortcut::activated, this, &TSheetColumnsForm::DownButtonClick);
    connect(list_, &QListWidget::currentRowChanged, this, &TSheetColumnsForm::updateButtons);

    auto* side = new QVBoxLayout;
    side->addWidget(up_);
    side->addWidget(down_);
    side->addSpacing(12);
    side->addWidget(defaults);
    side->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(list_, 1);
    middle->addLayout(side);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    resize(360, 480);
}

void TSheetColumnsForm::setColumns(const std::vector<pny::BoxScoreColumn>& available,
                                   const std::vector<std::string>& chosen,
                                   const std::vector<std::string>& defaults) {
    available_ = available;
    defaults_ = defaults;
    fill(chosen);
}

void TSheetColumnsForm::fill(const std::vector<std::string>& chosen) {
    list_->clear();
    const std::vector<pny::BoxScoreColumn> shown = pny::columnsNamed(available_, chosen);
    for (int group = 0; group < 3; ++group) {
        std::vector<std::pair<const pny::BoxScoreColumn*, bool>> rows;
        for (const pny::BoxScoreColumn& column : shown) {
            if (pny::sheetGroupOf(column.group) == group)
                rows.emplace_back(&column, true);
        }
        for (const pny::BoxScoreColumn& column : available_) {
            const bool isShown =
                std::any_of(shown.begin(), shown.end(), [&](const pny::BoxScoreColumn& c) {
                    return pny::sameColumnName(c.name, column.name);
                });
            if (pny::sheetGroupOf(column.group) == group && !isShown)
                rows.emplace_back(&column, false);
        }
        for (const auto& [column, ticked] : rows) {
            auto* item =
                new QListWidgetItem(QString::fromLatin1(pny::groupCaption(column->group)) +
                                        QStringLiteral(": ") + pny::fromCodePage(column->caption),
                                    list_);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
            item->setData(kNameRole, QByteArray::fromStdString(column->name));
            item->setData(kGroupRole, group);
            item->setToolTip(pny::fromCodePage(column->name));
        }
    }
    list_->setCurrentRow(0);
    updateButtons();
}

std::vector<std::string> TSheetColumnsForm::chosenNames() const {
    std::vector<std::string> names;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        if (item->checkState() != Qt::Checked)
            continue;
        // A user column headed like another column ("H") goes by the same name: kept once.
        const std::string name = item->data(kNameRole).toByteArray().toStdString();
        if (std::none_of(names.begin(), names.end(), [&](const std::string& other) {
                return pny::sameColumnName(other, name);
            }))
            names.push_back(name);
    }
    return names;
}

void TSheetColumnsForm::moveCurrent(int step) {
    const int row = list_->currentRow();
    const int target = row + step;
    // A column never leaves its group: the sheet shows each group together.
    if (row < 0 || groupOf(list_->item(target)) != groupOf(list_->item(row)))
        return;
    QListWidgetItem* item = list_->takeItem(row);
    list_->insertItem(target, item);
    list_->setCurrentRow(target);
    updateButtons();
}

void TSheetColumnsForm::updateButtons() {
    const int row = list_->currentRow();
    const int group = groupOf(list_->item(row));
    up_->setEnabled(row >= 0 && groupOf(list_->item(row - 1)) == group);
    down_->setEnabled(row >= 0 && groupOf(list_->item(row + 1)) == group);
}

void TSheetColumnsForm::UpButtonClick() {
    moveCurrent(-1);
}

void TSheetColumnsForm::DownButtonClick() {
    moveCurrent(1);
}

void TSheetColumnsForm::DefaultsButtonClick() {
    fill(defaults_);
}

void TSheetColumnsForm::OkButtonClick() {
    if (chosenNames().empty()) {
        Messages::error(this, QStringLiteral("Tick at least one column for the sheet to show."));
        list_->setFocus();
        return;
    }
    accept();
}

void TSheetColumnsForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Sheet_Columns"));
}

std::optional<std::vector<std::string>> ChooseColumns(
    const std::vector<pny::BoxScoreColumn>& available, const std::vector<std::string>& chosen,
    const std::vector<std::string>& defaults, QWidget* parent) {
    TSheetColumnsForm form(parent);
    form.setColumns(available, chosen, defaults);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.chosenNames();
}
