#include "roster/rostercsv.h"

#include "store/codepage.h"

#include <QStringDecoder>

namespace pny {
namespace {

QChar delimiterOf(const QString& text) {
    const QString first = text.left(text.indexOf(QLatin1Char('\n')));
    if (first.contains(QLatin1Char(',')))
        return QLatin1Char(',');
    if (first.contains(QLatin1Char(';')))
        return QLatin1Char(';');
    if (first.contains(QLatin1Char('\t')))
        return QLatin1Char('\t');
    return QLatin1Char(',');
}

bool isBlank(const QStringList& cells) {
    for (const QString& cell : cells) {
        if (!cell.trimmed().isEmpty())
            return false;
    }
    return true;
}

}  // namespace

QString decodeRosterText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromCodePage(bytes.toStdString());
}

std::vector<CsvRow> parseCsv(const QString& text) {
    const QChar delimiter = delimiterOf(text);
    std::vector<CsvRow> rows;
    CsvRow row;
    row.line = 1;
    QString cell;
    bool quoted = false;
    int line = 1;
    const auto endRow = [&] {
        row.cells << cell;
        cell.clear();
        if (!isBlank(row.cells))
            rows.push_back(row);
        row = CsvRow();
        row.line = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n'))
            ++line;
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('"')) {
                cell += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c != QLatin1Char('\r')) {
                cell += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == delimiter) {
            row.cells << cell;
            cell.clear();
        } else if (c == QLatin1Char('\n')) {
            endRow();
        } else if (c != QLatin1Char('\r')) {
            cell += c;
        }
    }
    endRow();
    return rows;
}

}  // namespace pny
