#include "store/store.h"
#include "views/tableview.h"
#include "views/teamview.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pny;

namespace {

struct Standings {
    QTemporaryDir dir;
    Store store{dir.path()};
    ViewState state;
    ViewGrid grid;
    Standings(const QList<QByteArray>& teams, const QByteArray& league = "|1|League|2||") {
        testsupport::writeLeagueFolder(dir.path(), league, teams);
        store.loadYears();
        grid = buildTable(store, state, 0);
    }
    // The text of a column (by its header) in each data row.
    QStringList column(const char* header) const {
        int c = -1;
        for (int i = 0; i < grid.columnCount(); ++i) {
            if (grid.headers[i] == header)
                c = i;
        }
        QStringList cells;
        if (c < 0)
            return cells;
        for (const auto& row : grid.rows)
            cells << QString::fromStdString(row[c]);
        return cells;
    }
};

}  // namespace

class TestTeamView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void keyLine();
    void gamesBehind_data();
    void gamesBehind();
    void order();
    void rowsAndCaption();
    void currentTeamNotShown();
    void emptyList();
    void hiddenColumns();
    void sizeColumnsSplit();
    void selectRecordWritesLeague();
};

void TestTeamView::keyLine() {
    QCOMPARE(standingsKey(6, 2, 3), std::string(" .750000083"));
    QCOMPARE(standingsKey(2, 2, 12), std::string(" .5000099612"));
    QCOMPARE(standingsKey(0, 0, 4), std::string("     010004"));
}

void TestTeamView::gamesBehind_data() {
    QTest::addColumn<QList<int>>("record");  // leader won, lost, team won, lost
    QTest::addColumn<QString>("text");
    QTest::newRow("2.5") << QList<int>{10, 2, 7, 4} << " 2.5";
    QTest::newRow("2") << QList<int>{10, 2, 7, 3} << " 2";
    QTest::newRow("half") << QList<int>{10, 5, 10, 6} << " .5";
    QTest::newRow("better difference") << QList<int>{1, 0, 10, 1} << " ";
    QTest::newRow("leader") << QList<int>{10, 2, 10, 2} << " ";
    QTest::newRow("not cut") << QList<int>{9999, 0, 0, 9999} << " 9999";
}

void TestTeamView::gamesBehind() {
    QFETCH(QList<int>, record);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(pny::gamesBehind(record[0], record[1], record[2], record[3])),
             text);
}

void TestTeamView::order() {
    // lines: 1 5-5, 2 2-2, 3 3-1, 4 6-2, 5 ties only, 6 deleted, 7 hidden, 8 0-1, 9 0-3,
    // 10 and 11 equal records (3-3)
    Standings s({"|1|A|5|5||", "|2|B|2|2||", "|3|C|3|1||", "|4|D|6|2||", "|5|E|||4|", "X|6|F|9|0||",
                 "+|7|G|9|0||", "|8|H|0|1||", "|9|I|0|3||", "|10|J|3|3||", "|11|K|3|3||"});
    QStringList keys;
    for (const auto& row : s.grid.rows)
        keys << QString::fromStdString(row[0]);
    QCOMPARE(keys, QStringList({"4", "3", "2", "11", "10", "1", "8", "9", "5"}));
    QCOMPARE(s.column(" Place"),
             QStringList({" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9"}));
    QCOMPARE(s.column(" Pct.").first(), QString(" .750"));
    QCOMPARE(s.column(" Pct.").last(), QString("     "));
    QCOMPARE(s.column(" GB"),
             QStringList({" ", " 1", " 2", " 2", " 2", " 2", " 2.5", " 3.5", " 2"}));
}

void TestTeamView::rowsAndCaption() {
    Standings s({"|12|Tigers|5|3||", "|7|Eagles||||"});
    QCOMPARE(s.grid.caption, std::string("2024 League"));
    QCOMPARE(s.grid.headers, std::vector<std::string>({"", " Place", " Team#", " Team Name", " Won",
                                                       " Lost", " Tied", " Pct.", " GB"}));
    QCOMPARE(s.grid.rows.size(), std::size_t(2));
    QCOMPARE(s.grid.rows[0], std::vector<std::string>(
                                 {"1", " 1", " 12", " Tigers", " 5", " 3", " ", " .625", " "}));
    QCOMPARE(s.grid.rows[1][4], std::string(" "));  // an empty won field shows one blank
    // the current team (line 2) is row 2 and stays current
    QCOMPARE(s.grid.currentRow, 2);
    QCOMPARE(s.store.league.currentTeam, std::string("2"));
    QCOMPARE(s.store.team.name, std::string("Eagles"));
    QVERIFY(!s.store.changed.leagues);
    QCOMPARE(s.grid.wideColumns, std::vector<int>({3}));
    const CommandStates states = commandStates(s.store, s.grid);
    QVERIFY(states.setup && states.font && states.update && states.notes && states.print);
    QCOMPARE(states.focusColumn, 3);
}

void TestTeamView::currentTeamNotShown() {
    // the current team (line 2) is deleted: the team of the selected row becomes current
    Standings s({"|1|A|1|5||", "X|2|B|5|1||", "|3|C|5|1||"});
    QCOMPARE(s.grid.currentRow, 1);
    QCOMPARE(s.store.league.currentTeam, std::string("3"));
    QCOMPARE(s.store.team.name, std::string("C"));
    QVERIFY(s.store.changed.leagues);
    QCOMPARE(s.store.leagues.line(1).substr(0, 12), std::string("|1|League|3|"));
}

void TestTeamView::emptyList() {
    Standings s({"X|1|A|1|5||"});
    QCOMPARE(s.grid.rows.size(), std::size_t(1));
    QCOMPARE(s.grid.rows[0], std::vector<std::string>(9));
    QCOMPARE(s.grid.currentRow, 0);
    QCOMPARE(s.store.league.currentTeam, std::string("2"));  // left unchanged
    QVERIFY(!s.store.changed.leagues);
    const CommandStates states = commandStates(s.store, s.grid);
    QVERIFY(states.update);
    QVERIFY(!states.notes && !states.print);
    QCOMPARE(states.focusColumn, 0);
}

void TestTeamView::hiddenColumns() {
    // team mask "** *": the name hidden and only place, number and won shown
    Standings s({"|12|Tigers|5|3||"}, "|1|League|1||||||||||||** *|");
    QCOMPARE(s.grid.headers, std::vector<std::string>({"", " Place", " Team#", " Won"}));
    QVERIFY(s.grid.wideColumns.empty());
    QCOMPARE(s.grid.rows[0], std::vector<std::string>({"1", " 1", " 12", " 5"}));
    QCOMPARE(wideColumn(s.grid), 3);
    QCOMPARE(sizeColumns(s.grid.columnCount(), s.grid.wideColumns, 400),
             std::vector<int>({0, 80, 80, 400 - (80 * 2 + 4)}));

    // every column hidden: only the key column is left
    Standings none({"|12|Tigers|5|3||"}, "|1|League|1||||||||||||-|");
    QCOMPARE(none.grid.columnCount(), 1);
    const CommandStates states = commandStates(none.store, none.grid);
    QVERIFY(!states.update && !states.notes && !states.print);
    QVERIFY(states.setup);
}

void TestTeamView::sizeColumnsSplit() {
    // all eight standings columns at 556 pixels: K = 9, n = 1, d = 55, name column 162
    const std::vector<int> widths = sizeColumns(9, {3}, 556);
    QCOMPARE(widths, std::vector<int>({0, 55, 55, 162, 55, 55, 55, 55, 55}));
    // three name columns share the rest, the first taking the remainder
    const std::vector<int> three = sizeColumns(6, {2, 3, 5}, 100);
    const int d = 100 / 9;
    const int rest = 100 - (d * 2 + 6);
    QCOMPARE(three, std::vector<int>({0, d, rest - 2 * (rest / 3), rest / 3, d, rest / 3}));
    QCOMPARE(sizeColumns(1, {}, 300), std::vector<int>({0}));
}

void TestTeamView::selectRecordWritesLeague() {
    Standings s({"|1|A|1|5||", "|2|B|5|1||"});
    selectRecord(s.store, 0, "");
    QVERIFY(!s.store.changed.leagues);
    selectRecord(s.store, 0, "2");  // already current
    QVERIFY(!s.store.changed.leagues);
    selectRecord(s.store, 0, "1");
    QCOMPARE(s.store.league.currentTeam, std::string("1"));
    QCOMPARE(s.store.team.name, std::string("A"));
    QVERIFY(s.store.changed.leagues);
    QCOMPARE(s.store.leagues.line(1).substr(0, 12), std::string("|1|League|1|"));
}

QTEST_GUILESS_MAIN(TestTeamView)
#include "tst_teamview.moc"
