#include "views/ssort.h"

#include "common/dialogbutton.h"
#include "help/helpviewer.h"
#include "common/recordpicker.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/displaysettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <vector>

namespace {

constexpr int kRowsPerColumn = 10;  // 20 check boxes in two columns

}  // namespace

TScheduleSortForm::TScheduleSortForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ScheduleSortForm"));
    setModal(true);
    setWindowTitle(QStringLiteral("Setup Schedule"));

    RadioGroup = new QGroupBox(QStringLiteral("Sort"), this);
    RadioGroup->setObjectName(QStringLiteral("RadioGroup"));
    sortGroup_ = new QButtonGroup(RadioGroup);
    auto* sortItems = new QVBoxLayout(RadioGroup);
    const QStringList sortCaptions{QStringLiteral("Field Number"), QStringLiteral("Game Date"),
                                   QStringLiteral("Game Time"), QStringLiteral("Home Team"),
                                   QStringLiteral("Away Team")};
    for (int i = 0; i < sortCaptions.size(); ++i) {
        auto* item = new QRadioButton(sortCaptions[i], RadioGroup);
        sortGroup_->addButton(item, i);
        sortItems->addWidget(item);
    }

    RadioAD = new QGroupBox(this);
    RadioAD->setObjectName(QStringLiteral("RadioAD"));
    directionGroup_ = new QButtonGroup(RadioAD);
    auto* directions = new QVBoxLayout(RadioAD);
    const QStringList directionCaptions{QStringLiteral("Ascending"), QStringLiteral("Descending")};
    for (int i = 0; i < directionCaptions.size(); ++i) {
        auto* choice = new QRadioButton(directionCaptions[i], RadioAD);
        directionGroup_->addButton(choice, i);
        directions->addWidget(choice);
    }

    FilterBox = new QGroupBox(QStringLiteral("Filter"), this);
    FilterBox->setObjectName(QStringLiteral("FilterBox"));
    const auto makeFilterButton = [this](const QString& name, const QString& caption) {
        auto* button = new QPushButton(caption, FilterBox);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    };
    AllTeam = makeFilterButton(QStringLiteral("AllTeam"), QStringLiteral("All Teams"));
    TeamButton = makeFilterButton(QStringLiteral("TeamButton"), QStringLiteral("One &Team"));
    AllUmpires = makeFilterButton(QStringLiteral("AllUmpires"), QStringLiteral("All Umpires"));
    UmpireButton = makeFilterButton(QStringLiteral("UmpireButton"), QStringLiteral("One &Umpire"));
    const auto makeFilterLabel = [this](const QString& name) {
        auto* label = new QLabel(FilterBox);
        label->setObjectName(name);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(128, 0, 0));  // maroon
        label->setPalette(palette);
        label->setTextFormat(Qt::PlainText);
        return label;
    };
    TFilter = makeFilterLabel(QStringLiteral("TFilter"));
    UFilter = makeFilterLabel(QStringLiteral("UFilter"));
    auto* filters = new QGridLayout(FilterBox);
    filters->addWidget(AllTeam, 0, 0);
    filters->addWidget(TeamButton, 0, 1);
    filters->addWidget(TFilter, 1, 0, 1, 2);
    filters->addWidget(AllUmpires, 2, 0);
    filters->addWidget(UmpireButton, 2, 1);
    filters->addWidget(UFilter, 3, 0, 1, 2);

    DisplayBox = new QGroupBox(QStringLiteral("Display"), this);
    DisplayBox->setObjectName(QStringLiteral("DisplayBox"));
    auto* boxes = new QGridLayout(DisplayBox);
    const auto& catalogue = pny::catalogueOf(pny::kScheduleTab);
    for (int k = 0; k < static_cast<int>(CheckBoxes.size()); ++k) {
        auto* box = new QCheckBox(
            QString::fromLatin1(catalogue[static_cast<std::size_t>(k)].setupItem), DisplayBox);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(k + 1));
        boxes->addWidget(box, k % kRowsPerColumn, k / kRowsPerColumn);
        CheckBoxes[static_cast<std::size_t>(k)] = box;
    }

    OKButton = dialogButton(this, QStringLiteral("OKButton"), QStringLiteral("OK"),
                            QStyle::SP_DialogOkButton);
    HelpButton = dialogButton(this, QStringLiteral("HelpButton"), QStringLiteral("Help"),
                              QStyle::SP_DialogHelpButton);
    CancelButton = dialogButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cancel"),
                                QStyle::SP_DialogCancelButton);
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);

    auto* left = new QVBoxLayout;
    auto* sortRow = new QHBoxLayout;
    sortRow->addWidget(RadioGroup);
    sortRow->addWidget(RadioAD, 0, Qt::AlignTop);
    left->addLayout(sortRow);
    left->addWidget(FilterBox);
    left->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(HelpButton);
    buttons->addWidget(CancelButton);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(DisplayBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(583, 290);

    connect(AllTeam, &QPushButton::clicked, this, &TScheduleSortForm::AllTeamClick);
    connect(TeamButton, &QPushButton::clicked, this, &TScheduleSortForm::TeamButtonClick);
    connect(AllUmpires, &QPushButton::clicked, this, &TScheduleSortForm::AllUmpiresClick);
    connect(UmpireButton, &QPushButton::clicked, this, &TScheduleSortForm::UmpireButtonClick);
    connect(OKButton, &QPushButton::clicked, this, &TScheduleSortForm::OKButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TScheduleSortForm::HelpButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

int TScheduleSortForm::sortIndex() const {
    return sortGroup_->checkedId();
}

int TScheduleSortForm::directionIndex() const {
    return directionGroup_->checkedId();
}

bool TScheduleSortForm::Execute(pny::Store& store, RecordPicker& list) {
    if (!store.ensureLeagues() || !store.hasLeague() ||
        !store.leagues.isValidRecord(pny::toNumber(store.year.currentLeague))) {
        return false;
    }
    store.ensureTeams();
    store.ensureGames();
    store.ensureFields();
    store.ensureUmpires();

    if (QAbstractButton* item = sortGroup_->button(pny::sortItem(store.league, pny::kScheduleTab)))
        item->setChecked(true);
    directionGroup_->button(pny::sortDescending(store.league, pny::kScheduleTab) ? 1 : 0)
        ->setChecked(true);
    pendingTeam_ = store.teamFilter;
    pendingUmpire_ = store.umpireFilter;
    store_ = &store;
    list_ = &list;
    store.readTeam(pny::toNumber(pendingTeam_));
    showTeamFilter();
    store.readUmpire(pny::toNumber(pendingUmpire_));
    showUmpireFilter();
    const std::vector<bool> checks = pny::scheduleColumnChecks(store.league);
    for (std::size_t k = 0; k < CheckBoxes.size(); ++k)
        CheckBoxes[k]->setChecked(checks[k]);
    if (QAbstractButton* item = sortGroup_->checkedButton())
        item->setFocus();

    const bool accepted = exec() == QDialog::Accepted;
    store_ = nullptr;
    list_ = nullptr;
    // The team buffer held the teams named by the filter: the current team comes back, so that
    // a later WriteTeam cannot put another team's counts on the current team's line.
    store.readTeam(pny::toNumber(store.league.currentTeam));
    if (!accepted)
        return false;

    const int item = sortIndex();
    if (item >= 0)
        pny::setSortItem(store.league, pny::kScheduleTab, item);
    pny::setSortDescending(store.league, pny::kScheduleTab, directionIndex() == 1);
    store.teamFilter = pny::cutTo(pendingTeam_, pny::width::kIndex);
    store.umpireFilter = pny::cutTo(pendingUmpire_, pny::width::kIndex);
    std::vector<bool> chosen(CheckBoxes.size());
    for (std::size_t k = 0; k < CheckBoxes.size(); ++k)
        chosen[k] = CheckBoxes[k]->isChecked();
    pny::setScheduleColumns(store.league, chosen);
    store.writeLeague();
    return true;
}

void TScheduleSortForm::showTeamFilter() {
    const QString name = store_ ? pny::fromCodePage(store_->team.name) : QString();
    TFilter->setText(name.isEmpty() ? QStringLiteral("All Teams") : name);
}

void TScheduleSortForm::showUmpireFilter() {
    const QString name = store_ ? pny::fromCodePage(store_->umpire.name) : QString();
    UFilter->setText(name.isEmpty() ? QStringLiteral("All Umpires") : name);
}

void TScheduleSortForm::AllTeamClick() {
    pendingTeam_.clear();
    TFilter->setText(QStringLiteral("All Teams"));
    OKButton->setFocus();
}

void TScheduleSortForm::TeamButtonClick() {
    if (!store_ || !list_)
        return;
    bool changed = false;
    pendingTeam_ = list_->pickRecord(store_->teams, "Team", pendingTeam_, changed);
    store_->readTeam(pny::toNumber(pendingTeam_));
    if (changed)
        store_->changed.teams = true;
    showTeamFilter();
    OKButton->setFocus();
}

void TScheduleSortForm::AllUmpiresClick() {
    pendingUmpire_.clear();
    UFilter->setText(QStringLiteral("All Umpires"));
    OKButton->setFocus();
}

void TScheduleSortForm::UmpireButtonClick() {
    if (!store_ || !list_)
        return;
    bool changed = false;
    pendingUmpire_ = list_->pickRecord(store_->umpires, "Umpire", pendingUmpire_, changed);
    store_->readUmpire(pny::toNumber(pendingUmpire_));
    if (changed)
        store_->changed.umpires = true;
    showUmpireFilter();
    OKButton->setFocus();
}

void TScheduleSortForm::OKButtonClick() {
    accept();
}

void TScheduleSortForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Sort_Button"));
}
