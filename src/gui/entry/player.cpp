#include "entry/player.h"

#include "common/messages.h"
#include "entry/countedit.h"
#include "gamelog/dialoglog.h"
#include "help/helpviewer.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

#include <string>

namespace {

QLineEdit* makeEdit(QWidget* parent, const QString& name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

// A count box takes an optional minus and digits; anything else is refused as it is typed, so a
// letter never silently counts as 0.
QLineEdit* makeCountEdit(QWidget* parent, const QString& name, int maxLength) {
    QLineEdit* edit = makeEdit(parent, name, maxLength);
    static const QRegularExpression count(QStringLiteral("^-?[0-9]*$"));
    edit->setValidator(new QRegularExpressionValidator(count, edit));
    return edit;
}

// An Add box takes the negative of any total that fits, so that every entry can be undone.
const int kAddLength = static_cast<int>(std::to_string(-pny::kMaxTotal).size());

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        QStyle::StandardPixmap picture) {
    auto* button = new QPushButton(parent->style()->standardIcon(picture), caption, parent);
    button->setObjectName(name);
    return button;
}

QString groupCaption(pny::EntryGroup group) {
    switch (group) {
        case pny::EntryGroup::Offense:
            return QStringLiteral("  Add   Total   Offense");
        case pny::EntryGroup::Pitching:
            return QStringLiteral("  Add   Total   Pitching");
        case pny::EntryGroup::Defense:
            return QStringLiteral("  Add   Total   Defense");
        case pny::EntryGroup::Custom:
            return QStringLiteral("  Add   Total   Col Header");
    }
    return {};
}

QString groupName(pny::EntryGroup group) {
    switch (group) {
        case pny::EntryGroup::Offense:
            return QStringLiteral("OffenseGroup");
        case pny::EntryGroup::Pitching:
            return QStringLiteral("PitchingGroup");
        case pny::EntryGroup::Defense:
            return QStringLiteral("DefenseGroup");
        case pny::EntryGroup::Custom:
            return QStringLiteral("CustomGroup");
    }
    return {};
}

}  // namespace

TPlayerForm::TPlayerForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PlayerForm"));
    setModal(true);

    auto* columns = new QHBoxLayout;
    auto* right = new QVBoxLayout;
    QList<QWidget*> keyboardOrder;

    const auto& rows = pny::playerEntryRows();
    for (pny::EntryGroup group : {pny::EntryGroup::Offense, pny::EntryGroup::Pitching,
                                  pny::EntryGroup::Defense, pny::EntryGroup::Custom}) {
        auto* box = new QGroupBox(groupCaption(group), this);
        box->setObjectName(groupName(group));
        auto* grid = new QGridLayout(box);
        grid->setVerticalSpacing(2);
        QList<QWidget*> addColumn;
        QList<QWidget*> totalColumn;
        QList<QWidget*> headerColumn;
        int row = 0;
        for (const pny::PlayerEntryRow& entry : rows) {
            if (entry.group != group)
                continue;
            const QString abbreviation = QString::fromLatin1(entry.abbreviation);
            QLineEdit* add = makeCountEdit(box, QStringLiteral("Add") + abbreviation, kAddLength);
            QLineEdit* total =
                makeCountEdit(box, QStringLiteral("Edit") + abbreviation, entry.maxLength);
            add_[entry.stat] = add;
            total_[entry.stat] = total;
            grid->addWidget(add, row, 0);
            grid->addWidget(total, row, 1);
            addColumn << add;
            totalColumn << total;
            if (group == pny::EntryGroup::Custom) {
                const std::size_t column = static_cast<std::size_t>(entry.stat - pny::StatC1);
                QLineEdit* header = makeEdit(box, QStringLiteral("User%1").arg(column + 1),
                                             static_cast<int>(pny::width::kUserHeader));
                header->setPlaceholderText(QStringLiteral("User %1").arg(column + 1));
                user_[column] = header;
                grid->addWidget(header, row, 2);
                headerColumn << header;
            } else {
                QLabel* label = makeLabel(box, QStringLiteral("Label") + abbreviation,
                                          QString::fromLatin1(entry.caption));
                label->setBuddy(total);
                grid->addWidget(label, row, 2);
            }
            ++row;
        }
        grid->setColumnStretch(2, 1);
        grid->setRowStretch(row, 1);
        keyboardOrder << addColumn << totalColumn << headerColumn;
        if (group == pny::EntryGroup::Offense || group == pny::EntryGroup::Pitching) {
            columns->addWidget(box);
        } else {
            right->addWidget(box);
        }
    }

    // Batting order and position: texts kept as typed, no Add column.
    auto* other = new QGroupBox(this);
    other->setObjectName(QStringLiteral("OtherGroup"));
    auto* otherGrid = new QGridLayout(other);
    otherGrid->setVerticalSpacing(2);
    const int countLength = static_cast<int>(pny::width::kCount);
    editBO_ = makeEdit(other, QStringLiteral("EditBO"), countLength);
    editPos_ = makeEdit(other, QStringLiteral("EditPos"), countLength);
    QLabel* labelBO =
        makeLabel(other, QStringLiteral("LabelBO"), QStringLiteral("BO: Batting Order"));
    QLabel* labelPos =
        makeLabel(other, QStringLiteral("LabelPos"), QStringLiteral("Pos: Field Position"));
    labelBO->setBuddy(editBO_);
    labelPos->setBuddy(editPos_);
    otherGrid->addWidget(editBO_, 0, 0);
    otherGrid->addWidget(labelBO, 0, 1);
    otherGrid->addWidget(editPos_, 1, 0);
    otherGrid->addWidget(labelPos, 1, 1);
    otherGrid->setColumnStretch(1, 1);
    right->addWidget(other);
    keyboardOrder << editBO_ << editPos_;

    okButton_ = makeButton(this, QStringLiteral("OkButton"), QStringLiteral("OK"),
                           QStyle::SP_DialogOkButton);
    helpButton_ = makeButton(this, QStringLiteral("HelpButton"), QStringLiteral("Help"),
                             QStyle::SP_DialogHelpButton);
    cancelButton_ = makeButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cancel"),
                               QStyle::SP_DialogCancelButton);
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    helpButton_->setAutoDefault(false);
    cancelButton_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(helpButton_);
    buttons->addWidget(cancelButton_);
    right->addStretch(1);
    right->addLayout(buttons);
    keyboardOrder << okButton_ << helpButton_ << cancelButton_;

    columns->addLayout(right);
    setLayout(columns);
    // A fixed dialog border: the layout decides the size, for any font.
    columns->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 1; i < keyboardOrder.size(); ++i) {
        setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);
    }

    connect(okButton_, &QPushButton::clicked, this, &TPlayerForm::OkButtonClick);
    connect(helpButton_, &QPushButton::clicked, this, &TPlayerForm::HelpButtonClick);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    sizeEdits();
}

void TPlayerForm::sizeEdits() {
    // Wide enough for the widest text each edit takes, in the dialog's own font.
    const QFontMetrics metrics(font());
    const int padding = metrics.horizontalAdvance(QLatin1Char('0')) * 2;
    const int countWidth = metrics.horizontalAdvance(QStringLiteral("-9999")) + padding;
    const int headerWidth = metrics.horizontalAdvance(QStringLiteral("WWWWWWWW")) + padding;
    for (QLineEdit* edit : add_) {
        if (edit)
            edit->setFixedWidth(countWidth);
    }
    for (QLineEdit* edit : total_) {
        if (edit)
            edit->setFixedWidth(countWidth);
    }
    editBO_->setFixedWidth(countWidth);
    editPos_->setFixedWidth(countWidth);
    for (QLineEdit* edit : user_)
        edit->setFixedWidth(headerWidth);
}

void TPlayerForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        sizeEdits();
    QDialog::changeEvent(event);
}

EntryResult TPlayerForm::EnterPlayerStatistics(pny::Store& store) {
    // Only a player that exists in the loaded list can be written back.
    if (!store.hasPlayer() ||
        !store.players.isValidRecord(pny::toNumber(store.team.currentPlayer))) {
        return EntryResult::Cancelled;
    }

    for (const pny::PlayerEntryRow& row : pny::playerEntryRows()) {
        add_[row.stat]->clear();
        total_[row.stat]->setText(pny::fromCodePage(store.player.stat(row.stat)));
    }
    for (std::size_t i = 0; i < user_.size(); ++i) {
        user_[i]->setText(pny::fromCodePage(store.league.userHeaders[i]));
    }
    editBO_->setText(pny::fromCodePage(store.player.stat(pny::StatBO)));
    editPos_->setText(pny::fromCodePage(store.player.stat(pny::StatPos)));
    setWindowTitle(pny::fromCodePage(store.player.name));
    add_[pny::StatPA]->setFocus();

    store_ = &store;
    outcome_ = pny::PlayerEntryOutcome{};
    openingTexts_ = editTexts();
    const int result = exec();
    store_ = nullptr;
    if (result != QDialog::Accepted || !outcome_.accepted)
        return EntryResult::Cancelled;

    const pny::PlayerRecord before = store.player;
    store.player = outcome_.player;
    store.writePlayer();
    pny::logPlayerDialog(store, before, texts_, store.player);
    if (!outcome_.headersChanged)
        return EntryResult::Refresh;
    store.league.userHeaders = outcome_.headers;
    store.writeLeague();
    return EntryResult::Rebuild;
}

pny::PlayerEntryTexts TPlayerForm::typedTexts(QString& refusal) const {
    pny::PlayerEntryTexts texts;
    for (const pny::PlayerEntryRow& row : pny::playerEntryRows()) {
        texts.add[row.stat] = countBytes(add_[row.stat]);
        texts.total[row.stat] = countBytes(total_[row.stat]);
    }
    // Texts that are stored as typed must fit the code page.
    const auto text = [&refusal](const QLineEdit* edit, const QString& field) {
        std::string bytes;
        if (!pny::toCodePage(edit->text(), bytes) && refusal.isEmpty()) {
            refusal = QStringLiteral(
                          "%1 holds a character that cannot be stored. "
                          "Please use other characters.")
                          .arg(field);
        }
        return bytes;
    };
    texts.total[pny::StatBO] = text(editBO_, QStringLiteral("BO: Batting Order"));
    texts.total[pny::StatPos] = text(editPos_, QStringLiteral("Pos: Field Position"));
    for (std::size_t i = 0; i < user_.size(); ++i) {
        texts.headers[i] =
            text(user_[i], QStringLiteral("The header of user column %1").arg(i + 1));
    }
    return texts;
}

void TPlayerForm::OkButtonClick() {
    if (!store_)
        return;
    QString refusal;
    const pny::PlayerEntryTexts texts = typedTexts(refusal);
    if (refusal.isEmpty()) {
        outcome_ = pny::applyPlayerEntry(store_->player, store_->league, texts);
        refusal = outcome_.refusal;
        texts_ = texts;
    }
    if (!refusal.isEmpty()) {
        // Nothing is written and the dialog stays open for a correction.
        outcome_ = pny::PlayerEntryOutcome{};
        Messages::error(this, refusal);
        return;
    }
    accept();
}

QStringList TPlayerForm::editTexts() const {
    QStringList texts;
    for (const QLineEdit* edit : findChildren<QLineEdit*>())
        texts << edit->text();
    return texts;
}

void TPlayerForm::reject() {
    // Numbers typed are not thrown away without asking.
    if (editTexts() != openingTexts_ &&
        !Messages::question(
            this, QStringLiteral("Close without saving what you typed for %1?").arg(windowTitle())))
        return;
    QDialog::reject();
}

void TPlayerForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Update_Button"));
    okButton_->setFocus();
}
