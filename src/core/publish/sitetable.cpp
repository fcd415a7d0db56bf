#include "publish/sitetable.h"

#include "views/tableexport.h"

#include <QStringList>

namespace pny {
namespace {

// Whether a cell is aligned as a number: a number, a run difference with its sign ("+11") or the
// dash that stands for one (the leader's games behind).
bool alignedAsNumber(const QString& text) {
    return isNumeric(text) || text == QLatin1String("-") ||
           (text.startsWith(QLatin1Char('+')) && isNumeric(text.mid(1)));
}

QString columnClass(const SiteTableLayout& layout, int column, const QString& text) {
    QStringList classes;
    if (column == layout.nameColumn)
        classes << QStringLiteral("name");
    if (column == layout.keyColumn)
        classes << QStringLiteral("key");
    if (column != layout.nameColumn && alignedAsNumber(text))
        classes << QStringLiteral("n");
    return classes.isEmpty() ? QString() : QStringLiteral(" class=\"") + classes.join(' ') + '"';
}

}  // namespace

QString siteLink(const QString& file, const QString& text) {
    if (file.isEmpty() || text.isEmpty())
        return text;
    return QStringLiteral("<a href=\"") + file.toHtmlEscaped() + QStringLiteral("\">") + text +
           QStringLiteral("</a>");
}

QString siteDataTable(const SiteTableLayout& layout) {
    // The box can be reached with the keyboard and scrolled with the arrow keys, and says which
    // table it holds.
    QString out =
        QStringLiteral("<div class=\"scroll\" tabindex=\"0\" role=\"region\" aria-label=\"") +
        layout.caption + QStringLiteral("\">\n<table>\n<caption>") + layout.caption +
        QStringLiteral("</caption>\n<thead>\n<tr>");
    for (int c = 0; c < static_cast<int>(layout.headers.size()); ++c) {
        QStringList classes;
        if (c == layout.nameColumn)
            classes << QStringLiteral("name");
        if (c == layout.keyColumn)
            classes << QStringLiteral("key");
        // A heading sits where its column's values sit: numbers to the right.
        if (c != layout.nameColumn && !layout.rows.empty() &&
            c < static_cast<int>(layout.rows.front().cells.size()) &&
            alignedAsNumber(layout.rows.front().cells[static_cast<std::size_t>(c)])) {
            classes << QStringLiteral("n");
        }
        out += QStringLiteral("<th scope=\"col\"") +
               (classes.isEmpty() ? QString()
                                  : QStringLiteral(" class=\"") + classes.join(' ') + '"') +
               QLatin1Char('>') + layout.headers[static_cast<std::size_t>(c)] +
               QStringLiteral("</th>");
    }
    out += QStringLiteral("</tr>\n</thead>\n<tbody>\n");
    for (const SiteTableRow& row : layout.rows) {
        out += row.total ? QStringLiteral("<tr class=\"total\">") : QStringLiteral("<tr>");
        for (int c = 0; c < static_cast<int>(row.cells.size()); ++c) {
            const QString& cell = row.cells[static_cast<std::size_t>(c)];
            if (c == layout.nameColumn) {
                out += QStringLiteral("<th scope=\"row\"") + columnClass(layout, c, cell) +
                       QLatin1Char('>') + cell + QStringLiteral("</th>");
            } else {
                out += QStringLiteral("<td") + columnClass(layout, c, cell) + QLatin1Char('>') +
                       cell + QStringLiteral("</td>");
            }
        }
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</tbody>\n</table>\n</div>\n");
    return out;
}

QByteArray siteTableStylesheet() {
    return "/* Tables: the name keeps to the left edge, the main value to the right one */\n"
           "caption{position:absolute;width:1px;height:1px;overflow:hidden;"
           "clip:rect(0 0 0 0);white-space:nowrap}\n"
           ".scroll{position:relative}\n"
           "thead th.n{text-align:right}\n"
           "th.key,td.key{position:sticky;right:0;background:#fff;font-weight:600;"
           "border-left:1px solid #c9d0d8;box-shadow:-4px 0 4px -2px rgba(0,0,0,.18)}\n"
           "thead th.key{background:#e4e9ef}\n"
           "tr.total th.key,tr.total td.key{background:#fff}\n"
           ".final{font-size:1.1rem;font-weight:600}\n"
           "@media (max-width:40rem){main{padding:.5rem .5rem 2rem}"
           "th,td{padding:.25rem .3rem}"
           "th.name{white-space:normal;min-width:6.5rem;max-width:9rem}}\n"
           "@media print{th.key,td.key{position:static}}\n";
}

}  // namespace pny
