#pragma once

#include "publish/sitegames.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTimeZone>

#include <vector>

namespace pny {

// The league's calendar (RFC 5545): one event per game, "away team at home team" at the game's
// field, two hours long, in the local time zone `zone` named by TZID and described by a
// VTIMEZONE. Nothing in it depends on the moment of publishing: DTSTAMP is `asOf` at midnight
// UTC, so the same games give the same bytes.
QByteArray leagueCalendar(const QString& calendarName, const std::vector<SiteGame>& games,
                          const QTimeZone& zone, const QDate& asOf);

// The same calendar with only the games at the game lines `lines`, in that order (a line shown
// twice is one event, a line not among `games` none). Each event is the one the whole calendar
// has for its game, with the same UID, so that a calendar program that read both keeps one.
QByteArray leagueCalendar(const QString& calendarName, const std::vector<SiteGame>& games,
                          const std::vector<int>& lines, const QTimeZone& zone, const QDate& asOf);

// The event identifiers of `games`, in their order: a hash of the league, the game's date, time
// and teams, so that deleting or adding another game leaves them as they were. Games alike in all
// of these are told apart by their order among themselves.
std::vector<QByteArray> gameUids(const QString& league, const std::vector<SiteGame>& games);

}  // namespace pny
