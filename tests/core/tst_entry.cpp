#include "entry/playerentry.h"
#include "entry/teamentry.h"
#include "store/records.h"

#include <QTest>

using namespace pny;

namespace {

// The texts of a dialog opened on `line`, with the league's headers.
PlayerEntryTexts textsFor(const PlayerRecord& player, const LeagueRecord& league = {}) {
    return openingTexts(player, league);
}

}  // namespace

class TestEntry : public QObject {
    Q_OBJECT
private slots:
    void rowsCoverEveryCount();

    void count_data();
    void count();

    void thirds_data();
    void thirds();

    void textsKeptAsTyped();
    void nothingTypedRewritesCounts();
    void refusedTotals_data();
    void refusedTotals();
    void separatorRefused();
    void headers_data();
    void headers();

    void team_data();
    void team();
    void teamRefused();
};

void TestEntry::rowsCoverEveryCount() {
    // 43 rows, every statistic but BO and Pos exactly once.
    const auto& rows = playerEntryRows();
    QCOMPARE(rows.size(), std::size_t(43));
    std::array<int, PlayerStatCount> seen{};
    for (const auto& row : rows)
        ++seen[row.stat];
    for (int s = 0; s < PlayerStatCount; ++s) {
        const int expected = (s == StatBO || s == StatPos) ? 0 : 1;
        QCOMPARE(seen[s], expected);
    }
}

void TestEntry::count_data() {
    QTest::addColumn<QByteArray>("total");
    QTest::addColumn<QByteArray>("add");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("12+3") << QByteArray("12") << QByteArray("3") << QByteArray("15");
    QTest::newRow("12-2") << QByteArray("12") << QByteArray("-2") << QByteArray("10");
    QTest::newRow("12+empty") << QByteArray("12") << QByteArray("") << QByteArray("12");
    QTest::newRow("empty+empty") << QByteArray("") << QByteArray("") << QByteArray("");
    QTest::newRow("0+0") << QByteArray("0") << QByteArray("0") << QByteArray("");
    QTest::newRow("3-3") << QByteArray("3") << QByteArray("-3") << QByteArray("");
    QTest::newRow("blank inside") << QByteArray("1 2") << QByteArray("") << QByteArray("12");
    QTest::newRow("letter+4") << QByteArray("a") << QByteArray("4") << QByteArray("4");
    QTest::newRow("leading zero") << QByteArray("05") << QByteArray("") << QByteArray("5");
    QTest::newRow("negative") << QByteArray("") << QByteArray("-7") << QByteArray("-7");
    QTest::newRow("9998+1") << QByteArray("9998") << QByteArray("1") << QByteArray("9999");
    QTest::newRow("-998-1") << QByteArray("-998") << QByteArray("-1") << QByteArray("-999");
}

void TestEntry::count() {
    QFETCH(QByteArray, total);
    QFETCH(QByteArray, add);
    QFETCH(QByteArray, stored);
    // The same arithmetic holds for a statistic of each group.
    for (PlayerStat stat : {StatPA, StatG, StatER, StatSv, StatErr, StatC4}) {
        PlayerRecord player = PlayerRecord::parse("|23|Smith|");
        PlayerEntryTexts texts = textsFor(player);
        texts.total[stat] = total.toStdString();
        texts.add[stat] = add.toStdString();
        const PlayerEntryOutcome out = applyPlayerEntry(player, LeagueRecord{}, texts);
        QVERIFY2(out.accepted, qPrintable(out.refusal));
        QCOMPARE(QByteArray::fromStdString(out.player.stat(stat)), stored);
        // Nothing else moves.
        for (int other = 0; other < PlayerStatCount; ++other) {
            if (other != stat)
                QVERIFY(out.player.stats[other].empty());
        }
    }
}

void TestEntry::thirds_data() {
    QTest::addColumn<QByteArray>("ip");
    QTest::addColumn<QByteArray>("ip3");
    QTest::addColumn<QByteArray>("addIp");
    QTest::addColumn<QByteArray>("add3");
    QTest::addColumn<QByteArray>("storedIp");
    QTest::addColumn<QByteArray>("stored3");
    QTest::newRow("2+2 carries") << QByteArray("5") << QByteArray("2") << QByteArray("")
                                 << QByteArray("2") << QByteArray("6") << QByteArray("1");
    QTest::newRow("1+1 stays") << QByteArray("5") << QByteArray("1") << QByteArray("")
                               << QByteArray("1") << QByteArray("5") << QByteArray("2");
    QTest::newRow("9 thirds") << QByteArray("") << QByteArray("") << QByteArray("")
                              << QByteArray("9") << QByteArray("3") << QByteArray("");
    QTest::newRow("exactly 3") << QByteArray("4") << QByteArray("1") << QByteArray("")
                               << QByteArray("2") << QByteArray("5") << QByteArray("");
    QTest::newRow("innings and thirds") << QByteArray("4") << QByteArray("2") << QByteArray("3")
                                        << QByteArray("2") << QByteArray("8") << QByteArray("1");
    QTest::newRow("negative not normalised")
        << QByteArray("") << QByteArray("") << QByteArray("") << QByteArray("-1") << QByteArray("")
        << QByteArray("-1");
    QTest::newRow("negative with innings")
        << QByteArray("5") << QByteArray("") << QByteArray("") << QByteArray("-2")
        << QByteArray("5") << QByteArray("-2");
}

void TestEntry::thirds() {
    QFETCH(QByteArray, ip);
    QFETCH(QByteArray, ip3);
    QFETCH(QByteArray, addIp);
    QFETCH(QByteArray, add3);
    QFETCH(QByteArray, storedIp);
    QFETCH(QByteArray, stored3);
    PlayerRecord player = PlayerRecord::parse("|23|Smith|");
    player.stat(StatIP) = ip.toStdString();
    player.stat(StatIP3) = ip3.toStdString();
    PlayerEntryTexts texts = textsFor(player);
    texts.add[StatIP] = addIp.toStdString();
    texts.add[StatIP3] = add3.toStdString();
    const PlayerEntryOutcome out = applyPlayerEntry(player, LeagueRecord{}, texts);
    QVERIFY2(out.accepted, qPrintable(out.refusal));
    QCOMPARE(QByteArray::fromStdString(out.player.stat(StatIP)), storedIp);
    QCOMPARE(QByteArray::fromStdString(out.player.stat(StatIP3)), stored3);
}

void TestEntry::textsKeptAsTyped() {
    PlayerRecord player = PlayerRecord::parse("|23|Smith|");
    PlayerEntryTexts texts = textsFor(player);
    texts.total[StatBO] = "3";
    texts.total[StatPos] = "CF";
    // Add texts are never read for BO and Pos.
    texts.add[StatBO] = "5";
    texts.add[StatPos] = "1";
    PlayerEntryOutcome out = applyPlayerEntry(player, LeagueRecord{}, texts);
    QVERIFY(out.accepted);
    QCOMPARE(out.player.stat(StatBO), std::string("3"));
    QCOMPARE(out.player.stat(StatPos), std::string("CF"));

    texts.total[StatBO] = "03 ";
    texts.total[StatPos] = "1B/SSx";
    out = applyPlayerEntry(player, LeagueRecord{}, texts);
    QVERIFY(out.accepted);
    QCOMPARE(out.player.stat(StatBO), std::string("03 "));
    QCOMPARE(out.player.stat(StatPos), std::string("1B/S"));
}

void TestEntry::nothingTypedRewritesCounts() {
    PlayerRecord player = PlayerRecord::parse("|23|Smith|");
    player.stat(StatG) = "05";
    player.stat(StatInn) = "x";
    player.stat(StatPA) = "12";
    player.stat(Stat1B) = "0";
    player.stat(StatER) = "-0";
    player.stat(StatHA) = " 4";
    player.stat(StatBO) = " 7 ";
    player.stat(StatPos) = "SS";
    player.stat(StatC3) = "+3";
    const PlayerEntryOutcome out = applyPlayerEntry(player, LeagueRecord{}, textsFor(player));
    QVERIFY(out.accepted);
    QCOMPARE(out.player.stat(StatG), std::string("5"));
    QCOMPARE(out.player.stat(StatInn), std::string(""));
    QCOMPARE(out.player.stat(StatPA), std::string("12"));
    QCOMPARE(out.player.stat(Stat1B), std::string(""));
    QCOMPARE(out.player.stat(StatER), std::string(""));
    QCOMPARE(out.player.stat(StatHA), std::string("4"));
    QCOMPARE(out.player.stat(StatBO), std::string(" 7 "));
    QCOMPARE(out.player.stat(StatPos), std::string("SS"));
    QCOMPARE(out.player.stat(StatC3), std::string("3"));
    QCOMPARE(out.player.name, std::string("Smith"));
    QCOMPARE(out.player.number, std::string("23"));
    QVERIFY(!out.headersChanged);
}

void TestEntry::refusedTotals_data() {
    QTest::addColumn<int>("stat");
    QTest::addColumn<QByteArray>("total");
    QTest::addColumn<QByteArray>("add");
    QTest::addColumn<QString>("named");
    QTest::newRow("9999+1") << int(StatHR) << QByteArray("9999") << QByteArray("1")
                            << QStringLiteral("HR: Home Runs");
    QTest::newRow("-999-999") << int(StatRBI) << QByteArray("-999") << QByteArray("-999")
                              << QStringLiteral("RBI: Runs Batted In");
    QTest::newRow("long typed add") << int(StatPA) << QByteArray("1") << QByteArray("99999")
                                    << QStringLiteral("PA: Plate App. (All)");
    QTest::newRow("thirds carry past") << int(StatIP3) << QByteArray("2") << QByteArray("1")
                                       << QStringLiteral("IP: Innings Pitched");
    QTest::newRow("user column") << int(StatC2) << QByteArray("5000") << QByteArray("5000")
                                 << QStringLiteral("user column 2 (Hustle)");
}

void TestEntry::refusedTotals() {
    QFETCH(int, stat);
    QFETCH(QByteArray, total);
    QFETCH(QByteArray, add);
    QFETCH(QString, named);
    PlayerRecord player = PlayerRecord::parse("|23|Smith|");
    player.stat(StatIP) = "9999";
    LeagueRecord league;
    league.userHeaders = {"", "Hustle", "", ""};
    PlayerEntryTexts texts = textsFor(player, league);
    texts.total[stat] = total.toStdString();
    texts.add[stat] = add.toStdString();
    const PlayerEntryOutcome out = applyPlayerEntry(player, league, texts);
    QVERIFY(!out.accepted);
    QVERIFY2(out.refusal.contains(named), qPrintable(out.refusal));
    QVERIFY(out.refusal.contains(QStringLiteral("-999")));
    QVERIFY(out.refusal.contains(QStringLiteral("9999")));
}

void TestEntry::separatorRefused() {
    const PlayerRecord player = PlayerRecord::parse("|23|Smith|");
    for (int field = 0; field < 6; ++field) {
        PlayerEntryTexts texts = textsFor(player);
        if (field == 0)
            texts.total[StatBO] = "1|2";
        if (field == 1)
            texts.total[StatPos] = "|";
        if (field >= 2)
            texts.headers[static_cast<std::size_t>(field - 2)] = "a|b";
        const PlayerEntryOutcome out = applyPlayerEntry(player, LeagueRecord{}, texts);
        QVERIFY(!out.accepted);
        QVERIFY(out.refusal.contains(QStringLiteral("\"|\"")));
    }
}

void TestEntry::headers_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("changed");
    QTest::newRow("same") << QStringList{"Hustle", "", "Runs", "X"} << false;
    QTest::newRow("second renamed") << QStringList{"Hustle", "Bunts", "Runs", "X"} << true;
    QTest::newRow("case only") << QStringList{"hustle", "", "Runs", "X"} << true;
    QTest::newRow("trailing blank") << QStringList{"Hustle", "", "Runs ", "X"} << true;
    QTest::newRow("emptied") << QStringList{"Hustle", "", "Runs", ""} << true;
}

void TestEntry::headers() {
    QFETCH(QStringList, typed);
    QFETCH(bool, changed);
    const PlayerRecord player = PlayerRecord::parse("|23|Smith||||4|");
    LeagueRecord league;
    league.userHeaders = {"Hustle", "", "Runs", "X"};
    PlayerEntryTexts texts = textsFor(player, league);
    for (int i = 0; i < 4; ++i)
        texts.headers[static_cast<std::size_t>(i)] = typed[i].toStdString();
    const PlayerEntryOutcome out = applyPlayerEntry(player, league, texts);
    QVERIFY(out.accepted);
    QCOMPARE(out.headersChanged, changed);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(QString::fromStdString(out.headers[static_cast<std::size_t>(i)]), typed[i]);
    }
    // A header change leaves the player's figures as they were.
    QCOMPARE(out.player.build(), player.build());
}

void TestEntry::team_data() {
    QTest::addColumn<QStringList>("typed");  // won, lost, tied as in the edits
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("stored");
    const QStringList empty{"", "", ""};
    QTest::newRow("first win") << empty << int(TeamResult::Won) << QStringList{"1", "0", ""};
    QTest::newRow("first tie") << empty << int(TeamResult::Tied) << QStringList{"0", "0", "1"};
    QTest::newRow("first loss") << empty << int(TeamResult::Lost) << QStringList{"0", "1", ""};
    QTest::newRow("did not play") << empty << int(TeamResult::DidNotPlay) << empty;
    QTest::newRow("5-3 lost") << QStringList{"5", "3", ""} << int(TeamResult::Lost)
                              << QStringList{"5", "4", ""};
    QTest::newRow("typed 7 plus win")
        << QStringList{"7", "", ""} << int(TeamResult::Won) << QStringList{"8", "0", ""};
    QTest::newRow("correction") << QStringList{"007", "02", "0"} << int(TeamResult::DidNotPlay)
                                << QStringList{"7", "2", ""};
    QTest::newRow("999 plus win") << QStringList{"999", "", ""} << int(TeamResult::Won)
                                  << QStringList{"1000", "0", ""};
    QTest::newRow("2 and -2") << QStringList{"2", "-2", ""} << int(TeamResult::DidNotPlay) << empty;
    QTest::newRow("only ties") << QStringList{"", "", "3"} << int(TeamResult::DidNotPlay)
                               << QStringList{"0", "0", "3"};
    QTest::newRow("letters") << QStringList{"x", "1 0", ""} << int(TeamResult::DidNotPlay)
                             << QStringList{"0", "10", ""};
}

void TestEntry::team() {
    QFETCH(QStringList, typed);
    QFETCH(int, result);
    QFETCH(QStringList, stored);
    const TeamRecord before = TeamRecord::parse("|12|Tigers|5|3||4|");
    const TeamEntryOutcome out =
        applyTeamEntry(before, typed[0].toStdString(), typed[1].toStdString(),
                       typed[2].toStdString(), static_cast<TeamResult>(result));
    QVERIFY2(out.accepted, qPrintable(out.refusal));
    QCOMPARE(QString::fromStdString(out.team.won), stored[0]);
    QCOMPARE(QString::fromStdString(out.team.lost), stored[1]);
    QCOMPARE(QString::fromStdString(out.team.tied), stored[2]);
    QCOMPARE(out.team.name, std::string("Tigers"));
    QCOMPARE(out.team.currentPlayer, std::string("4"));
}

void TestEntry::teamRefused() {
    const TeamRecord before = TeamRecord::parse("|12|Tigers|9999|3||4|");
    TeamEntryOutcome out = applyTeamEntry(before, "9999", "3", "", TeamResult::Won);
    QVERIFY(!out.accepted);
    QVERIFY(out.refusal.contains(QStringLiteral("games won")));
    QVERIFY(out.refusal.contains(QStringLiteral("10000")));
    out = applyTeamEntry(before, "1", "-999", "", TeamResult::DidNotPlay);
    QVERIFY(out.accepted);
    out = applyTeamEntry(before, "1", "", "9999", TeamResult::Tied);
    QVERIFY(!out.accepted);
    QVERIFY(out.refusal.contains(QStringLiteral("games tied")));
}

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
