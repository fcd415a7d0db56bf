#include "main/windowplacement.h"

#include <QDir>
#include <QSettings>

namespace windowplacement {
namespace {

// The settings key of a folder: its absolute path, whose separators QSettings would read as
// groups, kept in one key by percent-encoding it.
QString keyOf(const QString& dataFolder) {
    const QString path = QDir(dataFolder).absolutePath();
    return QStringLiteral("MainWindowMaximised/") +
           QString::fromLatin1(path.toUtf8().toPercentEncoding());
}

QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Pennantry"),
                     QStringLiteral("Pennantry"));
}

}  // namespace

bool wasMaximised(const QString& dataFolder) {
    return settings().value(keyOf(dataFolder), false).toBool();
}

void rememberMaximised(const QString& dataFolder, bool maximised) {
    QSettings stored = settings();
    if (maximised) {
        stored.setValue(keyOf(dataFolder), true);
    } else {
        stored.remove(keyOf(dataFolder));
    }
}

}  // namespace windowplacement
