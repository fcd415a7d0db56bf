#include "store/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pny {
namespace {

DiskSpaceHook& diskSpaceHook() {
    static DiskSpaceHook hook;
    return hook;
}

}  // namespace

void setDiskSpaceHook(DiskSpaceHook hook) {
    diskSpaceHook() = std::move(hook);
}

std::vector<std::string> splitLines(const QByteArray& bytes) {
    std::vector<std::string> lines;
    qsizetype end = bytes.indexOf('\0');
    if (end < 0)
        end = bytes.size();
    std::string current;
    bool open = false;  // text seen since the last line break
    for (qsizetype i = 0; i < end; ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            open = false;
            if (c == '\r' && i + 1 < end && bytes[i + 1] == '\n')
                ++i;
        } else {
            current += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(current);
    return lines;
}

bool readTextLines(const QString& path, std::vector<std::string>& lines, QString& error) {
    QString notice;
    return readTextLines(path, lines, error, notice);
}

bool readTextLines(const QString& path, std::vector<std::string>& lines, QString& error,
                   QString& notice) {
    notice.clear();
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason =
            QFileInfo(path).isDir() ? QStringLiteral("it is a folder") : file.errorString();
        error = QStringLiteral("Cannot read \"%1\": %2.").arg(path, reason);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("Cannot read \"%1\": %2.").arg(path, file.errorString());
        return false;
    }
    lines = splitLines(bytes);
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0 && nul + 1 < bytes.size()) {
        const bool open = nul > 0 && bytes[nul - 1] != '\n' && bytes[nul - 1] != '\r';
        const qsizetype line =
            static_cast<qsizetype>(splitLines(bytes.left(nul)).size()) + (open ? 0 : 1);
        notice = QStringLiteral(
                     "\"%1\" holds a NUL character on line %2: the %3 bytes after it are not "
                     "read, and are lost when this file is next saved.")
                     .arg(path)
                     .arg(line)
                     .arg(bytes.size() - nul - 1);
    }
    return true;
}

bool writeTextLines(const QString& path, const std::vector<std::string>& lines, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("Cannot write \"%1\": %2.").arg(path, file.errorString());
        return false;
    }
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
        bytes.append("\r\n", 2);
    }
    if (const DiskSpaceHook& hook = diskSpaceHook()) {
        const qint64 room = hook(path, bytes.size());
        if (room < bytes.size()) {
            // What fits goes into the temporary file; the real file is never touched.
            file.write(bytes.constData(), qMax<qint64>(0, room));
            file.cancelWriting();
            file.commit();
            error = QStringLiteral("Cannot write \"%1\": No space left on device.").arg(path);
            return false;
        }
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("Cannot write \"%1\": %2.").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace pny
