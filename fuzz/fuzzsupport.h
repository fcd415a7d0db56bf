#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fuzzsupport {

// One temporary folder for the whole run, emptied before every input.
inline QString freshFolder() {
    static QTemporaryDir dir;
    QDir folder(dir.path());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFileInfo info(folder.filePath(name));
        if (info.isDir())
            QDir(info.filePath()).removeRecursively();
        else
            QFile::remove(info.filePath());
    }
    return dir.path();
}

// Splits an input into parts at every "\x01\x02" pair (at most `count` parts).
inline std::vector<QByteArray> splitInput(const uint8_t* data, size_t size, int count) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<QByteArray> parts;
    qsizetype start = 0;
    while (static_cast<int>(parts.size()) < count - 1) {
        const qsizetype at = bytes.indexOf("\x01\x02", start);
        if (at < 0)
            break;
        parts.push_back(bytes.mid(start, at - start));
        start = at + 2;
    }
    parts.push_back(bytes.mid(start));
    return parts;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

}  // namespace fuzzsupport
