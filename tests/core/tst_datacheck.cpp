#include "store/datacheck.h"

#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using testsupport::writeFile;

namespace {

// A game log of one player line: its first fields, then the remaining statistics empty.
QByteArray gameLog(const QByteArray& start, const QByteArray& more = {}) {
    return "Log|\r\n" + start + QByteArray(43 - (start.count('|') - 9), '|') + "\r\n" + more;
}

// A sound folder: one year, one league with two teams, a player, two games, a field, an umpire,
// two time slots and notes on the league and the first game.
void writeSoundFolder(const QString& dir) {
    writeFile(dir + "/Baseball.Years", "Y|0||1|480|640||\r\n|1996|Season|1|\r\n");
    writeFile(dir + "/Y1.Leagues", "L|\r\n|1|Majors|2|1|7||||||||||||||\r\n");
    writeFile(dir + "/Y1L1.Teams", "T|\r\n|12|Tigers|5|3||1|\r\n|7|Eagles|3|5|||\r\n");
    writeFile(dir + "/Y1L1T1.Players", "P|\r\n|23|Smith|10|9|40|3|\r\n");
    writeFile(dir + "/Y1L1.Games", "G|\r\n|19960615|1830|1|1|2|1||||5|4|\r\n||||||||||||\r\n");
    writeFile(dir + "/Y1L1.Fields", "F|\r\n|1|North Park|\r\n");
    writeFile(dir + "/Y1L1.Umpires", "U|\r\n|1|Jones|\r\n");
    writeFile(dir + "/Y1L1.Times", "1996061518301\r\n1996061520001\r\n");
    writeFile(dir + "/Y1L1.Notes", "league notes\r\n");
    writeFile(dir + "/Y1L1G1.Notes", "game notes\r\n");
    writeFile(dir + "/Y1L1.Leaders", "Leaders|\r\n2.5|0.8|0.5|5|\r\n");
    writeFile(dir + "/Y1L1.Log", gameLog("1|B|||||1||1|10|9|40|3|"));
}

QStringList texts(const std::vector<pny::CheckFinding>& findings) {
    QStringList out;
    for (const pny::CheckFinding& f : findings)
        out << QString::fromLatin1(f.text().c_str());
    return out;
}

}  // namespace

class TestDataCheck : public QObject {
    Q_OBJECT
private slots:
    void emptyAndSoundFoldersAreSound();
    void findings_data();
    void findings();
    void folderInPlaceOfAFile();
    void nulEndsTheText();
};

void TestDataCheck::emptyAndSoundFoldersAreSound() {
    QTemporaryDir empty;
    QVERIFY(pny::checkDataFolder(empty.path()).empty());
    QTemporaryDir dir;
    writeSoundFolder(dir.path());
    QCOMPARE(texts(pny::checkDataFolder(dir.path())), QStringList());
}

void TestDataCheck::findings_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("expected");  // the complete findings, in order

    QTest::newRow("current year past the end")
        << "Baseball.Years" << QByteArray("Y|0||5|||\r\n|1996|Season|1|\r\n")
        << QStringList{
               "Baseball.Years:1: header: current year 5 is past the end of "
               "Baseball.Years (1 record)"};
    QTest::newRow("negative current league")
        << "Baseball.Years" << QByteArray("Y|0||1|||\r\n|1996|Season|-2|\r\n")
        << QStringList{"Baseball.Years:2: year 1: current league -2 is negative"};
    QTest::newRow("team and game past the end")
        << "Y1.Leagues" << QByteArray("L|\r\n|1|Majors|3|9|7|\r\n")
        << QStringList{
               "Y1.Leagues:2: league 1: current team 3 is past the end of Y1L1.Teams "
               "(2 records)",
               "Y1.Leagues:2: league 1: current game 9 is past the end of Y1L1.Games "
               "(2 records)"};
    QTest::newRow("game references")
        << "Y1L1.Games" << QByteArray("G|\r\n|19960615|1830|2|1|3|1||||5|4|\r\n||||||||||||\r\n")
        << QStringList{"Y1L1.Games:2: game 1: field 2 is past the end of Y1L1.Fields (1 record)",
                       "Y1L1.Games:2: game 1: away team 3 is past the end of Y1L1.Teams "
                       "(2 records)"};
    QTest::newRow("umpire and scores")
        << "Y1L1.Games" << QByteArray("G|\r\n|19960615|1830|1|1|2|||x1|4|5a||\r\n")
        << QStringList{"Y1L1.Games:2: game 1: umpire 3 \"x1\" is not a number",
                       "Y1L1.Games:2: game 1: umpire 4 4 is past the end of Y1L1.Umpires "
                       "(1 record)",
                       "Y1L1.Games:2: game 1: home score \"5a\" is not a number"};
    QTest::newRow("bad date and time")
        << "Y1L1.Games" << QByteArray("G|\r\n|19961315|1830|||||||||\r\n|19960615|25|||||||||\r\n")
        << QStringList{"Y1L1.Games:2: game 1: '1996/13/15 18:30' is not a valid date and time",
                       "Y1L1.Games:3: game 2: '1996/06/15 25:' is not a valid date and time"};
    QTest::newRow("wide fields and counts")
        << "Y1L1T1.Players" << QByteArray("P|\r\n|123456|Smith|12345|x|\r\n")
        << QStringList{
               "Y1L1T1.Players:2: player 1: number \"123456\" is 6 characters long, "
               "wider than its 5",
               "Y1L1T1.Players:2: player 1: G \"12345\" is 5 characters long, wider than "
               "its 4",
               "Y1L1T1.Players:2: player 1: Inn \"x\" is not a number",
               "Y1L1.Log: player 1 of team 1 (Smith): totals differ from the game log: PA 0, the "
               "log 40; 1B 0, the log 3; G 1234, the log 10; ..."};
    QTest::newRow("cut line and extra fields")
        << "Y1L1.Teams"
        << QByteArray("T|\r\n|12|Tigers|5|3||1|\r\n|7|Eagles|3|5|||8|9|\r\n|8|Bears|1")
        << QStringList{
               "Y1L1.Teams:3: team 2: 9 fields where the record has 7: the extra ones "
               "are never read",
               "Y1L1.Teams:4: team 3: the line does not end with a separator: \"1\" is "
               "never read (a cut line?)"};
    QTest::newRow("long line")
        << "Y1L1.Fields" << QByteArray("F|\r\n|1|") + QByteArray(300, 'n') + "|\r\n"
        << QStringList{"Y1L1.Fields:2: field 1: the line is 304 characters long, more than 255",
                       "Y1L1.Fields:2: field 1: name \"nnnnnnnnnnnnnnnnnnnn...\" is 300 "
                       "characters long, wider than its 40"};
    QTest::newRow("current player past the end")
        << "Y1L1.Teams" << QByteArray("T|\r\n|12|Tigers|5|3||2|\r\n|7|Eagles|3|5|||\r\n")
        << QStringList{
               "Y1L1.Teams:2: team 1: current player 2 is past the end of "
               "Y1L1T1.Players (1 record)"};
    QTest::newRow("duplicate and unreadable slots")
        << "Y1L1.Times"
        << QByteArray("1996061518301\r\n1996061518301\r\n1996063118301\r\n1996061518302\r\n")
        << QStringList{"Y1L1.Times:2: slot \"1996061518301\" is a duplicate of an earlier line",
                       "Y1L1.Times:3: slot \"1996063118301\": '1996/06/31 18:30' is not a valid "
                       "date and time",
                       "Y1L1.Times:4: slot \"1996061518302\": field 2 is past the end of "
                       "Y1L1.Fields (1 record)"};
    QTest::newRow("orphan notes") << "Y1L1T9.Notes" << QByteArray("whose?\r\n")
                                  << QStringList{"Y1L1T9.Notes: notes that belong to no record"};
    QTest::newRow("orphan leader settings")
        << "Y1L2.Leaders" << QByteArray("Leaders|\r\n3.1|1.0|0.67|10|\r\n")
        << QStringList{"Y1L2.Leaders: leader settings that belong to no league"};
    QTest::newRow("totals that differ from the game log")
        << "Y1L1.Log" << gameLog("1|B|||||1||1|10|9|38|3|", "2|E|||||1|||1|||||\r\n")
        << QStringList{
               "Y1L1.Log: player 1 of team 1 (Smith): totals differ from the game log: "
               "PA 40, the log 38"};
    QTest::newRow("game log lines that point at nobody")
        << "Y1L1.Log"
        << gameLog("1|B|||||1||1|10|9|40|3|", "2|E|||||9|||1|||||\r\n3|E|||||1||5|" +
                                                  QByteArray(43, '|') +
                                                  "\r\n4|Q|||||1|||1|||||\r\n")
        << QStringList{"Y1L1.Log:3: points at team 9, which the league does not have",
                       "Y1L1.Log:4: points at player 5 of team 1, which the team does not have",
                       "Y1L1.Log:5: a line that is not one of the game log's"};
    QTest::newRow("game log of a league that does not exist")
        << "Y1L2.Log" << QByteArray("Log|\r\n")
        << QStringList{"Y1L2.Log: a data file that belongs to no record"};
    QTest::newRow("players of a team that does not exist")
        << "Y1L1T5.Players" << QByteArray("P|\r\n|1|Lost|\r\n")
        << QStringList{"Y1L1T5.Players: a data file that belongs to no record"};
    QTest::newRow("leagues of a season that does not exist")
        << "Y5.Leagues" << QByteArray("L|\r\n")
        << QStringList{"Y5.Leagues: a data file that belongs to no record"};
    QTest::newRow("a team listed twice")
        << "Y1L1.Teams"
        << QByteArray(
               "T|\r\n|12|Tigers|5|3||1|\r\n|7|Eagles|3|5|||\r\n|12|Tigers|||||\r\n"
               "+|12|Tigers|||||\r\n")
        << QStringList{"Y1L1.Teams:4: team 3: the same number and name as team 1 (\"Tigers\")"};
    QTest::newRow("a schedule generated twice")
        << "Y1L1.Games"
        << QByteArray(
               "G|\r\n|19960615|1830|1|1|2|1||||5|4|\r\n||||||||||||\r\n"
               "|19960615|1830|1|1|2|||||||\r\n|19960615|1830|1|2|1|||||||\r\n")
        << QStringList{"Y1L1.Games:4: game 3: the same date, time, field and teams as game 1"};
    QTest::newRow("journal of an interrupted save")
        << "Pennantry.Journal" << QByteArray("J|1|\r\n")
        << QStringList{
               "Pennantry.Journal: the journal of a save that was interrupted; the next "
               "start of Pennantry or of a pny command completes or undoes it"};
    QTest::newRow("temporary file of an interrupted save")
        << "Y1L1.Teams.~pny0a1b2c3d" << QByteArray("T|\r\n")
        << QStringList{
               "Y1L1.Teams.~pny0a1b2c3d: a temporary file of a save that was "
               "interrupted; the next start of Pennantry or of a pny command removes it"};
    QTest::newRow("lock nobody holds")
        << "Pennantry.Lock" << QByteArray("4242\npennantry\nelsewhere\n")
        << QStringList{
               "Pennantry.Lock: a lock left by a program that ended without closing; the "
               "next program to open the folder takes it over"};
    QTest::newRow("unreadable leader settings")
        << "Y1L1.Leaders" << QByteArray("Leader|\r\nx|1.0||0|\r\n3|\r\n")
        << QStringList{"Y1L1.Leaders:1: the header line is \"Leader|\", not \"Leaders|\"",
                       "Y1L1.Leaders:2: batting factor \"x\" is not a number from 0 to 99.99 "
                       "with at most two decimals: the default is used",
                       "Y1L1.Leaders:2: places \"0\" is not a number from 1 to 999: the default "
                       "is used",
                       "Y1L1.Leaders:3: lines after the settings line are never read"};
}

void TestDataCheck::findings() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    writeSoundFolder(dir.path());
    writeFile(dir.filePath(file), content);
    QCOMPARE(texts(pny::checkDataFolder(dir.path())), expected);
}

void TestDataCheck::folderInPlaceOfAFile() {
    QTemporaryDir dir;
    writeSoundFolder(dir.path());
    QVERIFY(QFile::remove(dir.filePath("Y1L1.Teams")));
    QVERIFY(QDir(dir.path()).mkdir("Y1L1.Teams"));
    const QStringList found = texts(pny::checkDataFolder(dir.path()));
    // Reported once; the references into the unreadable list are not judged, and the notes and
    // players of its teams are not called orphans.
    QCOMPARE(found, QStringList{"Y1L1.Teams: cannot be read: it is a folder"});
}

void TestDataCheck::nulEndsTheText() {
    QTemporaryDir dir;
    writeSoundFolder(dir.path());
    writeFile(dir.filePath("Y1L1.Umpires"), QByteArray("U|\r\n|1|Jo") + '\0' + "nes|\r\n");
    const QStringList found = texts(pny::checkDataFolder(dir.path()));
    QCOMPARE(found.size(), 2);
    QCOMPARE(found.at(0), QString("Y1L1.Umpires:2: a NUL character ends the text here: the 6 "
                                  "bytes after it are never read"));
    QVERIFY2(found.at(1).startsWith("Y1L1.Umpires:2: umpire 1: the line does not end"),
             qPrintable(found.at(1)));
}

QTEST_APPLESS_MAIN(TestDataCheck)
#include "tst_datacheck.moc"
