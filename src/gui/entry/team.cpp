#include "entry/team.h"

#include "common/dialogbutton.h"
#include "common/messages.h"
#include "entry/countedit.h"
#include "gamelog/dialoglog.h"
#include "help/helpviewer.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

TTeamForm::TTeamForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TeamForm"));
    setModal(true);

    radioGroup_ = new QGroupBox(this);
    radioGroup_->setObjectName(QStringLiteral("RadioGroup"));
    choices_ = new QButtonGroup(radioGroup_);
    auto* grid = new QGridLayout(radioGroup_);
    const QStringList captions{QStringLiteral("Did Not Play"), QStringLiteral("Won"),
                               QStringLiteral("Lost"), QStringLiteral("Tied")};
    QList<QWidget*> keyboardOrder;
    for (int i = 0; i < captions.size(); ++i) {
        auto* choice = new QRadioButton(captions[i], radioGroup_);
        choices_->addButton(choice, i);
        grid->addWidget(choice, i, 0);
        keyboardOrder << choice;
    }
    // The stored counts take 4 characters, so the edits do too: a stored 1000 shows whole.
    const int countLength = static_cast<int>(pny::width::kCount);
    const int countWidth = fontMetrics().horizontalAdvance(QStringLiteral("-999W")) +
                           fontMetrics().horizontalAdvance(QLatin1Char('0')) * 2;
    const auto makeEdit = [&](const QString& name, int row) {
        auto* edit = new QLineEdit(radioGroup_);
        edit->setObjectName(name);
        edit->setMaxLength(countLength);
        edit->setFixedWidth(countWidth);
        grid->addWidget(edit, row, 1);
        keyboardOrder << edit;
        return edit;
    };
    editWon_ = makeEdit(QStringLiteral("EditWon"), 1);
    editLost_ = makeEdit(QStringLiteral("EditLost"), 2);
    editTied_ = makeEdit(QStringLiteral("EditTied"), 3);

    const auto makeButton = [&](const QString& name, const QString& caption,
                                QStyle::StandardPixmap picture) {
        QPushButton* button = dialogButton(this, name, caption, picture);
        keyboardOrder << button;
        return button;
    };
    okButton_ =
        makeButton(QStringLiteral("OkButton"), QStringLiteral("OK"), QStyle::SP_DialogOkButton);
    QPushButton* help = makeButton(QStringLiteral("HelpButton"), QStringLiteral("Help"),
                                   QStyle::SP_DialogHelpButton);
    QPushButton* cancel = makeButton(QStringLiteral("CancelButton"), QStringLiteral("Cancel"),
                                     QStyle::SP_DialogCancelButton);
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(help);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(radioGroup_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 1; i < keyboardOrder.size(); ++i) {
        setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);
    }

    connect(okButton_, &QPushButton::clicked, this, &TTeamForm::OkButtonClick);
    connect(help, &QPushButton::clicked, this, &TTeamForm::HelpButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TTeamForm::itemIndex() const {
    return choices_->checkedId();
}

void TTeamForm::setItemIndex(int index) {
    if (QAbstractButton* choice = choices_->button(index))
        choice->setChecked(true);
}

EntryResult TTeamForm::EnterTeamResult(pny::Store& store) {
    // Only a team that exists in the loaded list can be written back.
    if (!store.hasTeam() || !store.teams.isValidRecord(pny::toNumber(store.league.currentTeam))) {
        return EntryResult::Cancelled;
    }
    editWon_->setText(pny::fromCodePage(store.team.won));
    editLost_->setText(pny::fromCodePage(store.team.lost));
    editTied_->setText(pny::fromCodePage(store.team.tied));
    setWindowTitle(pny::fromCodePage(store.team.name));
    setItemIndex(0);
    choices_->button(0)->setFocus();

    store_ = &store;
    outcome_ = pny::TeamEntryOutcome{};
    const int result = exec();
    store_ = nullptr;
    if (result != QDialog::Accepted || !outcome_.accepted)
        return EntryResult::Cancelled;

    const pny::TeamRecord before = store.team;
    store.team = outcome_.team;
    store.writeTeam();
    pny::logTeamDialog(store, before, store.team);
    return EntryResult::Refresh;
}

void TTeamForm::OkButtonClick() {
    if (!store_)
        return;
    const int index = itemIndex();
    const auto choice = index >= 0 && index <= 3 ? static_cast<pny::TeamResult>(index)
                                                 : pny::TeamResult::DidNotPlay;
    outcome_ = pny::applyTeamEntry(store_->team, countBytes(editWon_), countBytes(editLost_),
                                   countBytes(editTied_), choice);
    if (!outcome_.accepted) {
        // Nothing is written and the dialog stays open for a correction.
        Messages::error(this, outcome_.refusal);
        return;
    }
    accept();
}

void TTeamForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Update_Button"));
    okButton_->setFocus();
}
