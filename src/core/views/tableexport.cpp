#include "views/tableexport.h"

#include "publish/sitepage.h"
#include "store/codepage.h"

#include <vector>

namespace pny {
namespace {

// The shown cells of a row: every cell after the key column.
template <typename Visit>
void forEachShownCell(const std::vector<std::string>& row, Visit visit) {
    for (std::size_t c = 1; c < row.size(); ++c)
        visit(c - 1, fromCodePage(row[c]));
}

template <typename Cell>
QString joinRows(const ViewGrid& grid, const QString& separator, const QString& lineEnd,
                 Cell cell) {
    QString out;
    auto addRow = [&](const std::vector<std::string>& row) {
        forEachShownCell(row, [&](std::size_t i, const QString& text) {
            if (i > 0)
                out += separator;
            out += cell(text);
        });
        out += lineEnd;
    };
    addRow(grid.headers);
    for (const std::vector<std::string>& row : grid.rows)
        addRow(row);
    return out;
}

}  // namespace

bool isNumeric(const QString& text) {
    bool digit = false;
    for (const QChar c : text) {
        if (c.isDigit()) {
            digit = true;
        } else if (c != QLatin1Char('.') && c != QLatin1Char('-')) {
            return false;
        }
    }
    return digit;
}

QString csvCell(const QString& text) {
    const QString cell = text.trimmed();
    if (!cell.contains(QLatin1Char(',')) && !cell.contains(QLatin1Char('"')) &&
        !cell.contains(QLatin1Char('\n')) && !cell.contains(QLatin1Char('\r'))) {
        return cell;
    }
    QString quoted = cell;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString exportTsv(const ViewGrid& grid) {
    return joinRows(grid, QStringLiteral("\t"), QStringLiteral("\n"),
                    [](const QString& text) { return text; });
}

QString exportCsv(const ViewGrid& grid) {
    return joinRows(grid, QStringLiteral(","), QStringLiteral("\r\n"), csvCell);
}

QString htmlPage(const std::string& title, const QString& body) {
    return standalonePage(fromCodePage(title), body);
}

QString htmlTable(const ViewGrid& grid) {
    QString out =
        scrollBoxStart(fromCodePage(grid.caption)) + QStringLiteral("<table>\n<thead>\n<tr>");
    forEachShownCell(grid.headers, [&](std::size_t, const QString& text) {
        out += QStringLiteral("<th>") + text.trimmed().toHtmlEscaped() + QStringLiteral("</th>");
    });
    out += QStringLiteral("</tr>\n</thead>\n<tbody>\n");
    for (const std::vector<std::string>& row : grid.rows) {
        out += QStringLiteral("<tr>");
        forEachShownCell(row, [&](std::size_t, const QString& text) {
            const QString cell = text.trimmed();
            out += (isNumeric(cell) ? QStringLiteral("<td class=\"n\">") : QStringLiteral("<td>")) +
                   cell.toHtmlEscaped() + QStringLiteral("</td>");
        });
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</tbody>\n</table>\n</div>\n");
    return out;
}

QString exportHtml(const ViewGrid& grid) {
    return htmlPage(grid.caption, htmlTable(grid));
}

}  // namespace pny
