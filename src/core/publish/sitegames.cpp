#include "publish/sitegames.h"

#include "schedule/gametime.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <algorithm>

namespace pny {

QString siteTeamName(const Store& store, int teamLine) {
    if (!store.teams.isValidRecord(teamLine))
        return QStringLiteral("?");
    const TeamRecord team = TeamRecord::parse(store.teams.line(teamLine));
    const QString name = fromCodePage(team.name).trimmed();
    if (!name.isEmpty())
        return name;
    const QString number = fromCodePage(team.number).trimmed();
    return number.isEmpty() ? QStringLiteral("?") : QStringLiteral("Team ") + number;
}

QString siteLeagueName(const Store& store) {
    return fromCodePage(store.year.number + ' ' + store.league.name).trimmed();
}

QDate siteAsOf(const std::vector<SiteGame>& games, const QDate& today) {
    QDate asOf = today;
    for (const SiteGame& game : games) {
        if (game.hasResult())
            asOf = game.start.date();
    }
    return asOf;
}

std::vector<SiteGame> readSiteGames(const Store& store) {
    std::vector<SiteGame> games;
    for (int line = 1; line < store.games.size(); ++line) {
        const GameRecord record = GameRecord::parse(store.games.line(line));
        if (!record.flag.empty())
            continue;
        const std::optional<QDateTime> start = readGameDateTime(record.date, record.time);
        if (!start)
            continue;
        SiteGame game;
        game.line = line;
        game.start = *start;
        game.home = toNumber(record.home);
        game.away = toNumber(record.away);
        game.homeName = siteTeamName(store, game.home);
        game.awayName = siteTeamName(store, game.away);
        const int field = toNumber(record.field);
        if (store.fields.isValidRecord(field))
            game.field = fromCodePage(NamedRecord::parse(store.fields.line(field)).name).trimmed();
        game.homeScore = fromCodePage(record.homeScore).trimmed();
        game.awayScore = fromCodePage(record.awayScore).trimmed();
        games.push_back(game);
    }
    std::stable_sort(games.begin(), games.end(),
                     [](const SiteGame& a, const SiteGame& b) { return a.start < b.start; });
    return games;
}

}  // namespace pny
