#pragma once

#include "store/records.h"
#include "testsupport.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace testsupport {

// The lines of a list file: the header, then each line, all ended by CR LF.
inline QByteArray listFile(const QByteArray& header, const QList<QByteArray>& lines) {
    QByteArray text = header + "\r\n";
    for (const QByteArray& line : lines)
        text += line + "\r\n";
    return text;
}

// Writes year 1 "2024" with league 1 "City League" (and an empty league 2 "Other") whose schedule
// holds the given games, fields and umpires; `adjust` may change the league record first (masks,
// sort keys, current game). Every schedule column is shown unless `adjust` says otherwise.
inline void writeScheduleFolder(const QString& folder, const QList<QByteArray>& games,
                                const QList<QByteArray>& fields = {},
                                const QList<QByteArray>& umpires = {},
                                const std::function<void(pny::LeagueRecord&)>& adjust = {},
                                const QByteArray& tab = "7") {
    pny::LeagueRecord league = pny::LeagueRecord::parse("");
    league.flag.clear();
    league.number = "1";
    league.name = "City League";
    league.currentTeam = "2";
    league.scheduleMask = std::string(20, '*');
    if (adjust)
        adjust(league);
    pny::LeagueRecord other = pny::LeagueRecord::parse("");
    other.flag.clear();
    other.number = "2";
    other.name = "Other";
    writeFile(folder + "/Baseball.Years", "Y|" + tab + "||1|||\r\n|2024|Summer|1|\r\n");
    writeFile(folder + "/Y1.Leagues", listFile("L|", {QByteArray::fromStdString(league.build()),
                                                      QByteArray::fromStdString(other.build())}));
    writeFile(folder + "/Y1L1.Teams",
              listFile("T|", {"|10|Eagles|||||", "|20|Tigers|||||", "|30|Owls|||||"}));
    writeFile(folder + "/Y1L1.Games", listFile("G|", games));
    writeFile(folder + "/Y1L1.Fields", listFile("F|", fields));
    writeFile(folder + "/Y1L1.Umpires", listFile("U|", umpires));
}

}  // namespace testsupport
