#include "schedule/gameentry.h"

#include "testsupport.h"

#include <QTest>

using namespace pny;

class TestGameEntry : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void openingTexts_data();
    void openingTexts();
    void readEntry_data();
    void readEntry();
    void centuryOfToday();
    void scores_data();
    void scores();
    void pickSlots_data();
    void pickSlots();
    void applyKeepsFlag();
};

void TestGameEntry::openingTexts_data() {
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QByteArray>("time");
    QTest::addColumn<QStringList>("texts");  // year, month, day, hour, minute
    QTest::addColumn<bool>("pm");
    QTest::newRow("midnight") << QByteArray("19960615") << QByteArray("0000")
                              << QStringList{"1996", "6", "15", "12", "00"} << false;
    QTest::newRow("noon") << QByteArray("19960615") << QByteArray("1200")
                          << QStringList{"1996", "6", "15", "12", "00"} << true;
    QTest::newRow("evening") << QByteArray("19961105") << QByteArray("1930")
                             << QStringList{"1996", "11", "5", "07", "30"} << true;
    QTest::newRow("morning") << QByteArray("20240101") << QByteArray("0905")
                             << QStringList{"2024", "1", "1", "09", "05"} << false;
    QTest::newRow("no date") << QByteArray("") << QByteArray("1930")
                             << QStringList{"", "", "", "", ""} << true;
    QTest::newRow("bad time") << QByteArray("19960615") << QByteArray("2561")
                              << QStringList{"1996", "6", "15", "", ""} << true;
}

void TestGameEntry::openingTexts() {
    QFETCH(QByteArray, date);
    QFETCH(QByteArray, time);
    QFETCH(QStringList, texts);
    QFETCH(bool, pm);
    GameRecord game;
    game.date = date.toStdString();
    game.time = time.toStdString();
    const GameEntryTexts t = gameEntryTexts(game);
    QCOMPARE((QStringList{QString::fromStdString(t.year), QString::fromStdString(t.month),
                          QString::fromStdString(t.day), QString::fromStdString(t.hour),
                          QString::fromStdString(t.minute)}),
             texts);
    QCOMPARE(t.pm, pm);
}

void TestGameEntry::readEntry_data() {
    QTest::addColumn<QStringList>("typed");  // year, month, day, hour, minute
    QTest::addColumn<bool>("pm");
    QTest::addColumn<QString>("stored");  // "date time", empty when refused
    QTest::newRow("7:05 pm") << QStringList{"1996", "6", "3", "7", "05"} << true << "19960603 1905";
    QTest::newRow("12 am is midnight")
        << QStringList{"1996", "6", "3", "12", "15"} << false << "19960603 0015";
    QTest::newRow("12 pm is noon")
        << QStringList{"1996", "6", "3", "12", "00"} << true << "19960603 1200";
    QTest::newRow("year 96 in this century")
        << QStringList{"96", "5", "12", "7", "30"} << true << "20960512 1930";
    QTest::newRow("blanks around")
        << QStringList{" 2024", "05 ", "9", "1", "0"} << false << "20240509 0100";
    QTest::newRow("29 February of a leap year")
        << QStringList{"2024", "2", "29", "6", "00"} << true << "20240229 1800";
    QTest::newRow("29 February otherwise")
        << QStringList{"2023", "2", "29", "6", "00"} << true << "";
    QTest::newRow("1900 was no leap year")
        << QStringList{"1900", "2", "29", "6", "00"} << true << "";
    QTest::newRow("30 February") << QStringList{"2024", "2", "30", "6", "00"} << true << "";
    QTest::newRow("month 13") << QStringList{"2024", "13", "1", "6", "00"} << true << "";
    QTest::newRow("day 0") << QStringList{"2024", "5", "0", "6", "00"} << true << "";
    QTest::newRow("no day") << QStringList{"2024", "5", "", "6", "00"} << true << "";
    QTest::newRow("hour 0") << QStringList{"2024", "5", "1", "0", "00"} << true << "";
    QTest::newRow("hour 13") << QStringList{"2024", "5", "1", "13", "00"} << true << "";
    QTest::newRow("minute 60") << QStringList{"2024", "5", "1", "6", "60"} << true << "";
    QTest::newRow("empty minute") << QStringList{"2024", "5", "1", "6", ""} << true << "";
    QTest::newRow("letters") << QStringList{"2024", "5", "1", "6", "3o"} << true << "";
    QTest::newRow("sign") << QStringList{"2024", "-5", "1", "6", "30"} << true << "";
}

void TestGameEntry::readEntry() {
    QFETCH(QStringList, typed);
    QFETCH(bool, pm);
    QFETCH(QString, stored);
    const auto moment =
        readGameEntry(typed[0].toStdString(), typed[1].toStdString(), typed[2].toStdString(),
                      typed[3].toStdString(), typed[4].toStdString(), pm, 2026);
    if (stored.isEmpty()) {
        QVERIFY(!moment);
    } else {
        QVERIFY(moment);
        QCOMPARE(QString::fromStdString(moment->date + ' ' + moment->time), stored);
    }
}

void TestGameEntry::centuryOfToday() {
    const auto moment = readGameEntry("7", "1", "2", "3", "04", false);
    QVERIFY(moment);
    const int century = QDate::currentDate().year() / 100 * 100;
    QCOMPARE(QString::fromStdString(moment->date), QString::number(century + 7) + "0102");
}

void TestGameEntry::scores_data() {
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("away");
    QTest::addColumn<QString>("storedHome");
    QTest::addColumn<QString>("storedAway");
    QTest::newRow("3 and 0") << "3"
                             << "0"
                             << "3"
                             << "0";
    QTest::newRow("0 and empty") << "0"
                                 << ""
                                 << ""
                                 << "";
    QTest::newRow("0 and 0") << "0"
                             << "0"
                             << ""
                             << "";
    QTest::newRow("empty and 2") << ""
                                 << "2"
                                 << "0"
                                 << "2";
    QTest::newRow("not a number") << "x"
                                  << " 1 2"
                                  << "0"
                                  << "12";
    QTest::newRow("four digits") << "1000"
                                 << "9999"
                                 << "1000"
                                 << "9999";
    QTest::newRow("opposite scores kept") << "3"
                                          << "-3"
                                          << "3"
                                          << "-3";
}

void TestGameEntry::scores() {
    QFETCH(QString, home);
    QFETCH(QString, away);
    QFETCH(QString, storedHome);
    QFETCH(QString, storedAway);
    const GameScores scores = gameScores(home.toStdString(), away.toStdString());
    QCOMPARE(QString::fromStdString(scores.home), storedHome);
    QCOMPARE(QString::fromStdString(scores.away), storedAway);
}

void TestGameEntry::pickSlots_data() {
    QTest::addColumn<char>("code");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("list");
    QTest::newRow("F") << 'F' << "2" << int(PickList::Fields);
    QTest::newRow("H") << 'H' << "1" << int(PickList::Teams);
    QTest::newRow("T") << 'T' << "1" << int(PickList::Teams);
    QTest::newRow("A") << 'A' << "3" << int(PickList::Teams);
    QTest::newRow("1") << '1' << "4" << int(PickList::Umpires);
    QTest::newRow("U") << 'U' << "4" << int(PickList::Umpires);
    QTest::newRow("4") << '4' << "7" << int(PickList::Umpires);
}

void TestGameEntry::pickSlots() {
    QFETCH(char, code);
    QFETCH(QString, value);
    QFETCH(int, list);
    PickSlots picks;
    picks.loadFrom(GameRecord::parse("|19960615|1830|2|1|3|4|5|6|7|5|4|"));
    std::string* slot = picks.slot(code);
    QVERIFY(slot);
    QCOMPARE(QString::fromStdString(*slot), value);
    QCOMPARE(int(pickListOf(code)), list);
    QVERIFY(!picks.slot('X'));
    QCOMPARE(int(pickListOf('X')), int(PickList::None));
}

void TestGameEntry::applyKeepsFlag() {
    GameRecord game = GameRecord::parse("X|19960615|1830|2|1|3|4|5|6|7|5|4|");
    PickSlots picks;
    picks.loadFrom(game);
    picks.home.clear();
    picks.umpires[3] = "9";
    applyGameEntry(game, GameMoment{"19970102", "0915"}, picks, GameScores{});
    QCOMPARE(game.build(), std::string("X|19970102|0915|2||3|4|5|6|9|||"));
}

QTEST_GUILESS_MAIN(TestGameEntry)
#include "tst_gameentry.moc"
