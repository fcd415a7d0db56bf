// A box score line in the scorer's terms and the stored counts it makes, both ways.
#include "gamelog/boxscorecolumns.h"
#include "gamelog/scorerline.h"
#include "store/records.h"

#include <QTest>

#include <map>

using namespace pny;

namespace {

using Cells = std::map<std::string, std::string>;  // column name -> text
using Counts = std::map<int, long long>;           // statistic -> stored count

std::vector<std::string> cellsOf(const std::vector<BoxScoreColumn>& columns, const Cells& typed) {
    std::vector<std::string> cells(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const auto it = typed.find(columns[c].name);
        if (it != typed.end())
            cells[c] = it->second;
    }
    return cells;
}

StatValues valuesOf(const Counts& counts) {
    StatValues values{};
    for (const auto& [stat, value] : counts)
        values[static_cast<std::size_t>(stat)] = value;
    return values;
}

LeagueRecord leagueWithHeader() {
    LeagueRecord league = LeagueRecord::parse("");
    league.userHeaders[0] = "QAB";
    return league;
}

}  // namespace

Q_DECLARE_METATYPE(Cells)
Q_DECLARE_METATYPE(Counts)

class TestScorerLine : public QObject {
    Q_OBJECT
private slots:
    void defaultColumnsAreABoxScores();
    void converts_data();
    void converts();
    void refuses_data();
    void refuses();
    void storedCountsShowAgain_data();
    void storedCountsShowAgain();
    void inningsNotation_data();
    void inningsNotation();
    void columnsByName();
};

void TestScorerLine::defaultColumnsAreABoxScores() {
    QStringList names;
    for (const BoxScoreColumn& column : defaultScorerColumns(leagueWithHeader(), false))
        names << QString::fromStdString(column.name);
    QCOMPARE(names.join(' '), QStringLiteral("AB R H 2B 3B HR RBI BB SO HBP SH SF SB CS C1 DEC "
                                             "IP P.H P.R ER P.BB P.SO P.HB WP BK PO A E"));
    // A league counting pitches types NP and S after the pitching; no user column without a
    // header.
    names.clear();
    for (const BoxScoreColumn& column : defaultScorerColumns(LeagueRecord::parse(""), true))
        names << QString::fromStdString(column.name);
    QVERIFY(names.join(' ').contains("P.H P.R ER P.BB P.SO P.HB WP BK NP S PO"));
    QVERIFY(!names.contains("C2"));
}

void TestScorerLine::converts_data() {
    QTest::addColumn<Cells>("typed");
    QTest::addColumn<Counts>("stored");
    // PA = AB + BB + HBP + CI + SH + SF; 1B = H - 2B - 3B - HR; G for batting.
    QTest::newRow("a batter") << Cells{{"AB", "4"}, {"R", "1"},  {"H", "3"},   {"2B", "1"},
                                       {"HR", "1"}, {"BB", "1"}, {"HBP", "1"}, {"SH", "1"},
                                       {"SF", "1"}, {"CI", "1"}}
                              << Counts{{StatPA, 9},   {StatRS, 1},  {Stat1B, 1}, {Stat2B, 1},
                                        {StatHR, 1},   {StatBB, 1},  {StatHP, 1}, {StatSBnt, 1},
                                        {StatSFly, 1}, {StatWCI, 1}, {StatG, 1}};
    // IP 5.2 is 5 innings and 2 thirds; the pitcher's H, R, BB, SO, HB are his own statistics.
    QTest::newRow("a winning pitcher")
        << Cells{{"DEC", "w"},  {"IP", "5.2"}, {"P.H", "6"},  {"P.R", "3"}, {"ER", "2"},
                 {"P.BB", "1"}, {"P.SO", "7"}, {"P.HB", "1"}, {"WP", "1"},  {"BK", "1"}}
        << Counts{{StatWon, 1}, {StatIP, 5},  {StatIP3, 2}, {StatHA, 6}, {StatRA, 3},  {StatER, 2},
                  {StatWA, 1},  {StatBSO, 7}, {StatBH, 1},  {StatWP, 1}, {StatBks, 1}, {StatGP, 1}};
    QTest::newRow("a save, whole innings")
        << Cells{{"DEC", "S"}, {"IP", "2"}} << Counts{{StatSv, 1}, {StatIP, 2}, {StatGP, 1}};
    QTest::newRow("a loss in no outs") << Cells{{"DEC", "L"}, {"IP", "0"}, {"P.R", "4"}}
                                       << Counts{{StatLost, 1}, {StatRA, 4}, {StatGP, 1}};
    // A 0 typed is a player in the game: G for a defensive substitute, GP for a pitcher.
    QTest::newRow("a defensive substitute") << Cells{{"AB", "0"}} << Counts{{StatG, 1}};
    QTest::newRow("fielding only")
        << Cells{{"PO", "3"}, {"E", "1"}} << Counts{{StatPO, 3}, {StatErr, 1}, {StatG, 1}};
    QTest::newRow("batting and pitching")
        << Cells{{"AB", "3"}, {"H", "1"}, {"IP", "7"}}
        << Counts{{StatPA, 3}, {Stat1B, 1}, {StatG, 1}, {StatIP, 7}, {StatGP, 1}};
    QTest::newRow("pitches and strikes")
        << Cells{{"IP", "1"}, {"NP", "20"}, {"S", "12"}}
        << Counts{{StatIP, 1}, {StatGP, 1}, {StatST, 12}, {StatBT, 8}};
    QTest::newRow("nothing typed") << Cells{} << Counts{};
}

void TestScorerLine::converts() {
    QFETCH(Cells, typed);
    QFETCH(Counts, stored);
    const std::vector<BoxScoreColumn> columns = scorerColumns(leagueWithHeader());
    const ScorerLine line = scorerLine(columns, cellsOf(columns, typed));
    QVERIFY2(line.problem.isEmpty(), qPrintable(line.problem));
    QCOMPARE(line.typed, !typed.empty());
    for (int s = 0; s < PlayerStatCount; ++s) {
        const long long expected = stored.count(s) ? stored.at(s) : 0;
        QVERIFY2(line.values[static_cast<std::size_t>(s)] == expected,
                 qPrintable(QStringLiteral("statistic %1: %2, expected %3")
                                .arg(s)
                                .arg(line.values[static_cast<std::size_t>(s)])
                                .arg(expected)));
    }
}

void TestScorerLine::refuses_data() {
    QTest::addColumn<Cells>("typed");
    QTest::addColumn<QString>("reason");
    QTest::newRow("H less than the extra-base hits")
        << Cells{{"AB", "4"}, {"H", "1"}, {"2B", "1"}, {"HR", "1"}}
        << "H 1 is less than 2B + 3B + HR (2)";
    QTest::newRow("a home run without H")
        << Cells{{"AB", "4"}, {"HR", "1"}} << "H 0 is less than 2B + 3B + HR (1)";
    QTest::newRow("IP 4.3") << Cells{{"IP", "4.3"}} << "IP 4.3 is no number of innings";
    QTest::newRow("a decision without pitching")
        << Cells{{"AB", "3"}, {"DEC", "W"}} << "DEC W without pitching";
    QTest::newRow("a decision that is none")
        << Cells{{"IP", "5"}, {"DEC", "X"}} << "DEC X is no decision";
    QTest::newRow("strikes over pitches") << Cells{{"IP", "1"}, {"NP", "10"}, {"S", "11"}} << "S";
}

void TestScorerLine::refuses() {
    QFETCH(Cells, typed);
    QFETCH(QString, reason);
    const std::vector<BoxScoreColumn> columns = scorerColumns(LeagueRecord::parse(""));
    const ScorerLine line = scorerLine(columns, cellsOf(columns, typed));
    QVERIFY2(line.problem.startsWith(reason), qPrintable(line.problem));
}

void TestScorerLine::storedCountsShowAgain_data() {
    QTest::addColumn<Counts>("stored");
    QTest::addColumn<bool>("shown");  // the box score columns show exactly these counts
    QTest::newRow("a batter")
        << Counts{{StatPA, 5}, {Stat1B, 1}, {StatHR, 1}, {StatBB, 1}, {StatG, 1}} << true;
    QTest::newRow("a pitcher") << Counts{{StatIP, 6}, {StatIP3, 1}, {StatWon, 1}, {StatGP, 1}}
                               << true;
    QTest::newRow("a substitute") << Counts{{StatG, 1}} << true;
    QTest::newRow("a pitcher who got nobody out") << Counts{{StatGP, 1}} << true;
    // What the box score columns cannot show stays in all statistics.
    QTest::newRow("two games") << Counts{{StatG, 2}, {StatPA, 3}} << false;
    QTest::newRow("a game without a line") << Counts{{StatPA, 3}, {Stat1B, 1}} << false;
    QTest::newRow("picked off") << Counts{{StatPkO, 1}, {StatG, 1}} << true;
    QTest::newRow("runners picked off") << Counts{{StatRPO, 1}, {StatGP, 1}} << true;
    QTest::newRow("two decisions")
        << Counts{{StatWon, 1}, {StatSv, 1}, {StatIP, 3}, {StatGP, 1}} << false;
    QTest::newRow("strikes thrown") << Counts{{StatST, 30}, {StatIP, 3}, {StatGP, 1}} << false;
}

void TestScorerLine::storedCountsShowAgain() {
    QFETCH(Counts, stored);
    QFETCH(bool, shown);
    // The default columns show neither PkO nor RPO: only the league's choice does.
    const std::vector<BoxScoreColumn> defaults =
        defaultScorerColumns(LeagueRecord::parse(""), false);
    const std::vector<BoxScoreColumn> every = scorerColumns(LeagueRecord::parse(""));
    const bool rare = stored.count(StatPkO) || stored.count(StatRPO);
    const std::vector<BoxScoreColumn>& columns = rare ? every : defaults;
    std::vector<std::string> cells;
    QCOMPARE(scorerCells(columns, valuesOf(stored), cells), shown);
    if (rare) {
        std::vector<std::string> none;
        QVERIFY(!scorerCells(defaults, valuesOf(stored), none));
    }
    if (shown)
        QVERIFY(scorerLine(columns, cells).values == valuesOf(stored));
}

void TestScorerLine::inningsNotation_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("outs");  // -1: no number of innings
    QTest::newRow("5.2") << "5.2" << 17;
    QTest::newRow("5") << "5" << 15;
    QTest::newRow("5.") << "5." << 15;
    QTest::newRow("5.0") << "5.0" << 15;
    QTest::newRow(".1") << ".1" << 1;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("4.3") << "4.3" << -1;
    QTest::newRow("4.10") << "4.10" << -1;
    QTest::newRow("a point alone") << "." << -1;
    QTest::newRow("a minus") << "-1" << -1;
    QTest::newRow("letters") << "5a" << -1;
}

void TestScorerLine::inningsNotation() {
    QFETCH(QString, text);
    QFETCH(int, outs);
    const std::optional<long long> read = outsOfInnings(text.toStdString());
    QCOMPARE(read.has_value(), outs >= 0);
    if (!read)
        return;
    QCOMPARE(*read, static_cast<long long>(outs));
    QCOMPARE(outsOfInnings(inningsText(*read)), read);
}

void TestScorerLine::columnsByName() {
    const std::vector<BoxScoreColumn> every = scorerColumns(leagueWithHeader());
    // Case is ignored, unknown and repeated names are left out, the order is the names'.
    QStringList names;
    for (const BoxScoreColumn& column :
         columnsNamed(every, {"so", "AB", "nothing", "SO", "p.so", "c1"}))
        names << QString::fromStdString(column.name);
    QCOMPARE(names, (QStringList{"SO", "AB", "P.SO", "C1"}));
}

QTEST_APPLESS_MAIN(TestScorerLine)
#include "tst_scorerline.moc"
