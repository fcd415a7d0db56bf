#include "store/store.h"
#include "views/playerview.h"
#include "views/tableview.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace pny;
using testsupport::playerLine;

namespace {

// A league line whose tab 1 sorts by `key`, descending when `descending`, with an optional
// player mask and user headers.
QByteArray leagueLine(int key, bool descending, const QByteArray& mask = "",
                      const QByteArray& userHeaders = "") {
    QByteArray keys(7, ' ');
    for (int t = 0; t < 6; ++t)
        keys[t] = static_cast<char>(128 + key);
    return "|1|League|1||||||||" + keys + "|" + (descending ? "111111" : "") + "|" + mask + "|||" +
           userHeaders;
}

struct PlayerTab {
    QTemporaryDir dir;
    Store store{dir.path()};
    ViewState state;
    ViewGrid grid;
    PlayerTab(const QList<QByteArray>& players, const QByteArray& league, int tab = 1,
              const QByteArray& team = "|1|Tigers|5|3|1|2|") {
        testsupport::writeLeagueFolder(dir.path(), league, {team}, players);
        store.loadYears();
        grid = buildTable(store, state, tab);
    }
    QStringList keys() const {
        QStringList k;
        for (const auto& row : grid.rows)
            k << QString::fromStdString(row[0]);
        return k;
    }
    int columnOf(const char* header) const {
        for (int i = 0; i < grid.columnCount(); ++i) {
            if (grid.headers[i] == header)
                return i;
        }
        return -1;
    }
    QStringList column(const char* header) const {
        QStringList cells;
        const int c = columnOf(header);
        if (c < 0)
            return cells;
        for (const auto& row : grid.rows)
            cells << QString::fromStdString(row[c]);
        return cells;
    }
};

QList<QByteArray> numberedPlayers(int count) {
    QList<QByteArray> players;
    for (int i = 1; i <= count; ++i)
        players << playerLine(QByteArray::number(i), "P");
    return players;
}

}  // namespace

class TestPlayerView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void keyLines();
    void sequenceOrder_data();
    void sequenceOrder();
    void namesIgnoreCase();
    void equalValuesByLineText();
    void rateOrders();
    void rowCells();
    void totalsRow();
    void currentPlayer();
    void onlyInactivePlayers();
    void tabColumns();
    void cacheIsReused();
    void insertAllMatchesInsert();
};

void TestPlayerView::keyLines() {
    const PlayerRecord hr = PlayerRecord::parse(playerLine("7", "X", {{10, "12"}}).toStdString());
    QCOMPARE(playerKeyLine(hr, {}, 23, 7), std::string(18, ' ') + "127");
    const PlayerRecord lee = PlayerRecord::parse(playerLine("4", "Lee").toStdString());
    QCOMPARE(playerKeyLine(lee, {}, 2, 4), "LEE" + std::string(17, ' ') + "4");
    QCOMPARE(playerKeyLine(lee, {}, 0, 4), std::string(20, ' ') + "4");
    LeagueRecord league = LeagueRecord::parse("|1|L|");
    QCOMPARE(playerSortKey(league, 3), 1);  // a blank reads as the player number
    league.sortKeys[2] = 'A';
    QCOMPARE(playerSortKey(league, 3), 1);
}

void TestPlayerView::sequenceOrder_data() {
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("ascending") << false
                               << QStringList({"1", "10", "11", "2", "3", "4", "5", "6", "7", "8",
                                               "9", "9"});
    QTest::newRow("descending") << true
                                << QStringList({"9", "8", "7", "6", "5", "4", "3", "2", "11", "10",
                                                "1", "1"});
}

void TestPlayerView::sequenceOrder() {
    QFETCH(bool, descending);
    QFETCH(QStringList, keys);
    PlayerTab view(numberedPlayers(11), leagueLine(0, descending), 6);  // Custom shows Seq
    QCOMPARE(view.keys(), keys);  // the totals row repeats the last key
    QCOMPARE(view.column(" Seq").mid(0, 3), QStringList({" 1", " 2", " 3"}));
    QCOMPARE(view.column(" Seq").last(), QString(" ***"));
}

void TestPlayerView::namesIgnoreCase() {
    PlayerTab view({playerLine("1", "lee"), playerLine("2", "Adams"), playerLine("3", "LEE"),
                    playerLine("4", "baker")},
                   leagueLine(2, false));
    QCOMPARE(view.keys().mid(0, 4), QStringList({"2", "4", "1", "3"}));
}

void TestPlayerView::equalValuesByLineText() {
    QList<QByteArray> players = numberedPlayers(12);
    players[1] = playerLine("2", "B", {{10, "3"}});
    players[11] = playerLine("12", "L", {{10, "3"}});
    PlayerTab view(players, leagueLine(23, false));  // key 23 = HR
    QCOMPARE(view.keys().mid(10, 2), QStringList({"12", "2"}));
}

void TestPlayerView::rateOrders() {
    // Avg ascending: no at bats first, then .000 up to 1.000
    PlayerTab avg({playerLine("1", "A", {{6, "4"}, {7, "4"}}), playerLine("2", "B"),
                   playerLine("3", "C", {{6, "4"}}), playerLine("4", "D", {{6, "4"}, {7, "1"}})},
                  leagueLine(8, false));
    QCOMPARE(avg.keys().mid(0, 4), QStringList({"2", "3", "4", "1"}));
    QCOMPARE(avg.column(" Avg").mid(0, 4), QStringList({"     ", " .000", " .250", "1.000"}));

    // ERA descending (Pitching tab): highest first, pitchers without outs last
    PlayerTab era({playerLine("1", "A", {{24, "9"}, {36, "3"}}), playerLine("2", "B"),
                   playerLine("3", "C", {{24, "9"}, {36, "12"}}),
                   playerLine("4", "D", {{24, "9"}, {36, "1"}})},
                  leagueLine(52, true), 4);
    QCOMPARE(era.keys().mid(0, 4), QStringList({"3", "1", "4", "2"}));
    QCOMPARE(era.column(" ERA").mid(0, 4), QStringList({"12.00", " 3.00", " 1.00", "     "}));
}

void TestPlayerView::rowCells() {
    const QByteArray longName(40, 'n');
    PlayerTab view({playerLine("5", longName, {{4, "3"}, {22, "7"}}),
                    playerLine("6", "Pitcher", {{24, "5"}, {25, "2"}})},
                   leagueLine(1, false));
    QCOMPARE(view.grid.caption, std::string("2024 League - Tigers"));
    QCOMPARE(view.grid.headers,
             std::vector<std::string>({"", " No", " Player Name", " G", " AB", " H", " W", " Sac",
                                       " Avg", " Slg", " OB%", " PA", " BO"}));
    QCOMPARE(view.grid.wideColumns, std::vector<int>({2}));
    QCOMPARE(view.grid.rows[0][2], " " + std::string(39, 'n'));
    QCOMPARE(view.grid.rows[0][3], std::string(" 3"));
    QCOMPARE(view.grid.rows[0][4], std::string());  // empty count: empty cell
    QCOMPARE(view.grid.rows[0][12], std::string(" 7"));
    QCOMPARE(view.grid.rows[1][3], std::string(" "));  // empty field: one blank

    PlayerTab pitching({playerLine("5", "A", {{24, "5"}, {25, "2"}}), playerLine("6", "B")},
                       leagueLine(1, false), 4);
    QCOMPARE(pitching.column(" IP"), QStringList({"5.2", "", "5.2"}));
}

void TestPlayerView::totalsRow() {
    PlayerTab view({playerLine("1", "A", {{37, "3"}, {38, "1"}, {23, "4"}, {22, "1"}}),
                    playerLine("2", "B", {{37, "2"}, {38, "2"}, {23, "5"}, {40, "SS"}})},
                   leagueLine(1, false), 4);  // Pitching
    const std::vector<std::string>& totals = view.grid.rows.back();
    QCOMPARE(totals[0], std::string("2"));               // the last listed player
    QCOMPARE(view.column(" GP").last(), QString(" 8"));  // won plus lost, not games pitched
    QCOMPARE(view.column(" Won").last(), QString(" 5"));
    QCOMPARE(view.column(" W%").last(), QString(" .625"));
    QCOMPARE(view.column(" Player Name").last(), QString(" Totals"));
    QCOMPARE(view.column(" No").last(), QString(" ***"));

    PlayerTab players({playerLine("1", "A", {{4, "6"}, {22, "1"}}), playerLine("2", "B")},
                      leagueLine(1, false));
    QCOMPARE(players.column(" G").last(), QString(" 9"));  // the team's 5 + 3 + 1 games
    QCOMPARE(players.column(" BO").last(), QString(" ***"));

    // choosing the totals row makes the last listed player current
    selectRecord(players.store, 1, players.grid.rows.back()[0]);
    QCOMPARE(players.store.team.currentPlayer, std::string("2"));
    QCOMPARE(players.store.player.name, std::string("B"));
}

void TestPlayerView::currentPlayer() {
    // the team's current player is line 2: its row becomes current, nothing is written
    PlayerTab shown(numberedPlayers(3), leagueLine(1, true));
    QCOMPARE(shown.keys().mid(0, 3), QStringList({"3", "2", "1"}));
    QCOMPARE(shown.grid.currentRow, 2);
    QVERIFY(!shown.store.changed.teams);
    QCOMPARE(shown.store.player.number, std::string("2"));

    // line 2 deleted: the player of the first row becomes current and the team is written
    QList<QByteArray> players = numberedPlayers(3);
    players[1] = playerLine("2", "P", {}, "X");
    PlayerTab hidden(players, leagueLine(1, true));
    QCOMPARE(hidden.grid.currentRow, 1);
    QCOMPARE(hidden.store.team.currentPlayer, std::string("3"));
    QCOMPARE(hidden.store.player.number, std::string("3"));
    QVERIFY(hidden.store.changed.teams);
    QCOMPARE(hidden.store.teams.line(1), std::string("|1|Tigers|5|3|1|3|"));
}

void TestPlayerView::onlyInactivePlayers() {
    PlayerTab view({playerLine("1", "A", {}, "X"), playerLine("2", "B", {}, "+")},
                   leagueLine(1, false));
    QCOMPARE(view.grid.rows.size(), std::size_t(1));
    QCOMPARE(view.grid.rows[0], std::vector<std::string>(13));
    QCOMPARE(view.store.team.currentPlayer, std::string("2"));
    QVERIFY(!view.store.changed.teams);
    QVERIFY(!commandStates(view.store, view.grid).notes);
}

void TestPlayerView::tabColumns() {
    PlayerTab hitting({playerLine("1", "A", {{7, "2"}, {10, "1"}})}, leagueLine(1, false), 2);
    QCOMPARE(hitting.grid.headers,
             std::vector<std::string>({"", " No", " Player Name", " 1B", " 2B", " 3B", " HR",
                                       " RBI", " SO", " BB", " HP", " WCI", " SBnt", " SFly"}));
    QCOMPARE(hitting.grid.rows[0][3], std::string(" 2"));
    QCOMPARE(hitting.grid.rows[1][6], std::string(" 1"));

    // Custom with the four user columns shown, and the name hidden on it
    QByteArray mask(61, ' ');
    mask[2] = static_cast<char>(128 + 31);  // name on every tab but Custom
    for (int k = 57; k < 61; ++k)
        mask[k] = static_cast<char>(128 + 32);
    PlayerTab custom({playerLine("1", "A", {{45, "4"}, {48, "1"}})},
                     leagueLine(1, false, mask, "Hustle|Extra||Last|"), 6);
    QCOMPARE(custom.grid.headers,
             std::vector<std::string>({"", " Seq", " No", "Hustle", "Extra", "", "Last"}));
    QVERIFY(custom.grid.wideColumns.empty());
    QCOMPARE(custom.grid.rows[0],
             std::vector<std::string>({"1", " 1", " 1", " 4", " ", " ", " 1"}));
    QCOMPARE(custom.grid.rows[1],
             std::vector<std::string>({"1", " ***", " ***", " 4", "", "", " 1"}));
}

void TestPlayerView::cacheIsReused() {
    PlayerTab view(numberedPlayers(4), leagueLine(1, false));
    QVERIFY(view.state.cache.validFor(view.store));
    int maximum = 0;
    int last = 0;
    buildTable(view.store, view.state, 2, [&](int value, int max) {
        maximum = max;
        last = value;
    });
    QCOMPARE(maximum, 2 * 5);  // no recomputation: two passes over the 5 lines
    QCOMPARE(last, 2 * 4);
    view.state.clearStatsCache();
    buildTable(view.store, view.state, 2, [&](int, int max) { maximum = max; });
    QCOMPARE(maximum, 3 * 5);
}

void TestPlayerView::insertAllMatchesInsert() {
    QRandomGenerator random(42);
    const char letters[] = "aAbB zZ.-1é";
    std::vector<std::string> lines;
    for (int i = 0; i < 300; ++i) {
        std::string line;
        for (int c = 0; c < 3; ++c)
            line += letters[random.bounded(int(sizeof(letters) - 1))];
        lines.push_back(line);
    }
    SortedList one;
    for (const std::string& line : lines)
        one.insert(line);
    SortedList bulk;
    bulk.insert(lines[5]);
    bulk.insertAll(lines);
    QCOMPARE(bulk.lines(), one.lines());
}

QTEST_GUILESS_MAIN(TestPlayerView)
#include "tst_playerview.moc"
