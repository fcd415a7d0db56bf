#include "schedule/pairings.h"

#include <QTest>

#include <set>
#include <utility>

using namespace pny;

class TestPairings : public QObject {
    Q_OBJECT
private slots:
    void everyTableIsOneRoundRobin_data();
    void everyTableIsOneRoundRobin();
    void otherCountsHaveNoTable();
};

void TestPairings::everyTableIsOneRoundRobin_data() {
    QTest::addColumn<int>("teams");
    QTest::addColumn<int>("longestRun");
    for (int n = kMinScheduleTeams; n <= kMaxScheduleTeams; ++n) {
        // Home or away at most twice in a row up to 8 teams and for 10, three times otherwise.
        const int run = (n <= 8 || n == 10) ? 2 : 3;
        QTest::addRow("%d teams", n) << n << run;
    }
}

void TestPairings::everyTableIsOneRoundRobin() {
    QFETCH(int, teams);
    QFETCH(int, longestRun);
    const std::vector<Pairing> table = pairingTable(teams);
    QCOMPARE(static_cast<int>(table.size()), teams * (teams - 1) / 2);

    // Every two positions meet exactly once, and nobody meets himself.
    std::set<std::pair<int, int>> met;
    for (const Pairing& p : table) {
        QVERIFY2(p.first >= 1 && p.first <= teams && p.second >= 1 && p.second <= teams,
                 qPrintable(QStringLiteral("%1-%2").arg(p.first).arg(p.second)));
        QVERIFY(p.first != p.second);
        const bool fresh =
            met.insert({std::min(p.first, p.second), std::max(p.first, p.second)}).second;
        QVERIFY2(fresh, qPrintable(QStringLiteral("%1-%2 twice").arg(p.first).arg(p.second)));
    }

    // Home counts: (n-1)/2 each for odd n; n/2 for half the positions and n/2-1 for the rest.
    std::vector<int> home(static_cast<std::size_t>(teams) + 1, 0);
    for (const Pairing& p : table)
        ++home[static_cast<std::size_t>(p.first)];
    int high = 0;
    for (int t = 1; t <= teams; ++t) {
        const int h = home[static_cast<std::size_t>(t)];
        if (teams % 2 == 1) {
            QCOMPARE(h, (teams - 1) / 2);
        } else {
            QVERIFY2(h == teams / 2 || h == teams / 2 - 1, qPrintable(QString::number(t)));
            high += h == teams / 2 ? 1 : 0;
        }
    }
    if (teams % 2 == 0)
        QCOMPARE(high, teams / 2);

    // No position is home, or away, in more than longestRun of its games in a row.
    for (int t = 1; t <= teams; ++t) {
        int run = 0;
        int last = -1;
        for (const Pairing& p : table) {
            if (p.first != t && p.second != t)
                continue;
            const int side = p.first == t ? 0 : 1;
            run = side == last ? run + 1 : 1;
            last = side;
            QVERIFY2(run <= longestRun,
                     qPrintable(QStringLiteral("team %1 has %2 in a row").arg(t).arg(run)));
        }
    }

    // Within a round no position plays twice (the tables of 7, 9, 11 and 12 teams have no
    // rounds).
    const auto rounds = pairingRounds(teams);
    const bool builtOfRounds = teams != 7 && teams != 9 && teams != 11 && teams != 12;
    QCOMPARE(rounds.size() > 1, builtOfRounds);
    for (const auto& round : builtOfRounds ? rounds : decltype(rounds){}) {
        std::set<int> seen;
        for (const Pairing& p : round) {
            QVERIFY(seen.insert(p.first).second);
            QVERIFY(seen.insert(p.second).second);
        }
    }
}

void TestPairings::otherCountsHaveNoTable() {
    QVERIFY(pairingTable(2).empty());
    QVERIFY(pairingTable(21).empty());
    QVERIFY(pairingTableText(0) == nullptr);
    // The rounds of 4 teams as they are played.
    const auto rounds = pairingRounds(4);
    QCOMPARE(static_cast<int>(rounds.size()), 3);
    QCOMPARE(rounds[1][0].first, 3);
    QCOMPARE(rounds[1][0].second, 1);
    QCOMPARE(pairingTable(20).back().first, 20);
    QCOMPARE(pairingTable(20).back().second, 11);
}

QTEST_GUILESS_MAIN(TestPairings)
#include "tst_pairings.moc"
