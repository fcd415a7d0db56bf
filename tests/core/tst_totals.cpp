#include "gamelog/totalsarithmetic.h"
#include "store/records.h"

#include <QTest>

using namespace pny;

class TestTotals : public QObject {
    Q_OBJECT
private slots:
    void inningsOfANight_data();
    void inningsOfANight();
};

void TestTotals::inningsOfANight_data() {
    QTest::addColumn<int>("innings");
    QTest::addColumn<int>("thirds");
    QTest::addColumn<int>("nightInnings");
    QTest::addColumn<int>("nightThirds");
    QTest::addColumn<QString>("total");  // innings and thirds as stored
    QTest::newRow("thirds carry") << 1 << 2 << 2 << 2 << "4|1";
    QTest::newRow("whole innings") << 3 << 0 << 2 << 0 << "5|";
    // Taking a night away: the thirds borrow from the innings.
    QTest::newRow("1.0 minus 0.1") << 1 << 0 << 0 << -1 << "|2";
    QTest::newRow("5.0 minus 1.2") << 5 << 0 << -1 << -2 << "3|1";
    QTest::newRow("4.1 minus 2.2") << 4 << 1 << -2 << -2 << "1|2";
    QTest::newRow("0.2 minus 0.2") << 0 << 2 << 0 << -2 << "|";
    QTest::newRow("back to nothing") << 2 << 1 << -2 << -1 << "|";
    // Thirds outside 0 to 2, left by an undo in the player dialog, are added as it adds them.
    QTest::newRow("undone thirds") << 3 << -1 << 1 << 2 << "4|1";
    QTest::newRow("undone thirds, more") << 3 << -2 << 0 << 1 << "3|-1";
}

void TestTotals::inningsOfANight() {
    QFETCH(int, innings);
    QFETCH(int, thirds);
    QFETCH(int, nightInnings);
    QFETCH(int, nightThirds);
    QFETCH(QString, total);
    PlayerRecord before;
    before.stat(StatIP) = std::to_string(innings);
    before.stat(StatIP3) = std::to_string(thirds);
    StatValues night{};
    night[StatIP] = nightInnings;
    night[StatIP3] = nightThirds;
    PlayerRecord after;
    QCOMPARE(addToTotals(before, night, after), QString());
    // A count of 0 is stored empty.
    QCOMPARE(QString::fromStdString(after.stat(StatIP)).trimmed() + '|' +
                 QString::fromStdString(after.stat(StatIP3)).trimmed(),
             total);
    // Adding the night back restores the outs it took away.
    PlayerRecord again;
    StatValues back{};
    back[StatIP] = -nightInnings;
    back[StatIP3] = -nightThirds;
    QCOMPARE(addToTotals(after, back, again), QString());
    QCOMPARE(3 * again.value(StatIP) + again.value(StatIP3), 3 * innings + thirds);
}

QTEST_GUILESS_MAIN(TestTotals)
#include "tst_totals.moc"
