#include "gamelog/nightnames.h"

#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QDate>
#include <QLocale>

namespace pny {
namespace {

QString teamName(const Store& store, int team) {
    if (store.teams.isValidRecord(team)) {
        const QString name = fromCodePage(TeamRecord::parse(store.teams.line(team)).name).trimmed();
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("team %1").arg(team);
}

QString dayText(const std::string& date) {
    const QDate day = QDate::fromString(QString::fromStdString(date), QStringLiteral("yyyyMMdd"));
    return day.isValid() ? QLocale::c().toString(day, QStringLiteral("ddd yyyy-MM-dd"))
                         : QString::fromStdString(date);
}

QString timeText(const std::string& time) {
    if (time.size() != 4)
        return {};
    return QString::fromStdString(time.substr(0, 2) + ':' + time.substr(2, 2));
}

QString fieldOf(const Store& store, int game) {
    if (!store.games.isValidRecord(game))
        return {};
    const int field = toNumber(GameRecord::parse(store.games.line(game)).field);
    if (!store.fields.isValidRecord(field))
        return {};
    return fromCodePage(NamedRecord::parse(store.fields.line(field)).name).trimmed();
}

}  // namespace

QString teamAndScore(const Store& store, const BoxScoreTeam& side) {
    const QString name = teamName(store, side.team);
    return side.score ? QStringLiteral("%1 %2").arg(name).arg(*side.score) : name;
}

QString nightHeading(const Store& store, const Night& night) {
    QString when = dayText(night.date);
    const QString time = timeText(night.time);
    if (!time.isEmpty())
        when += QLatin1Char(' ') + time;
    QString heading =
        QStringLiteral("%1 at %2, %3")
            .arg(teamName(store, night.away.team), teamName(store, night.home.team), when);
    const QString field = fieldOf(store, night.game);
    if (!field.isEmpty())
        heading += QStringLiteral(", ") + field;
    return heading;
}

QString nightSummary(const Store& store, const Night& night) {
    QString summary;
    if (night.game > 0)
        summary = QStringLiteral("game %1, ").arg(night.game);
    return summary + QStringLiteral("%1, %2 at %3")
                         .arg(dayText(night.date), teamAndScore(store, night.away),
                              teamAndScore(store, night.home));
}

QString seasonAndLeague(const Store& store) {
    return QStringLiteral("%1 %2")
        .arg(fromCodePage(store.year.number).trimmed(), fromCodePage(store.league.name).trimmed())
        .simplified();
}

}  // namespace pny
