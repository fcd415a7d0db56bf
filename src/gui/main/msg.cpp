#include "main/msg.h"

#include <QApplication>
#include <QProgressBar>
#include <QVBoxLayout>

TMsgForm::TMsgForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("MsgForm"));
    setWindowTitle(QStringLiteral("Reading Data..."));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar"));
    bar_->setTextVisible(false);
    bar_->setFixedSize(148, 5);
    bar_->setStyleSheet(
        QStringLiteral("QProgressBar { background: silver; border: none; }"
                       "QProgressBar::chunk { background: navy; }"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_, 0, Qt::AlignCenter);
    setFixedSize(sizeHint().expandedTo(QSize(200, 40)));
}

void TMsgForm::start() {
    bar_->setRange(0, 1);
    bar_->setValue(0);
    // Only worth showing for a long rebuild; a short one would just flicker.
}

void TMsgForm::advance(int value, int maximum) {
    if (maximum <= 0)
        return;
    if (bar_->maximum() != maximum)
        bar_->setMaximum(maximum);
    bar_->setValue(value);
    if (!isVisible() && maximum > 2000) {
        show();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void TMsgForm::finish() {
    hide();
}
