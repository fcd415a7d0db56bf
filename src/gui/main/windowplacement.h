#pragma once

#include "store/records.h"

#include <QString>

class QWidget;

// Whether the main window was maximised when it last closed on a data folder. The years file
// keeps only the normal size (its older readers know nothing else), so the maximised state is
// kept among the user's own settings, one entry per data folder.
namespace windowplacement {

bool wasMaximised(const QString& dataFolder);
void rememberMaximised(const QString& dataFolder, bool maximised);

// Sets the size stored in the years header, at most the screen's, and places the whole window
// on the screen.
void applyStoredSize(QWidget& window, const pny::YearsHeader& header);
// Writes the window's normal size into the years header.
void rememberSize(const QWidget& window, pny::YearsHeader& header);

}  // namespace windowplacement
