#include "views/tableexport.h"

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

const char* const kStyle =
    "body{font-family:system-ui,-apple-system,'Segoe UI',Roboto,sans-serif;margin:1rem;"
    "color:#222;background:#fff}"
    "h1{font-size:1.25rem;margin:0 0 .75rem}"
    "h2{font-size:1.05rem;margin:1.25rem 0 .25rem}"
    "p.rule{margin:0 0 .5rem;color:#555}"
    ".scroll{overflow-x:auto;-webkit-overflow-scrolling:touch}"
    "table{border-collapse:collapse;font-size:.9rem;white-space:nowrap}"
    "th,td{border:1px solid #bbb;padding:.25rem .5rem;text-align:left}"
    "th{background:#ddd;position:sticky;top:0}"
    "td.n{text-align:right;font-variant-numeric:tabular-nums}"
    "tbody tr:nth-child(even){background:#f3f3f3}";

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
    const QString caption = fromCodePage(title).trimmed().toHtmlEscaped();
    QString out;
    out += QStringLiteral(
        "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    out += QStringLiteral("<title>") + caption + QStringLiteral("</title>\n<style>") +
           QLatin1String(kStyle) + QStringLiteral("</style>\n</head>\n<body>\n");
    out += QStringLiteral("<h1>") + caption + QStringLiteral("</h1>\n");
    out += body;
    out += QStringLiteral("</body>\n</html>\n");
    return out;
}

QString htmlTable(const ViewGrid& grid) {
    QString out = QStringLiteral("<div class=\"scroll\">\n<table>\n<thead>\n<tr>");
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
