#pragma once

#include "views/leaders.h"
#include "views/leadersettings.h"
#include "views/playerstats.h"

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>

#include <initializer_list>
#include <utility>
#include <vector>

// Small builders of leader input and compact views of leader tables, for the leader tests.
namespace leaderfixtures {

using namespace pny;
using Stats = std::initializer_list<std::pair<PlayerStat, long long>>;

inline LeaderPlayer player(int line, const char* name, Stats stats) {
    LeaderPlayer p;
    p.line = line;
    p.name = name;
    for (const auto& [stat, value] : stats)
        p.values[stat] = value;
    return p;
}

inline LeaderTeam team(int line, const char* name, long long games,
                       std::vector<LeaderPlayer> players) {
    LeaderTeam t;
    t.line = line;
    t.name = name;
    t.games = games;
    t.players = std::move(players);
    return t;
}

inline const LeaderTable& tableOf(const std::vector<LeaderTable>& tables, const char* id) {
    for (const LeaderTable& table : tables) {
        if (QByteArray(table.category->id) == id)
            return table;
    }
    qFatal("no table %s", id);
}

// "rank name value" of every row, for compact comparisons.
inline QStringList rows(const LeaderTable& table) {
    QStringList out;
    for (const LeaderRow& row : table.rows) {
        out << QStringLiteral("%1%2 %3").arg(row.rank).arg(
            QString::fromStdString(row.playerName), QString::fromStdString(row.value).trimmed());
    }
    return out;
}

inline LeaderSettings withPlaces(int places) {
    LeaderSettings settings;
    settings.places = places;
    return settings;
}

}  // namespace leaderfixtures
