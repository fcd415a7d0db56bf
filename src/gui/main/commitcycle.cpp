#include "main/commitcycle.h"

#include "common/messages.h"
#include "main/savequestions.h"

#include <QTimer>
#include <QWidget>

CommitCycle::CommitCycle(pny::Store& store, QWidget* window)
    : store_(store), window_(window), timer_(new QTimer(window)) {
    timer_->setSingleShot(true);
    timer_->setInterval(500);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
        commit();
        reportErrors();
    });
}

void CommitCycle::addError(const QString& message) {
    errors_.append(message);
}

void CommitCycle::commitSoon() {
    timer_->start();
}

bool CommitCycle::commit() {
    timer_->stop();
    return store_.commit();
}

void CommitCycle::reportErrors() {
    if (errors_.isEmpty())
        return;
    const QString text = errors_.join(QLatin1Char('\n'));
    errors_.clear();
    Messages::error(window_, text);
}

void CommitCycle::saveNow() {
    // Itself the commit a command ends with: a second one would only ask its questions again.
    timer_->stop();
    store_.saveAll();
    reportErrors();
}

bool CommitCycle::saveBeforeClosing() {
    for (;;) {
        errors_.clear();
        if (store_.saveAll())
            return true;
        const QStringList errors = errors_;
        errors_.clear();
        const auto answer = savequestions::askAfterFailedSave(window_, errors);
        if (answer == QMessageBox::Discard)
            return true;
        if (answer != QMessageBox::Retry)
            return false;
    }
}
