#pragma once

#include "views/grid.h"

#include <QByteArray>
#include <QDate>
#include <QTimeZone>

namespace pny {

class Store;

// The games a schedule view shows, in its order, as an iCalendar file (RFC 5545) for a phone or
// a calendar program: the league website's calendar (its time zone `zone`, its events and their
// UIDs) with only the games the view shows. Rows without a key and games whose date cannot be
// read are left out. `today` dates the calendar as the website does.
QByteArray exportIcs(const Store& store, const ViewGrid& grid, const QTimeZone& zone,
                     const QDate& today);
// The same in the computer's time zone, today.
QByteArray exportIcs(const Store& store, const ViewGrid& grid);

// One content line folded as iCalendar wants it: at most 75 octets a line, each continuation
// starting with a blank, never splitting a UTF-8 character; every line ended by CR LF.
QByteArray foldIcsLine(const QByteArray& line);

// A text value with its backslashes, semicolons, commas and line breaks escaped.
QByteArray escapeIcsText(const QString& text);

}  // namespace pny
