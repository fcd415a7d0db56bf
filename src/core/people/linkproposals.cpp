#include "people/linkproposals.h"

#include "people/peoplelinks.h"
#include "people/seasonleagues.h"
#include "store/codepage.h"
#include "views/leaders.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace pny {
namespace {

constexpr int kMostChanges = 2;

QString lastWord(const QString& name) {
    const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return words.isEmpty() ? QString() : words.last();
}

// Letters changed, added or left out to turn one text into the other, counted up to
// kMostChanges + 1.
int changesBetween(const QString& a, const QString& b) {
    if (std::abs(a.size() - b.size()) > kMostChanges)
        return kMostChanges + 1;
    std::vector<int> previous(static_cast<std::size_t>(b.size()) + 1);
    std::iota(previous.begin(), previous.end(), 0);
    std::vector<int> row(previous.size());
    for (qsizetype i = 1; i <= a.size(); ++i) {
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int change = previous[static_cast<std::size_t>(j - 1)] + (a[i - 1] != b[j - 1]);
            row[static_cast<std::size_t>(j)] =
                std::min({change, previous[static_cast<std::size_t>(j)] + 1,
                          row[static_cast<std::size_t>(j - 1)] + 1});
        }
        std::swap(previous, row);
    }
    return previous.back();
}

// Groups of records that match by `equal` after sorting by `less`, each group in file order.
template <typename Less>
std::vector<std::vector<std::size_t>> groupsOf(std::size_t count, Less less) {
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), less);
    std::vector<std::vector<std::size_t>> groups;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k == 0 || less(order[k - 1], order[k]))
            groups.emplace_back();
        groups.back().push_back(order[k]);
    }
    for (auto& group : groups)
        std::sort(group.begin(), group.end());
    return groups;
}

}  // namespace

bool readAllPlayers(const Store& store, std::vector<PlayerEntry>& players, QString& error) {
    players.clear();
    std::vector<SeasonLeague> leagues;
    if (!readSeasonLeagues(store, leagues, error))
        return false;
    std::vector<LeaderTeam> teams;
    for (const SeasonLeague& league : leagues) {
        if (!readLeagueTeams(store, league.baseName(), teams, error))
            return false;
        for (const LeaderTeam& team : teams) {
            for (const LeaderPlayer& player : team.players) {
                players.push_back({{league.year, league.league, team.line, player.line},
                                   league.season,
                                   league.name,
                                   team.name,
                                   player.number,
                                   player.name});
            }
        }
    }
    return true;
}

const char* proposalReasonText(ProposalReason reason) {
    return reason == ProposalReason::SameName ? "same name" : "same number and team";
}

bool namesAlike(const QString& a, const QString& b) {
    const QString x = a.simplified().toCaseFolded();
    const QString y = b.simplified().toCaseFolded();
    if (x.isEmpty() || y.isEmpty())
        return false;
    return lastWord(x) == lastWord(y) || changesBetween(x, y) <= kMostChanges;
}

std::vector<LinkProposal> proposeLinks(const std::vector<PlayerEntry>& players,
                                       const PeopleLinks& people) {
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::vector<QString> names;
    std::vector<QString> teams;
    for (const PlayerEntry& player : players) {
        names.push_back(fromCodePage(player.name).simplified());
        teams.push_back(fromCodePage(player.team).simplified());
    }
    std::vector<LinkProposal> proposals;
    // In a group, each record is proposed with the latest earlier record it may be.
    auto propose = [&](const std::vector<std::size_t>& group, ProposalReason reason,
                       const auto& matches) {
        for (std::size_t j = 1; j < group.size(); ++j) {
            const PlayerEntry& later = players[group[j]];
            for (std::size_t i = j; i-- > 0;) {
                const PlayerEntry& earlier = players[group[i]];
                if (earlier.key.playersBaseName() == later.key.playersBaseName())
                    continue;
                if (people.isLinked(earlier.key, later.key))
                    break;
                if (people.isRejected(earlier.key, later.key) || !matches(group[i], group[j]))
                    continue;
                proposals.push_back({group[i], group[j], reason});
                break;
            }
        }
    };

    const auto byName = [&](std::size_t a, std::size_t b) {
        return collator.compare(names[a], names[b]) < 0;
    };
    for (const auto& group : groupsOf(players.size(), byName)) {
        if (!names[group.front()].isEmpty())
            propose(group, ProposalReason::SameName, [](std::size_t, std::size_t) { return true; });
    }

    // Equal numbers on teams of equal names, in other seasons, with names that differ slightly.
    const auto byNumberAndTeam = [&](std::size_t a, std::size_t b) {
        const QString x = fromCodePage(players[a].number).trimmed();
        const QString y = fromCodePage(players[b].number).trimmed();
        if (x != y)
            return x < y;
        return collator.compare(teams[a], teams[b]) < 0;
    };
    for (const auto& group : groupsOf(players.size(), byNumberAndTeam)) {
        if (players[group.front()].number.find_first_not_of(' ') == std::string::npos)
            continue;
        propose(group, ProposalReason::SameNumberAndTeam, [&](std::size_t a, std::size_t b) {
            return players[a].key.year != players[b].key.year &&
                   collator.compare(names[a], names[b]) != 0 && namesAlike(names[a], names[b]);
        });
    }
    return proposals;
}

}  // namespace pny
