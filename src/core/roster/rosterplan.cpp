#include "roster/rosterplan.h"

#include "store/codepage.h"
#include "store/listitems.h"
#include "store/records.h"
#include "store/store.h"

#include <algorithm>
#include <map>

namespace pny {

std::string rosterNumberKey(const std::string& number) {
    const bool digits = !number.empty() && std::all_of(number.begin(), number.end(),
                                                       [](char c) { return c >= '0' && c <= '9'; });
    if (!digits)
        return number;
    const std::size_t first = number.find_first_not_of('0');
    return first == std::string::npos ? std::string("0") : number.substr(first);
}

RosterPlan planRoster(const Store& store, const RosterFile& roster) {
    RosterPlan plan;
    plan.teamName = fromCodePage(store.team.name).trimmed();
    plan.team = QStringLiteral("%1 (%2)").arg(
        plan.teamName, fromCodePage(store.year.number + ' ' + store.league.name).trimmed());
    plan.skips = roster.problems;
    // Each number's holder: a player of the team (line 0) or an earlier row of the file.
    struct Holder {
        std::string number;  // as written there
        int line = 0;
    };
    std::map<std::string, Holder> numbers;
    for (int line = 1; line < store.players.size(); ++line) {
        const PlayerRecord player = PlayerRecord::parse(store.players.line(line));
        if (player.flag.empty() && !player.number.empty())
            numbers.emplace(rosterNumberKey(player.number), Holder{player.number, 0});
    }
    for (const RosterPlayer& entry : roster.players) {
        if (entry.number.empty()) {
            plan.adds.push_back(entry);
            continue;
        }
        const auto [at, added] =
            numbers.emplace(rosterNumberKey(entry.number), Holder{entry.number, entry.line});
        if (added) {
            plan.adds.push_back(entry);
            continue;
        }
        const Holder& holder = at->second;
        QString reason =
            holder.line == 0
                ? QStringLiteral("number %1 is already on the team").arg(fromCodePage(entry.number))
                : QStringLiteral("number %1 is taken by line %2 of the file")
                      .arg(fromCodePage(entry.number))
                      .arg(holder.line);
        if (holder.number != entry.number)
            reason += QStringLiteral(" (as %1)").arg(fromCodePage(holder.number));
        plan.skips.push_back({entry.line, reason});
    }
    std::stable_sort(
        plan.skips.begin(), plan.skips.end(),
        [](const RosterProblem& a, const RosterProblem& b) { return a.line < b.line; });
    return plan;
}

int applyRosterPlan(Store& store, const RosterPlan& plan) {
    for (const RosterPlayer& entry : plan.adds) {
        store.players.append(newRecordLine(entry.number, entry.name));
        store.changed.players = true;
    }
    return static_cast<int>(plan.adds.size());
}

QString rosterAddText(const RosterPlayer& player) {
    const QString name = fromCodePage(player.name);
    if (player.number.empty())
        return QStringLiteral("line %1: add %2 (no number)").arg(player.line).arg(name);
    return QStringLiteral("line %1: add %2 %3")
        .arg(player.line)
        .arg(fromCodePage(player.number), name);
}

QString rosterSkipText(const RosterProblem& problem) {
    return QStringLiteral("line %1: skipped, %2").arg(problem.line).arg(problem.reason);
}

}  // namespace pny
