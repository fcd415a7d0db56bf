#include "notes/notesfile.h"

#include "store/codepage.h"
#include "store/textfile.h"

#include <QFileInfo>
#include <QStringList>

namespace pny {

bool loadNoteLines(const QString& path, std::vector<std::string>& lines, QString& error) {
    lines.clear();
    if (!QFileInfo::exists(path))
        return true;
    return readTextLines(path, lines, error);
}

bool saveNoteLines(const QString& path, const std::vector<std::string>& lines, QString& error) {
    return writeTextLines(path, lines, error);
}

QString noteText(const std::vector<std::string>& lines) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        texts << fromCodePage(line);
    return texts.join(QLatin1Char('\n'));
}

bool noteLines(const QString& text, std::vector<std::string>& lines, QString& refused) {
    lines.clear();
    refused.clear();
    if (text.isEmpty())
        return true;
    // A NUL would end the text when the file is read back, so it is refused like a character the
    // code page has no place for.
    const QList<uint> codePoints = text.toUcs4();
    for (uint codePoint : codePoints) {
        const QString character =
            QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1);
        std::string bytes;
        if (codePoint == 0 || !toCodePage(character, bytes)) {
            refused = character;
            return false;
        }
    }
    const QStringList texts = text.split(QLatin1Char('\n'));
    lines.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& line : texts) {
        std::string bytes;
        toCodePage(line, bytes);
        lines.push_back(std::move(bytes));
    }
    return true;
}

QString refusedCharacterMessage(const QString& path, const QString& refused) {
    const uint codePoint = refused.isEmpty() ? 0 : refused.toUcs4().value(0);
    const QString shown = codePoint == 0 ? QStringLiteral("NUL") : refused;
    return QStringLiteral(
               "The note cannot be saved in \"%1\": the character \"%2\" (U+%3) cannot "
               "be stored in a notes file. Remove or replace it, then save again.")
        .arg(path, shown, QStringLiteral("%1").arg(codePoint, 4, 16, QLatin1Char('0')).toUpper());
}

}  // namespace pny
