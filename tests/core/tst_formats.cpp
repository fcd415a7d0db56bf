#include "views/formats.h"

#include <QTest>

using namespace pny;

class TestFormats : public QObject {
    Q_OBJECT
private slots:
    void textHelpers();
    void rate_data();
    void rate();
    void era_data();
    void era();
    void innings_data();
    void innings();
    void ops_data();
    void ops();
    void whip_data();
    void whip();
};

void TestFormats::textHelpers() {
    QCOMPARE(formatCount(0), std::string());
    QCOMPARE(formatCount(7), std::string(" 7"));
    QCOMPARE(formatCount(-2), std::string(" -2"));
    QCOMPARE(formatCount(39996), std::string(" 39996"));  // a total is never cut
    QCOMPARE(zeroPad(8, 5), std::string("00008"));
    QCOMPARE(zeroPad(123456, 3), std::string("456"));
    QCOMPARE(padLeft("12", 5), std::string("   12"));
    QCOMPARE(padLeft("abcdef", 3), std::string("def"));
    QCOMPARE(padRight("LEE", 5), std::string("LEE  "));
    QCOMPARE(padRight("abcdef", 3), std::string("abc"));
    QCOMPARE(inningsPerGame(""), 9);
    QCOMPARE(inningsPerGame("7"), 7);
}

void TestFormats::rate_data() {
    QTest::addColumn<qlonglong>("x");
    QTest::addColumn<qlonglong>("y");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero divisor") << 3LL << 0LL << "     ";
    QTest::newRow("1 of 3") << 1LL << 3LL << " .333";
    QTest::newRow("0 of 4") << 0LL << 4LL << " .000";
    QTest::newRow("3 of 4") << 3LL << 4LL << " .750";
    QTest::newRow("2 of 3 truncates") << 2LL << 3LL << " .666";
    QTest::newRow("4 of 4") << 4LL << 4LL << "1.000";
    QTest::newRow("5 of 2") << 5LL << 2LL << "2.500";
    QTest::newRow("12 of 1 capped") << 12LL << 1LL << "9.999";
    // x * 1000 past 32 bits: still exact
    QTest::newRow("wide product") << 3000000LL << 4000000LL << " .750";
    QTest::newRow("wide cap") << 3000000LL << 1LL << "9.999";
}

void TestFormats::rate() {
    QFETCH(qlonglong, x);
    QFETCH(qlonglong, y);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatRate(x, y)), text);
}

void TestFormats::era_data() {
    QTest::addColumn<qlonglong>("er");
    QTest::addColumn<qlonglong>("outs");
    QTest::addColumn<qlonglong>("innings");
    QTest::addColumn<QString>("text");
    QTest::newRow("3 in 9") << 3LL << 27LL << 9LL << " 3.00";
    QTest::newRow("1 in 27") << 1LL << 81LL << 9LL << " 0.33";
    QTest::newRow("10 in one out") << 10LL << 1LL << 9LL << "99.99";
    QTest::newRow("no outs") << 5LL << 0LL << 9LL << "     ";
    QTest::newRow("2 in 7 of 7") << 2LL << 21LL << 7LL << " 2.00";
    QTest::newRow("12.34") << 1234LL << 2700LL << 9LL << "12.34";
    QTest::newRow("zero er") << 0LL << 27LL << 9LL << " 0.00";
    // Cut, never rounded: 2700 / 7 is 385.7, 2100 / 11 is 190.9, 300 / 16 is 18.75.
    QTest::newRow("1 in 2.1 truncated") << 1LL << 7LL << 9LL << " 3.85";
    QTest::newRow("1 in 3.2 of 7 truncated") << 1LL << 11LL << 7LL << " 1.90";
    QTest::newRow("1 in 5.1 of 1 truncated") << 1LL << 16LL << 1LL << " 0.18";
    QTest::newRow("just below a hundredth") << 1LL << 2701LL << 9LL << " 0.00";
    // ER * innings * 300 past 32 bits
    QTest::newRow("wide product") << 1000000LL << 9000000LL << 9LL << " 3.00";
}

void TestFormats::era() {
    QFETCH(qlonglong, er);
    QFETCH(qlonglong, outs);
    QFETCH(qlonglong, innings);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatEra(er, outs, innings)), text);
}

void TestFormats::innings_data() {
    QTest::addColumn<qlonglong>("a");
    QTest::addColumn<qlonglong>("b");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0LL << 0LL << "";
    QTest::newRow("one third") << 0LL << 1LL << "0.1";
    QTest::newRow("7.2") << 7LL << 2LL << "7.2";
    QTest::newRow("12.0") << 12LL << 0LL << "12.0";
    QTest::newRow("a long total is not cut") << 1234LL << 2LL << "1234.2";
}

void TestFormats::innings() {
    QFETCH(qlonglong, a);
    QFETCH(qlonglong, b);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatInnings(a, b)), text);
}

void TestFormats::ops_data() {
    QTest::addColumn<QList<qlonglong>>("counts");  // on base, its divisor, bases, at bats
    QTest::addColumn<QString>("text");
    QTest::newRow("19 of 39 and 25 of 34") << QList<qlonglong>{19, 39, 25, 34} << "1.222";
    QTest::newRow("parts truncated first") << QList<qlonglong>{1, 3, 1, 3} << " .666";
    QTest::newRow("no at bats") << QList<qlonglong>{3, 3, 0, 0} << "     ";
    QTest::newRow("no chances") << QList<qlonglong>{0, 0, 1, 1} << "     ";
    QTest::newRow("capped") << QList<qlonglong>{1, 1, 40, 4} << "9.999";
    QTest::newRow("wide product") << QList<qlonglong>{3000000, 4000000, 3000000, 4000000}
                                  << "1.500";
}

void TestFormats::ops() {
    QFETCH(QList<qlonglong>, counts);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatOps(counts[0], counts[1], counts[2], counts[3])), text);
}

void TestFormats::whip_data() {
    QTest::addColumn<qlonglong>("walksAndHits");
    QTest::addColumn<qlonglong>("outs");
    QTest::addColumn<QString>("text");
    QTest::newRow("10 in 6 2/3") << 10LL << 20LL << " 1.50";
    QTest::newRow("2 in 9") << 2LL << 27LL << " 0.22";
    QTest::newRow("none allowed") << 0LL << 3LL << " 0.00";
    QTest::newRow("12.34") << 1234LL << 300LL << "12.34";
    QTest::newRow("no outs") << 4LL << 0LL << "     ";
    QTest::newRow("capped") << 40LL << 1LL << "99.99";
}

void TestFormats::whip() {
    QFETCH(qlonglong, walksAndHits);
    QFETCH(qlonglong, outs);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatWhip(walksAndHits, outs)), text);
}

QTEST_APPLESS_MAIN(TestFormats)
#include "tst_formats.moc"
