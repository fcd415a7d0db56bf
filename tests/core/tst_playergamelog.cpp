#include "gamelog/gamelog.h"
#include "gamelog/logline.h"
#include "gamelog/playergamelog.h"
#include "store/store.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <initializer_list>
#include <utility>

using namespace pny;

class TestPlayerGameLog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void init();
    void rowsOfThePlayerOnly();
    void runningTotals();
    void totalsRowCarriesThirds();
    void emptyLogHasOnlyTheTotalsRow();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Store> store_;
    GameLog log_;
};

namespace {

using Stats = std::initializer_list<std::pair<PlayerStat, long long>>;

LogLine line(int entry, LogKind kind, int team, int player, Stats stats, int opponent = 0,
             const char* date = "", int corrects = 0) {
    LogLine l;
    l.entry = entry;
    l.kind = kind;
    l.corrects = corrects;
    l.date = date;
    l.time = *date ? "1900" : "";
    l.team = team;
    l.opponent = opponent;
    l.player = player;
    for (const auto& [stat, value] : stats)
        l.values[stat] = value;
    return l;
}

// The cell of a row under a header, trimmed.
QString cell(const ViewGrid& grid, int row, const char* header) {
    for (std::size_t c = 0; c < grid.headers.size(); ++c) {
        if (grid.headers[c] == header)
            return QString::fromStdString(grid.rows.at(static_cast<std::size_t>(row))[c]).trimmed();
    }
    qFatal("no column %s", header);
}

}  // namespace

void TestPlayerGameLog::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    testsupport::writeLeagueFolder(
        dir_->path(), "|1|Majors|1||7|", {"|1|Eagles|||||", "|2|Owls|||||", "|3|Herons|||||"},
        {testsupport::playerLine("4", "Ruth"), testsupport::playerLine("5", "Gehrig")});
    store_ = std::make_unique<Store>(dir_->path());
    store_->loadYears();
    QVERIFY(store_->ensurePlayers());

    log_ = GameLog();
    // Ruth (team 1, player 1): totals before the log, a night, a dialog entry, a second night
    // and a change of it. Gehrig and the team lines must not show.
    log_.append(line(1, LogKind::Before, 1, 1, {{StatPA, 10}, {Stat1B, 3}}));
    log_.append(
        line(2, LogKind::Night, 1, 1,
             {{StatPA, 4}, {Stat1B, 1}, {StatHR, 1}, {StatIP, 2}, {StatIP3, 2}, {StatER, 1}}, 2,
             "20240603"));
    log_.append(line(2, LogKind::Night, 1, 2, {{StatPA, 5}, {StatHR, 3}}, 2, "20240603"));
    LogLine team = line(2, LogKind::Night, 1, 0, {}, 2, "20240603");
    team.won = 1;
    log_.append(team);
    log_.append(line(3, LogKind::Entry, 1, 1, {{StatRBI, 2}}));
    log_.append(
        line(4, LogKind::Night, 1, 1, {{StatPA, 3}, {Stat2B, 1}, {StatIP3, 2}}, 3, "20240610"));
    log_.append(line(5, LogKind::Change, 1, 1, {{Stat2B, -1}, {Stat1B, 1}}, 3, "20240610", 4));
    // The same line numbers in another team are another player.
    log_.append(line(6, LogKind::Night, 2, 1, {{StatPA, 9}}, 1, "20240603"));
}

void TestPlayerGameLog::rowsOfThePlayerOnly() {
    const ViewGrid grid = playerGameLog(*store_, log_, 1, 1);
    QCOMPARE(grid.rows.size(), std::size_t(6));  // five entries and the totals row
    for (const auto& row : grid.rows)
        QCOMPARE(row.size(), grid.headers.size());
    QCOMPARE(cell(grid, 0, " Entry"), QStringLiteral("Before the log"));
    QCOMPARE(cell(grid, 1, " Entry"), QStringLiteral("Night"));
    QCOMPARE(cell(grid, 2, " Entry"), QStringLiteral("Entry"));
    QCOMPARE(cell(grid, 3, " Entry"), QStringLiteral("Night"));
    QCOMPARE(cell(grid, 4, " Entry"), QStringLiteral("Change"));
    QCOMPARE(cell(grid, 5, " Opponent"), QStringLiteral("Totals"));
    // The key column names the night a row belongs to; a change names the night it corrects.
    QCOMPARE(grid.rows[0][0], std::string());
    QCOMPARE(grid.rows[1][0], std::string("2"));
    QCOMPARE(grid.rows[2][0], std::string());
    QCOMPARE(grid.rows[3][0], std::string("4"));
    QCOMPARE(grid.rows[4][0], std::string("4"));
    QCOMPARE(cell(grid, 1, " Date"), QStringLiteral("2024-06-03"));
    QCOMPARE(cell(grid, 1, " Opponent"), QStringLiteral("Owls"));
    QCOMPARE(cell(grid, 3, " Opponent"), QStringLiteral("Herons"));
    QCOMPARE(cell(grid, 2, " Opponent"), QString());
    // The line's own values, a zero shown empty.
    QCOMPARE(cell(grid, 1, " PA"), QStringLiteral("4"));
    QCOMPARE(cell(grid, 1, " HR"), QStringLiteral("1"));
    QCOMPARE(cell(grid, 1, " RBI"), QString());
    QCOMPARE(cell(grid, 4, " 2B"), QStringLiteral("-1"));
    QVERIFY(QString::fromStdString(grid.caption).contains("Ruth"));
    QCOMPARE(grid.wideColumns, std::vector<int>{2});
}

void TestPlayerGameLog::runningTotals() {
    const ViewGrid grid = playerGameLog(*store_, log_, 1, 1);
    // Before: 3 for 10.
    QCOMPARE(cell(grid, 0, " Tot AB"), QStringLiteral("10"));
    QCOMPARE(cell(grid, 0, " Tot H"), QStringLiteral("3"));
    QCOMPARE(cell(grid, 0, " Avg"), QStringLiteral(".300"));
    QCOMPARE(cell(grid, 0, " ERA"), QString());  // no outs yet
    // After the first night: 5 for 14; 1 earned run in 8 outs of a 7-inning league.
    QCOMPARE(cell(grid, 1, " Tot H"), QStringLiteral("5"));
    QCOMPARE(cell(grid, 1, " Tot HR"), QStringLiteral("1"));
    QCOMPARE(cell(grid, 1, " Avg"), QStringLiteral(".357"));
    QCOMPARE(cell(grid, 1, " Tot IP"), QStringLiteral("2.2"));
    QCOMPARE(cell(grid, 1, " ERA"), QStringLiteral("2.62"));
    QCOMPARE(cell(grid, 2, " Tot RBI"), QStringLiteral("2"));
    // The second night's thirds carry: 8 + 2 outs make 3.1 innings.
    QCOMPARE(cell(grid, 3, " Tot IP"), QStringLiteral("3.1"));
    QCOMPARE(cell(grid, 3, " Tot H"), QStringLiteral("6"));
    QCOMPARE(cell(grid, 3, " Slg"), QStringLiteral(".588"));
    // The change turns the double into a single: still 6 hits, 2 fewer bases.
    QCOMPARE(cell(grid, 4, " Tot H"), QStringLiteral("6"));
    QCOMPARE(cell(grid, 4, " Slg"), QStringLiteral(".529"));
    QCOMPARE(cell(grid, 5, " Avg"), cell(grid, 4, " Avg"));
}

void TestPlayerGameLog::totalsRowCarriesThirds() {
    const ViewGrid grid = playerGameLog(*store_, log_, 1, 1);
    const int totals = static_cast<int>(grid.rows.size()) - 1;
    QCOMPARE(cell(grid, totals, " PA"), QStringLiteral("17"));
    QCOMPARE(cell(grid, totals, " 1B"), QStringLiteral("5"));
    QCOMPARE(cell(grid, totals, " 2B"), QString());
    QCOMPARE(cell(grid, totals, " IP"), QStringLiteral("3"));
    QCOMPARE(cell(grid, totals, " 3IP"), QStringLiteral("1"));
    QCOMPARE(grid.rows.back()[0], std::string());
}

void TestPlayerGameLog::emptyLogHasOnlyTheTotalsRow() {
    const ViewGrid grid = playerGameLog(*store_, GameLog(), 1, 2);
    QCOMPARE(grid.rows.size(), std::size_t(1));
    QCOMPARE(cell(grid, 0, " Opponent"), QStringLiteral("Totals"));
    QCOMPARE(cell(grid, 0, " PA"), QString());
    QVERIFY(QString::fromStdString(grid.caption).contains("Gehrig"));
}

QTEST_MAIN(TestPlayerGameLog)
#include "tst_playergamelog.moc"
