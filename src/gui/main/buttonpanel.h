#pragma once

#include <QString>

class QFrame;
class QToolButton;
class QWidget;

// The grey row of command buttons above the main window's table. The window connects the
// buttons to its commands.
namespace buttonpanel {

QFrame* make(QWidget* parent);
// A button at the end of the row: its icon over its caption, at least `width` wide. It takes
// no focus, so the keyboard stays in the table.
QToolButton* addButton(QFrame* panel, const QString& name, const QString& caption,
                       const QString& icon, int width);
// The panel's own caption, right of the buttons; it shows when the window is wide enough.
void addCaption(QFrame* panel);

}  // namespace buttonpanel
