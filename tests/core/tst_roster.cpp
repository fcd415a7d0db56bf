#include "roster/roster.h"
#include "roster/rostercsv.h"
#include "roster/rosterplan.h"
#include "store/records.h"
#include "store/store.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QLocale>

#include <map>
#include <QTemporaryDir>
#include <QTest>

using namespace pny;
using testsupport::playerLine;

namespace {

// "number/name" of every player read.
QStringList players(const RosterFile& roster) {
    QStringList out;
    for (const RosterPlayer& player : roster.players)
        out << QString::fromLatin1(player.number + "/" + player.name);
    return out;
}

QStringList problems(const std::vector<RosterProblem>& list) {
    QStringList out;
    for (const RosterProblem& problem : list)
        out << QStringLiteral("%1: %2").arg(problem.line).arg(problem.reason);
    return out;
}

}  // namespace

class TestRoster : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void headersAreFoundInEveryVariant_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        const QStringList two = {"7/Ann Lee", "12/Bo Diaz"};
        QTest::newRow("No,Name") << QByteArray("No,Name\r\n7,Ann Lee\r\n12,Bo Diaz\r\n") << two;
        QTest::newRow("Number,Player")
            << QByteArray("Player,Number\nAnn Lee,7\nBo Diaz,12\n") << two;
        QTest::newRow("# and case") << QByteArray("#,NAME,Pos\n7,Ann Lee,SS\n12,Bo Diaz,P") << two;
        QTest::newRow("First and Last")
            << QByteArray("last,first,no\nLee,Ann,7\nDiaz,Bo,12\n") << two;
        QTest::newRow("semicolons") << QByteArray("Nr;Name;No\nx;Ann Lee;7\ny;Bo Diaz;12\n") << two;
        QTest::newRow("quoted") << QByteArray("No,Name\n7,\"Lee, Ann \"\"Ace\"\"\"\n")
                                << QStringList{"7/Lee, Ann \"Ace\""};
        QTest::newRow("blank lines and no number")
            << QByteArray("Name\n\nAnn Lee\n ,\n") << QStringList{"/Ann Lee"};
    }
    void headersAreFoundInEveryVariant() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        const RosterFile roster = readRoster(file);
        QVERIFY2(roster.error.isEmpty(), qPrintable(roster.error));
        QCOMPARE(problems(roster.problems), QStringList());
        QCOMPARE(players(roster), expected);
    }

    void textIsReadAsUtf8OrTheCodePage_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("UTF-8 with BOM") << QByteArray(
            "\xEF\xBB\xBFNo,Name\n5,Jos\xC3\xA9 Pe\xC3\xB1"
            "a\n");
        QTest::newRow("UTF-8") << QByteArray(
            "No,Name\n5,Jos\xC3\xA9 Pe\xC3\xB1"
            "a\n");
        QTest::newRow("Windows-1252") << QByteArray(
            "No,Name\n5,Jos\xE9 Pe\xF1"
            "a\n");
    }
    void textIsReadAsUtf8OrTheCodePage() {
        QFETCH(QByteArray, file);
        const RosterFile roster = readRoster(file);
        QCOMPARE(roster.players.size(), std::size_t(1));
        QCOMPARE(QByteArray::fromStdString(roster.players.front().name), QByteArray("Jos\xE9 Pe\xF1"
                                                                                    "a"));
    }

    void badRowsAreReportedByLine() {
        const QByteArray file =
            "No,Name\r\n"
            "1,Ann Lee\r\n"
            "2,\r\n"
            "123456,Too Long Number\r\n"
            "4," +
            QByteArray(41, 'x') +
            "\r\n"
            "5,Zo\xC3\xAB \xC5\x81uk\r\n"  // Ł has no place in the code page
            "6,\"Two\nLines\"\r\n"
            "7,Pipe|Name\r\n"
            "8,Last One\r\n";
        const RosterFile roster = readRoster(file);
        QCOMPARE(players(roster), (QStringList{"1/Ann Lee", "6/Two Lines", "8/Last One"}));
        const QStringList reasons = problems(roster.problems);
        QCOMPARE(reasons.size(), 5);
        QCOMPARE(reasons.at(0), QStringLiteral("3: no name"));
        QVERIFY(
            reasons.at(1).startsWith(QStringLiteral("4: the number \"123456\" is longer than 5")));
        QVERIFY(reasons.at(2).startsWith(QStringLiteral("5: the name")));
        QVERIFY(reasons.at(2).contains(QStringLiteral("longer than 40")));
        QVERIFY(reasons.at(3).startsWith(QStringLiteral("6: the name")));
        QVERIFY(reasons.at(3).contains(QStringLiteral("cannot hold")));
        QVERIFY(reasons.at(4).startsWith(QStringLiteral("9: the name \"Pipe|Name\"")));
        QCOMPARE(roster.players.at(2).line, 10);
    }

    void aFileWithoutANameColumnIsRefused() {
        QVERIFY(readRoster("No,Team\n1,X\n").error.contains(QStringLiteral("\"Name\"")));
        QVERIFY(readRoster("First,No\nAnn,1\n").error.contains(QStringLiteral("line 1")));
        QVERIFY(!readRoster("").error.isEmpty());
    }

    void reimportSkipsEveryExistingNumber() {
        QTemporaryDir dir;
        testsupport::writeLeagueFolder(
            dir.path(), "|1|Majors|1|", {"|7|Tigers|||1|"},
            {playerLine("9", "Old Timer"), playerLine("3", "Gone", {}, "X")});
        Store store(dir.path());
        store.loadYears();
        store.ensureLeagues();
        store.ensureTeams();
        store.readTeam(1);
        store.ensurePlayers();
        QCOMPARE(store.players.size(), 3);

        const RosterFile roster =
            readRoster("No,Name\n9,Dup Nine\n3,Back Three\n4,Four\n4,Again\n");
        const RosterResult first = addRoster(store, roster);
        QCOMPARE(first.added, 2);  // 3 (its old holder is deleted) and the first 4
        QCOMPARE(problems(first.skipped),
                 (QStringList{"2: number 9 is already on the team",
                              "5: number 4 is taken by line 4 of the file"}));
        QVERIFY(store.commit());

        const QByteArray saved = testsupport::readFile(dir.path() + "/Y1L1T1.Players");
        QVERIFY(saved.contains("\r\n|3|Back Three|"));
        QVERIFY(saved.contains("\r\n|4|Four|"));
        QCOMPARE(exportRoster(store),
                 QByteArray("\xEF\xBB\xBFNo,Name\r\n9,Old Timer\r\n3,Back Three\r\n4,Four\r\n"));

        // The exported file comes back in with every number skipped.
        const RosterResult again = addRoster(store, readRoster(exportRoster(store)));
        QCOMPARE(again.added, 0);
        QCOMPARE(again.skipped.size(), std::size_t(3));
        QCOMPARE(store.players.size(), 5);
    }

    void planNamesTheTeamAndEveryRow_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("plan");  // the rows as the user reads them, in line order
        QTest::newRow("leading zeros are the same number")
            << QByteArray("No,Name\n07,Seven Again\n007,Triple\n70,Seventy\n")
            << QStringList{"line 2: skipped, number 07 is already on the team (as 7)",
                           "line 3: skipped, number 007 is already on the team (as 7)",
                           "line 4: add 70 Seventy"};
        QTest::newRow("zero and zeros")
            << QByteArray("No,Name\n0,Zero\n00,Double Zero\n")
            << QStringList{"line 2: add 0 Zero",
                           "line 3: skipped, number 00 is taken by line 2 of the file (as 0)"};
        QTest::newRow("a number with letters is taken as written")
            << QByteArray("No,Name\nA1,Same\nA01,Other\n")
            << QStringList{"line 2: skipped, number A1 is already on the team",
                           "line 3: add A01 Other"};
        QTest::newRow("the number of a deleted player is free")
            << QByteArray("No,Name\n03,Back\n") << QStringList{"line 2: add 03 Back"};
        QTest::newRow("a row without a number is added and said so")
            << QByteArray("No,Name\n,Kit Brown\n,Kit Brown\n")
            << QStringList{"line 2: add Kit Brown (no number)",
                           "line 3: add Kit Brown (no number)"};
        QTest::newRow("the file's own problems are skipped with the reason")
            << QByteArray("No,Name\n12,\n123456,Long\n5,Five\n")
            << QStringList{"line 2: skipped, no name",
                           "line 3: skipped, the number \"123456\" is longer than 5 characters",
                           "line 4: add 5 Five"};
    }
    void planNamesTheTeamAndEveryRow() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, plan);
        QTemporaryDir dir;
        testsupport::writeLeagueFolder(
            dir.path(), "|1|Majors|1|", {"|7|Tigers|||1|"},
            {playerLine("7", "Lee"), playerLine("A1", "Ace"), playerLine("3", "Gone", {}, "X")});
        Store store(dir.path());
        store.loadYears();
        store.ensureLeagues();
        store.ensureTeams();
        store.readTeam(1);
        store.ensurePlayers();
        const RosterPlan planned = planRoster(store, readRoster(file));
        QCOMPARE(planned.teamName, QString("Tigers"));
        QVERIFY2(planned.team.startsWith("Tigers (") && planned.team.endsWith(" Majors)"),
                 qPrintable(planned.team));
        QStringList rows;
        std::map<int, QString> byLine;
        for (const RosterPlayer& p : planned.adds)
            byLine[p.line] = rosterAddText(p);
        for (const RosterProblem& p : planned.skips)
            byLine[p.line] = rosterSkipText(p);
        for (const auto& [line, text] : byLine)
            rows << text;
        QCOMPARE(rows, plan);

        // Planning changes nothing; applying adds exactly the planned rows.
        QCOMPARE(store.players.size(), 4);
        QVERIFY(!store.changed.players);
        QCOMPARE(applyRosterPlan(store, planned), int(planned.adds.size()));
        QCOMPARE(store.players.size(), 4 + int(planned.adds.size()));
    }
};

QTEST_GUILESS_MAIN(TestRoster)
#include "tst_roster.moc"
