#include "publish/sitestandings.h"

#include "publish/sitetable.h"
#include "store/linecodec.h"
#include "store/sortedlist.h"
#include "views/formats.h"
#include "views/teamview.h"

#include <optional>

namespace pny {
namespace {

constexpr int kLastGames = 10;

std::optional<long long> runs(const QString& score) {
    bool ok = false;
    const long long value = score.toLongLong(&ok);
    return ok && value >= 0 ? std::optional<long long>(value) : std::nullopt;
}

QString record(long long won, long long lost, long long tied) {
    QString text = QStringLiteral("%1-%2").arg(won).arg(lost);
    return tied > 0 ? text + QStringLiteral("-%1").arg(tied) : text;
}

QString signedNumber(long long n) {
    return n > 0 ? QStringLiteral("+%1").arg(n) : QString::number(n);
}

}  // namespace

TeamForm teamForm(int team, const std::vector<SiteGame>& games) {
    TeamForm form;
    std::vector<char> results;  // 'W', 'L' or 'T' in the order of the games
    long long home[3] = {0, 0, 0};
    long long away[3] = {0, 0, 0};
    for (const SiteGame& game : games) {
        if (game.home != team && game.away != team)
            continue;
        const std::optional<long long> homeRuns = runs(game.homeScore);
        const std::optional<long long> awayRuns = runs(game.awayScore);
        if (!homeRuns || !awayRuns)
            continue;
        const bool atHome = game.home == team;
        const long long own = atHome ? *homeRuns : *awayRuns;
        const long long other = atHome ? *awayRuns : *homeRuns;
        form.runsScored += own;
        form.runsAllowed += other;
        const int outcome = own > other ? 0 : own < other ? 1 : 2;
        (atHome ? home : away)[outcome] += 1;
        results.push_back("WLT"[outcome]);
    }
    if (!results.empty()) {
        int length = 0;
        for (auto it = results.rbegin(); it != results.rend() && *it == results.back(); ++it)
            ++length;
        form.streak = QLatin1Char(results.back()) + QString::number(length);
        long long last[3] = {0, 0, 0};
        const std::size_t from = results.size() > kLastGames ? results.size() - kLastGames : 0;
        for (std::size_t i = from; i < results.size(); ++i)
            last[results[i] == 'W' ? 0 : results[i] == 'L' ? 1 : 2] += 1;
        form.lastTen = record(last[0], last[1], last[2]);
    }
    form.home = record(home[0], home[1], home[2]);
    form.away = record(away[0], away[1], away[2]);
    return form;
}

QString standingsTable(const SiteLeague& league, const std::vector<SiteGame>& games,
                       std::vector<int>* order) {
    // The order of the Teams tab: its own sort keys in its own sorted list, best last.
    SortedList sorted;
    for (const LeaderTeam& team : league.teams) {
        sorted.insert(
            standingsKey(static_cast<int>(team.won), static_cast<int>(team.lost), team.line));
    }
    SiteTableLayout layout;
    layout.caption = QStringLiteral("Standings");
    for (const char* header :
         {"Team", "W", "L", "T", "PCT", "GB", "RS", "RA", "DIFF", "STRK", "L10", "HOME", "AWAY"}) {
        layout.headers.push_back(QString::fromLatin1(header));
    }
    long long leaderWon = 0;
    long long leaderLost = 0;
    for (int r = sorted.size() - 1; r >= 0; --r) {
        const std::string& key = sorted.at(r);
        const LeaderTeam* team = league.team(toNumber(key.substr(10)));
        if (!team)
            continue;
        if (r == sorted.size() - 1) {
            leaderWon = team->won;
            leaderLost = team->lost;
        }
        if (order)
            order->push_back(team->line);
        const TeamForm form = teamForm(team->line, games);
        QString behind = QString::fromStdString(
                             gamesBehind(static_cast<int>(leaderWon), static_cast<int>(leaderLost),
                                         static_cast<int>(team->won), static_cast<int>(team->lost)))
                             .trimmed();
        SiteTableRow row;
        row.cells = {siteLink(teamFile(team->line), league.teamName(team->line)),
                     QString::number(team->won),
                     QString::number(team->lost),
                     QString::number(team->tied),
                     QString::fromStdString(key.substr(0, 5)).trimmed(),
                     behind.isEmpty() ? QStringLiteral("-") : behind,
                     QString::number(form.runsScored),
                     QString::number(form.runsAllowed),
                     signedNumber(form.runsScored - form.runsAllowed),
                     form.streak.isEmpty() ? QStringLiteral("-") : form.streak,
                     form.lastTen.isEmpty() ? QStringLiteral("-") : form.lastTen,
                     form.home,
                     form.away};
        layout.rows.push_back(std::move(row));
    }
    if (layout.rows.empty())
        return QStringLiteral("<p>No teams yet.</p>\n");
    return siteDataTable(layout);
}

}  // namespace pny
