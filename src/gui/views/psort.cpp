#include "views/psort.h"

#include "common/dialogbutton.h"
#include "help/helpviewer.h"
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
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QVBoxLayout>

#include <vector>

namespace {

constexpr int kRowsPerColumn = 21;  // 61 items in three columns
constexpr int kFirstUserColumn = 58;

// A caption shows an ampersand as itself, not as a shortcut.
QString plainCaption(const QString& text) {
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

TPlayerSortForm::TPlayerSortForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PlayerSortForm"));
    setModal(true);

    TopTab = new QTabBar(this);
    TopTab->setObjectName(QStringLiteral("TopTab"));
    TopTab->addTab(QStringLiteral("Display"));
    TopTab->addTab(QStringLiteral(" Sort"));

    pages_ = new QStackedWidget(this);
    DisplayBox = new QGroupBox(pages_);
    DisplayBox->setObjectName(QStringLiteral("DisplayBox"));
    RadioSort = new QGroupBox(pages_);
    RadioSort->setObjectName(QStringLiteral("RadioSort"));
    sortGroup_ = new QButtonGroup(RadioSort);
    auto* displayGrid = new QGridLayout(DisplayBox);
    auto* sortGrid = new QGridLayout(RadioSort);
    const auto& catalogue = pny::catalogueOf(pny::kFirstPlayerTab);
    for (int k = 0; k < kItems; ++k) {
        const QString caption =
            QString::fromLatin1(catalogue[static_cast<std::size_t>(k)].setupItem);
        const int row = k % kRowsPerColumn;
        const int column = k / kRowsPerColumn;
        auto* item = new QRadioButton(caption, RadioSort);
        item->setObjectName(QStringLiteral("SortItem%1").arg(k + 1));
        sortGroup_->addButton(item, k);
        sortGrid->addWidget(item, row, column);
        SortItems[static_cast<std::size_t>(k)] = item;
        // Check box k names the same catalogue position as radio item k.
        auto* box = new QCheckBox(item->text(), DisplayBox);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(k + 1));
        displayGrid->addWidget(box, row, column);
        CheckBoxes[static_cast<std::size_t>(k)] = box;
    }
    pages_->addWidget(DisplayBox);
    pages_->addWidget(RadioSort);

    RadioAD = new QGroupBox(this);
    RadioAD->setObjectName(QStringLiteral("RadioAD"));
    directionGroup_ = new QButtonGroup(RadioAD);
    auto* directions = new QHBoxLayout(RadioAD);
    const QStringList directionCaptions{QStringLiteral("Ascending"), QStringLiteral("Descending")};
    for (int i = 0; i < directionCaptions.size(); ++i) {
        auto* choice = new QRadioButton(directionCaptions[i], RadioAD);
        directionGroup_->addButton(choice, i);
        directions->addWidget(choice);
    }

    OkButton = dialogButton(this, QStringLiteral("OkButton"), QStringLiteral("OK"),
                            QStyle::SP_DialogOkButton);
    HelpButton = dialogButton(this, QStringLiteral("HelpButton"), QStringLiteral("Help"),
                              QStyle::SP_DialogHelpButton);
    CancelButton = dialogButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cancel"),
                                QStyle::SP_DialogCancelButton);
    OkButton->setDefault(true);
    OkButton->setAutoDefault(true);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(RadioAD);
    bottom->addStretch(1);
    bottom->addWidget(OkButton);
    bottom->addWidget(HelpButton);
    bottom->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TopTab);
    layout->addWidget(pages_, 1);
    layout->addLayout(bottom);
    resize(628, 445);

    connect(TopTab, &QTabBar::currentChanged, this, &TPlayerSortForm::TopTabChange);
    connect(OkButton, &QPushButton::clicked, this, &TPlayerSortForm::OkButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TPlayerSortForm::HelpButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    TopTabChange(TopTab->currentIndex());
}

int TPlayerSortForm::sortIndex() const {
    return sortGroup_->checkedId();
}

void TPlayerSortForm::setSortIndex(int index) {
    if (QAbstractButton* item = sortGroup_->button(index))
        item->setChecked(true);
}

int TPlayerSortForm::directionIndex() const {
    return directionGroup_->checkedId();
}

bool TPlayerSortForm::Execute(pny::Store& store, int tab, const QString& tabCaption) {
    if (!pny::isPlayerTab(tab) || !store.ensureLeagues() || !store.hasLeague() ||
        !store.leagues.isValidRecord(pny::toNumber(store.year.currentLeague))) {
        return false;
    }
    // The user columns are named by the league's headers; a league without one shows the
    // catalogue's text rather than the header of a league shown before.
    for (int u = 0; u < 4; ++u) {
        const std::string& header = store.league.userHeaders[static_cast<std::size_t>(u)];
        const int k = kFirstUserColumn - 1 + u;
        const QString caption =
            header.empty()
                ? QString::fromLatin1(pny::catalogueOf(tab)[static_cast<std::size_t>(k)].setupItem)
                : plainCaption(pny::fromCodePage(header));
        SortItems[static_cast<std::size_t>(k)]->setText(caption);
        CheckBoxes[static_cast<std::size_t>(k)]->setText(caption);
    }
    directionGroup_->button(pny::sortDescending(store.league, tab) ? 1 : 0)->setChecked(true);
    setSortIndex(pny::sortItem(store.league, tab));
    const std::vector<bool> checks = pny::playerColumnChecks(store.league, tab);
    for (int k = 0; k < kItems; ++k)
        CheckBoxes[static_cast<std::size_t>(k)]->setChecked(checks[static_cast<std::size_t>(k)]);
    setWindowTitle(QStringLiteral("Choose Items to Display and Sort Sequence for ") + tabCaption +
                   QStringLiteral(" Page"));
    // The focus goes to the sort item when that page shows, else to the first check box.
    if (RadioSort->isVisibleTo(this) && sortGroup_->checkedButton())
        sortGroup_->checkedButton()->setFocus();
    else
        CheckBoxes[0]->setFocus();

    if (exec() != QDialog::Accepted)
        return false;

    pny::setSortDescending(store.league, tab, directionIndex() == 1);
    if (sortIndex() >= 0)
        pny::setSortItem(store.league, tab, sortIndex());
    std::vector<bool> chosen(kItems);
    for (int k = 0; k < kItems; ++k)
        chosen[static_cast<std::size_t>(k)] = CheckBoxes[static_cast<std::size_t>(k)]->isChecked();
    pny::setPlayerColumns(store.league, tab, chosen);
    store.writeLeague();
    return true;
}

void TPlayerSortForm::TopTabChange(int index) {
    // The display page covers the sort page while it is shown.
    pages_->setCurrentWidget(index == 0 ? DisplayBox : RadioSort);
}

void TPlayerSortForm::OkButtonClick() {
    accept();
}

void TPlayerSortForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Player_Statistics"));
}
