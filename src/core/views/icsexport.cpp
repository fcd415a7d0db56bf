#include "views/icsexport.h"

#include "publish/sitecalendar.h"
#include "publish/sitegames.h"
#include "store/linecodec.h"

namespace pny {
namespace {

constexpr int kLineOctets = 75;

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

QByteArray exportIcs(const Store& store, const ViewGrid& grid, const QTimeZone& zone,
                     const QDate& today) {
    std::vector<int> lines;
    for (const std::vector<std::string>& row : grid.rows) {
        if (!row.empty() && !row.front().empty())
            lines.push_back(toNumber(row.front()));
    }
    const std::vector<SiteGame> games = readSiteGames(store);
    return leagueCalendar(siteLeagueName(store), games, lines, zone, siteAsOf(games, today));
}

QByteArray exportIcs(const Store& store, const ViewGrid& grid) {
    return exportIcs(store, grid, QTimeZone::systemTimeZone(), QDate::currentDate());
}

}  // namespace pny
