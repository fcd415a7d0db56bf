#include "entry/game.h"

#include "common/messages.h"
#include "entry/schedulelistbox.h"
#include "help/helpviewer.h"
#include "common/recordpicker.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kRowNames[] = {"F", "H", "A", "U1", "U2", "U3", "U4"};
const char kRowCodes[] = {'F', 'H', 'A', '1', '2', '3', '4'};
const char* const kRowCaptions[] = {"&Field",    "&Home Tm",  "A&way Tm", "Umpire &1",
                                    "Umpire &2", "Umpire &3", "Umpire &4"};

// Typed text in the code page; a character the code page lacks makes it unreadable.
std::string typedBytes(const QLineEdit* edit) {
    std::string bytes;
    if (!pny::toCodePage(edit->text(), bytes))
        return "?";
    return bytes;
}

QLabel* joiner(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + 6);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

TGameForm::TGameForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GameForm"));
    setModal(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    const auto makeEdit = [this](const char* name, int length, int characters) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setMaxLength(length);
        edit->setFixedWidth(fontMetrics().horizontalAdvance(QString(characters + 1, '0')) + 12);
        return edit;
    };
    EditYr = makeEdit("EditYr", 4, 4);
    EditMo = makeEdit("EditMo", 2, 2);
    EditDa = makeEdit("EditDa", 2, 2);
    EditHr = makeEdit("EditHr", 2, 2);
    EditMn = makeEdit("EditMn", 2, 2);
    RadioAM = new QRadioButton(QStringLiteral("am"), this);
    RadioAM->setObjectName(QStringLiteral("RadioAM"));
    RadioPM = new QRadioButton(QStringLiteral("pm"), this);
    RadioPM->setObjectName(QStringLiteral("RadioPM"));
    RadioPM->setChecked(true);

    auto* dateTime = new QGridLayout;
    auto* dateLabel = new QLabel(QStringLiteral("Date <small>(Y-M-D)</small>"), this);
    auto* gameLabel = new QLabel(QStringLiteral("Game"), this);
    auto* timeLabel = new QLabel(QStringLiteral("Time"), this);
    dateTime->addWidget(dateLabel, 0, 0, 1, 5);
    // "Game" heads the time area, with "Time" over the hour and minutes.
    auto* timeHeading = new QHBoxLayout;
    timeHeading->addWidget(gameLabel);
    timeHeading->addWidget(timeLabel);
    timeHeading->addStretch(1);
    dateTime->addLayout(timeHeading, 0, 5, 1, 4);
    dateTime->addWidget(EditYr, 1, 0);
    dateTime->addWidget(joiner(QStringLiteral("-"), this), 1, 1);
    dateTime->addWidget(EditMo, 1, 2);
    dateTime->addWidget(joiner(QStringLiteral("-"), this), 1, 3);
    dateTime->addWidget(EditDa, 1, 4);
    dateTime->addWidget(EditHr, 1, 5);
    dateTime->addWidget(joiner(QStringLiteral(":"), this), 1, 6);
    dateTime->addWidget(EditMn, 1, 7);
    auto* amPm = new QVBoxLayout;
    amPm->addWidget(RadioAM);
    amPm->addWidget(RadioPM);
    dateTime->addLayout(amPm, 1, 8);
    dateTime->setColumnStretch(9, 1);

    auto* picks = new QGridLayout;
    for (int i = 0; i < kPickRows; ++i) {
        PickRow& row = rows_[static_cast<std::size_t>(i)];
        const QString prefix = QLatin1String(kRowNames[i]);
        row.code = kRowCodes[i];
        row.clear = new QToolButton(this);
        row.clear->setObjectName(prefix + QStringLiteral("Clear"));
        row.clear->setText(QStringLiteral("Clear"));
        row.button = new QToolButton(this);
        row.button->setObjectName(prefix + QStringLiteral("Button"));
        row.button->setText(QLatin1String(kRowCaptions[i]));
        row.button->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Umpire 4")) +
                                    16);
        for (QToolButton* b : {row.clear, row.button}) {
            b->setFocusPolicy(Qt::StrongFocus);
            b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        }
        row.number = new QLabel(this);
        row.number->setObjectName(prefix + QStringLiteral("No"));
        row.number->setAlignment(Qt::AlignCenter);
        row.number->setStyleSheet(QStringLiteral("color: red;"));
        row.number->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 8);
        row.name = new QLabel(this);
        row.name->setObjectName(prefix + QStringLiteral("Name"));
        row.name->setStyleSheet(QStringLiteral("color: maroon;"));
        row.name->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);
        for (QLabel* label : {row.number, row.name}) {
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
        }
        picks->addWidget(row.clear, i, 0);
        picks->addWidget(row.button, i, 1);
        picks->addWidget(row.number, i, 2);
        picks->addWidget(row.name, i, 3);
    }
    picks->setColumnStretch(3, 1);

    EditHTS = makeEdit("EditHTS", static_cast<int>(pny::width::kCount), 4);
    EditATS = makeEdit("EditATS", static_cast<int>(pny::width::kCount), 4);
    auto* scores = new QGridLayout;
    scores->addWidget(new QLabel(QStringLiteral("Home Team Score"), this), 0, 0);
    scores->addWidget(EditHTS, 0, 1);
    scores->addWidget(new QLabel(QStringLiteral("Away Team Score"), this), 1, 0);
    scores->addWidget(EditATS, 1, 1);
    scores->setColumnStretch(2, 1);

    OkButton = makeButton(QStringLiteral("OkButton"), QStringLiteral("&OK"),
                          style()->standardIcon(QStyle::SP_DialogOkButton));
    AddButton = makeButton(QStringLiteral("AddButton"), QStringLiteral("&Add"),
                           style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    DeleteButton = makeButton(QStringLiteral("DeleteButton"), QStringLiteral("&Delete"),
                              style()->standardIcon(QStyle::SP_TrashIcon));
    MakeButton = makeButton(QStringLiteral("MakeButton"), QStringLiteral("&Make"),
                            style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    HelpButton = makeButton(QStringLiteral("HelpButton"), QStringLiteral("Help"),
                            style()->standardIcon(QStyle::SP_DialogHelpButton));
    CancelButton = makeButton(QStringLiteral("CancelButton"), QStringLiteral("&Cancel"),
                              style()->standardIcon(QStyle::SP_DialogCancelButton));
    auto* buttons = new QHBoxLayout;
    for (QToolButton* b :
         {OkButton, AddButton, DeleteButton, MakeButton, HelpButton, CancelButton}) {
        buttons->addWidget(b);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dateTime);
    layout->addLayout(picks);
    layout->addLayout(scores);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The keyboard order; the number and name labels are not in it.
    QList<QWidget*> order{EditYr, EditMo, EditDa, EditHr, EditMn, RadioAM, RadioPM};
    for (const PickRow& row : rows_)
        order << row.clear << row.button;
    order << EditHTS << EditATS << OkButton << AddButton << DeleteButton << MakeButton
          << CancelButton << HelpButton;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(rows_[0].button, &QToolButton::clicked, this, &TGameForm::FButtonClick);
    connect(rows_[1].button, &QToolButton::clicked, this, &TGameForm::HButtonClick);
    connect(rows_[2].button, &QToolButton::clicked, this, &TGameForm::AButtonClick);
    connect(rows_[3].button, &QToolButton::clicked, this, &TGameForm::U1ButtonClick);
    connect(rows_[4].button, &QToolButton::clicked, this, &TGameForm::U2ButtonClick);
    connect(rows_[5].button, &QToolButton::clicked, this, &TGameForm::U3ButtonClick);
    connect(rows_[6].button, &QToolButton::clicked, this, &TGameForm::U4ButtonClick);
    connect(rows_[0].clear, &QToolButton::clicked, this, &TGameForm::FClearClick);
    connect(rows_[1].clear, &QToolButton::clicked, this, &TGameForm::HClearClick);
    connect(rows_[2].clear, &QToolButton::clicked, this, &TGameForm::AClearClick);
    connect(rows_[3].clear, &QToolButton::clicked, this, &TGameForm::U1ClearClick);
    connect(rows_[4].clear, &QToolButton::clicked, this, &TGameForm::U2ClearClick);
    connect(rows_[5].clear, &QToolButton::clicked, this, &TGameForm::U3ClearClick);
    connect(rows_[6].clear, &QToolButton::clicked, this, &TGameForm::U4ClearClick);
    connect(OkButton, &QToolButton::clicked, this, &TGameForm::OkAddClick);
    connect(AddButton, &QToolButton::clicked, this, &TGameForm::OkAddClick);
    connect(DeleteButton, &QToolButton::clicked, this, [this] { done(DeleteResult); });
    connect(MakeButton, &QToolButton::clicked, this, &TGameForm::MakeButtonClick);
    connect(CancelButton, &QToolButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QToolButton::clicked, this, &TGameForm::HelpButtonClick);
}

QToolButton* TGameForm::makeButton(const QString& name, const QString& caption, const QIcon& icon) {
    // Each command shows its picture above its caption.
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(icon);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Cancel")) + 16);
    return button;
}

EntryResult TGameForm::EnterGame(pny::Store& store, RecordPicker& listForm, bool viewShowsGames) {
    if (!store.hasLeague() || !store.ensureGames())
        return EntryResult::Cancelled;
    store.ensureFields();
    store.ensureUmpires();
    // With no game shown the dialog starts blank, from the games list's header line.
    if (!viewShowsGames)
        store.readGame(0);
    store_ = &store;
    listForm_ = &listForm;

    picks_.loadFrom(store.game);
    const pny::GameEntryTexts texts = pny::gameEntryTexts(store.game);
    EditYr->setText(pny::fromCodePage(texts.year));
    EditMo->setText(pny::fromCodePage(texts.month));
    EditDa->setText(pny::fromCodePage(texts.day));
    EditHr->setText(pny::fromCodePage(texts.hour));
    EditMn->setText(pny::fromCodePage(texts.minute));
    (texts.pm ? RadioPM : RadioAM)->setChecked(true);
    for (int i = 0; i < kPickRows; ++i) {
        readSlotRecord(store, picks_, rows_[static_cast<std::size_t>(i)].code);
        showRow(i);
    }
    EditHTS->setText(pny::fromCodePage(store.game.homeScore));
    EditATS->setText(pny::fromCodePage(store.game.awayScore));
    setWindowTitle(pny::fromCodePage(store.year.number + ' ' + store.league.name + " Schedule"));
    MakeButton->setEnabled(static_cast<bool>(makeSchedule));
    EditYr->setFocus();

    const int result = exec();
    store_ = nullptr;
    listForm_ = nullptr;

    // The reads of the dialog and its picks leave another team in the buffer.
    store.readTeam(pny::toNumber(store.league.currentTeam));
    return storeResult(store, result, viewShowsGames);
}

EntryResult TGameForm::storeResult(pny::Store& store, int result, bool viewShowsGames) {
    // With no game shown there is no game to change: OK adds one.
    if (result == OkResult && !viewShowsGames)
        result = AddResult;

    switch (result) {
        case ScheduleMadeResult:
            return EntryResult::Refresh;
        case OkResult:
        case AddResult: {
            pny::GameRecord game = store.game;
            const pny::GameScores scores =
                pny::gameScores(typedBytes(EditHTS), typedBytes(EditATS));
            pny::applyGameEntry(game, moment_, picks_, scores);
            store.game = game;
            if (result == AddResult)
                store.addGame();  // the game the dialog was opened on stays as it was
            else
                store.writeGame();
            return EntryResult::Refresh;
        }
        case DeleteResult: {
            const QMessageBox::StandardButton answer = Messages::ask(
                this, QMessageBox::Question, QStringLiteral("Delete this game from schedule?"),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll, QMessageBox::No);
            if (answer == QMessageBox::Yes) {
                // The dialog showed no game when the view had none: there is nothing to delete.
                if (!viewShowsGames ||
                    !store.games.isValidRecord(pny::toNumber(store.league.currentGame)))
                    return EntryResult::Cancelled;
                store.game.flag = "X";
                store.writeGame();
                return EntryResult::Refresh;
            }
            if (answer != QMessageBox::YesToAll ||
                !Messages::question(this, QStringLiteral("Delete all games from schedule?"))) {
                return EntryResult::Cancelled;
            }
            store.games.reset();
            store.changed.games = true;
            store.league.currentGame.clear();
            store.writeLeague();
            store.readGame(0);
            return EntryResult::Refresh;
        }
        default:
            return EntryResult::Cancelled;
    }
}

void TGameForm::pick(int row) {
    if (!store_ || !listForm_)
        return;
    ScheduleListBox(*store_, *listForm_, picks_, rows_[static_cast<std::size_t>(row)].code);
    showRow(row);
}

void TGameForm::clearRow(int row) {
    PickRow& r = rows_[static_cast<std::size_t>(row)];
    if (std::string* slot = picks_.slot(r.code))
        slot->clear();
    r.number->clear();
    r.name->clear();
}

void TGameForm::showRow(int row) {
    PickRow& r = rows_[static_cast<std::size_t>(row)];
    if (!store_)
        return;
    const PickedRecord record = pickedRecord(*store_, r.code);
    r.number->setText(pny::fromCodePage(record.number));
    r.name->setText(pny::fromCodePage(record.name));
}

void TGameForm::FButtonClick() {
    pick(0);
}
void TGameForm::HButtonClick() {
    pick(1);
}
void TGameForm::AButtonClick() {
    pick(2);
}
void TGameForm::U1ButtonClick() {
    pick(3);
}
void TGameForm::U2ButtonClick() {
    pick(4);
}
void TGameForm::U3ButtonClick() {
    pick(5);
}
void TGameForm::U4ButtonClick() {
    pick(6);
}
void TGameForm::FClearClick() {
    clearRow(0);
}
void TGameForm::HClearClick() {
    clearRow(1);
}
void TGameForm::AClearClick() {
    clearRow(2);
}
void TGameForm::U1ClearClick() {
    clearRow(3);
}
void TGameForm::U2ClearClick() {
    clearRow(4);
}
void TGameForm::U3ClearClick() {
    clearRow(5);
}
void TGameForm::U4ClearClick() {
    clearRow(6);
}

void TGameForm::OkAddClick() {
    const std::optional<pny::GameMoment> moment =
        pny::readGameEntry(typedBytes(EditYr), typedBytes(EditMo), typedBytes(EditDa),
                           typedBytes(EditHr), typedBytes(EditMn), !RadioAM->isChecked());
    if (!moment) {
        EditYr->setFocus();
        Messages::error(this, QStringLiteral("Enter Correct Date and Time"));
        return;
    }
    moment_ = *moment;
    done(sender() == AddButton ? AddResult : OkResult);
}

void TGameForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Update_Button"));
    OkButton->setFocus();
}

void TGameForm::MakeButtonClick() {
    if (makeSchedule && makeSchedule())
        done(ScheduleMadeResult);
}

bool TGameForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < kPickRows; ++i) {
            const PickRow& r = rows_[static_cast<std::size_t>(i)];
            if (watched == r.number || watched == r.name) {
                pick(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TGameForm::keyPressEvent(QKeyEvent* event) {
    // Enter is OK wherever the focus is, except on a button, which it presses.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget());
            button && !qobject_cast<QRadioButton*>(button)) {
            button->click();
        } else {
            OkButton->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}
