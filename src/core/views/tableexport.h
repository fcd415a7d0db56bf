#pragma once

#include "views/grid.h"

#include <QString>

namespace pny {

// A view as text to publish or to hand to another program. The key column is never written;
// cell texts are converted from the code page of the data files.

// Tab-separated: the header row, then every row, each cell exactly as shown (leading blanks
// kept), cells joined by one tab, every line ended by LF.
QString exportTsv(const ViewGrid& grid);

// Comma-separated (RFC 4180): cells trimmed, a cell holding a comma, a quote or a line break is
// quoted with its quotes doubled, every line ended by CR LF.
QString exportCsv(const ViewGrid& grid);

// A standalone HTML page readable on a phone, in the league website's frame and style: the
// caption as title and heading, then the table with its header row.
QString exportHtml(const ViewGrid& grid);

// The pieces of the exports, for pages and files of several tables.
// One CSV cell: trimmed, quoted with its quotes doubled when it holds a comma, a quote or a line
// break.
QString csvCell(const QString& text);
// Whether a cell reads as a number (digits with at most a sign and a point), to be aligned right.
bool isNumeric(const QString& text);
// The table of a grid as HTML: its header row and every row, without the caption.
QString htmlTable(const ViewGrid& grid);
// A standalone page in the website's frame with `title` (code page text) as its title and first
// heading, then `body`.
QString htmlPage(const std::string& title, const QString& body);

}  // namespace pny
