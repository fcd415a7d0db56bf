#include "store/store.h"
#include "views/catalogues.h"
#include "views/scheduleview.h"
#include "views/tableview.h"

#include "schedulefolder.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace pny;

namespace {

const QList<QByteArray> kFields = {"|3|North Park|", "|1|South Field|"};
const QList<QByteArray> kUmpires = {"|7|Ann|", "|8|Bob|"};

struct Schedule {
    QTemporaryDir dir;
    std::unique_ptr<Store> store;
    ViewState state;
    ViewGrid grid;

    explicit Schedule(const QList<QByteArray>& games,
                      const std::function<void(LeagueRecord&)>& adjust = {}) {
        testsupport::writeScheduleFolder(dir.path(), games, kFields, kUmpires, adjust);
        store = std::make_unique<Store>(dir.path());
        store->loadYears();
        build();
    }
    void build() { grid = buildTable(*store, state, kScheduleTab); }

    int columnOf(const char* header, int nth = 0) const {
        for (int i = 0; i < grid.columnCount(); ++i) {
            if (grid.headers[i] == header && nth-- == 0)
                return i;
        }
        return -1;
    }
    QStringList column(int c) const {
        QStringList cells;
        for (const auto& row : grid.rows)
            cells << QString::fromStdString(row[static_cast<std::size_t>(c)]);
        return cells;
    }
    // The game lines of the rows, in order.
    QStringList keys() const { return column(0); }
};

void setSort(LeagueRecord& league, int key, bool descending = false) {
    league.sortKeys[6] = static_cast<char>(128 + key);
    league.sortDirections[6] = descending ? '1' : ' ';
}

}  // namespace

class TestScheduleView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void keyLine();
    void order_data();
    void order();
    void equalKeysByLineText();
    void filters_data();
    void filters();
    void filtersClearedByAnotherLeague();
    void cells();
    void defaultMask();
    void currentGame();
    void currentGameNotShown();
    void emptySchedule();
    void dateError_data();
    void dateError();
    void selectRecordMakesGameCurrent();
};

void TestScheduleView::keyLine() {
    const GameRecord game = GameRecord::parse("|19960615|1830|2|1|3|||||||");
    QCOMPARE(scheduleKeyLine(game, "3", "", "", SortByDate, 12),
             std::string("19960615TIME1830       312"));
    QCOMPARE(scheduleKeyLine(game, "3", "", "", SortByField, 1),
             std::string("       319960615TIME18301"));
    QCOMPARE(scheduleKeyLine(game, "", "10", "20", SortByAway, 4),
             std::string("      20      10199606154"));
    // A game without date and time still puts its line number at character 25.
    const GameRecord blank = GameRecord::parse("||||||||||||");
    QCOMPARE(scheduleKeyLine(blank, "3", "", "", SortByDate, 7).substr(24), std::string("7"));
}

void TestScheduleView::order_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("lines");
    // Line 1: 15 June 18:00 field 3, Eagles v Tigers; line 2: 14 June 18:00 field 1, Tigers v
    // Owls; line 3: 16 June 9:30 field 3, Owls v Eagles; line 4 deleted.
    QTest::newRow("field") << int(SortByField) << false << QStringList{"2", "1", "3"};
    QTest::newRow("date") << int(SortByDate) << false << QStringList{"2", "1", "3"};
    QTest::newRow("time of day first") << int(SortByTime) << false << QStringList{"3", "2", "1"};
    QTest::newRow("home team") << int(SortByHome) << false << QStringList{"1", "2", "3"};
    QTest::newRow("away team") << int(SortByAway) << false << QStringList{"3", "1", "2"};
    QTest::newRow("time descending") << int(SortByTime) << true << QStringList{"1", "2", "3"};
    QTest::newRow("out of range reads as date") << 9 << false << QStringList{"2", "1", "3"};
}

void TestScheduleView::order() {
    QFETCH(int, key);
    QFETCH(bool, descending);
    QFETCH(QStringList, lines);
    Schedule s({"|19960615|1800|1|1|2|||||||", "|19960614|1800|2|2|3|||||||",
                "|19960616|0930|1|3|1|||||||", "X|19960601|0800|1|1|2|||||||"},
               [&](LeagueRecord& league) { setSort(league, key, descending); });
    QCOMPARE(s.keys(), lines);
    // The Game column numbers the shown rows.
    QCOMPARE(s.column(s.columnOf(" Game")), (QStringList{" 1", " 2", " 3"}));
}

void TestScheduleView::equalKeysByLineText() {
    QList<QByteArray> games;
    for (int i = 0; i < 11; ++i)
        games << "|19960615|1830|1|1|2|||||||";
    Schedule s(games);
    QCOMPARE(s.keys(), (QStringList{"1", "10", "11", "2", "3", "4", "5", "6", "7", "8", "9"}));
}

void TestScheduleView::filters_data() {
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("umpire");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("none") << ""
                          << "" << QStringList{"1", "2", "3", "4"};
    QTest::newRow("team at home or away") << "1"
                                          << "" << QStringList{"1", "3", "4"};
    QTest::newRow("umpire anywhere") << ""
                                     << "2" << QStringList{"2", "4"};
    QTest::newRow("both") << "1"
                          << "2" << QStringList{"4"};
    QTest::newRow("exact text") << "01"
                                << "" << QStringList{};
}

void TestScheduleView::filters() {
    QFETCH(QString, team);
    QFETCH(QString, umpire);
    QFETCH(QStringList, lines);
    Schedule s({"|19960601|1800|1|1|2|1||||||", "|19960602|1800|1|2|3||2|||||",
                "|19960603|1800|1|3|1|1||||||", "|19960604|1800|1|1|3|1|||2|||"});
    s.store->teamFilter = team.toStdString();
    s.store->umpireFilter = umpire.toStdString();
    s.build();
    if (lines.isEmpty()) {
        QVERIFY(!s.grid.hasRecords());
        QCOMPARE(s.grid.rows.size(), std::size_t(1));
    } else {
        QCOMPARE(s.keys(), lines);
        QCOMPARE(s.column(s.columnOf(" Game")).size(), lines.size());
        QCOMPARE(s.column(s.columnOf(" Game")).last(), ' ' + QString::number(lines.size()));
    }
}

void TestScheduleView::filtersClearedByAnotherLeague() {
    Schedule s({"|19960601|1800|1|1|2|1||||||"});
    s.store->teamFilter = "3";
    s.store->umpireFilter = "2";
    s.build();
    QVERIFY(!s.grid.hasRecords());
    s.store->year.currentLeague = "2";
    s.store->readLeague(2);
    s.build();
    QVERIFY(s.store->teamFilter.empty());
    QVERIFY(s.store->umpireFilter.empty());
    // Coming back to the first league shows its game unfiltered.
    s.store->year.currentLeague = "1";
    s.store->readLeague(1);
    s.build();
    QCOMPARE(s.keys(), QStringList{"1"});
}

void TestScheduleView::cells() {
    Schedule s({"|19960615|1830|1|1|2|1||2||5|4|", "|19960616|0015|9||||||||||"});
    const std::vector<std::string> expected = {
        "1",    " 1",      " 3",  " North Park", " Sat", " 6-15", " 6:30 p",
        " 10",  " Eagles", " 20", " Tigers",     " 5",   " 4",    " 7",
        " Ann", " ",       " ",   " 8",          " Bob", " ",     " "};
    QCOMPARE(s.grid.rows[0], expected);
    // A reference to no record, or past the end of its list, shows blank cells.
    QCOMPARE(s.grid.rows[1][2], std::string(" "));
    QCOMPARE(s.grid.rows[1][3], std::string(" "));
    QCOMPARE(s.grid.rows[1][6], std::string(" 12:15 a"));
    QCOMPARE(s.grid.rows[1][8], std::string(" "));
    QVERIFY(s.grid.error.empty());
    QCOMPARE(s.grid.caption, std::string("2024 City League"));
}

void TestScheduleView::defaultMask() {
    Schedule s({"|19960615|1830|1|1|2|1||2||5|4|"},
               [](LeagueRecord& league) { league.scheduleMask = " ****** *"; });
    QCOMPARE(s.grid.headers, (std::vector<std::string>{"", " Fld#", " Field Name", " Day", " Date",
                                                       " Time", " Home", " Away"}));
    QCOMPARE(s.grid.rows[0], (std::vector<std::string>{"1", " 3", " North Park", " Sat", " 6-15",
                                                       " 6:30 p", " 10", " 20"}));
}

void TestScheduleView::currentGame() {
    Schedule s({"|19960615|1800|1|1|2|||||||", "|19960614|1800|2|2|3|||||||",
                "|19960616|0930|1|3|1|||||||"},
               [](LeagueRecord& league) { league.currentGame = "1"; });
    QCOMPARE(s.grid.currentRow, 2);
    QCOMPARE(s.store->game.date, std::string("19960615"));
    QVERIFY(!s.store->changed.leagues);
}

void TestScheduleView::currentGameNotShown() {
    Schedule s({"|19960615|1800|1|1|2|||||||", "X|19960614|1800|2|2|3|||||||",
                "|19960616|0930|1|3|1|||||||"},
               [](LeagueRecord& league) { league.currentGame = "2"; });
    // The deleted current game gives way to the game of the first row, which is stored.
    QCOMPARE(s.grid.currentRow, 1);
    QCOMPARE(s.store->league.currentGame, std::string("1"));
    QVERIFY(s.store->changed.leagues);
    QVERIFY(s.store->leagues.line(1).find("|City League|2|1|") != std::string::npos);
    QCOMPARE(s.store->game.date, std::string("19960615"));
    // The current team is back in its buffer.
    QCOMPARE(s.store->team.name, std::string("Tigers"));
}

void TestScheduleView::emptySchedule() {
    Schedule s({"X|19960615|1800|1|1|2|||||||"});
    QCOMPARE(s.grid.rows.size(), std::size_t(1));
    QVERIFY(!s.grid.hasRecords());
    QCOMPARE(s.grid.currentRow, 0);
    const CommandStates states = commandStates(*s.store, s.grid);
    QVERIFY(states.update);
    QVERIFY(!states.notes);
}

void TestScheduleView::dateError_data() {
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<QString>("message");
    QTest::newRow("month 13") << QByteArray("|19961301|1830|1|1|2|||||||")
                              << "'1996/13/01 18:30' is not a valid date and time";
    QTest::newRow("hour 25") << QByteArray("|19960614|2500|1|1|2|||||||")
                             << "'1996/06/14 25:00' is not a valid date and time";
    QTest::newRow("empty") << QByteArray("|||1|1|2|||||||")
                           << "'// :' is not a valid date and time";
}

void TestScheduleView::dateError() {
    QFETCH(QByteArray, bad);
    QFETCH(QString, message);
    // Sorted by field: line 1 (field number 1) first, then the bad game (field 3, an earlier
    // date), then line 3.
    Schedule s({"|19960613|1800|2|1|2|||||||", bad, "|19970620|1800|1|3|1|||||||"},
               [](LeagueRecord& league) {
                   setSort(league, SortByField);
                   league.currentGame = "3";
               });
    QCOMPARE(QString::fromStdString(s.grid.error), message);
    QCOMPARE(s.grid.rows.size(), std::size_t(3));
    // The rows before it stay.
    QCOMPARE(s.grid.rows[0][0], std::string("1"));
    QCOMPARE(s.grid.rows[0][5], std::string(" 6-13"));
    // Its own row keeps only its key, so it can be chosen and mended.
    QCOMPARE(s.grid.rows[1][0], std::string("2"));
    for (std::size_t c = 1; c < s.grid.rows[1].size(); ++c)
        QCOMPARE(s.grid.rows[1][c], std::string());
    // The rows after it are blank.
    for (const std::string& cell : s.grid.rows[2])
        QCOMPARE(cell, std::string());
    // The current game, not reached, gives way to the first row's game.
    QCOMPARE(s.grid.currentRow, 1);
    QCOMPARE(s.store->league.currentGame, std::string("1"));
    // The next build is no different: the message comes again.
    s.build();
    QCOMPARE(QString::fromStdString(s.grid.error), message);
}

void TestScheduleView::selectRecordMakesGameCurrent() {
    Schedule s({"|19960615|1800|1|1|2|||||||", "|19960614|1800|2|2|3|||||||"});
    QCOMPARE(s.store->league.currentGame, std::string("2"));
    selectRecord(*s.store, kScheduleTab, "1");
    QCOMPARE(s.store->league.currentGame, std::string("1"));
    QCOMPARE(s.store->game.date, std::string("19960615"));
    QVERIFY(s.store->leagues.line(1).find("|City League|2|1|") != std::string::npos);
}

QTEST_GUILESS_MAIN(TestScheduleView)
#include "tst_scheduleview.moc"
