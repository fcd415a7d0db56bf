#include "main/confirmation.h"

#include <QAbstractItemView>
#include <QLayout>
#include <QTimer>

ConfirmationLine::ConfirmationLine(QAbstractItemView* table, QWidget* parent)
    : QLabel(parent), table_(table) {
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
    if (isHidden()) {
        show();
        // The table is smaller at once, and the row just chosen (often the last one scrolled
        // to) is brought back into sight.
        if (parentWidget() && parentWidget()->layout())
            parentWidget()->layout()->activate();
        if (table_ && table_->currentIndex().isValid())
            table_->scrollTo(table_->currentIndex());
    }
    fresh_ = true;
    timer_->start();
}

void ConfirmationLine::commandEnded(bool saved) {
    if (!fresh_ || !saved)
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
