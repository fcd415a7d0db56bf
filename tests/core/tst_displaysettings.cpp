#include "store/records.h"
#include "views/catalogues.h"
#include "views/displaysettings.h"

#include <QTest>

#include <string>
#include <vector>

using namespace pny;

namespace {

// A league line with the given display fields (12 to 16) after eleven empty ones.
LeagueRecord leagueWith(const std::string& sortKeys, const std::string& directions,
                        const std::string& playerMask, const std::string& scheduleMask = "",
                        const std::string& teamMask = "") {
    return LeagueRecord::parse("|1|Majors|||||||||" + sortKeys + "|" + directions + "|" +
                               playerMask + "|" + scheduleMask + "|" + teamMask + "|||||");
}

std::string chars(std::initializer_list<int> codes) {
    std::string text;
    for (int code : codes)
        text.push_back(static_cast<char>(code));
    return text;
}

std::vector<bool> fromStars(const QString& pattern) {
    std::vector<bool> checks;
    for (QChar c : pattern)
        checks.push_back(c == QLatin1Char('*'));
    return checks;
}

QString toStars(const std::vector<bool>& checks) {
    QString text;
    for (bool on : checks)
        text += on ? QLatin1Char('*') : QLatin1Char('.');
    return text;
}

int code(const std::string& text, int position) {
    return static_cast<unsigned char>(text[static_cast<std::size_t>(position - 1)]);
}

}  // namespace

class TestDisplaySettings : public QObject {
    Q_OBJECT
private slots:
    void teamMask_data();
    void teamMask();
    void scheduleMask_data();
    void scheduleMask();
    void innings_data();
    void innings();
    void playerMaskChecks_data();
    void playerMaskChecks();
    void playerMaskKeepsOtherTabs_data();
    void playerMaskKeepsOtherTabs();
    void playerMaskNeverClearsBit128();
    void playerMaskAndBuiltLine();
    void sortKey_data();
    void sortKey();
    void sortKeyRead_data();
    void sortKeyRead();
    void sortDirection_data();
    void sortDirection();
    void fontFields_data();
    void fontFields();
};

void TestDisplaySettings::teamMask_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("checks");  // "*" checked, "." not
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("builtField");

    QTest::newRow("never set shows all") << ""
                                         << "********"
                                         << "**.*****"
                                         << "** *****";
    QTest::newRow("short mask pads hidden") << "*  *"
                                            << "*..*...."
                                            << "*......."
                                            << "*";
    QTest::newRow("all hidden keeps one blank") << "********"
                                                << "********"
                                                << "........"
                                                << " ";
    QTest::newRow("last only") << " **"
                               << ".**....."
                               << ".......*"
                               << "       *";
}

void TestDisplaySettings::teamMask() {
    QFETCH(QString, stored);
    QFETCH(QString, checks);
    QFETCH(QString, written);
    QFETCH(QString, builtField);
    LeagueRecord league = leagueWith("", "", "", "", stored.toStdString());
    QCOMPARE(toStars(teamColumnChecks(league)), checks);

    setTeamColumns(league, fromStars(written));
    QCOMPARE(league.teamMask.size(), std::size_t(8));
    QCOMPARE(toStars(teamColumnChecks(league)), written);
    // The field is stored with its trailing blanks removed; an all-hidden mask must stay hidden
    // when read back, not turn into the all-shown default.
    const LeagueRecord again = LeagueRecord::parse(league.build());
    QCOMPARE(QString::fromStdString(again.build()).section('|', 15, 15), builtField);
    QCOMPARE(toStars(teamColumnChecks(again)), written);
}

void TestDisplaySettings::scheduleMask_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("checks");
    QTest::addColumn<QString>("written");

    QTest::newRow("default") << ""
                             << ".******.*..........."
                             << "*..................*";
    QTest::newRow("stored") << "*  *"
                            << "*..*................"
                            << ".*.*.*.*.*.*.*.*.*.*";
    QTest::newRow("all") << "********************"
                         << "********************"
                         << "********************";
    QTest::newRow("none stays hidden") << ""
                                       << ".******.*..........."
                                       << "....................";
}

void TestDisplaySettings::scheduleMask() {
    QFETCH(QString, stored);
    QFETCH(QString, checks);
    QFETCH(QString, written);
    LeagueRecord league = leagueWith("", "", "", stored.toStdString());
    QCOMPARE(toStars(scheduleColumnChecks(league)), checks);
    setScheduleColumns(league, fromStars(written));
    QCOMPARE(league.scheduleMask.size(), std::size_t(20));
    QCOMPARE(toStars(scheduleColumnChecks(LeagueRecord::parse(league.build()))), written);
}

void TestDisplaySettings::innings_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("afterFill");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("spin");
    QTest::addColumn<QString>("written");

    QTest::newRow("never set") << ""
                               << "9" << 9 << 9 << "9";
    QTest::newRow("seven") << "7"
                           << "7" << 7 << 7 << "7";
    QTest::newRow("set to 18") << "9"
                               << "9" << 9 << 18 << "18";
    QTest::newRow("minimum") << "12"
                             << "12" << 12 << 3 << "3";
    QTest::newRow("below range clamps") << "9"
                                        << "9" << 9 << 1 << "3";
    QTest::newRow("above range clamps") << "9"
                                        << "9" << 9 << 99 << "18";
}

void TestDisplaySettings::innings() {
    QFETCH(QString, stored);
    QFETCH(QString, afterFill);
    QFETCH(int, shown);
    QFETCH(int, spin);
    QFETCH(QString, written);
    LeagueRecord league = LeagueRecord::parse("|1|Majors|||" + stored.toStdString() + "|");
    fillDefaultInnings(league);
    QCOMPARE(QString::fromStdString(league.innings), afterFill);
    QCOMPARE(inningsValue(league), shown);
    setInnings(league, spin);
    QCOMPARE(QString::fromStdString(league.innings), written);
}

void TestDisplaySettings::playerMaskChecks_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QList<int>>("shownPositions");

    // Defaults of a league that never set its columns.
    QTest::newRow("Players") << 1 << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14};
    QTest::newRow("Hitting") << 2 << QList<int>{2, 3, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31};
    QTest::newRow("Running") << 3 << QList<int>{2, 3, 15, 16, 17, 18, 19, 20};
    QTest::newRow("Pitching") << 4
                              << QList<int>{2, 3, 39, 40, 43, 46, 47, 49, 51, 52, 53, 54, 55, 56};
    QTest::newRow("Fielding") << 5 << QList<int>{2, 3, 12, 32, 33, 34, 35, 36, 37, 38};
    QTest::newRow("Custom") << 6 << QList<int>{1, 2, 3};
    QTest::newRow("Teams tab has none") << 0 << QList<int>{};
    QTest::newRow("Schedule tab has none") << 7 << QList<int>{};
}

void TestDisplaySettings::playerMaskChecks() {
    QFETCH(int, tab);
    QFETCH(QList<int>, shownPositions);
    const LeagueRecord league = leagueWith("", "", "");
    const std::vector<bool> checks = playerColumnChecks(league, tab);
    QCOMPARE(checks.size(), std::size_t(61));
    QList<int> shown;
    for (int k = 0; k < 61; ++k) {
        if (checks[static_cast<std::size_t>(k)])
            shown << k + 1;
    }
    QCOMPARE(shown, shownPositions);
}

void TestDisplaySettings::playerMaskKeepsOtherTabs_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("check");
    QTest::addColumn<int>("expectedCode");

    QTest::newRow("HR onto Hitting: already there") << 2 << 24 << true << 130;
    QTest::newRow("HR onto Players") << 1 << 24 << true << 131;
    QTest::newRow("HR off Hitting") << 2 << 24 << false << 128;
    QTest::newRow("Name off Custom") << 6 << 3 << false << 159;
    QTest::newRow("Seq onto Fielding") << 5 << 1 << true << 176;
    QTest::newRow("ERA off Pitching") << 4 << 53 << false << 128;
    QTest::newRow("Sv onto Custom") << 6 << 57 << true << 160;
}

void TestDisplaySettings::playerMaskKeepsOtherTabs() {
    QFETCH(int, tab);
    QFETCH(int, position);
    QFETCH(bool, check);
    QFETCH(int, expectedCode);
    LeagueRecord league = leagueWith("", "", "");
    const std::string before = league.playerMask;
    std::vector<bool> checks = playerColumnChecks(league, tab);
    checks[static_cast<std::size_t>(position - 1)] = check;
    setPlayerColumns(league, tab, checks);

    QCOMPARE(league.playerMask.size(), std::size_t(61));
    QCOMPARE(code(league.playerMask, position), expectedCode);
    for (int k = 1; k <= 61; ++k) {
        if (k != position)
            QCOMPARE(code(league.playerMask, k), code(before, k));
    }
    // Every other tab still shows what it showed.
    for (int other = 1; other <= 6; ++other) {
        if (other != tab)
            QCOMPARE(playerColumnChecks(league, other),
                     playerColumnChecks(leagueWith("", "", ""), other));
    }
}

void TestDisplaySettings::playerMaskNeverClearsBit128() {
    // "abc" as stored: bits 1, 32 and 64 in 'a'; codes never set take their defaults.
    LeagueRecord league = leagueWith("", "", "abc");
    QCOMPARE(code(league.playerMask, 1), int('a'));
    setPlayerColumns(league, 1, std::vector<bool>(61, false));
    // 'a' keeps its Custom bit (and the meaningless 64), loses Players, gains 128.
    QCOMPARE(code(league.playerMask, 1), 128 + 64 + 32);
    QCOMPARE(code(league.playerMask, 2), 128 + 64 + 32 + 2);  // 'b' = 98
    for (int k = 1; k <= 61; ++k) {
        QVERIFY(code(league.playerMask, k) >= 128);
        QCOMPARE(code(league.playerMask, k) & 1, 0);
    }
    // Every tab off everywhere: all codes are at least 128, never a blank.
    for (int tab = 1; tab <= 6; ++tab)
        setPlayerColumns(league, tab, std::vector<bool>(61, false));
    for (int k = 4; k <= 61; ++k)
        QCOMPARE(code(league.playerMask, k), 128);
    // And they read back as hidden, not as never set.
    const LeagueRecord again = LeagueRecord::parse(league.build());
    for (int tab = 1; tab <= 6; ++tab) {
        for (int k = 4; k <= 61; ++k)
            QVERIFY(!playerColumnChecks(again, tab)[static_cast<std::size_t>(k - 1)]);
    }
}

void TestDisplaySettings::playerMaskAndBuiltLine() {
    // A short mask in a buffer made in memory is completed with the defaults first.
    LeagueRecord league = leagueWith("", "", "");
    league.playerMask = chars({129, 255});
    std::vector<bool> checks(61, false);
    checks[23] = true;
    setPlayerColumns(league, 2, checks);
    QCOMPARE(league.playerMask.size(), std::size_t(61));
    QCOMPARE(code(league.playerMask, 1), 129);
    QCOMPARE(code(league.playerMask, 2), 253);
    QCOMPARE(code(league.playerMask, 24), 130);
    QCOMPARE(code(league.playerMask, 53), 136);
    QVERIFY(columnShown(league, 2, 24));
    QVERIFY(!columnShown(league, 1, 24));
}

void TestDisplaySettings::sortKey_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("storedAt");  // index into the field, -1 when nothing changes

    QTest::newRow("Players 0") << 1 << 0 << 0;
    QTest::newRow("Pitching ERA") << 4 << 52 << 3;
    QTest::newRow("Custom last") << 6 << 60 << 5;
    QTest::newRow("Schedule away") << 7 << 4 << 6;
    QTest::newRow("Schedule past its items") << 7 << 5 << -1;
    QTest::newRow("Player past its items") << 2 << 61 << -1;
    QTest::newRow("negative") << 2 << -1 << -1;
    QTest::newRow("Teams tab has no key") << 0 << 3 << -1;
    QTest::newRow("no tab 8") << 8 << 3 << -1;
}

void TestDisplaySettings::sortKey() {
    QFETCH(int, tab);
    QFETCH(int, item);
    QFETCH(int, storedAt);
    LeagueRecord league = leagueWith(chars({130, 131, 132, 133, 134, 135, 130}), "", "");
    const std::string before = league.sortKeys;
    setSortItem(league, tab, item);
    QCOMPARE(league.sortKeys.size(), std::size_t(7));
    for (int at = 0; at < 7; ++at) {
        const int expected = at == storedAt ? 128 + item : code(before, at + 1);
        QCOMPARE(code(league.sortKeys, at + 1), expected);
    }
    if (storedAt >= 0)
        QCOMPARE(sortItem(league, tab), item);
}

void TestDisplaySettings::sortKeyRead_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("item");

    QTest::newRow("never set") << QByteArray() << 3 << 1;
    QTest::newRow("first item") << QByteArray("\x80") << 1 << 0;
    QTest::newRow("schedule item 4") << QByteArray("      \x84") << 7 << 4;
    QTest::newRow("schedule past its list") << QByteArray("      \x90") << 7 << 1;
    QTest::newRow("player past its list") << QByteArray("\xbd") << 1 << 1;
    QTest::newRow("player last item") << QByteArray("\xbc") << 1 << 60;
    QTest::newRow("below 128") << QByteArray("a") << 1 << 1;
}

void TestDisplaySettings::sortKeyRead() {
    QFETCH(QByteArray, stored);
    QFETCH(int, tab);
    QFETCH(int, item);
    const LeagueRecord league = leagueWith(stored.toStdString(), "", "");
    QCOMPARE(sortItem(league, tab), item);
}

void TestDisplaySettings::sortDirection_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QString>("built");

    QTest::newRow("Pitching descending") << "" << 4 << true << "   1";
    QTest::newRow("Schedule descending") << "1" << 7 << true << "1     1";
    QTest::newRow("back to ascending trims") << "   1" << 4 << false << "";
    QTest::newRow("keeps others") << "11 1" << 2 << false << "1  1";
    QTest::newRow("Teams tab unchanged") << "1" << 0 << true << "1";
}

void TestDisplaySettings::sortDirection() {
    QFETCH(QString, stored);
    QFETCH(int, tab);
    QFETCH(bool, descending);
    QFETCH(QString, built);
    LeagueRecord league = leagueWith("", stored.toStdString(), "");
    setSortDescending(league, tab, descending);
    QCOMPARE(QString::fromStdString(league.build()).section('|', 12, 12), built);
    if (tab >= 1 && tab <= 7)
        QCOMPARE(sortDescending(league, tab), descending);
    for (int other = 1; other <= 7; ++other) {
        if (other != tab) {
            QCOMPARE(sortDescending(league, other),
                     other <= stored.size() && stored[other - 1] == QLatin1Char('1'));
        }
    }
}

void TestDisplaySettings::fontFields_data() {
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QString>("fields");  // fields 7 to 11 as built

    QTest::newRow("black is empty")
        << 0 << 0 << 0 << QByteArray("Arial") << 10 << false << false << "|Arial|10||";
    QTest::newRow("red") << 255 << 0 << 0 << QByteArray("Courier New") << 12 << true << false
                         << "255|Courier New|12|1|";
    QTest::newRow("green") << 0 << 255 << 0 << QByteArray("Sans") << 9 << false << true
                           << "65280|Sans|9||1";
    QTest::newRow("blue") << 0 << 0 << 255 << QByteArray("Sans") << 9 << true << true
                          << "16711680|Sans|9|1|1";
    QTest::newRow("white") << 255 << 255 << 255 << QByteArray("") << 0 << false << false
                           << "16777215||||";
    QTest::newRow("mixed") << 1 << 2 << 3 << QByteArray("X") << 72 << false << false
                           << "197121|X|72||";
    QTest::newRow("size unknown") << 0 << 0 << 0 << QByteArray("X") << -1 << false << false
                                  << "|X|||";
    QTest::newRow("name cut to 40")
        << 0 << 0 << 0 << QByteArray("A123456789B123456789C123456789D123456789EXTRA") << 8 << false
        << false << "|A123456789B123456789C123456789D123456789|8||";
}

void TestDisplaySettings::fontFields() {
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QByteArray, name);
    QFETCH(int, size);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QString, fields);
    // A league that had a bold italic blue font: every field is replaced.
    LeagueRecord league = LeagueRecord::parse("|1|Majors||||16711680|Old|20|1|1|");
    TableFont font;
    font.red = red;
    font.green = green;
    font.blue = blue;
    font.name = name.toStdString();
    font.pointSize = size;
    font.bold = bold;
    font.italic = italic;
    setFontFields(league, font);
    QCOMPARE(QString::fromStdString(league.build()).section('|', 6, 10), fields);
}

QTEST_GUILESS_MAIN(TestDisplaySettings)
#include "tst_displaysettings.moc"
