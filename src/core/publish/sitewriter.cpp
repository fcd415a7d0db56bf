#include "publish/sitewriter.h"

#include "store/datafiles.h"
#include "store/filecommit.h"
#include "store/filekind.h"
#include "store/folderlock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace pny {
namespace {

// The folder's path with links resolved as far as it exists, ending in a separator.
QString canonicalFolder(const QString& folder) {
    QFileInfo info(folder);
    QString path = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    path = QDir::cleanPath(path);
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

// The names of the files a site holds: plain names of pages, the stylesheet, the calendar and the
// feed, never a name of a data folder's own, so that a journal found in the output folder renames
// nothing else there.
bool isSiteFileName(const QString& name) {
    static const QRegularExpression kSiteFile(
        QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_-]*\\.(?:html|css|ics|xml)$"));
    return kSiteFile.match(name).hasMatch() && dataKindOf(name) == DataKind::None;
}

bool sameBytes(const QString& path, const QByteArray& bytes) {
    // Only an ordinary file is read: opening a FIFO would wait for a writer forever.
    const QFileInfo info(path);
    if (!nonOrdinaryKind(path).isEmpty() || !info.isFile() || info.isSymLink())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != bytes.size())
        return false;
    return file.readAll() == bytes;
}

// The pages of ours the site no longer has, a night removed from the log or a team deleted, are
// removed, so that nobody finds them by their address. Only ordinary files with the names the
// builder gives such pages are touched, never anything else in the folder.
void removeOldPages(const QString& output, const std::vector<SiteFile>& files) {
    static const QRegularExpression kPage(
        QStringLiteral("^(?:team-[0-9]+|player-[0-9]+-[0-9]+|night-[0-9]+)\\.html$"));
    QSet<QString> current;
    for (const SiteFile& file : files)
        current.insert(file.name);
    for (const QString& name : QDir(output).entryList(QDir::Files | QDir::NoSymLinks)) {
        if (kPage.match(name).hasMatch() && !current.contains(name) &&
            nonOrdinaryKind(output + name).isEmpty()) {
            QFile::remove(output + name);
        }
    }
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
    // One publish at a time into a folder; one that was killed halfway is finished or undone
    // first, so that its temporary files do not stay among the pages.
    FolderLock lock(output);
    QString message;
    if (lock.acquire(message) != FolderLock::Result::Acquired) {
        error = QStringLiteral("cannot publish into \"%1\": %2")
                    .arg(QDir::toNativeSeparators(outputFolder), message);
        return false;
    }
    QString report;
    if (!finishUnfinishedCommit(output, report, error, isSiteFileName))
        return false;
    // Names are the builder's own; a name with a folder in it would leave the output folder. A
    // FIFO or a folder in the place of one of the files is refused before any file is written.
    for (const SiteFile& file : files) {
        if (!isSiteFileName(file.name)) {
            error = QStringLiteral("refusing the file name \"%1\"").arg(file.name);
            return false;
        }
        // A page that stands there as a FIFO would block the comparison, and a link would be
        // read (and replaced) where it leads.
        error = refuseOutputPath(output + file.name);
        if (!error.isEmpty())
            return false;
    }
    // The changed files in one commit: synced in one pass rather than one by one, and the site
    // changes all at once, never half old and half new.
    FileCommit commit;
    commit.setTargetRule(isSiteFileName);
    for (const SiteFile& file : files) {
        const QString path = output + file.name;
        if (!sameBytes(path, file.bytes))
            commit.add(path, file.bytes);
    }
    if (!commit.paths().isEmpty() && !commit.run(error))
        return false;
    removeOldPages(output, files);
    return true;
}

}  // namespace pny
