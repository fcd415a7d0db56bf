#include "store/store.h"
#include "views/formats.h"
#include "views/playerstats.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pny;
using testsupport::playerLine;

namespace {

std::string text(const DerivedTexts& texts, DerivedStat stat) {
    return texts[stat];
}

StatValues values(std::initializer_list<std::pair<PlayerStat, long long>> set) {
    StatValues v{};
    for (const auto& s : set)
        v[s.first] = s.second;
    return v;
}

// Loads a store whose current team has the given player lines.
struct TeamFixture {
    QTemporaryDir dir;
    Store store{dir.path()};
    explicit TeamFixture(const QList<QByteArray>& players, const QByteArray& league = "|1|L|1||") {
        testsupport::writeLeagueFolder(dir.path(), league, {"|1|Tigers|5|3|1||"}, players);
        store.loadYears();
        store.ensurePlayers();
    }
};

}  // namespace

class TestPlayerStats : public QObject {
    Q_OBJECT
private slots:
    void derivedValues();
    void walksOnly();
    void cacheSizedToTheList();
    void totalsAreNotCut();
    void totalsCarryThirds();
    void inactivePlayersAreNotSummed();
};

void TestPlayerStats::derivedValues() {
    DerivedTexts t = deriveStats({}, 9);
    QCOMPARE(text(t, DerivedAB), std::string());
    QCOMPARE(text(t, DerivedAvg), std::string("     "));
    QCOMPARE(text(t, DerivedSlg), std::string("     "));
    QCOMPARE(text(t, DerivedOBP), std::string("     "));
    QCOMPARE(text(t, DerivedERA), std::string("     "));

    // 4 plate appearances, 3 singles: 3 hits in 4 at bats
    t = deriveStats(values({{StatPA, 4}, {Stat1B, 3}}), 9);
    QCOMPARE(text(t, DerivedAB), std::string(" 4"));
    QCOMPARE(text(t, DerivedH), std::string(" 3"));
    QCOMPARE(text(t, DerivedAvg), std::string(" .750"));

    // 2 at bats, a double and a triple: 5 total bases, Slg 2.500; walks and sacrifices
    t = deriveStats(
        values({{StatPA, 6}, {Stat2B, 1}, {Stat3B, 1}, {StatBB, 1}, {StatHP, 1}, {StatSFly, 2}}),
        9);
    QCOMPARE(text(t, DerivedAB), std::string(" 2"));
    QCOMPARE(text(t, DerivedW), std::string(" 2"));
    QCOMPARE(text(t, DerivedSac), std::string(" 2"));
    QCOMPARE(text(t, DerivedSlg), std::string("2.500"));
    QCOMPARE(text(t, DerivedOBP), std::string("1.000"));

    // steals, pitches, pitching record, fielding
    t = deriveStats(values({{StatSB, 3},
                            {StatCS, 1},
                            {StatST, 40},
                            {StatBT, 20},
                            {StatWon, 1},
                            {StatLost, 2},
                            {StatPO, 6},
                            {StatA, 2},
                            {StatErr, 2},
                            {StatIP, 9},
                            {StatER, 3}}),
                    9);
    QCOMPARE(text(t, DerivedSA), std::string(" 4"));
    QCOMPARE(text(t, DerivedSBP), std::string(" .750"));
    QCOMPARE(text(t, DerivedPT), std::string(" 60"));
    QCOMPARE(text(t, DerivedWP), std::string(" .333"));
    QCOMPARE(text(t, DerivedTC), std::string(" 10"));
    QCOMPARE(text(t, DerivedFldP), std::string(" .800"));
    QCOMPARE(text(t, DerivedERA), std::string(" 3.00"));
    // the same earned runs in a 7-inning league
    QCOMPARE(text(deriveStats(values({{StatIP, 7}, {StatER, 2}}), 7), DerivedERA),
             std::string(" 2.00"));
}

void TestPlayerStats::walksOnly() {
    // AB = 0 - 2 walks; OB% divides by AB + W = 0, so it is five blanks.
    const DerivedTexts t = deriveStats(values({{StatBB, 2}}), 9);
    QCOMPARE(text(t, DerivedAB), std::string(" -2"));
    QCOMPARE(text(t, DerivedOBP), std::string("     "));
    QCOMPARE(text(t, DerivedAvg), std::string(" .000"));
}

void TestPlayerStats::cacheSizedToTheList() {
    QList<QByteArray> players;
    for (int i = 1; i <= 150; ++i)
        players << playerLine(QByteArray::number(i), "P", {{6, "2"}, {7, "1"}});
    TeamFixture f(players);
    PlayerStatsCache cache;
    QVERIFY(!cache.validFor(f.store));
    computePlayerStats(f.store, cache);
    QVERIFY(cache.validFor(f.store));
    QCOMPARE(cache.entries.size(), std::size_t(151));
    QCOMPARE(cache.entry(150)[DerivedAvg], std::string(" .500"));
    QCOMPARE(cache.totals[DerivedH], std::string(" 150"));
    QCOMPARE(cache.totals[DerivedAB], std::string(" 300"));
    cache.clear();
    QVERIFY(!cache.validFor(f.store));
}

void TestPlayerStats::totalsAreNotCut() {
    QList<QByteArray> players;
    for (int i = 1; i <= 4; ++i)
        players << playerLine("1", "P", {{6, "9999"}, {7, "9999"}});
    TeamFixture f(players);
    PlayerStatsCache cache;
    computePlayerStats(f.store, cache);
    QCOMPARE(cache.totals[DerivedH], std::string(" 39996"));
    QCOMPARE(cache.sums[Stat1B], 39996LL);
    QCOMPARE(cache.totals[DerivedAvg], std::string("1.000"));
}

void TestPlayerStats::totalsCarryThirds() {
    // 1.2 and 2.2 innings with 3 earned runs: ERA over 13 outs, then 4.1 innings
    TeamFixture f({playerLine("1", "A", {{24, "1"}, {25, "2"}, {36, "3"}}),
                   playerLine("2", "B", {{24, "2"}, {25, "2"}})});
    PlayerStatsCache cache;
    computePlayerStats(f.store, cache);
    QCOMPARE(cache.sums[StatIP], 4LL);
    QCOMPARE(cache.sums[StatIP3], 1LL);
    QCOMPARE(formatInnings(cache.sums[StatIP], cache.sums[StatIP3]), std::string("4.1"));
    QCOMPARE(cache.totals[DerivedERA], formatEra(3, 13, 9));
    QCOMPARE(cache.entry(1)[DerivedERA], formatEra(3, 5, 9));
}

void TestPlayerStats::inactivePlayersAreNotSummed() {
    TeamFixture f({playerLine("1", "A", {{10, "2"}}), playerLine("2", "B", {{10, "5"}}, "X"),
                   playerLine("3", "C", {{10, "7"}}, "+")});
    PlayerStatsCache cache;
    computePlayerStats(f.store, cache);
    QCOMPARE(cache.sums[StatHR], 2LL);
    QCOMPARE(cache.totals[DerivedH], std::string(" 2"));
}

QTEST_GUILESS_MAIN(TestPlayerStats)
#include "tst_playerstats.moc"
