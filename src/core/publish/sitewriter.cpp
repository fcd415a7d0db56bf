#include "publish/sitewriter.h"

#include "store/datafiles.h"
#include "store/filecommit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pny {
namespace {

// The folder's path with links resolved as far as it exists, ending in a separator.
QString canonicalFolder(const QString& folder) {
    QFileInfo info(folder);
    QString path = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    path = QDir::cleanPath(path);
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

bool sameBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != bytes.size())
        return false;
    return file.readAll() == bytes;
}

}  // namespace

bool writeSite(const QString& outputFolder, const QString& dataFolder,
               const std::vector<SiteFile>& files, QString& error) {
    const QString output = canonicalFolder(outputFolder);
    const QString data = canonicalFolder(dataFolder);
    if (output.startsWith(data)) {
        error = QStringLiteral(
                    "\"%1\" is the data folder or a folder inside it; choose a folder of its "
                    "own for the website")
                    .arg(QDir::toNativeSeparators(outputFolder));
        return false;
    }
    if (!QDir().mkpath(output)) {
        error = QStringLiteral("cannot create the folder \"%1\"")
                    .arg(QDir::toNativeSeparators(outputFolder));
        return false;
    }
    for (const SiteFile& file : files) {
        // Names are the builder's own; a name with a folder in it would leave the output folder.
        if (file.name.isEmpty() || file.name.contains(QLatin1Char('/')) ||
            file.name.contains(QLatin1Char('\\')) || file.name.startsWith(QLatin1Char('.'))) {
            error = QStringLiteral("refusing the file name \"%1\"").arg(file.name);
            return false;
        }
        const QString path = output + file.name;
        // A page that stands there as a FIFO would block the comparison, and a link would be
        // read (and replaced) where it leads.
        error = refuseOutputPath(path);
        if (!error.isEmpty())
            return false;
        if (sameBytes(path, file.bytes))
            continue;
        if (!writeFileAtomically(path, file.bytes, error))
            return false;
    }
    return true;
}

}  // namespace pny
