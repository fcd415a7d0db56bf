#include "main/confirmation.h"

#include <QTimer>

ConfirmationLine::ConfirmationLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("ConfirmationLabel"));
    setTextFormat(Qt::PlainText);  // a team's name is shown as typed, never as markup
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(true);
    setContentsMargins(6, 3, 6, 3);
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setInterval(kShownMilliseconds);
    connect(timer_, &QTimer::timeout, this, &ConfirmationLine::dismiss);
    hide();
}

void ConfirmationLine::confirm(const QString& text) {
    if (text.isEmpty()) {
        dismiss();
        return;
    }
    setText(text);
    // The name is what a screen reader reads out when it changes.
    setAccessibleName(text);
    show();
    fresh_ = true;
    timer_->start();
}

void ConfirmationLine::commandEnded() {
    if (!fresh_)
        dismiss();
    fresh_ = false;
}

void ConfirmationLine::dismiss() {
    timer_->stop();
    fresh_ = false;
    hide();
    clear();
    setAccessibleName(QString());
}
