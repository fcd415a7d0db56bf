#include "publish/sitedata.h"

#include "gamelog/gamelog.h"
#include "publish/sitepage.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/formats.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <algorithm>

namespace pny {
namespace {

// The night a log line counts with: the one a change or removal corrects, else its own entry.
int countsWith(const LogLine& line) {
    if (line.kind == LogKind::Change || line.kind == LogKind::Removal)
        return line.corrects;
    return line.entry;
}

QString fieldOfGame(const Store& store, int game) {
    if (game <= 0 || game >= store.games.size())
        return {};
    const GameRecord record = GameRecord::parse(store.games.line(game));
    const int field = toNumber(record.field);
    if (!store.fields.isValidRecord(field))
        return {};
    return siteText(NamedRecord::parse(store.fields.line(field)).name);
}

}  // namespace

const LeaderTeam* SiteLeague::team(int line) const {
    const auto it = std::lower_bound(teams.begin(), teams.end(), line,
                                     [](const LeaderTeam& t, int l) { return t.line < l; });
    return it != teams.end() && it->line == line ? &*it : nullptr;
}

const LeaderPlayer* SiteLeague::player(int teamLine, int line) const {
    const LeaderTeam* t = team(teamLine);
    if (!t)
        return nullptr;
    const auto it = std::lower_bound(t->players.begin(), t->players.end(), line,
                                     [](const LeaderPlayer& p, int l) { return p.line < l; });
    return it != t->players.end() && it->line == line ? &*it : nullptr;
}

const SiteNight* SiteLeague::night(int entry) const {
    const auto it = std::lower_bound(nights.begin(), nights.end(), entry,
                                     [](const SiteNight& n, int e) { return n.entry < e; });
    return it != nights.end() && it->entry == entry ? &*it : nullptr;
}

QString SiteLeague::teamPlainName(int line) const {
    const LeaderTeam* t = team(line);
    const QString name = t ? fromCodePage(t->name).trimmed() : QString();
    return name.isEmpty() ? QStringLiteral("Team %1").arg(line) : name;
}

QString SiteLeague::teamName(int line) const {
    return teamPlainName(line).toHtmlEscaped();
}

StatValues SiteLeague::countsAfter(int teamLine, int line, int entry) const {
    const auto it = running.find({teamLine, line});
    if (it == running.end())
        return {};
    const auto& sums = it->second;
    const auto after =
        std::upper_bound(sums.begin(), sums.end(), entry,
                         [](int e, const std::pair<int, StatValues>& s) { return e < s.first; });
    return after == sums.begin() ? StatValues{} : std::prev(after)->second;
}

const std::vector<int>& SiteLeague::nightsOf(int teamLine, int line) const {
    static const std::vector<int> kNone;
    const auto it = playerNights.find({teamLine, line});
    return it == playerNights.end() ? kNone : it->second;
}

bool readSiteLeague(Store& store, SiteLeague& league, QString& error) {
    league = SiteLeague();
    league.inningsPerGame = inningsPerGame(store.league.innings);
    if (!readLeagueTeams(store, league.teams, error))
        return false;
    GameLog log;
    if (!log.read(store, error))
        return false;
    for (const int entry : log.nights()) {
        std::optional<Night> night = nightOf(log, entry);
        if (!night)
            continue;
        for (const BoxScoreTeam* side : {&night->home, &night->away}) {
            for (const BoxScoreLine& line : side->lines)
                league.playerNights[{side->team, line.player}].push_back(entry);
        }
        QString field = fieldOfGame(store, night->game);
        league.nights.push_back({entry, std::move(*night), std::move(field)});
    }
    std::map<std::pair<int, int>, std::vector<const LogLine*>> byPlayer;
    for (const LogLine& line : log.lines()) {
        // A removed night and its removal both count with the night, and cancel out.
        if (!line.isTeamLine())
            byPlayer[{line.team, line.player}].push_back(&line);
    }
    for (auto& [key, lines] : byPlayer) {
        std::stable_sort(lines.begin(), lines.end(), [](const LogLine* a, const LogLine* b) {
            return countsWith(*a) < countsWith(*b);
        });
        auto& sums = league.running[key];
        StatValues total{};
        for (const LogLine* line : lines) {
            for (std::size_t s = 0; s < total.size(); ++s)
                total[s] += line->values[s];
            if (!sums.empty() && sums.back().first == countsWith(*line))
                sums.back().second = total;
            else
                sums.emplace_back(countsWith(*line), total);
        }
    }
    return true;
}

QString teamFile(int team) {
    return QStringLiteral("team-%1.html").arg(team);
}

QString playerFile(int team, int player) {
    return QStringLiteral("player-%1-%2.html").arg(team).arg(player);
}

QString nightFile(int entry) {
    return QStringLiteral("night-%1.html").arg(entry);
}

QString siteDate(const std::string& date) {
    const QDate d = QDate::fromString(QString::fromStdString(date), QStringLiteral("yyyyMMdd"));
    return d.isValid() ? QLocale::c().toString(d, QStringLiteral("ddd MMM d, yyyy"))
                       : siteText(date);
}

QString siteTime(const std::string& time) {
    const QTime t = QTime::fromString(QString::fromStdString(time), QStringLiteral("hhmm"));
    return t.isValid() ? QLocale::c().toString(t, QStringLiteral("h:mm AP")) : QString();
}

}  // namespace pny
