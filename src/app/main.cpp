#include "common/icons.h"
#include "help/helpkey.h"
#include "main/main.h"

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
    TMainForm window(dataFolder);
    window.show();
    return QApplication::exec();
}
