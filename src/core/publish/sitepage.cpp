#include "publish/sitepage.h"

#include "store/codepage.h"
#include "views/tableexport.h"

namespace pny {
namespace {

struct MenuItem {
    const char* file;
    const char* text;
};

const MenuItem kMenu[] = {
    {"index.html", "Standings"},
    {"leaders.html", "Leaders"},
    {"schedule.html", "Schedule"},
    {"schedule.ics", "Calendar"},
};

// The grid columns in the order the site shows them: the first name column, then the others.
std::vector<std::size_t> shownColumns(const ViewGrid& grid) {
    std::vector<std::size_t> columns;
    const std::size_t name = grid.wideColumns.empty() ? 0 : grid.wideColumns.front();
    if (name > 0)
        columns.push_back(name);
    for (std::size_t c = 1; c < grid.headers.size(); ++c) {
        if (c != name)
            columns.push_back(c);
    }
    return columns;
}

}  // namespace

QString siteText(const QString& text) {
    return text.trimmed().toHtmlEscaped();
}

QString siteText(const std::string& codePage) {
    return siteText(fromCodePage(codePage));
}

namespace {

// The frame of every page: `head` (escaped texts) in the head after the character set, `header`
// before the main landmark, then the heading `title` and `main` inside it.
QString framePage(const QString& head, const QString& header, const QString& title,
                  const QString& main) {
    QString out = QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n");
    out += head;
    out += QStringLiteral("</head>\n<body>\n");
    out += header;
    out += QStringLiteral("<main>\n<h1>") + siteText(title) + QStringLiteral("</h1>\n");
    out += main;
    out += QStringLiteral("</main>\n</body>\n</html>\n");
    return out;
}

}  // namespace

QString sitePage(const QString& title, const QString& league, const QString& asOf,
                 const QString& current, const QString& body) {
    const QString head =
        QStringLiteral("<title>") + siteText(title) + QStringLiteral(" - ") + siteText(league) +
        QStringLiteral("</title>\n<link rel=\"stylesheet\" href=\"style.css\"/>\n");
    QString header = QStringLiteral("<header>\n<p class=\"league\">") + siteText(league) +
                     QStringLiteral("</p>\n<nav>");
    for (const MenuItem& item : kMenu) {
        const QString file = QLatin1String(item.file);
        header += QStringLiteral("<a href=\"") + file + QLatin1Char('"');
        if (file == current)
            header += QStringLiteral(" class=\"here\"");
        header += QLatin1Char('>') + QLatin1String(item.text) + QStringLiteral("</a> ");
    }
    header += QStringLiteral("</nav>\n</header>\n");
    return framePage(head, header, title,
                     QStringLiteral("<p class=\"asof\">As of ") + siteText(asOf) +
                         QStringLiteral("</p>\n") + body);
}

QString standalonePage(const QString& title, const QString& body) {
    const QString head = QStringLiteral("<title>") + siteText(title) +
                         QStringLiteral("</title>\n<style>\n") +
                         QString::fromUtf8(siteStylesheet()) + QStringLiteral("</style>\n");
    return framePage(head, QString(), title, body);
}

QString scrollBoxStart(const QString& label) {
    const QString name = label.trimmed().isEmpty() ? QStringLiteral("Table") : label;
    return QStringLiteral("<div class=\"scroll\" role=\"region\" tabindex=\"0\" aria-label=\"") +
           siteText(name) + QStringLiteral("\">\n");
}

QString siteTable(const ViewGrid& grid, const std::vector<QString>& links, const QString& label) {
    const std::vector<std::size_t> columns = shownColumns(grid);
    QString out = scrollBoxStart(label.isEmpty() ? fromCodePage(grid.caption) : label) +
                  QStringLiteral("<table>\n<thead>\n<tr>");
    for (std::size_t i = 0; i < columns.size(); ++i) {
        out += (i == 0 ? QStringLiteral("<th class=\"name\">") : QStringLiteral("<th>")) +
               siteText(grid.headers[columns[i]]) + QStringLiteral("</th>");
    }
    out += QStringLiteral("</tr>\n</thead>\n<tbody>\n");
    for (std::size_t r = 0; r < grid.rows.size(); ++r) {
        const std::vector<std::string>& row = grid.rows[r];
        const bool totals = !row.empty() && row.front().empty() && grid.rows.size() > 1;
        out += totals ? QStringLiteral("<tr class=\"total\">") : QStringLiteral("<tr>");
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const QString cell = columns[i] < row.size() ? siteText(row[columns[i]]) : QString();
            if (i == 0) {
                const QString link = r < links.size() ? links[r] : QString();
                out += QStringLiteral("<th class=\"name\" scope=\"row\">");
                out += link.isEmpty() || cell.isEmpty()
                           ? cell
                           : QStringLiteral("<a href=\"") + link.toHtmlEscaped() +
                                 QStringLiteral("\">") + cell + QStringLiteral("</a>");
                out += QStringLiteral("</th>");
            } else {
                out += (isNumeric(cell) ? QStringLiteral("<td class=\"n\">")
                                        : QStringLiteral("<td>")) +
                       cell + QStringLiteral("</td>");
            }
        }
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</tbody>\n</table>\n</div>\n");
    return out;
}

QByteArray siteStylesheet() {
    return "/* Pennantry league website */\n"
           "*{box-sizing:border-box}\n"
           "body{margin:0;font-family:system-ui,-apple-system,'Segoe UI',Roboto,sans-serif;"
           "color:#1d232a;background:#f6f7f9;line-height:1.4}\n"
           "header{background:#1f3b5c;color:#fff;padding:.6rem 1rem}\n"
           "header .league{margin:0 0 .3rem;font-weight:600}\n"
           "nav a{color:#dbe7f5;margin-right:.9rem;text-decoration:none;display:inline-block}\n"
           "nav a.here{color:#fff;border-bottom:2px solid #f2b134}\n"
           "main{padding:.75rem 1rem 2rem;max-width:72rem}\n"
           "h1{font-size:1.4rem;margin:.2rem 0}\n"
           "h2{font-size:1.1rem;margin:1.4rem 0 .3rem}\n"
           "p{margin:.2rem 0 .6rem}\n"
           ".asof,.rule{color:#5a6470;font-size:.9rem}\n"
           "a{color:#1f5fa8}\n"
           ".scroll:focus{outline:2px solid #1f5fa8;outline-offset:1px}\n"
           ".scroll{overflow-x:auto;max-width:100%;margin-bottom:.5rem;"
           "border:1px solid #c9d0d8;background:#fff}\n"
           "table{border-collapse:collapse;font-size:.9rem;white-space:nowrap;min-width:100%}\n"
           "th,td{padding:.25rem .5rem;border-bottom:1px solid #e3e7ec;text-align:left}\n"
           "thead th{background:#e4e9ef}\n"
           "td.n{text-align:right;font-variant-numeric:tabular-nums}\n"
           "th.name{position:sticky;left:0;background:#fff;font-weight:600;"
           "border-right:1px solid #c9d0d8}\n"
           "thead th.name{background:#e4e9ef}\n"
           "tr.total th,tr.total td{font-weight:700;border-top:2px solid #9aa5b1}\n"
           "ul.games{list-style:none;padding:0;margin:0 0 .5rem}\n"
           "ul.games li{padding:.2rem 0;border-bottom:1px solid #e3e7ec}\n"
           ".when{color:#5a6470;margin-right:.4rem}\n"
           ".teams{display:flex;flex-wrap:wrap;gap:.3rem .9rem;margin:.3rem 0 .8rem}\n"
           "@media print{header nav{display:none}body{background:#fff}"
           "header{background:none;color:#000;padding:0}"
           ".scroll{overflow:visible;border:none}table{font-size:9pt}"
           "tr{page-break-inside:avoid}th.name{position:static}a{color:#000;text-decoration:none}}"
           "\n";
}

}  // namespace pny
