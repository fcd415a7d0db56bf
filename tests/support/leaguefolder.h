#pragma once

#include "testsupport.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace testsupport {

// Writes the data files of one year (line 1) with one league (line 1) and one team (line
// `currentTeam`) into `folder`, so that a Store loaded there has that selection. `league` is the
// league line without its end, so a test can set masks, sort keys and innings.
inline void writeLeagueFolder(const QString& folder, const QByteArray& league,
                              const QList<QByteArray>& teams, const QList<QByteArray>& players = {},
                              const QByteArray& tab = "0") {
    writeFile(folder + "/Baseball.Years", "Y|" + tab + "||1|||\r\n|2024|Season|1|\r\n");
    writeFile(folder + "/Y1.Leagues", "L|\r\n" + league + "\r\n");
    QByteArray teamsFile = "T|\r\n";
    for (const QByteArray& line : teams)
        teamsFile += line + "\r\n";
    writeFile(folder + "/Y1L1.Teams", teamsFile);
    QByteArray playersFile = "P|\r\n";
    for (const QByteArray& line : players)
        playersFile += line + "\r\n";
    writeFile(folder + "/Y1L1T1.Players", playersFile);
}

// A player line with the given statistics (1-based field numbers of the record, 4 to 48) set.
inline QByteArray playerLine(const QByteArray& number, const QByteArray& name,
                             const QList<QPair<int, QByteArray>>& stats = {},
                             const QByteArray& flag = "") {
    QList<QByteArray> fields(48);
    fields[0] = flag;
    fields[1] = number;
    fields[2] = name;
    for (const auto& stat : stats)
        fields[stat.first - 1] = stat.second;
    QByteArray line;
    for (const QByteArray& field : fields)
        line += field + '|';
    return line;
}

}  // namespace testsupport
