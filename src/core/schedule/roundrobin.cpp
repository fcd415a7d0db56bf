#include "schedule/roundrobin.h"

#include "schedule/fieldtimes.h"
#include "schedule/pairings.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/formats.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace pny {
namespace {

std::string withoutBlanks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != ' ')
            out += c;
    }
    return out;
}

std::string slice(const std::string& text, std::size_t from, std::size_t count) {
    return from < text.size() ? text.substr(from, count) : std::string();
}

}  // namespace

SortedList buildTeamOrder(const Store& store) {
    SortedList order;
    for (int i = 1; i < store.teams.size(); ++i) {
        const TeamRecord team = TeamRecord::parse(store.teams.line(i));
        if (!team.flag.empty())
            continue;
        order.insert(padLeft(team.number, 5) + numberText(i));
    }
    return order;
}

std::string teamIndexOfEntry(const std::string& entry) {
    return slice(entry, 5, 5);
}

SortedList buildFieldList(const Store& store) {
    SortedList list;
    for (int i = 1; i < store.fields.size(); ++i) {
        const FieldRecord field = FieldRecord::parse(store.fields.line(i));
        if (!field.flag.empty())
            continue;
        list.insert(padLeft(field.number, 5) + padRight(numberText(i), 5) + field.name);
    }
    return list;
}

std::vector<FieldRow> fieldRows(const SortedList& fieldList, const SortedList& times) {
    std::vector<FieldRow> rows;
    for (const std::string& entry : fieldList.lines()) {
        FieldRow row;
        row.index = withoutBlanks(slice(entry, 5, 5));
        row.number = slice(entry, 0, 5);
        row.name = slice(entry, 10, 40);
        row.timeSlots = slotCount(times, row.index);
        rows.push_back(row);
    }
    return rows;
}

QString generateConfirmation(int fields, int teams) {
    return QStringLiteral(
               "To change the baseball fields available or the number of teams to schedule, "
               "respond \"No\" to this message, then select the \"Field\" or \"Home Tm\" buttons. "
               "You have %1 fields available and %2 teams to schedule. You don't have to use all "
               "the fields. Continue?")
        .arg(fields)
        .arg(teams);
}

QString generateCheck(int fields, int teams) {
    if (fields == 0)
        return QStringLiteral("No fields to schedule");
    if (teams < kMinScheduleTeams || teams > kMaxScheduleTeams)
        return QStringLiteral("Number of teams must be from 3 to 20");
    return {};
}

std::vector<GameRecord> plannedGames(const Store& store, const SortedList& teamOrder) {
    const std::vector<Pairing> table = pairingTable(teamOrder.size());
    std::vector<GameRecord> games;
    if (table.empty())
        return games;
    const int u = static_cast<int>(table.size());
    for (int i = 0; i < store.times.size(); ++i) {
        const std::string& slot = store.times.at(i);
        GameRecord game;
        game.date = slice(slot, 0, 8);
        game.time = slice(slot, 8, 4);
        game.field = slotFieldKey(slot);
        const Pairing& pair = table[static_cast<std::size_t>(i % u)];
        const bool reversed = (i / u) % 2 == 1;
        const int home = reversed ? pair.second : pair.first;
        const int away = reversed ? pair.first : pair.second;
        game.home = teamIndexOfEntry(teamOrder.at(home - 1));
        game.away = teamIndexOfEntry(teamOrder.at(away - 1));
        games.push_back(game);
    }
    return games;
}

int generateGames(Store& store, const SortedList& teamOrder) {
    const std::vector<GameRecord> games = plannedGames(store, teamOrder);
    for (const GameRecord& game : games) {
        store.game = game;
        store.addGame();
    }
    return static_cast<int>(games.size());
}

int countRepeatedGames(const Store& store, const SortedList& teamOrder) {
    using Key = std::tuple<std::string, std::string, int, int, int>;
    const auto keyOf = [](const GameRecord& g) {
        return Key{g.date, g.time, toNumber(g.field), toNumber(g.home), toNumber(g.away)};
    };
    std::set<Key> scheduled;
    for (int i = 1; i < store.games.size(); ++i) {
        const GameRecord game = GameRecord::parse(store.games.line(i));
        if (game.flag.empty() && !game.date.empty())
            scheduled.insert(keyOf(game));
    }
    const std::vector<GameRecord> planned = plannedGames(store, teamOrder);
    return static_cast<int>(std::count_if(planned.begin(), planned.end(), [&](const GameRecord& g) {
        return scheduled.count(keyOf(g)) > 0;
    }));
}

QString repeatedGamesMessage(int repeated, int planned) {
    return QStringLiteral(
               "%1 of the %2 games to be added %3 already in the schedule, with the same "
               "date, time, field and teams.")
        .arg(repeated)
        .arg(planned)
        .arg(repeated == 1 ? QStringLiteral("is") : QStringLiteral("are"));
}

std::vector<DoubleBooking> findDoubleBookings(const Store& store, int firstNewGame) {
    // (date, time, team) -> games, and whether one of them is new.
    struct Count {
        int games = 0;
        bool touchesNew = false;
    };
    std::map<std::tuple<std::string, std::string, int>, Count> counts;
    for (int i = 1; i < store.games.size(); ++i) {
        const GameRecord game = GameRecord::parse(store.games.line(i));
        if (!game.flag.empty() || game.date.empty())
            continue;
        const int home = toNumber(game.home);
        const int away = toNumber(game.away);
        // A team set against itself counts once for that game.
        std::vector<int> teams{home};
        if (away != home)
            teams.push_back(away);
        for (int team : teams) {
            if (team <= 0)
                continue;
            Count& c = counts[{game.date, game.time, team}];
            ++c.games;
            c.touchesNew = c.touchesNew || i >= firstNewGame;
        }
    }
    std::vector<DoubleBooking> bookings;
    for (const auto& [key, count] : counts) {
        if (count.games < 2 || !count.touchesNew)
            continue;
        bookings.push_back(
            {std::get<0>(key), std::get<1>(key), numberText(std::get<2>(key)), count.games});
    }
    return bookings;
}

std::string doubleBookingText(const Store& store, const DoubleBooking& booking) {
    const TeamRecord team = TeamRecord::parse(store.teams.line(toNumber(booking.team)));
    const int hour = toNumber(slice(booking.time, 0, 2));
    const int minute = toNumber(slice(booking.time, 2, 2));
    const std::string time = std::to_string(hour % 12 == 0 ? 12 : hour % 12) + ":" +
                             zeroPad(minute, 2) + (hour < 12 ? " am" : " pm");
    std::string name = team.number;
    if (!team.name.empty())
        name += (name.empty() ? "" : " ") + team.name;
    return slice(booking.date, 0, 4) + "/" + slice(booking.date, 4, 2) + "/" +
           slice(booking.date, 6, 2) + " " + time + ": team " + name + " has " +
           std::to_string(booking.games) + " games";
}

}  // namespace pny
