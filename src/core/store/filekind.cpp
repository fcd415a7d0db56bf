#include "store/filekind.h"

#include <QFile>

#include <sys/stat.h>

namespace pny {

namespace {

PathType typeOfMode(mode_t mode) {
    if (S_ISREG(mode))
        return PathType::File;
    if (S_ISDIR(mode))
        return PathType::Folder;
    if (S_ISFIFO(mode))
        return PathType::Fifo;
    if (S_ISLNK(mode))
        return PathType::SymLink;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return PathType::Device;
    if (S_ISSOCK(mode))
        return PathType::Socket;
    return PathType::Other;
}

}  // namespace

QString nonOrdinaryKind(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QString();  // nothing there (or a dangling link): an ordinary new file
    return describePathType(typeOfMode(info.st_mode));
}

PathType pathTypeOf(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return PathType::Missing;
    return typeOfMode(info.st_mode);
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
