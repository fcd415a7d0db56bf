#include "help/helpkey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

void HelpKey::install() {
    static HelpKey* filter = new HelpKey(qApp);
    qApp->installEventFilter(filter);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    QDialog* dialog = widget ? qobject_cast<QDialog*>(widget->window()) : nullptr;
    if (!dialog)
        return false;
    for (const char* name : {"HelpButton", "HelpBtn"}) {
        if (auto* help = dialog->findChild<QAbstractButton*>(QLatin1String(name))) {
            if (help->isVisible() && help->isEnabled()) {
                help->click();
                return true;
            }
        }
    }
    return false;
}
