#include "schedule/gametime.h"

#include "testsupport.h"

#include <QTest>

using namespace pny;

class TestGameTime : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void readsStoredDateAndTime_data();
    void readsStoredDateAndTime();
    void cellTexts();
    void noteDateLine();
};

void TestGameTime::readsStoredDateAndTime_data() {
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QByteArray>("time");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("evening game") << QByteArray("19960615") << QByteArray("1830") << true
                                  << QByteArray("1996/06/15 18:30");
    QTest::newRow("midnight") << QByteArray("19960615") << QByteArray("0000") << true
                              << QByteArray("1996/06/15 00:00");
    QTest::newRow("empty") << QByteArray("") << QByteArray("") << false << QByteArray("// :");
    QTest::newRow("30 February") << QByteArray("19960230") << QByteArray("1200") << false
                                 << QByteArray("1996/02/30 12:00");
    QTest::newRow("29 February of a leap year")
        << QByteArray("19960229") << QByteArray("1200") << true << QByteArray("1996/02/29 12:00");
    QTest::newRow("hour 24") << QByteArray("19960615") << QByteArray("2400") << false
                             << QByteArray("1996/06/15 24:00");
    QTest::newRow("letters") << QByteArray("1996ab15") << QByteArray("1830") << false
                             << QByteArray("1996/ab/15 18:30");
}

void TestGameTime::readsStoredDateAndTime() {
    QFETCH(QByteArray, date);
    QFETCH(QByteArray, time);
    QFETCH(bool, valid);
    QFETCH(QByteArray, text);
    QCOMPARE(readGameDateTime(date.toStdString(), time.toStdString()).has_value(), valid);
    QCOMPARE(QByteArray::fromStdString(dateTimeText(date.toStdString(), time.toStdString())), text);
}

void TestGameTime::cellTexts() {
    const QDateTime game = *readGameDateTime("19960615", "1830");
    QCOMPARE(weekdayName(game.date()), std::string("Sat"));
    QCOMPARE(monthDayText(game.date()), std::string("6-15"));
    QCOMPARE(scheduleTimeText(game.time()), std::string("6:30 p"));
    QCOMPARE(scheduleTimeText(QTime(0, 15)), std::string("12:15 a"));
    QCOMPARE(scheduleTimeText(QTime(12, 0)), std::string("12:00 p"));
    QCOMPARE(invalidDateTimeMessage("", ""), std::string("'// :' is not a valid date and time"));
}

void TestGameTime::noteDateLine() {
    QCOMPARE(pny::noteDateLine(*readGameDateTime("19960511", "1930")),
             std::string("Sat 5-11 at 7:30 pm"));
}

QTEST_GUILESS_MAIN(TestGameTime)
#include "tst_gametime.moc"
