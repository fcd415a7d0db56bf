#include "store/records.h"

#include <QTest>

using namespace pny;

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void yearsHeaderRoundTrip();
    void teamLine();
    void playerWithOnlyNumberAndName();
    void gameLine();
    void fieldLine();
    void leagueDefaults();
    void leagueShortPlayerMaskKeepsCodesAndDefaultsTheRest();
    void leagueTrailingBlanksOfDirectionsAreDropped();
    void leagueEmptySortKeysBecomeCode129();
    void leagueHighCodesSurviveRoundTrip();
    void leagueBuildTrimsOnlyTheTrimmedFields();
};

void TestRecords::yearsHeaderRoundTrip() {
    const YearsHeader h = YearsHeader::parse("Y|3|17|2|480|640||");
    QCOMPARE(h.tab, std::string("3"));
    QCOMPARE(h.keep3, std::string("17"));
    QCOMPARE(h.currentYear, std::string("2"));
    QCOMPARE(h.height, std::string("480"));
    QCOMPARE(h.width, std::string("640"));
    QCOMPARE(h.build(), std::string("Y|3|17|2|480|640||"));
}

void TestRecords::teamLine() {
    const TeamRecord t = TeamRecord::parse("|12|Tigers|5|3||4|");
    QCOMPARE(t.number, std::string("12"));
    QCOMPARE(t.name, std::string("Tigers"));
    QCOMPARE(t.won, std::string("5"));
    QCOMPARE(t.lost, std::string("3"));
    QCOMPARE(t.tied, std::string());
    QCOMPARE(t.currentPlayer, std::string("4"));
    QCOMPARE(TeamRecord::parse("|7|Eagles||||2|").build(), std::string("|7|Eagles||||2|"));
}

void TestRecords::playerWithOnlyNumberAndName() {
    const PlayerRecord p = PlayerRecord::parse("|23|Smith|");
    for (int s = 0; s < PlayerStatCount; ++s)
        QCOMPARE(p.value(PlayerStat(s)), 0);
    QCOMPARE(p.build(), std::string("|23|Smith|") + std::string(45, '|'));
}

void TestRecords::gameLine() {
    const GameRecord g = GameRecord::parse("|19960615|1830|2|1|3|1||||5|4|");
    QCOMPARE(g.date, std::string("19960615"));
    QCOMPARE(g.time, std::string("1830"));
    QCOMPARE(g.field, std::string("2"));
    QCOMPARE(g.home, std::string("1"));
    QCOMPARE(g.away, std::string("3"));
    QCOMPARE(g.umpires[0], std::string("1"));
    QCOMPARE(g.umpires[1], std::string());
    QCOMPARE(g.homeScore, std::string("5"));
    QCOMPARE(g.awayScore, std::string("4"));
    QCOMPARE(g.build(), std::string("|19960615|1830|2|1|3|1||||5|4|"));
}

void TestRecords::fieldLine() {
    const FieldRecord f = FieldRecord::parse("|3|North Park|");
    QCOMPARE(f.number, std::string("3"));
    QCOMPARE(f.name, std::string("North Park"));
}

void TestRecords::leagueDefaults() {
    const LeagueRecord l = LeagueRecord::parse("|3|Majors|");
    QCOMPARE(l.sortKeys, std::string(7, char(129)));
    QCOMPARE(l.sortDirections, std::string(7, ' '));
    QCOMPARE(l.scheduleMask, std::string(" ****** *") + std::string(11, ' '));
    QCOMPARE(l.teamMask, std::string("********"));
    QCOMPARE(l.playerMask.size(), std::size_t(61));
    QCOMPARE(static_cast<unsigned char>(l.playerMask[0]), 160);
    QCOMPARE(static_cast<unsigned char>(l.playerMask[2]), 191);
    QCOMPARE(static_cast<unsigned char>(l.playerMask[11]), 144);
    QCOMPARE(static_cast<unsigned char>(l.playerMask[42]), 136);
    QCOMPARE(static_cast<unsigned char>(l.playerMask[60]), 128);
}

void TestRecords::leagueShortPlayerMaskKeepsCodesAndDefaultsTheRest() {
    const LeagueRecord l = LeagueRecord::parse("|1|A|||||||||||abc|");
    QCOMPARE(l.playerMask.substr(0, 3), std::string("abc"));
    for (int k = 4; k <= 61; ++k) {
        QCOMPARE(static_cast<unsigned char>(l.playerMask[k - 1]), defaultPlayerMaskCode(k));
    }
}

void TestRecords::leagueTrailingBlanksOfDirectionsAreDropped() {
    LeagueRecord l = LeagueRecord::parse("|1|A|");
    l.sortDirections = " 1     ";
    QVERIFY(l.build().find("| 1|") != std::string::npos);
    QCOMPARE(LeagueRecord::parse(l.build()).sortDirections, std::string(" 1     "));
}

void TestRecords::leagueEmptySortKeysBecomeCode129() {
    const LeagueRecord l = LeagueRecord::parse("|1|A||||||||||");
    const std::string line = l.build();
    QVERIFY(line.find(std::string(7, char(129))) != std::string::npos);
    QCOMPARE(LeagueRecord::parse(line).sortKeys, std::string(7, char(129)));
}

void TestRecords::leagueHighCodesSurviveRoundTrip() {
    LeagueRecord l = LeagueRecord::parse("|1|A|");
    l.sortKeys = std::string("\x80\x81\xbc\x85\x86\x87\x88");
    l.playerMask[5] = char(0xFF);
    l.playerMask[6] = char(0x80);
    l.userHeaders = {"One", "Two", "Three", "Four"};
    const std::string line = l.build();
    const LeagueRecord back = LeagueRecord::parse(line);
    QCOMPARE(back.sortKeys, l.sortKeys);
    QCOMPARE(back.playerMask, l.playerMask);
    QCOMPARE(back.build(), line);
}

void TestRecords::leagueBuildTrimsOnlyTheTrimmedFields() {
    LeagueRecord l = LeagueRecord::parse("|1|A|");
    l.sortDirections = "1 1 1 1";
    l.number = "12345";
    l.innings = "18";
    l.fontSize = "12";
    l.bold = "1";
    l.italic = "1";
    l.teamMask = "** *    ";
    // Every field at its full width makes the line longer than 255 characters; the last user
    // column header must still be there.
    l.userHeaders = {"Header 1", "Header 2", "Header 3", "LastHead"};
    l.name = std::string(40, 'n');
    l.fontName = std::string(40, 'f');
    l.fontColor = "16777215";
    l.currentTeam = "12345";
    l.currentGame = "12345";
    l.scheduleMask = std::string(20, '*');
    const std::string line = l.build();
    QVERIFY(line.size() > 255);
    const LeagueRecord back = LeagueRecord::parse(line);
    QCOMPARE(back.sortDirections, std::string("1 1 1 1"));
    QCOMPARE(back.teamMask, std::string("** *    "));
    QCOMPARE(back.userHeaders[3], std::string("LastHead"));
    QVERIFY(line.find("|** *|") != std::string::npos);
}

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
