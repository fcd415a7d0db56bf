#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace pny {

// A table of the website as its page builders describe it: texts already escaped HTML.
struct SiteTableRow {
    std::vector<QString> cells;  // the cells in column order; the name cell is a header cell
    bool total = false;          // a totals row, set apart at the bottom
};

struct SiteTableLayout {
    QString caption;               // what the table is, read first by a screen reader
    std::vector<QString> headers;  // the column headings
    int nameColumn = 0;            // the column that names the row; it stays in view
    int keyColumn = -1;            // the main value, kept in view on a phone; -1 for none
    std::vector<SiteTableRow> rows;
};

// The table in a box of its own that scrolls sideways on a narrow screen. The name column keeps
// to the box's left edge and the key column to its right edge while the rest scrolls between
// them, so that on a phone the name and the main value are always in view. Numbers are aligned to
// the right.
QString siteDataTable(const SiteTableLayout& layout);

// The rules of these tables, added to the site's stylesheet.
QByteArray siteTableStylesheet();

// A link to `file` around already escaped `text`; the text alone when `file` is empty.
QString siteLink(const QString& file, const QString& text);

}  // namespace pny
