#include "main/name.h"

#include "common/messages.h"
#include "store/codepage.h"
#include "store/listitems.h"
#include "store/records.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TNameForm::TNameForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NameForm"));
    setModal(true);

    auto* noLabel = new QLabel(QStringLiteral("No."), this);
    noLabel->setObjectName(QStringLiteral("NoLabel"));
    EditNo = new QLineEdit(this);
    EditNo->setObjectName(QStringLiteral("EditNo"));
    EditNo->setMaxLength(static_cast<int>(pny::width::kNumber));
    noLabel->setBuddy(EditNo);

    auto* nameLabel = new QLabel(QStringLiteral("Name"), this);
    nameLabel->setObjectName(QStringLiteral("NameLabel"));
    EditName = new QLineEdit(this);
    EditName->setObjectName(QStringLiteral("EditName"));
    EditName->setMaxLength(static_cast<int>(pny::width::kName));
    EditName->setMinimumWidth(260);
    nameLabel->setBuddy(EditName);

    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* grid = new QGridLayout;
    grid->addWidget(noLabel, 0, 0);
    grid->addWidget(EditNo, 0, 1);
    grid->addWidget(nameLabel, 1, 0);
    grid->addWidget(EditName, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(OkButton, &QPushButton::clicked, this, &TNameForm::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool TNameForm::Execute(const QString& caption, const std::string& number,
                        const std::string& name) {
    setWindowTitle(caption);
    EditNo->setText(pny::fromCodePage(number));
    EditName->setText(pny::fromCodePage(name));
    EditNo->setFocus();
    number_.clear();
    name_.clear();
    return exec() == QDialog::Accepted;
}

bool TNameForm::takeField(QLineEdit* edit, const QString& what, std::string& bytes) {
    QString offending;
    const pny::TypedTextProblem problem = pny::typedFieldBytes(edit->text(), bytes, offending);
    QString message;
    switch (problem) {
        case pny::TypedTextProblem::None:
            return true;
        case pny::TypedTextProblem::Separator:
            message = QStringLiteral(
                          "The %1 cannot contain the character \"|\": it separates the "
                          "fields of the data files.")
                          .arg(what);
            break;
        case pny::TypedTextProblem::ControlCharacter:
            message = QStringLiteral(
                          "The %1 cannot contain line breaks, tabs or other control "
                          "characters.")
                          .arg(what);
            break;
        case pny::TypedTextProblem::NotInCodePage:
            message = QStringLiteral(
                          "The %1 cannot contain the character \"%2\": the data files "
                          "cannot store it. Please use another character.")
                          .arg(what, offending);
            break;
    }
    Messages::error(this, message);
    edit->setFocus();
    edit->selectAll();
    return false;
}

void TNameForm::OkButtonClick() {
    std::string number;
    std::string name;
    if (!takeField(EditNo, QStringLiteral("number"), number))
        return;
    if (!takeField(EditName, QStringLiteral("name"), name))
        return;
    number_ = number;
    name_ = name;
    accept();
}
