#include "store/filekind.h"

#include <QFile>

#include <sys/stat.h>

namespace pny {

QString nonOrdinaryKind(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QString();  // nothing there (or a dangling link): an ordinary new file
    if (S_ISREG(info.st_mode))
        return QString();
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(info.st_mode))
        return QStringLiteral("a FIFO");
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(info.st_mode))
        return QStringLiteral("a socket");
    return QStringLiteral("not an ordinary file");
}

PathType pathTypeOf(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return PathType::Missing;
    if (S_ISREG(info.st_mode))
        return PathType::File;
    if (S_ISDIR(info.st_mode))
        return PathType::Folder;
    if (S_ISFIFO(info.st_mode))
        return PathType::Fifo;
    if (S_ISLNK(info.st_mode))
        return PathType::SymLink;
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return PathType::Device;
    if (S_ISSOCK(info.st_mode))
        return PathType::Socket;
    return PathType::Other;
}

QString describePathType(PathType type) {
    switch (type) {
        case PathType::Missing:
        case PathType::File:
            return QString();
        case PathType::Folder:
            return QStringLiteral("a folder");
        case PathType::Fifo:
            return QStringLiteral("a FIFO");
        case PathType::SymLink:
            return QStringLiteral("a symbolic link");
        case PathType::Device:
            return QStringLiteral("a device");
        case PathType::Socket:
            return QStringLiteral("a socket");
        case PathType::Other:
            break;
    }
    return QStringLiteral("not an ordinary file");
}

QString notOwnFileKind(const QString& path) {
    return describePathType(pathTypeOf(path));
}

}  // namespace pny
