#pragma once

#include "views/grid.h"

#include <QString>

#include <vector>

namespace pny {

// The pieces of the website's pages. Every page is well-formed XML as well as HTML, so that any
// parser reads it alike; every text is escaped.

// A code page text as HTML: converted to UTF-16, trimmed and escaped.
QString siteText(const std::string& codePage);
QString siteText(const QString& text);

// A whole page: the title (escaped here), the site's menu with `current` (a file name) marked,
// the heading, a line "as of ...", then `body`.
QString sitePage(const QString& title, const QString& league, const QString& asOf,
                 const QString& current, const QString& body);

// A page of its own, saved anywhere and opened alone: the same frame (language, the main landmark
// holding the heading `title` (escaped here) and `body`) without the site's menu, with the
// stylesheet inside it.
QString standalonePage(const QString& title, const QString& body);

// A grid as a table in a box of its own that scrolls sideways on a narrow screen. The first name
// column is moved to the front and stays in view while the rest scrolls. `links` holds, per data
// row, the address the name links to (empty for none); it may be shorter than the rows. `label`
// names the box (the grid's caption when empty).
QString siteTable(const ViewGrid& grid, const std::vector<QString>& links = {},
                  const QString& label = QString());

// The opening tag of the box a wide table scrolls in: a region named `label` that the keyboard
// can reach, so that it can be scrolled without a mouse.
QString scrollBoxStart(const QString& label);

// The stylesheet every page links to.
QByteArray siteStylesheet();

}  // namespace pny
