#include "common/icons.h"
#include "common/messages.h"
#include "help/helpkey.h"
#include "main/main.h"
#include "main/openedfile.h"

#include "about/programversion.h"
#include "about/startarguments.h"
#include "store/datafolder.h"
#include "store/folderlock.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    // --help and --version answer on the terminal, without a display.
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    const pny::StartArguments early = pny::readStartArguments(rawArguments);
    if (early.help || early.version) {
        const QString text = early.help ? pny::startUsage()
                                        : "pennantry (Pennantry) " + pny::programVersion() + '\n';
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    // Qt's own options (-platform, -style) are taken out of the arguments by now.
    const pny::StartArguments start = pny::readStartArguments(QApplication::arguments().mid(1));
    if (!start.error.isEmpty()) {
        std::fprintf(stderr, "pennantry: %s; see pennantry --help\n",
                     start.error.toLocal8Bit().constData());
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Pennantry"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pennantry"));
    QGuiApplication::setDesktopFileName(QStringLiteral("pennantry"));
    QApplication::setWindowIcon(icons::application());
    HelpKey::install();
    QString problem;
    const QString dataFolder =
        QDir(pny::chooseDataFolder(start.folder, pny::runningProgramPlaces(), problem))
            .absolutePath() +
        '/';
    if (!problem.isEmpty()) {
        Messages::error(nullptr, "Pennantry cannot start: " + problem + '.');
        return 1;
    }
    // One writer at a time: a second program on the same folder would overwrite the first's work.
    pny::FolderLock lock(dataFolder);
    QString message;
    if (lock.acquire(message) != pny::FolderLock::Result::Acquired) {
        Messages::error(nullptr, message);
        return 3;
    }
    TMainForm window(dataFolder);
    window.setSampleSeason(QDir(pny::installedExamplesFolder(QApplication::applicationDirPath()))
                               .filePath(QStringLiteral("Riverbend.PZS")));
    window.show();
    // A file opened from the file manager is offered for import once the window shows.
    if (!start.importFile.isEmpty())
        QTimer::singleShot(0, &window,
                           [&window, &start] { offerImport(window, start.importFile); });
    return QApplication::exec();
}
