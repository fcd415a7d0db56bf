#include "entry/boxscorerows.h"
#include "store/store.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pny;
using testsupport::playerLine;

class TestBoxScoreRows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void battingOrderFirstThenNumber();
    void anotherTeamIsReadFromItsFile();
    void keptPlayersShowEvenWhenDeleted();
    void totalsCarryThirds_data();
    void totalsCarryThirds();
};

namespace {

// Field 22 of a player line is BO.
QByteArray withOrder(const QByteArray& number, const QByteArray& name, const QByteArray& bo,
                     const QByteArray& flag = "") {
    return playerLine(number, name, {{22, bo}}, flag);
}

QStringList names(const std::vector<BoxScoreRow>& rows) {
    QStringList out;
    for (const BoxScoreRow& row : rows)
        out << QString::fromStdString(row.name) + '@' + QString::number(row.player);
    return out;
}

}  // namespace

void TestBoxScoreRows::battingOrderFirstThenNumber() {
    QTemporaryDir dir;
    testsupport::writeLeagueFolder(
        dir.path(), "|1|Majors|1|||", {"|1|Eagles|||||"},
        {withOrder("12", "Late", ""), withOrder("3", "Third", "3"),
         withOrder("7", "Deleted", "1", "X"), withOrder("4", "First", "1"),
         withOrder("2", "Early", ""), withOrder("9", "Odd", "SS"), withOrder("10", "Second", "2")});
    Store store(dir.path());
    store.loadYears();
    QVERIFY(store.ensurePlayers());
    std::vector<BoxScoreRow> rows;
    QString error;
    QVERIFY(readBoxScoreRows(store, 1, rows, error));
    // A batting order that is no number counts as none; deleted players are left out.
    QCOMPARE(names(rows),
             (QStringList{"First@4", "Second@7", "Third@2", "Early@5", "Odd@6", "Late@1"}));
    QCOMPARE(rows.front().number, std::string("4"));
    QCOMPARE(rows.front().bo, std::string("1"));
}

void TestBoxScoreRows::anotherTeamIsReadFromItsFile() {
    QTemporaryDir dir;
    testsupport::writeLeagueFolder(dir.path(), "|1|Majors|1|||", {"|1|Eagles|||||", "|2|Owls|||||"},
                                   {withOrder("1", "Eagle", "")});
    testsupport::writeFile(dir.path() + "/Y1L1T2.Players",
                           "P|\r\n" + withOrder("5", "Owl", "") + "\r\n");
    Store store(dir.path());
    store.loadYears();
    QVERIFY(store.ensurePlayers());
    // An unsaved change of the list in memory is seen.
    store.players.setLine(1, withOrder("1", "Renamed", "").toStdString());
    std::vector<BoxScoreRow> rows;
    QString error;
    QVERIFY(readBoxScoreRows(store, 2, rows, error));
    QCOMPARE(names(rows), QStringList{"Owl@1"});
    QVERIFY(readBoxScoreRows(store, 1, rows, error));
    QCOMPARE(names(rows), QStringList{"Renamed@1"});
    // A team without a players file has no rows and no error.
    QVERIFY(readBoxScoreRows(store, 3, rows, error));
    QVERIFY(rows.empty());
    QVERIFY(error.isEmpty());
}

void TestBoxScoreRows::keptPlayersShowEvenWhenDeleted() {
    QTemporaryDir dir;
    testsupport::writeLeagueFolder(dir.path(), "|1|Majors|1|||", {"|1|Eagles|||||"},
                                   {withOrder("1", "Here", ""), withOrder("2", "Gone", "", "X")});
    Store store(dir.path());
    store.loadYears();
    QVERIFY(store.ensurePlayers());
    std::vector<BoxScoreRow> rows;
    QString error;
    QVERIFY(readBoxScoreRows(store, 1, rows, error, {2}));
    QCOMPARE(names(rows), (QStringList{"Here@1", "Gone@2"}));
}

void TestBoxScoreRows::totalsCarryThirds_data() {
    QTest::addColumn<QList<int>>("thirds");
    QTest::addColumn<int>("innings");
    QTest::addColumn<int>("carried");
    QTest::newRow("2 + 2") << QList<int>{2, 2} << 1 << 1;
    QTest::newRow("1 + 1 stays") << QList<int>{1, 1} << 0 << 2;
    QTest::newRow("exactly 3") << QList<int>{1, 2} << 1 << 0;
    QTest::newRow("negative not carried") << QList<int>{-1} << 0 << -1;
}

void TestBoxScoreRows::totalsCarryThirds() {
    QFETCH(QList<int>, thirds);
    QFETCH(int, innings);
    QFETCH(int, carried);
    std::vector<BoxScoreLine> lines;
    for (int third : thirds) {
        BoxScoreLine line;
        line.values[StatIP3] = third;
        line.values[StatPA] = 4;
        lines.push_back(line);
    }
    const StatValues totals = boxScoreTotals(lines);
    QCOMPARE(totals[StatIP], static_cast<long long>(innings));
    QCOMPARE(totals[StatIP3], static_cast<long long>(carried));
    QCOMPARE(totals[StatPA], static_cast<long long>(4 * thirds.size()));
}

QTEST_MAIN(TestBoxScoreRows)
#include "tst_boxscorerows.moc"
