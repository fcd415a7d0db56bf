#include "main/rosterpreview.h"

#include "roster/rosterplan.h"
#include "store/codepage.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidget* makeTable(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, headers.size(), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void addRow(QTableWidget* table, const QStringList& cells) {
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < cells.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
}

}  // namespace

RosterPreview::RosterPreview(const pny::RosterPlan& plan, const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("RosterPreview"));
    setWindowTitle(QStringLiteral("Import Roster"));
    auto* layout = new QVBoxLayout(this);

    teamLabel_ =
        new QLabel(QStringLiteral("Players from %1 for %2").arg(fileName, plan.team), this);
    teamLabel_->setObjectName(QStringLiteral("TeamLabel"));
    teamLabel_->setWordWrap(true);
    layout->addWidget(teamLabel_);

    const int adds = static_cast<int>(plan.adds.size());
    auto* addLabel = new QLabel(
        QStringLiteral("%1 to add:")
            .arg(adds == 1 ? QStringLiteral("1 player") : QStringLiteral("%1 players").arg(adds)),
        this);
    addLabel->setObjectName(QStringLiteral("AddLabel"));
    layout->addWidget(addLabel);
    addTable_ = makeTable(QStringLiteral("AddTable"), {"Line", "No", "Name", "Note"}, this);
    for (const pny::RosterPlayer& player : plan.adds) {
        addRow(addTable_, {QString::number(player.line), pny::fromCodePage(player.number),
                           pny::fromCodePage(player.name),
                           player.number.empty() ? QStringLiteral("no number") : QString()});
    }
    layout->addWidget(addTable_);

    const int skips = static_cast<int>(plan.skips.size());
    auto* skipLabel = new QLabel(
        QStringLiteral("%1 skipped:")
            .arg(skips == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(skips)),
        this);
    skipLabel->setObjectName(QStringLiteral("SkipLabel"));
    layout->addWidget(skipLabel);
    skipTable_ = makeTable(QStringLiteral("SkipTable"), {"Line", "Reason"}, this);
    for (const pny::RosterProblem& problem : plan.skips)
        addRow(skipTable_, {QString::number(problem.line), problem.reason});
    skipLabel->setVisible(skips > 0);
    skipTable_->setVisible(skips > 0);
    layout->addWidget(skipTable_);

    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(QStringLiteral("Add"), QDialogButtonBox::AcceptRole);
    okButton_->setObjectName(QStringLiteral("OkButton"));
    // Nothing to add: only Cancel is left.
    okButton_->setEnabled(adds > 0);
    okButton_->setDefault(adds > 0);
    cancelButton_ = buttons->addButton(QDialogButtonBox::Cancel);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 420);
}
