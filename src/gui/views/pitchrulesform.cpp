#include "views/pitchrulesform.h"

#include "common/dialogbutton.h"
#include "common/messages.h"
#include "help/helpviewer.h"
#include "pitching/pitchrulesfile.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TPitchRulesForm::TPitchRulesForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PitchRulesForm"));
    setModal(true);
    setWindowTitle(QStringLiteral("Pitch Rules"));

    checkRules_ = new QCheckBox(QStringLiteral("The league &limits pitches"), this);
    checkRules_->setObjectName(QStringLiteral("CheckRules"));
    editMax_ = new QLineEdit(this);
    editMax_->setObjectName(QStringLiteral("EditMax"));
    editMax_->setMaxLength(3);
    editMax_->setPlaceholderText(QStringLiteral("none"));
    editRest_ = new QLineEdit(this);
    editRest_->setObjectName(QStringLiteral("EditRest"));
    editRest_->setPlaceholderText(QStringLiteral("21:1,36:2,51:3,66:4"));
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("RestDescription"));
    description_->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Daily &maximum of pitches:"), editMax_);
    form->addRow(QStringLiteral("Days of &rest (pitches:days):"), editRest_);
    form->addRow(QString(), description_);

    auto* ok = dialogButton(this, QStringLiteral("OkButton"), QStringLiteral("&OK"),
                            QStyle::SP_DialogOkButton);
    ok->setDefault(true);
    auto* cancel = dialogButton(this, QStringLiteral("CancelButton"), QStringLiteral("&Cancel"),
                                QStyle::SP_DialogCancelButton);
    auto* help = dialogButton(this, QStringLiteral("HelpButton"), QStringLiteral("&Help"),
                              QStyle::SP_DialogHelpButton);
    connect(ok, &QPushButton::clicked, this, &TPitchRulesForm::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TPitchRulesForm::HelpButtonClick);
    connect(editRest_, &QLineEdit::textChanged, this, &TPitchRulesForm::showDescription);
    connect(checkRules_, &QCheckBox::toggled, this, [this](bool on) {
        editMax_->setEnabled(on);
        editRest_->setEnabled(on);
        showDescription();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(checkRules_);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

bool TPitchRulesForm::EditRules(const QString& path, std::optional<pny::PitchRules>& rules) {
    path_ = path;
    saved_ = rules;
    const pny::PitchRules shown = rules.value_or(pny::PitchRules());
    checkRules_->setChecked(true);  // so that the toggle below always fires
    checkRules_->setChecked(rules.has_value());
    editMax_->setText(shown.dailyMax > 0 ? QString::number(shown.dailyMax) : QString());
    editRest_->setText(QString::fromStdString(pny::restTableText(shown.rest)));
    showDescription();
    if (exec() != QDialog::Accepted)
        return false;
    rules = saved_;
    return true;
}

void TPitchRulesForm::showDescription() {
    std::string problem;
    const auto steps = pny::parseRestTable(editRest_->text().toStdString(), problem);
    if (!checkRules_->isChecked())
        description_->setText(QStringLiteral("Pitch counts are shown; nobody is ever ineligible."));
    else if (steps)
        description_->setText(QString::fromStdString(pny::restTableDescription(*steps)));
    else
        description_->setText(QString::fromStdString(problem));
}

void TPitchRulesForm::OkButtonClick() {
    std::optional<pny::PitchRules> rules;
    if (checkRules_->isChecked()) {
        pny::PitchRules typed;
        const QString maxText = editMax_->text().trimmed();
        if (!maxText.isEmpty()) {
            const std::optional<int> max = pny::parseDailyMax(maxText.toStdString());
            if (!max) {
                Messages::error(this, QStringLiteral("The daily maximum must be a number of "
                                                     "pitches from 0 to %1, or empty for none.")
                                          .arg(pny::kMaxPitchCount));
                editMax_->setFocus();
                return;
            }
            typed.dailyMax = *max;
        }
        std::string problem;
        const auto steps = pny::parseRestTable(editRest_->text().toStdString(), problem);
        if (!steps) {
            Messages::error(this, QStringLiteral("The days of rest cannot be read: %1.")
                                      .arg(QString::fromStdString(problem)));
            editRest_->setFocus();
            return;
        }
        typed.rest = *steps;
        rules = typed;
    }
    QString error;
    if (rules != saved_ && !pny::writePitchRules(path_, rules, error)) {
        Messages::error(this, error);
        return;
    }
    saved_ = rules;
    accept();
}

void TPitchRulesForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Eligible_Pitchers"));
}
