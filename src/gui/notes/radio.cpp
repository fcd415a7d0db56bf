#include "notes/radio.h"

#include "help/helpviewer.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

const QStringList& TRadioNoteForm::choiceTexts() {
    static const QStringList texts{QStringLiteral("Field"),     QStringLiteral("Game"),
                                   QStringLiteral("Home Team"), QStringLiteral("Away Team"),
                                   QStringLiteral("Umpire #1"), QStringLiteral("Umpire #2"),
                                   QStringLiteral("Umpire #3"), QStringLiteral("Umpire #4")};
    return texts;
}

TRadioNoteForm::TRadioNoteForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("RadioNoteForm"));
    setWindowTitle(QStringLiteral("Choose Which Notes"));
    setModal(true);

    RadioGroup = new QGroupBox(this);
    RadioGroup->setObjectName(QStringLiteral("RadioGroup"));
    buttons_ = new QButtonGroup(RadioGroup);
    auto* choices = new QVBoxLayout(RadioGroup);
    const QStringList& texts = choiceTexts();
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts.at(i), RadioGroup);
        buttons_->addButton(button, i);
        choices->addWidget(button);
    }
    // "Field" is chosen when the program starts.
    buttons_->button(0)->setChecked(true);

    LabelGroup = new QGroupBox(this);
    LabelGroup->setObjectName(QStringLiteral("LabelGroup"));
    auto* labelLayout = new QVBoxLayout(LabelGroup);
    const char* const names[] = {"FNote",  "GNote",  "HNote",  "ANote",
                                 "U1Note", "U2Note", "U3Note", "U4Note"};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        auto* label = new QLabel(LabelGroup);
        label->setObjectName(QLatin1String(names[i]));
        label->setTextFormat(Qt::PlainText);
        labelLayout->addWidget(label);
        labels_[i] = label;
    }
    FNote = labels_[0];
    GNote = labels_[1];
    HNote = labels_[2];
    ANote = labels_[3];
    U1Note = labels_[4];
    U2Note = labels_[5];
    U3Note = labels_[6];
    U4Note = labels_[7];

    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    HelpButton = new QPushButton(QStringLiteral("&Help"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setAutoDefault(false);
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(RadioGroup);
    top->addWidget(LabelGroup, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(OkButton);
    bottom->addWidget(HelpButton);
    bottom->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    setMinimumSize(289, 260);

    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, &TRadioNoteForm::HelpButtonClick);
}

void TRadioNoteForm::setLines(const QStringList& lines) {
    for (std::size_t i = 0; i < labels_.size(); ++i)
        labels_[i]->setText(lines.value(static_cast<int>(i)));
}

QStringList TRadioNoteForm::lines() const {
    QStringList texts;
    for (const QLabel* label : labels_)
        texts << label->text();
    return texts;
}

int TRadioNoteForm::choice() const {
    return buttons_->checkedId();
}

void TRadioNoteForm::setChoice(int choice) {
    if (QAbstractButton* button = buttons_->button(choice))
        button->setChecked(true);
}

bool TRadioNoteForm::choose() {
    if (QAbstractButton* checked = buttons_->checkedButton())
        checked->setFocus();
    return exec() == QDialog::Accepted;
}

void TRadioNoteForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Notes_Button"));
    OkButton->setFocus();
}
