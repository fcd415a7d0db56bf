#include "views/eligiblepitchersform.h"

#include "common/exporttable.h"
#include "common/gridtable.h"
#include "common/messages.h"
#include "common/reportbuttons.h"
#include "help/helpviewer.h"
#include "pitching/eligiblepitchers.h"
#include "pitching/pitchrulesfile.h"
#include "print/print.h"
#include "store/codepage.h"
#include "store/store.h"
#include "views/pitchrulesform.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

TEligiblePitchersForm::TEligiblePitchersForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EligiblePitchersForm"));
    setModal(true);
    setSizeGripEnabled(true);
    setWindowTitle(QStringLiteral("Eligible Pitchers"));
    printForm_ = new TPrintForm(this);
    rulesForm_ = new TPitchRulesForm(this);

    dateEdit_ = new QDateEdit(this);
    dateEdit_->setObjectName(QStringLiteral("DateEdit"));
    dateEdit_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateEdit_->setCalendarPopup(true);
    teamBox_ = new QComboBox(this);
    teamBox_->setObjectName(QStringLiteral("TeamBox"));
    rulesLabel_ = new QLabel(this);
    rulesLabel_->setObjectName(QStringLiteral("RulesLabel"));
    rulesLabel_->setWordWrap(true);
    auto* rulesButton = new QPushButton(QStringLiteral("Pitch &Rules..."), this);
    rulesButton->setObjectName(QStringLiteral("RulesButton"));
    rulesButton->setAutoDefault(false);
    connect(rulesButton, &QPushButton::clicked, this, &TEligiblePitchersForm::RulesButtonClick);

    auto* dateLabel = new QLabel(QStringLiteral("&Date:"), this);
    dateLabel->setBuddy(dateEdit_);
    auto* teamLabel = new QLabel(QStringLiteral("&Team:"), this);
    teamLabel->setBuddy(teamBox_);
    auto* top = new QHBoxLayout;
    top->addWidget(dateLabel);
    top->addWidget(dateEdit_);
    top->addWidget(teamLabel);
    top->addWidget(teamBox_, 1);
    top->addWidget(rulesButton);

    emptyLabel_ = new QLabel(this);
    emptyLabel_->setObjectName(QStringLiteral("EmptyLabel"));
    emptyLabel_->setWordWrap(true);
    emptyLabel_->hide();

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("Table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->setWordWrap(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(rulesLabel_);
    layout->addWidget(emptyLabel_);
    layout->addWidget(table_, 1);
    layout->addLayout(reportButtonRow(this, &TEligiblePitchersForm::PrintButtonClick,
                                      &TEligiblePitchersForm::ExportButtonClick,
                                      &TEligiblePitchersForm::HelpButtonClick));
    resize(820, 480);
}

void TEligiblePitchersForm::ShowPitchers(pny::Store& store) {
    store.ensureTeams();
    store.ensureGames();
    store_ = &store;
    QString error;
    log_ = pny::GameLog();
    if (!log_.read(store, error))
        Messages::error(parentWidget(), error);
    if (!pny::readPitchRules(pny::pitchRulesPath(store), rules_, error))
        Messages::error(parentWidget(),
                        error + QStringLiteral("\nThe league counts as without rules."));

    {
        // Filling the boxes builds the table once, below, rather than at every item.
        const QSignalBlocker blockTeams(teamBox_);
        const QSignalBlocker blockDate(dateEdit_);
        teamBox_->clear();
        teamBox_->addItem(QStringLiteral("All Teams"), 0);
        for (int t = 1; t < store.teams.size(); ++t) {
            const pny::TeamRecord team = pny::TeamRecord::parse(store.teams.line(t));
            if (team.flag.empty())
                teamBox_->addItem(pny::fromCodePage(team.name).trimmed(), t);
        }
        dateEdit_->setDate(pny::nextGameDate(store, QDate::currentDate()));
    }
    connect(teamBox_, &QComboBox::currentIndexChanged, this, &TEligiblePitchersForm::refresh,
            Qt::UniqueConnection);
    connect(dateEdit_, &QDateEdit::dateChanged, this, &TEligiblePitchersForm::refresh,
            Qt::UniqueConnection);
    refresh();
    exec();
    store_ = nullptr;
}

void TEligiblePitchersForm::showRules() {
    if (!rules_) {
        rulesLabel_->setText(QStringLiteral(
            "The league has no pitch rules: pitch counts are shown, eligibility is not."));
        return;
    }
    rulesLabel_->setText(
        QStringLiteral("Daily maximum: %1. Days of rest: %2.")
            .arg(rules_->dailyMax > 0 ? QString::number(rules_->dailyMax) : QStringLiteral("none"),
                 QString::fromStdString(pny::restTableDescription(rules_->rest))));
}

void TEligiblePitchersForm::refresh() {
    if (!store_)
        return;
    showRules();
    grid_ = pny::eligiblePitchers(*store_, log_, rules_, dateEdit_->date(),
                                  teamBox_->currentData().toInt());
    setWindowTitle(pny::fromCodePage(grid_.caption));
    fillGridTable(table_, grid_);
    // Column 0 holds the pitcher's key: never shown, as in every table.
    table_->setColumnHidden(0, true);
    table_->resizeColumnsToContents();
    // An empty table says why rather than showing nothing.
    const QDate date = dateEdit_->date();
    emptyLabel_->setText(QStringLiteral("Nobody pitched in the %1 days before %2.")
                             .arg(pny::kPitchersLookBackDays)
                             .arg(date.toString(Qt::ISODate)));
    emptyLabel_->setVisible(!grid_.hasRecords());
}

void TEligiblePitchersForm::RulesButtonClick() {
    if (!store_)
        return;
    if (rulesForm_->EditRules(pny::pitchRulesPath(*store_), rules_))
        refresh();
}

void TEligiblePitchersForm::PrintButtonClick() {
    printForm_->PrintTable(table_, windowTitle(), windowTitle());
}

void TEligiblePitchersForm::ExportButtonClick() {
    if (store_)
        exportTable(this, *store_, grid_, false, windowTitle());
}

void TEligiblePitchersForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Eligible_Pitchers"));
}
