#include "store/textfile.h"

#include "store/filecommit.h"
#include "store/filekind.h"

#include <QFile>
#include <QFileInfo>

namespace pny {

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
    // A FIFO would block the read until something wrote into it: only ordinary files are read.
    const QString kind = nonOrdinaryKind(path);
    QFile file(path);
    if (!kind.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = kind.isEmpty()
                                   ? file.errorString()
                                   : QStringLiteral("it is %1, not an ordinary file").arg(kind);
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

QByteArray joinLines(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
        bytes.append("\r\n", 2);
    }
    return bytes;
}

bool writeTextLines(const QString& path, const std::vector<std::string>& lines, QString& error) {
    return writeFileAtomically(path, joinLines(lines), error);
}

}  // namespace pny
