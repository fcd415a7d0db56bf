#include "views/setup.h"

#include "common/dialogbutton.h"
#include "help/helpviewer.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/displaysettings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <vector>

TSetupForm::TSetupForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SetupForm"));
    setModal(true);

    DisplayBox = new QGroupBox(QStringLiteral("Display"), this);
    DisplayBox->setObjectName(QStringLiteral("DisplayBox"));
    auto* boxes = new QVBoxLayout(DisplayBox);
    const auto& catalogue = pny::catalogueOf(pny::kTeamsTab);
    for (std::size_t k = 0; k < CheckBoxes.size(); ++k) {
        auto* box = new QCheckBox(QString::fromLatin1(catalogue[k].setupItem), DisplayBox);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(k + 1));
        boxes->addWidget(box);
        CheckBoxes[k] = box;
    }

    auto* inningLabel = new QLabel(QStringLiteral("Innings per Game for ERA"), this);
    inningLabel->setObjectName(QStringLiteral("InningLabel"));
    SpinInning = new QSpinBox(this);
    SpinInning->setObjectName(QStringLiteral("SpinInning"));
    SpinInning->setRange(pny::kMinInnings, pny::kMaxInnings);
    SpinInning->findChild<QLineEdit*>()->setMaxLength(2);
    SpinInning->setToolTip(QStringLiteral("Number of Innings Played in a Complete Game"));
    inningLabel->setBuddy(SpinInning);
    auto* inningRow = new QHBoxLayout;
    inningRow->addWidget(inningLabel);
    inningRow->addWidget(SpinInning);
    inningRow->addStretch(1);

    OkButton = dialogButton(this, QStringLiteral("OkButton"), QStringLiteral("OK"),
                            QStyle::SP_DialogOkButton);
    HelpButton = dialogButton(this, QStringLiteral("HelpButton"), QStringLiteral("Help"),
                              QStyle::SP_DialogHelpButton);
    CancelButton = dialogButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cancel"),
                                QStyle::SP_DialogCancelButton);
    OkButton->setDefault(true);
    OkButton->setAutoDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OkButton);
    buttons->addWidget(HelpButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DisplayBox);
    layout->addLayout(inningRow);
    layout->addLayout(buttons);
    resize(250, 313);

    connect(OkButton, &QPushButton::clicked, this, &TSetupForm::OkButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TSetupForm::HelpButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool TSetupForm::Execute(pny::Store& store) {
    if (!store.ensureLeagues() || !store.hasLeague() ||
        !store.leagues.isValidRecord(pny::toNumber(store.year.currentLeague))) {
        return false;
    }
    const std::vector<bool> checks = pny::teamColumnChecks(store.league);
    for (std::size_t k = 0; k < CheckBoxes.size(); ++k)
        CheckBoxes[k]->setChecked(checks[k]);
    // A league that never set its innings gets the 9 its ERA is computed with; the next
    // WriteLeague stores it even when this dialog is cancelled.
    pny::fillDefaultInnings(store.league);
    SpinInning->setValue(pny::inningsValue(store.league));
    setWindowTitle(pny::fromCodePage(store.league.name));
    CheckBoxes[0]->setFocus();

    if (exec() != QDialog::Accepted)
        return false;

    std::vector<bool> chosen(CheckBoxes.size());
    for (std::size_t k = 0; k < CheckBoxes.size(); ++k)
        chosen[k] = CheckBoxes[k]->isChecked();
    pny::setTeamColumns(store.league, chosen);
    pny::setInnings(store.league, SpinInning->value());
    store.writeLeague();
    return true;
}

void TSetupForm::OkButtonClick() {
    // A value being typed counts as it stands.
    SpinInning->interpretText();
    accept();
}

void TSetupForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Sort_Button"));
}
