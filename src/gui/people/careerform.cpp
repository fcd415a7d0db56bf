#include "people/careerform.h"

#include "common/exporttable.h"
#include "common/gridtable.h"
#include "common/messages.h"
#include "common/reportbuttons.h"
#include "help/helpviewer.h"
#include "people/career.h"
#include "people/peoplelinks.h"
#include "print/print.h"
#include "store/codepage.h"
#include "store/store.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

TCareerForm::TCareerForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CareerForm"));
    setModal(true);
    setWindowTitle(QStringLiteral("Career"));
    printForm_ = new TPrintForm(this);

    table_ = reportTable(this, QStringLiteral("Table"));
    table_->horizontalHeader()->setMinimumSectionSize(0);

    QHBoxLayout* buttons =
        reportButtonRow(this, &TCareerForm::PrintButtonClick, &TCareerForm::ExportButtonClick,
                        &TCareerForm::HelpButtonClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    resize(900, 360);
}

void TCareerForm::ShowCareer(pny::Store& store, int tab, const QString& tabName) {
    store_ = &store;
    tabName_ = tabName;
    pny::PeopleLinks people;
    pny::Career career;
    QString error;
    if (!pny::readPeople(store, people, error) ||
        !pny::readCareer(store, people.recordsOf(pny::currentPlayerKey(store)), career, error)) {
        Messages::error(parentWidget(), error);
        store_ = nullptr;
        return;
    }
    grid_ = pny::careerGrid(career, store.league, tab);
    showGrid();
    exec();
    store_ = nullptr;
}

void TCareerForm::showGrid() {
    fillGridTable(table_, grid_);
    // The career row stands out as a totals row does on paper.
    if (table_->rowCount() > 1) {
        QFont bold = table_->font();
        bold.setBold(true);
        for (int c = 0; c < table_->columnCount(); ++c) {
            if (QTableWidgetItem* item = table_->item(table_->rowCount() - 1, c))
                item->setFont(bold);
        }
    }
    // The key column is never shown; a wide tab scrolls sideways.
    table_->setColumnHidden(0, true);
    table_->resizeColumnsToContents();
    setWindowTitle(pny::fromCodePage(grid_.caption));
}

QString TCareerForm::fileName() const {
    return pny::fromCodePage(grid_.caption).simplified() + QLatin1Char(' ') + tabName_;
}

void TCareerForm::PrintButtonClick() {
    printForm_->PrintTable(table_, windowTitle(), fileName());
}

void TCareerForm::ExportButtonClick() {
    if (store_)
        exportTable(this, *store_, grid_, false, fileName());
}

void TCareerForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Careers"));
}
