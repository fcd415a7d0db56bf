#pragma once

#include "leaguefolder.h"

#include <QString>

namespace testsupport {

// Three seasons of the City League; the second plays 7-inning games. Ann Lee plays for the
// Eagles, then twice for the Tigers (once typed in small letters); Bo pitches for the Eagles
// every season; Chris Dee of the Tigers is "Chris Dees" in the third season.
inline void writeThreeSeasons(const QString& folder) {
    writeFile(folder + "/Baseball.Years",
              "Y|1||3||||\r\n|2022|One|1|\r\n|2023|Two|1|\r\n|2024|Three|1|\r\n");
    const QByteArray leagueLines[] = {"|1|City League|1||9|", "|1|City League|1||7|",
                                      "|1|CITY LEAGUE|2||9|"};
    for (int y = 1; y <= 3; ++y) {
        const QString year = folder + QStringLiteral("/Y%1").arg(y);
        writeFile(year + ".Leagues", "L|\r\n" + leagueLines[y - 1] + "\r\n|2|Other|||9|\r\n");
        writeFile(year + "L1.Teams",
                  y == 2 ? QByteArray("T|\r\n|1|Eagles|3|5||1|\r\n|2|Tigers|6|2||1|\r\n")
                         : QByteArray("T|\r\n|1|Eagles|6|2||1|\r\n|2|Tigers|3|5||1|\r\n"));
    }
    // 5 for 18, 9 for 30, 4 for 25: .277, .300 and .160, .246 over the career.
    writeFile(folder + "/Y1L1T1.Players",
              "P|\r\n" + playerLine("7", "Ann Lee", {{4, "8"}, {6, "20"}, {7, "5"}, {12, "2"}}) +
                  "\r\n" +
                  playerLine("20", "Bo", {{4, "3"}, {23, "3"}, {24, "9"}, {36, "3"}, {37, "1"}}) +
                  "\r\n");
    writeFile(folder + "/Y1L1T2.Players",
              "P|\r\n" + playerLine("12", "Chris Dee", {{4, "8"}, {6, "90"}, {7, "30"}}) + "\r\n");
    writeFile(folder + "/Y2L1T1.Players",
              "P|\r\n" +
                  playerLine("20", "Bo", {{4, "2"}, {23, "2"}, {24, "7"}, {36, "2"}, {38, "1"}}) +
                  "\r\n");
    writeFile(folder + "/Y2L1T2.Players",
              "P|\r\n" + playerLine("7", "ann lee", {{4, "8"}, {6, "30"}, {7, "8"}, {8, "1"}}) +
                  "\r\n" + playerLine("12", "Chris Dee", {{4, "8"}, {6, "10"}, {7, "1"}}) + "\r\n");
    writeFile(folder + "/Y3L1T1.Players",
              "P|\r\n" + playerLine("20", "Bo", {{4, "3"}, {23, "3"}, {24, "9"}}) + "\r\n" +
                  playerLine("12", "Zed", {{4, "1"}, {6, "2"}}) + "\r\n");
    writeFile(folder + "/Y3L1T2.Players",
              "P|\r\n" + playerLine("7", "Ann Lee", {{4, "8"}, {6, "25"}, {7, "4"}}) + "\r\n" +
                  playerLine("12", "Chris Dees", {{4, "8"}, {6, "5"}, {7, "2"}}) + "\r\n");
}

}  // namespace testsupport
