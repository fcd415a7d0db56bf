#include "pitching/eligiblepitchers.h"

#include "pitching/eligibility.h"
#include "pitching/pitchhistory.h"
#include "store/records.h"
#include "store/store.h"

namespace pny {
namespace {

std::string dateCell(const QDate& date) {
    return ' ' + isoDate(date).toStdString();
}

std::string eligibleText(Eligible eligible) {
    switch (eligible) {
        case Eligible::Yes:
            return " Yes";
        case Eligible::No:
            return " No";
        case Eligible::Unknown:
            return " Unknown";
    }
    return {};
}

}  // namespace

QDate nextGameDate(const Store& store, const QDate& today) {
    std::optional<QDate> next;
    for (int g = 1; g < store.games.size(); ++g) {
        const GameRecord game = GameRecord::parse(store.games.line(g));
        const QDate date =
            QDate::fromString(QString::fromLatin1(game.date.c_str()), QStringLiteral("yyyyMMdd"));
        if (date.isValid() && date >= today && (!next || date < *next))
            next = date;
    }
    return next.value_or(today);
}

ViewGrid eligiblePitchers(const Store& store, const GameLog& log,
                          const std::optional<PitchRules>& rules, const QDate& date, int team) {
    ViewGrid grid;
    grid.headers = {"", " Team", " Player", " Last Night", " Pitches"};
    if (rules) {
        for (const char* header : {" Rest", " Eligible From", " Eligible"})
            grid.headers.push_back(header);
    }
    grid.wideColumns = {1, 2};
    grid.caption = (rules ? "Eligible Pitchers - " : "Pitchers - ") + isoDate(date).toStdString() +
                   (rules ? "" : " (the league has no pitch rules)");

    const QDate since = date.addDays(-kPitchersLookBackDays);
    const PitchRules none;
    std::map<int, std::vector<std::string>> players;
    for (const auto& [key, days] : pitchingDays(pitchedNights(log))) {
        const auto [pitcherTeam, player] = key;
        if (team != 0 && pitcherTeam != team)
            continue;
        const PitcherStatus status = pitcherStatus(rules ? *rules : none, days, date);
        if (!status.last)
            continue;
        const bool recent = status.last->date >= since;
        if (!recent && status.eligible == Eligible::Yes)
            continue;

        std::vector<std::string> row;
        row.push_back(std::to_string(pitcherTeam) + '.' + std::to_string(player));
        row.push_back(store.teams.isValidRecord(pitcherTeam)
                          ? ' ' + TeamRecord::parse(store.teams.line(pitcherTeam)).name
                          : std::string());
        if (players.count(pitcherTeam) == 0) {
            QString error;
            if (!store.teamPlayerLines(pitcherTeam, players[pitcherTeam], error))
                players[pitcherTeam].clear();
        }
        const std::vector<std::string>& lines = players[pitcherTeam];
        row.push_back(player < static_cast<int>(lines.size())
                          ? ' ' + PlayerRecord::parse(lines[static_cast<std::size_t>(player)]).name
                          : std::string());
        row.push_back(dateCell(status.last->date));
        row.push_back(status.last->pitches ? ' ' + std::to_string(*status.last->pitches)
                                           : std::string(" unknown"));
        if (rules) {
            row.push_back(status.restDays ? ' ' + std::to_string(*status.restDays)
                                          : std::string(" unknown"));
            row.push_back(status.eligibleFrom ? dateCell(*status.eligibleFrom)
                                              : std::string(" unknown"));
            row.push_back(eligibleText(status.eligible));
        }
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

}  // namespace pny
