#include "import/inifile.h"

#include "testsupport.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace pny;

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void sectionsAndKeysIgnoreLetterCase();
    void firstSectionAndFirstKeyWin();
    void linesThatAreNotValuesAreSkipped();
    void numbers_data();
    void numbers();
    void textIsCutAndBytesStay();
    void highestNumberedSection();
    void loadNamesTheFile();
    void randomBytesNeverCrash();
};

void TestIniFile::sectionsAndKeysIgnoreLetterCase() {
    const IniFile ini(QByteArray("[y1L1t3]\r\nNAME = Tigers \r\nlast=4\n[Init]\rLast=2\r\n"));
    QCOMPARE(ini.sectionCount(), 2);
    QCOMPARE(ini.section("Y1L1T3").value("Name"), "Tigers");
    QCOMPARE(ini.section("Y1L1T3").number("LAST"), 4);
    QCOMPARE(ini.section("INIT").number("last"), 2);
    // Missing sections and keys read as empty and 0.
    QVERIFY(!ini.section("Y2").exists());
    QCOMPARE(ini.section("Y2").value("Name"), "");
    QCOMPARE(ini.section("Y2").number("Last"), 0);
    QCOMPARE(ini.section("Init").value("Name"), "");
}

void TestIniFile::firstSectionAndFirstKeyWin() {
    const IniFile ini(QByteArray("[A]\nk=1\nk=2\nb=x\n[a]\nk=3\nc=4\n"));
    QCOMPARE(ini.section("a").number("k"), 1);
    QCOMPARE(ini.section("a").value("b"), "x");
    QCOMPARE(ini.section("a").value("c"), "");  // a repeated section is not read
}

void TestIniFile::linesThatAreNotValuesAreSkipped() {
    const IniFile ini(
        QByteArray("orphan=1\n[S]\nno equals sign\n=empty key\n  key2 =  spaced value  \n"
                   "[T\nx=y\n"));
    QCOMPARE(ini.section("S").value("orphan"), "");
    QCOMPARE(ini.section("S").value("key2"), "spaced value");
    QCOMPARE(ini.section("S").value(""), "");
    // A section line without "]" still opens the section.
    QCOMPARE(ini.section("T").value("x"), "y");
}

void TestIniFile::numbers_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << QByteArray("42") << 42;
    QTest::newRow("negative") << QByteArray("-7") << -7;
    QTest::newRow("hexadecimal") << QByteArray("0x1F") << 31;
    QTest::newRow("hexadecimal upper") << QByteArray("0XfF") << 255;
    QTest::newRow("two billion") << QByteArray("2000000000") << 2000000000;
    QTest::newRow("beyond 32 bits") << QByteArray("99999999999") << 0;
    QTest::newRow("not a number") << QByteArray("12a") << 0;
    QTest::newRow("hex digits without prefix") << QByteArray("1F") << 0;
    QTest::newRow("prefix alone") << QByteArray("0x") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("sign alone") << QByteArray("-") << 0;
}

void TestIniFile::numbers() {
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(IniFile::toInteger(text.toStdString()), value);
    const IniFile ini("[S]\nn=" + text + "\n");
    QCOMPARE(ini.section("S").number("n"), value);
}

void TestIniFile::textIsCutAndBytesStay() {
    const IniFile ini(QByteArray("[S]\nName=Ren\xe9 Dupont-Laforge\n"));
    QCOMPARE(ini.section("S").text("Name", 5), std::string("Ren\xe9 "));
    QCOMPARE(ini.section("S").text("Name", 40), std::string("Ren\xe9 Dupont-Laforge"));
}

void TestIniFile::highestNumberedSection() {
    const IniFile ini(
        QByteArray("[Y1]\n[Y3]\n[y1l1t2]\n[Y1L1T12]\n[Y1L1T007]\n[Fields]\n[F1]\n[Y1L1S]\n"));
    QCOMPARE(ini.highestNumbered("Y"), 3);
    QCOMPARE(ini.highestNumbered("Y1L1T"), 12);  // "007" is no section number
    QCOMPARE(ini.highestNumbered("F"), 1);
    QCOMPARE(ini.highestNumbered("U"), 0);
    QCOMPARE(ini.highestNumbered("Y1L1G"), 0);
}

void TestIniFile::loadNamesTheFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("old.PZS");
    IniFile ini;
    QString error;
    QVERIFY(!ini.load(path, error));
    QVERIFY2(error.contains(path) && error.contains("does not exist"), qPrintable(error));
    QVERIFY(!ini.load(dir.path(), error));
    QVERIFY2(error.contains("cannot be read"), qPrintable(error));
    testsupport::writeFile(path, "[Init]\nLast=3\n");
    QVERIFY(ini.load(path, error));
    QCOMPARE(ini.section("Init").number("Last"), 3);
}

// Random bytes, and random lines built from the characters that matter, must parse without a
// crash and answer every lookup.
void TestIniFile::randomBytesNeverCrash() {
    QRandomGenerator random(20240607);
    const QByteArray alphabet("[]=\r\n \tYLTPG0123456789x");
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(static_cast<int>(random.bounded(4000)), '\0');
        for (char& c : bytes) {
            c = round % 2 ? alphabet.at(static_cast<int>(random.bounded(alphabet.size())))
                          : static_cast<char>(random.bounded(256));
        }
        const IniFile ini(bytes);
        QVERIFY(ini.sectionCount() >= 0);
        for (const char* name : {"Y1", "y1l1", "Init", "", "Y1L1T1P1"}) {
            const IniFile::Section s = ini.section(name);
            QVERIFY(s.value("Name").size() <= static_cast<std::size_t>(bytes.size()));
            QVERIFY(s.text("Last", 4).size() <= 4);
            s.number("Last");
        }
        QVERIFY(ini.highestNumbered("Y") >= 0);
    }
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
