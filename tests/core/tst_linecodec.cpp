#include "store/linecodec.h"
#include "store/records.h"
#include "store/textfile.h"

#include <QTest>

using namespace pny;

class TestLineCodec : public QObject {
    Q_OBJECT
private slots:
    void nextFieldCutsToWidth_data();
    void nextFieldCutsToWidth();
    void missingSeparatorLeavesEveryLaterFieldEmpty();
    void toNumber_data();
    void toNumber();
    void splitLines_data();
    void splitLines();
    void longLinesAreNeverCut();
};

void TestLineCodec::nextFieldCutsToWidth_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("rest");
    QTest::newRow("cut to five") << QByteArray("abcdefghij|x|") << 5 << QByteArray("abcde")
                                 << QByteArray("x|");
    QTest::newRow("empty field") << QByteArray("|12|") << 5 << QByteArray("") << QByteArray("12|");
    QTest::newRow("never past 61")
        << QByteArray(70, 'a').append('|') << 100 << QByteArray(61, 'a') << QByteArray("");
    QTest::newRow("text after the last bar is never read")
        << QByteArray("abc") << 5 << QByteArray("") << QByteArray("abc");
}

void TestLineCodec::nextFieldCutsToWidth() {
    QFETCH(QByteArray, line);
    QFETCH(int, width);
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, rest);
    std::string buffer = line.toStdString();
    QCOMPARE(QByteArray::fromStdString(nextField(buffer, static_cast<std::size_t>(width))), field);
    QCOMPARE(QByteArray::fromStdString(buffer), rest);
}

void TestLineCodec::missingSeparatorLeavesEveryLaterFieldEmpty() {
    const TeamRecord team = TeamRecord::parse("|12|Tigers");
    QCOMPARE(team.number, std::string("12"));
    QCOMPARE(team.name, std::string());
    QCOMPARE(team.won, std::string());
}

void TestLineCodec::toNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << QByteArray("42") << 42;
    QTest::newRow("blanks inside") << QByteArray(" 1 2") << 12;
    QTest::newRow("trailing letter") << QByteArray("12a") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("negative") << QByteArray("-7") << -7;
    QTest::newRow("plus sign") << QByteArray("+7") << 7;
    QTest::newRow("sign alone") << QByteArray("-") << 0;
    QTest::newRow("blank after the sign") << QByteArray("- 5") << -5;
    QTest::newRow("sign after the digits") << QByteArray("5-") << 0;
    QTest::newRow("two signs") << QByteArray("--5") << 0;
    QTest::newRow("blanks only") << QByteArray("   ") << 0;
    QTest::newRow("only first ten characters") << QByteArray("12345678901") << 1234567890;
    QTest::newRow("beyond 32 bits") << QByteArray("9999999999") << 0;
    QTest::newRow("blanks count toward the ten") << QByteArray("     123456") << 12345;
}

void TestLineCodec::toNumber() {
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(pny::toNumber(text.toStdString()), value);
}

void TestLineCodec::splitLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone cr") << QByteArray("a\rb") << QStringList{"a", "b"};
    QTest::newRow("lone lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("mixed with empty line") << QByteArray("a\n\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("nul ends the text") << QByteArray("a\nb\0c\nd", 7) << QStringList{"a", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestLineCodec::splitLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QStringList got;
    for (const std::string& line : pny::splitLines(bytes))
        got << QString::fromStdString(line);
    QCOMPARE(got, lines);
}

void TestLineCodec::longLinesAreNeverCut() {
    // A player with a 40-character name and four-digit values everywhere builds a line of more
    // than 255 characters; the last user statistics must survive.
    PlayerRecord player;
    player.number = "12345";
    player.name = std::string(40, 'N');
    for (std::string& stat : player.stats)
        stat = "9999";
    player.stat(StatC4) = "1234";
    const std::string line = player.build();
    QVERIFY(line.size() > 255);
    const PlayerRecord back = PlayerRecord::parse(line);
    QCOMPARE(back.stat(StatC4), std::string("1234"));
    QCOMPARE(back.name, player.name);
}

QTEST_APPLESS_MAIN(TestLineCodec)
#include "tst_linecodec.moc"
