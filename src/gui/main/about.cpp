#include "main/about.h"

#include "common/icons.h"

#include "about/programversion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About Pennantry"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(icons::applicationPixmap(33));
    picture->setFixedSize(33, 33);

    auto* title = new QLabel(QStringLiteral("Pennantry ") + pny::programVersion(), this);
    title->setObjectName(QStringLiteral("ProductName"));
    QFont font = title->font();
    font.setPixelSize(35);
    title->setFont(font);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* purpose = new QLabel(QStringLiteral("Statistics of amateur baseball leagues"), this);
    purpose->setObjectName(QStringLiteral("Purpose"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(purpose);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
