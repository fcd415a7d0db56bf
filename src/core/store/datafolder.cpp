#include "store/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pny {
namespace {

const char* const kHomeDataFolder = "Pennantry";

}  // namespace

DataFolderPlaces runningProgramPlaces() {
    DataFolderPlaces places;
    places.programFolder = QCoreApplication::applicationDirPath();
    places.homeFolder = QDir::homePath();
    // access(2) answers for this user, and says no on a read-only file system even to root.
    places.canWrite = [](const QString& folder) {
        const QFileInfo info(folder);
        return info.isDir() && info.isWritable();
    };
    return places;
}

bool isSharedInstallation(const QString& programFolder) {
    const QDir folder(programFolder);
    return folder.dirName() == QLatin1String("bin") &&
           QFileInfo(folder.absoluteFilePath(QStringLiteral("../share/pennantry"))).isDir();
}

QString defaultDataFolder(const DataFolderPlaces& places) {
    const QString program = QDir(places.programFolder).absolutePath();
    if (!isSharedInstallation(program) && places.canWrite && places.canWrite(program))
        return program;
    return QDir(places.homeFolder).absoluteFilePath(QLatin1String(kHomeDataFolder));
}

QString chooseDataFolder(const QString& named, const DataFolderPlaces& places, QString& error) {
    error.clear();
    if (!named.isEmpty())
        return named;
    const QString folder = defaultDataFolder(places);
    const QFileInfo info(folder);
    if (info.isDir())
        return folder;
    if (info.exists() || info.isSymLink())
        error = QStringLiteral("\"%1\" is not a folder").arg(folder);
    else if (!QDir().mkpath(folder))
        error = QStringLiteral("the data folder \"%1\" could not be made").arg(folder);
    return folder;
}

QString installedExamplesFolder(const QString& programFolder) {
    const QDir folder(programFolder);
    if (isSharedInstallation(programFolder))
        return QDir::cleanPath(
            folder.absoluteFilePath(QStringLiteral("../share/pennantry/examples")));
    return folder.absoluteFilePath(QStringLiteral("examples"));
}

}  // namespace pny
