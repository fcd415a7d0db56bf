#include "publish/sitecalendar.h"

#include "views/icsexport.h"

#include <QCryptographicHash>

#include <map>
#include <set>

namespace pny {
namespace {

constexpr qint64 kGameSeconds = 2 * 60 * 60;

QByteArray localText(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyyMMdd'T'HHmmss")).toLatin1();
}

// "+0130" for an offset of 5400 seconds.
QByteArray offsetText(int seconds) {
    const char sign = seconds < 0 ? '-' : '+';
    const int magnitude = seconds < 0 ? -seconds : seconds;
    const int hours = magnitude / 3600;
    const int minutes = (magnitude % 3600) / 60;
    return QByteArray(1, sign) + QByteArray::number(hours).rightJustified(2, '0') +
           QByteArray::number(minutes).rightJustified(2, '0');
}

// The VTIMEZONE of `zone` for the years from `first` to `last`: each change of offset in those
// years as a STANDARD or DAYLIGHT part, or one STANDARD part for a zone that never changes.
void addTimeZone(QByteArray& out, const QTimeZone& zone, int first, int last) {
    const auto add = [&out](const QByteArray& line) { out += foldIcsLine(line); };
    add("BEGIN:VTIMEZONE");
    add("TZID:" + escapeIcsText(QString::fromLatin1(zone.id())));
    const QDateTime from(QDate(first, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(last + 1, 1, 1), QTime(0, 0), Qt::UTC);
    QTimeZone::OffsetDataList transitions;
    if (zone.hasTransitions()) {
        // The change in force at the start of the first year describes its first games.
        const QTimeZone::OffsetData earlier = zone.previousTransition(from);
        if (earlier.atUtc.isValid())
            transitions << earlier;
        transitions << zone.transitions(from, to);
    }
    if (transitions.isEmpty()) {
        const int offset = zone.offsetFromUtc(from);
        add("BEGIN:STANDARD");
        add("DTSTART:" + localText(QDateTime(QDate(first, 1, 1), QTime(0, 0), Qt::UTC)));
        add("TZOFFSETFROM:" + offsetText(offset));
        add("TZOFFSETTO:" + offsetText(offset));
        add("END:STANDARD");
    }
    for (const QTimeZone::OffsetData& change : transitions) {
        const int before = zone.offsetFromUtc(change.atUtc.addSecs(-1));
        const QByteArray kind = change.daylightTimeOffset != 0 ? "DAYLIGHT" : "STANDARD";
        add("BEGIN:" + kind);
        // The onset in the local time that was in force until then.
        add("DTSTART:" + localText(change.atUtc.toUTC().addSecs(before)));
        add("TZOFFSETFROM:" + offsetText(before));
        add("TZOFFSETTO:" + offsetText(change.offsetFromUtc));
        if (!change.abbreviation.isEmpty())
            add("TZNAME:" + escapeIcsText(change.abbreviation));
        add("END:" + kind);
    }
    add("END:VTIMEZONE");
}

}  // namespace

std::vector<QByteArray> gameUids(const QString& league, const std::vector<SiteGame>& games) {
    std::vector<QByteArray> uids;
    std::map<QByteArray, int> seen;
    for (const SiteGame& game : games) {
        const QByteArray key = league.toUtf8() + '\n' +
                               game.start.toString(QStringLiteral("yyyyMMddHHmm")).toLatin1() +
                               '\n' + QByteArray::number(game.home) + '\n' +
                               QByteArray::number(game.away);
        const int occurrence = seen[key]++;
        const QByteArray hash =
            QCryptographicHash::hash(key + '\n' + QByteArray::number(occurrence),
                                     QCryptographicHash::Sha1)
                .toHex()
                .left(24);
        uids.push_back("game-" + hash + "@pennantry");
    }
    return uids;
}

namespace {

// The calendar with the events of `games` at the indexes `chosen`, in that order.
QByteArray writeCalendar(const QString& calendarName, const std::vector<SiteGame>& games,
                         const std::vector<std::size_t>& chosen, const QTimeZone& given,
                         const QDate& asOf) {
    // A zone the system cannot name (TZ set to no known zone) keeps the clock at UTC, as the C
    // library does; an empty TZID would make the whole calendar unreadable.
    const QTimeZone zone =
        given.isValid() && !given.id().isEmpty() ? given : QTimeZone(QByteArrayLiteral("UTC"));
    QByteArray out;
    const auto add = [&out](const QByteArray& line) { out += foldIcsLine(line); };
    add("BEGIN:VCALENDAR");
    add("VERSION:2.0");
    add("PRODID:-//Pennantry//League Website//EN");
    add("CALSCALE:GREGORIAN");
    add("X-WR-CALNAME:" + escapeIcsText(calendarName));
    const QByteArray tzid = escapeIcsText(QString::fromLatin1(zone.id()));
    add("X-WR-TIMEZONE:" + tzid);
    // The zone's changes over the years of every game, so that this part is the same whichever
    // of the games the calendar holds.
    const int first = games.empty() ? asOf.year() : games.front().start.date().year();
    const int last = games.empty() ? asOf.year() : games.back().start.date().year();
    addTimeZone(out, zone, first, last);

    const QByteArray stamp = asOf.toString(QStringLiteral("yyyyMMdd")).toLatin1() + "T000000Z";
    const std::vector<QByteArray> uids = gameUids(calendarName, games);
    for (const std::size_t i : chosen) {
        const SiteGame& game = games[i];
        // The arithmetic on the wall clock: no change of offset moves the end.
        const QDateTime start(game.start.date(), game.start.time(), Qt::UTC);
        add("BEGIN:VEVENT");
        add("UID:" + uids[i]);
        add("DTSTAMP:" + stamp);
        add("DTSTART;TZID=" + tzid + ':' + localText(start));
        add("DTEND;TZID=" + tzid + ':' + localText(start.addSecs(kGameSeconds)));
        add("SUMMARY:" + escapeIcsText(game.awayName + QStringLiteral(" at ") + game.homeName));
        if (!game.field.isEmpty())
            add("LOCATION:" + escapeIcsText(game.field));
        if (game.hasResult()) {
            add("DESCRIPTION:" + escapeIcsText(QStringLiteral("Final: %1 %2\n%3 %4")
                                                   .arg(game.awayName, game.awayScore,
                                                        game.homeName, game.homeScore)));
        }
        add("END:VEVENT");
    }
    add("END:VCALENDAR");
    return out;
}

}  // namespace

QByteArray leagueCalendar(const QString& calendarName, const std::vector<SiteGame>& games,
                          const QTimeZone& zone, const QDate& asOf) {
    std::vector<std::size_t> all(games.size());
    for (std::size_t i = 0; i < games.size(); ++i)
        all[i] = i;
    return writeCalendar(calendarName, games, all, zone, asOf);
}

QByteArray leagueCalendar(const QString& calendarName, const std::vector<SiteGame>& games,
                          const std::vector<int>& lines, const QTimeZone& zone, const QDate& asOf) {
    std::map<int, std::size_t> atLine;
    for (std::size_t i = 0; i < games.size(); ++i)
        atLine.emplace(games[i].line, i);
    std::vector<std::size_t> chosen;
    std::set<int> written;
    for (const int line : lines) {
        const auto at = atLine.find(line);
        if (at != atLine.end() && written.insert(line).second)
            chosen.push_back(at->second);
    }
    return writeCalendar(calendarName, games, chosen, zone, asOf);
}

}  // namespace pny
