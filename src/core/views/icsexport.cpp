#include "views/icsexport.h"

#include "schedule/gametime.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <set>

namespace pny {
namespace {

constexpr int kLineOctets = 75;
constexpr qint64 kGameSeconds = 2 * 60 * 60;

QByteArray floating(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyyMMdd'T'HHmmss")).toLatin1();
}

// A team as the summary names it: its name, else its number, else a question mark.
QString teamText(const TeamRecord& team) {
    const QString name = fromCodePage(team.name).trimmed();
    if (!name.isEmpty())
        return name;
    const QString number = fromCodePage(team.number).trimmed();
    return number.isEmpty() ? QStringLiteral("?") : QStringLiteral("Team ") + number;
}

}  // namespace

QByteArray escapeIcsText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(',')) {
            escaped += QLatin1Char('\\');
            escaped += c;
        } else if (c == QLatin1Char('\n')) {
            escaped += QStringLiteral("\\n");
        } else if (c != QLatin1Char('\r')) {
            escaped += c;
        }
    }
    return escaped.toUtf8();
}

QByteArray foldIcsLine(const QByteArray& line) {
    QByteArray folded;
    int start = 0;
    int limit = kLineOctets;  // the first line has 75 octets, each continuation 74 after its blank
    while (line.size() - start > limit) {
        int end = start + limit;
        // Back up to the first byte of a UTF-8 character.
        while (end > start && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
            --end;
        folded += line.mid(start, end - start);
        folded += "\r\n ";
        start = end;
        limit = kLineOctets - 1;
    }
    folded += line.mid(start);
    folded += "\r\n";
    return folded;
}

QByteArray exportIcs(const Store& store, const ViewGrid& grid, const QDateTime& stamp) {
    QByteArray out;
    const auto add = [&out](const QByteArray& line) { out += foldIcsLine(line); };
    add("BEGIN:VCALENDAR");
    add("VERSION:2.0");
    add("PRODID:-//Pennantry//Schedule//EN");
    add("CALSCALE:GREGORIAN");
    add("X-WR-CALNAME:" +
        escapeIcsText(fromCodePage(store.year.number + ' ' + store.league.name).trimmed()));

    const QByteArray dtstamp =
        stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    const QByteArray uidBase = QByteArray::fromStdString(store.loaded.games);
    std::set<int> written;  // a game shown twice is one event
    for (const std::vector<std::string>& row : grid.rows) {
        if (row.empty() || row.front().empty())
            continue;
        const int line = toNumber(row.front());
        if (!store.games.isValidRecord(line) || !written.insert(line).second)
            continue;
        const GameRecord game = GameRecord::parse(store.games.line(line));
        const std::optional<QDateTime> moment = readGameDateTime(game.date, game.time);
        if (!moment)
            continue;
        // Floating times: the arithmetic is done without any zone, so no clock change moves it.
        const QDateTime start(moment->date(), moment->time(), Qt::UTC);
        const QDateTime end = start.addSecs(kGameSeconds);
        const TeamRecord home = TeamRecord::parse(store.teams.line(toNumber(game.home)));
        const TeamRecord away = TeamRecord::parse(store.teams.line(toNumber(game.away)));
        const NamedRecord field = NamedRecord::parse(store.fields.line(toNumber(game.field)));

        add("BEGIN:VEVENT");
        add("UID:pennantry-" + uidBase + "-game-" + QByteArray::number(line) + "@pennantry");
        add("DTSTAMP:" + dtstamp);
        add("DTSTART:" + floating(start));
        add("DTEND:" + floating(end));
        add("SUMMARY:" + escapeIcsText(teamText(away) + QStringLiteral(" at ") + teamText(home)));
        const QString fieldName = fromCodePage(field.name).trimmed();
        if (!fieldName.isEmpty())
            add("LOCATION:" + escapeIcsText(fieldName));
        if (!game.homeScore.empty() || !game.awayScore.empty()) {
            add("DESCRIPTION:" +
                escapeIcsText(QStringLiteral("Final: %1 %2\n%3 %4")
                                  .arg(teamText(away), fromCodePage(game.awayScore), teamText(home),
                                       fromCodePage(game.homeScore))));
        }
        add("END:VEVENT");
    }
    add("END:VCALENDAR");
    return out;
}

QByteArray exportIcs(const Store& store, const ViewGrid& grid) {
    return exportIcs(store, grid, QDateTime::currentDateTimeUtc());
}

}  // namespace pny
