#include "schedule/make.h"

#include "common/gridcolumns.h"
#include "common/messages.h"
#include "help/helpviewer.h"
#include "schedule/fieldtimes.h"
#include "store/codepage.h"
#include "store/store.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A box's text in the code page; a character the code page lacks makes it no number.
std::string bytesOf(const QLineEdit* edit) {
    std::string bytes;
    if (!pny::toCodePage(edit->text(), bytes))
        return "?";
    return bytes;
}

QLineEdit* makeEdit(QWidget* parent, const QString& name, int length) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(length);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (length + 1) +
                        12);
    return edit;
}

}  // namespace

TMakeForm::TMakeForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MakeForm"));
    setModal(true);

    grid_ = new QTableWidget(0, 5, this);
    grid_->setObjectName(QStringLiteral("MakeGrid"));
    grid_->setHorizontalHeaderLabels({QString(), QStringLiteral("Year"), QStringLiteral("Mo."),
                                      QStringLiteral("Day"), QStringLiteral("Time")});
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(17);
    grid_->verticalHeader()->setMinimumSectionSize(8);
    grid_->setColumnWidth(0, 0);
    grid_->setColumnHidden(0, true);
    grid_->setColumnWidth(1, 40);
    grid_->setColumnWidth(2, 30);
    grid_->setColumnWidth(3, 30);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setMinimumSize(200, 260);
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row) { MakeGridSelectCell(row); });

    // Schedule: one game or a weekly series.
    auto* scheduleGroup = new QGroupBox(QStringLiteral("Schedule"), this);
    radioSingle_ = new QRadioButton(QStringLiteral("Single Game"), scheduleGroup);
    radioSingle_->setObjectName(QStringLiteral("RadioSingle"));
    radioMultiple_ = new QRadioButton(QStringLiteral("Games Every"), scheduleGroup);
    radioMultiple_->setObjectName(QStringLiteral("RadioMultiple"));
    weekdays_ = new QComboBox(scheduleGroup);
    weekdays_->setObjectName(QStringLiteral("ComboBox"));
    weekdays_->addItems({QStringLiteral("Sunday"), QStringLiteral("Monday"),
                         QStringLiteral("Tuesday"), QStringLiteral("Wednesday"),
                         QStringLiteral("Thursday"), QStringLiteral("Friday"),
                         QStringLiteral("Saturday")});
    weekdays_->setCurrentIndex(1);
    auto* scheduleLayout = new QVBoxLayout(scheduleGroup);
    scheduleLayout->addWidget(radioSingle_);
    scheduleLayout->addWidget(radioMultiple_);
    scheduleLayout->addWidget(weekdays_);
    radioSingle_->setChecked(true);
    connect(radioSingle_, &QRadioButton::clicked, this, &TMakeForm::RadioSingleClick);
    connect(radioMultiple_, &QRadioButton::clicked, this, &TMakeForm::RadioMultipleClick);

    // Starting at: the first date and the game time.
    auto* startGroup = new QGroupBox(QStringLiteral("Starting at"), this);
    editSYr_ = makeEdit(startGroup, QStringLiteral("EditSYr"), 4);
    editSMo_ = makeEdit(startGroup, QStringLiteral("EditSMo"), 2);
    editSDa_ = makeEdit(startGroup, QStringLiteral("EditSDa"), 2);
    editSHr_ = makeEdit(startGroup, QStringLiteral("EditSHr"), 2);
    editSMn_ = makeEdit(startGroup, QStringLiteral("EditSMn"), 2);
    auto* ampm = new QButtonGroup(startGroup);
    radioSam_ = new QRadioButton(QStringLiteral("am"), startGroup);
    radioSam_->setObjectName(QStringLiteral("RadioSam"));
    radioSpm_ = new QRadioButton(QStringLiteral("pm"), startGroup);
    radioSpm_->setObjectName(QStringLiteral("RadioSpm"));
    ampm->addButton(radioSam_);
    ampm->addButton(radioSpm_);
    radioSpm_->setChecked(true);
    auto* startLayout = new QGridLayout(startGroup);
    startLayout->addWidget(new QLabel(QStringLiteral("Year-Month-Day"), startGroup), 0, 0, 1, 5);
    startLayout->addWidget(editSYr_, 1, 0);
    startLayout->addWidget(new QLabel(QStringLiteral("-"), startGroup), 1, 1);
    startLayout->addWidget(editSMo_, 1, 2);
    startLayout->addWidget(new QLabel(QStringLiteral("-"), startGroup), 1, 3);
    startLayout->addWidget(editSDa_, 1, 4);
    startLayout->addWidget(new QLabel(QStringLiteral("Game Time"), startGroup), 2, 0, 1, 5);
    startLayout->addWidget(editSHr_, 3, 0);
    startLayout->addWidget(new QLabel(QStringLiteral(":"), startGroup), 3, 1);
    startLayout->addWidget(editSMn_, 3, 2);
    startLayout->addWidget(radioSam_, 3, 3);
    startLayout->addWidget(radioSpm_, 3, 4);

    // Ending at: the last date of a series.
    endGroup_ = new QGroupBox(QStringLiteral("Ending at"), this);
    editEYr_ = makeEdit(endGroup_, QStringLiteral("EditEYr"), 4);
    editEMo_ = makeEdit(endGroup_, QStringLiteral("EditEMo"), 2);
    editEDa_ = makeEdit(endGroup_, QStringLiteral("EditEDa"), 2);
    auto* endLayout = new QGridLayout(endGroup_);
    endLayout->addWidget(new QLabel(QStringLiteral("Year-Month-Day"), endGroup_), 0, 0, 1, 5);
    endLayout->addWidget(editEYr_, 1, 0);
    endLayout->addWidget(new QLabel(QStringLiteral("-"), endGroup_), 1, 1);
    endLayout->addWidget(editEMo_, 1, 2);
    endLayout->addWidget(new QLabel(QStringLiteral("-"), endGroup_), 1, 3);
    endLayout->addWidget(editEDa_, 1, 4);

    const auto makeButton = [this](const QString& name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* addButton = makeButton(QStringLiteral("AddButton"), QStringLiteral("&Add Time"));
    changeButton_ = makeButton(QStringLiteral("ChangeButton"), QStringLiteral("&Change Time"));
    deleteButton_ = makeButton(QStringLiteral("DeleteButton"), QStringLiteral("&Delete Time"));
    QPushButton* doneButton =
        makeButton(QStringLiteral("DoneButton"), QStringLiteral("&Field Done"));
    connect(addButton, &QPushButton::clicked, this, &TMakeForm::AddButtonClick);
    connect(changeButton_, &QPushButton::clicked, this, &TMakeForm::ChangeButtonClick);
    connect(deleteButton_, &QPushButton::clicked, this, &TMakeForm::DeleteButtonClick);
    connect(doneButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* panel = new QVBoxLayout;
    panel->addWidget(scheduleGroup);
    panel->addWidget(startGroup);
    panel->addWidget(endGroup_);
    panel->addWidget(addButton);
    panel->addWidget(changeButton_);
    panel->addWidget(deleteButton_);
    panel->addWidget(doneButton);
    panel->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(panel);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this,
            [] { HelpViewer::showTopic(QStringLiteral("Field_Availability")); });

    setTabOrder(grid_, radioSingle_);
    updateEnabling();
}

int TMakeForm::EditFieldTimes(pny::Store& store, const std::string& fieldKey) {
    store_ = &store;
    fieldKey_ = fieldKey.substr(0, 5);
    fillGrid();
    exec();
    return shownCount_;
}

void TMakeForm::RadioSingleClick() {
    radioSingle_->setChecked(true);
    updateEnabling();
}

void TMakeForm::RadioMultipleClick() {
    radioMultiple_->setChecked(true);
    updateEnabling();
}

void TMakeForm::updateEnabling() {
    const bool every = radioMultiple_->isChecked();
    weekdays_->setEnabled(every);
    editEYr_->setEnabled(every);
    editEMo_->setEnabled(every);
    editEDa_->setEnabled(every);
    changeButton_->setEnabled(!every && shownCount_ > 0);
    deleteButton_->setEnabled(!every && shownCount_ > 0);
}

void TMakeForm::fillGrid() {
    if (!store_)
        return;
    const std::vector<pny::SlotRow> rows = pny::slotRows(store_->times, fieldKey_);
    shownCount_ = static_cast<int>(rows.size());
    filling_ = true;
    grid_->clearContents();
    grid_->setRowCount(rows.empty() ? 1 : static_cast<int>(rows.size()));
    int selected = 0;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const pny::SlotRow& row = rows[static_cast<std::size_t>(r)];
        if (row.position == currentPosition_)
            selected = r;
        const QStringList cells{QString::number(row.position), pny::fromCodePage(row.year),
                                pny::fromCodePage(row.month), pny::fromCodePage(row.day),
                                QString::fromStdString(row.time)};
        for (int c = 0; c < cells.size(); ++c)
            grid_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    fitGridColumns(grid_, 4);
    grid_->setCurrentCell(selected, 1);
    grid_->selectRow(selected);
    filling_ = false;
    takeUpRow(selected);
    if (rows.empty())
        editSYr_->setFocus();
    else
        grid_->setFocus();
}

void TMakeForm::MakeGridSelectCell(int row) {
    if (!filling_ && row >= 0)
        takeUpRow(row);
}

void TMakeForm::takeUpRow(int row) {
    radioSingle_->setChecked(true);
    updateEnabling();
    if (shownCount_ == 0 || !store_ || row < 0 || row >= grid_->rowCount())
        return;
    pny::SlotRow slot;
    std::string bytes;
    const auto cell = [this, row](int c) {
        std::string b;
        const QTableWidgetItem* item = grid_->item(row, c);
        pny::toCodePage(item ? item->text() : QString(), b);
        return b;
    };
    slot.year = cell(1);
    slot.month = cell(2);
    slot.day = cell(3);
    slot.time = cell(4);
    const pny::SlotBoxes boxes = pny::boxesOfRow(slot);
    editSYr_->setText(pny::fromCodePage(boxes.year));
    editSMo_->setText(pny::fromCodePage(boxes.month));
    editSDa_->setText(pny::fromCodePage(boxes.day));
    if (boxes.weekday >= 0)
        weekdays_->setCurrentIndex(boxes.weekday);
    editSHr_->setText(pny::fromCodePage(boxes.hour));
    editSMn_->setText(pny::fromCodePage(boxes.minute));
    (boxes.pm ? radioSpm_ : radioSam_)->setChecked(true);
    currentPosition_ = pny::slotPosition(store_->times, pny::lineOfBoxes(boxes, fieldKey_));
}

void TMakeForm::AddButtonClick() {
    addTime(false);
}

void TMakeForm::ChangeButtonClick() {
    addTime(true);
}

void TMakeForm::addTime(bool change) {
    if (!store_)
        return;
    editSYr_->setFocus();
    pny::SlotRequest request;
    request.startYear = bytesOf(editSYr_);
    request.startMonth = bytesOf(editSMo_);
    request.startDay = bytesOf(editSDa_);
    request.hour = bytesOf(editSHr_);
    request.minute = bytesOf(editSMn_);
    request.pm = !radioSam_->isChecked();
    request.every = radioMultiple_->isChecked();
    request.weekday = weekdays_->currentIndex();
    request.endYear = bytesOf(editEYr_);
    request.endMonth = bytesOf(editEMo_);
    request.endDay = bytesOf(editEDa_);
    const pny::SlotOutcome outcome = pny::addSlots(store_->times, store_->changed.times, request,
                                                   fieldKey_, change, currentPosition_);
    editSHr_->setText(QString::fromStdString(outcome.hourBox));
    editSMn_->setText(QString::fromStdString(outcome.minuteBox));
    weekdays_->setCurrentIndex(outcome.weekday);
    if (outcome.error != pny::SlotError::None) {
        Messages::error(this, QString::fromLatin1(pny::slotErrorText(outcome.error)));
        return;
    }
    fillGrid();
}

void TMakeForm::DeleteButtonClick() {
    if (!store_ || !Messages::question(this, QStringLiteral("Delete This Time?")))
        return;
    pny::removeSlot(store_->times, store_->changed.times, currentPosition_);
    fillGrid();
}
