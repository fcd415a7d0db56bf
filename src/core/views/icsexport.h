#pragma once

#include "views/grid.h"

#include <QByteArray>
#include <QDateTime>

namespace pny {

class Store;

// The games a schedule view shows, in its order, as an iCalendar file (RFC 5545) for a phone or
// a calendar program: one event per game, "away team at home team" at the game's field, starting
// at the game's date and time in floating local time and lasting two hours. Each event's UID is
// made of the league's schedule file name and the game's line, so exporting again updates the same
// events instead of adding new ones. Rows without a key and games whose date cannot be read are
// left out. Lines end in CR LF and are folded at 75 octets; texts are UTF-8 and escaped.
// `stamp` is the moment of the export (DTSTAMP, written in UTC).
QByteArray exportIcs(const Store& store, const ViewGrid& grid, const QDateTime& stamp);
QByteArray exportIcs(const Store& store, const ViewGrid& grid);

// One content line folded as iCalendar wants it: at most 75 octets a line, each continuation
// starting with a blank, never splitting a UTF-8 character; every line ended by CR LF.
QByteArray foldIcsLine(const QByteArray& line);

// A text value with its backslashes, semicolons, commas and line breaks escaped.
QByteArray escapeIcsText(const QString& text);

}  // namespace pny
