#pragma once

#include <QPushButton>
#include <QStyle>

// A button of a dialog's button row: a picture before its caption, found by its object name. It is
// no automatic default, so Enter presses only the button the dialog makes its default.
inline QPushButton* dialogButton(QWidget* dialog, const QString& name, const QString& caption,
                                 QStyle::StandardPixmap picture) {
    auto* button = new QPushButton(dialog->style()->standardIcon(picture), caption, dialog);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}
