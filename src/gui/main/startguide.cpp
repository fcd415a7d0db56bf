#include "main/startguide.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TStartGuide::TStartGuide(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("StartGuide"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("GuideText"));
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::RichText);

    auto* start = new QPushButton(QStringLiteral("Start a Season"), this);
    start->setObjectName(QStringLiteral("StartSeasonButton"));
    sampleButton_ = new QPushButton(QStringLiteral("Open the Sample Season"), this);
    sampleButton_->setObjectName(QStringLiteral("OpenSampleButton"));
    connect(start, &QPushButton::clicked, this, &TStartGuide::startSeason);
    connect(sampleButton_, &QPushButton::clicked, this, &TStartGuide::openSample);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start);
    buttons->addWidget(sampleButton_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    setMaximumWidth(460);
    setSampleAvailable(true);
}

void TStartGuide::setSampleAvailable(bool available) {
    QString text = QStringLiteral(
        "<p><b>Welcome to Pennantry.</b></p>"
        "<p>There are no seasons in this folder yet. Start your own season: give it its year, "
        "then add its league, the teams and the players.</p>");
    if (available) {
        text += QStringLiteral(
            "<p>Or look round the sample season first: a league of six teams with half a "
            "season played. Delete it from the Year list when you are done.</p>");
    }
    text_->setText(text);
    sampleButton_->setVisible(available);
}

void TStartGuide::placeOver(const QRect& area) {
    QSize size = sizeHint().boundedTo(area.size());
    size.setHeight(std::max(size.height(), heightForWidth(size.width())));
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(area.center());
    setGeometry(placed);
}
