#pragma once

#include <QString>

// Whether the main window was maximised when it last closed on a data folder. The years file
// keeps only the normal size (its older readers know nothing else), so the maximised state is
// kept among the user's own settings, one entry per data folder.
namespace windowplacement {

bool wasMaximised(const QString& dataFolder);
void rememberMaximised(const QString& dataFolder, bool maximised);

}  // namespace windowplacement
