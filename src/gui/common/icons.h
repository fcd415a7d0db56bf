#pragma once

#include <QIcon>
#include <QString>

namespace icons {

// The program's own picture: a baseball.
QIcon application();
QPixmap applicationPixmap(int size);

// The picture of a command button, drawn by the program itself.
QIcon button(const QString& name);

}  // namespace icons
