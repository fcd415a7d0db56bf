#include "main/publishsite.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "publish/publishleague.h"

#include <QDir>

void publishSite(QWidget* parent, const pny::Store& store) {
    // The folder chosen last, offered again: a site is usually refreshed where it was.
    static QString lastFolder = QDir::homePath();
    const QString folder =
        FileDialogs::existingFolder(parent, QStringLiteral("Publish League Website"), lastFolder);
    if (folder.isEmpty())
        return;
    QString error;
    int files = 0;
    if (!pny::publishLeague(store, folder, error, &files)) {
        Messages::error(parent,
                        QStringLiteral("The website could not be published:\n\n%1").arg(error));
        return;
    }
    lastFolder = folder;
    Messages::information(parent, QStringLiteral("The league's website (%1 files) is in\n%2")
                                      .arg(files)
                                      .arg(QDir::toNativeSeparators(folder)));
}
