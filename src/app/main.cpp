#include "common/icons.h"
#include "common/messages.h"
#include "help/helpkey.h"
#include "main/main.h"
#include "store/folderlock.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pennantry"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pennantry"));
    QGuiApplication::setDesktopFileName(QStringLiteral("pennantry"));
    QApplication::setWindowIcon(icons::application());
    HelpKey::install();
    // The data files live beside the program file.
    const QString dataFolder = QDir(QApplication::applicationDirPath()).absolutePath() + '/';
    // One writer at a time: a second program on the same folder would overwrite the first's work.
    pny::FolderLock lock(dataFolder);
    QString message;
    if (lock.acquire(message) != pny::FolderLock::Result::Acquired) {
        Messages::error(nullptr, message);
        return 3;
    }
    TMainForm window(dataFolder);
    window.show();
    return QApplication::exec();
}
