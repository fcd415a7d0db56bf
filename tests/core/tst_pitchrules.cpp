#include "pitching/pitchrules.h"
#include "pitching/pitchrulesfile.h"
#include "store/datacheck.h"
#include "store/filecommit.h"
#include "views/leadersettings.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace pny;
using testsupport::playerLine;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// The rules of a youth league: 85 a day; 1-20: 0, 21-35: 1, 36-50: 2, 51-65: 3, 66 and more: 4.
PitchRules youthRules() {
    PitchRules rules;
    rules.dailyMax = 85;
    rules.rest = {{21, 1}, {36, 2}, {51, 3}, {66, 4}};
    return rules;
}

// A league of two teams, for the data check.
void writeSeason(const QString& folder) {
    testsupport::writeLeagueFolder(folder, "|1|City|1|1|9|", {"|1|Otters|||||", "|2|Hawks|||||"},
                                   {playerLine("7", "Ann Lee")});
    writeFile(folder + "/Y1L1T2.Players", "P|\r\n" + playerLine("1", "Dee Ray") + "\r\n");
}

}  // namespace

class TestPitchRules : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setDiskSpaceHook({}); }
    void restTablesAsTyped_data();
    void restTablesAsTyped();
    void rulesLineRoundTrip();
    void hostileRulesLines_data();
    void hostileRulesLines();
    void rulesAndLeaderSettingsShareTheFile();
    void hostileSettingsFiles();
    void fullDiskKeepsTheFile();
    void dataCheckReadsTheRules_data();
    void dataCheckReadsTheRules();
};

void TestPitchRules::restTablesAsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");  // empty: refused
    QTest::addColumn<QString>("described");
    QTest::newRow("youth") << "21:1,36:2,51:3,66:4"
                           << "21:1,36:2,51:3,66:4"
                           << "1-20: 0, 21-35: 1, 36-50: 2, 51-65: 3, 66 and more: 4";
    QTest::newRow("blanks") << " 30 : 1 , 60:3 "
                            << "30:1,60:3"
                            << "1-29: 0, 30-59: 1, 60 and more: 3";
    QTest::newRow("from the first pitch") << "1:1"
                                          << "1:1"
                                          << "1 and more: 1";
    QTest::newRow("empty") << ""
                           << ""
                           << "no rest required";
    QTest::newRow("falling pitches") << "36:2,21:1"
                                     << ""
                                     << "";
    QTest::newRow("same pitches twice") << "21:1,21:2"
                                        << ""
                                        << "";
    QTest::newRow("zero pitches") << "0:1"
                                  << ""
                                  << "";
    QTest::newRow("too many days") << "21:100"
                                   << ""
                                   << "";
    QTest::newRow("no colon") << "21-1"
                              << ""
                              << "";
    QTest::newRow("letters") << "a:1"
                             << ""
                             << "";
    QTest::newRow("trailing comma") << "21:1,"
                                    << ""
                                    << "";
    QTest::newRow("negative") << "-21:1"
                              << ""
                              << "";
}

void TestPitchRules::restTablesAsTyped() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, described);
    std::string problem;
    const auto steps = parseRestTable(typed.toStdString(), problem);
    const bool refused = stored.isEmpty() && !typed.isEmpty();
    QCOMPARE(steps.has_value(), !refused);
    QCOMPARE(problem.empty(), !refused);
    if (refused)
        return;
    QCOMPARE(QString::fromStdString(restTableText(*steps)), stored);
    QCOMPARE(QString::fromStdString(restTableDescription(*steps)), described);
}

void TestPitchRules::rulesLineRoundTrip() {
    QCOMPARE(pitchRulesLine(youthRules()), std::string("Pitches|85|21:1|36:2|51:3|66:4|"));
    std::string problem;
    QCOMPARE(parsePitchRulesLine(pitchRulesLine(youthRules()), problem),
             std::optional<PitchRules>(youthRules()));
    PitchRules noMax;
    noMax.rest = {{40, 1}};
    QCOMPARE(pitchRulesLine(noMax), std::string("Pitches||40:1|"));
    QCOMPARE(parsePitchRulesLine("Pitches||40:1|", problem), std::optional<PitchRules>(noMax));
    QVERIFY(!parsePitchRulesLine("Pitches|85|36:2|21:1|", problem));
    QVERIFY(!parsePitchRulesLine("Pitches|9999|", problem));
    QVERIFY(!problem.empty());
}

void TestPitchRules::hostileRulesLines_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("readable");
    QTest::newRow("tag alone") << QByteArray("Pitches|") << true;
    QTest::newRow("no bar after the maximum") << QByteArray("Pitches|85") << true;
    QTest::newRow("blanks") << QByteArray("Pitches| 85 | 21 : 1 |") << true;
    QTest::newRow("20 steps") << QByteArray("Pitches||") + [] {
        QByteArray steps;
        for (int k = 1; k <= 20; ++k)
            steps += QByteArray::number(k * 10) + ":" + QByteArray::number(k) + "|";
        return steps;
    }() << true;
    QTest::newRow("21 steps") << QByteArray("Pitches||") + [] {
        QByteArray steps;
        for (int k = 1; k <= 21; ++k)
            steps += QByteArray::number(k * 10) + ":1|";
        return steps;
    }() << false;
    QTest::newRow("negative maximum") << QByteArray("Pitches|-1|") << false;
    QTest::newRow("huge maximum") << QByteArray("Pitches|99999999999999999999|") << false;
    QTest::newRow("letters in a step") << QByteArray("Pitches|85|21:1|x|") << false;
    QTest::newRow("high bytes") << QByteArray("Pitches|\x80\xff|") << false;
    QTest::newRow("colon only") << QByteArray("Pitches|85|:|") << false;
    QTest::newRow("two colons") << QByteArray("Pitches|85|21:1:2|") << false;
    QTest::newRow("days 100") << QByteArray("Pitches|85|21:100|") << false;
}

void TestPitchRules::hostileRulesLines() {
    QFETCH(QByteArray, line);
    QFETCH(bool, readable);
    std::string problem;
    const std::optional<PitchRules> rules = parsePitchRulesLine(line.toStdString(), problem);
    QCOMPARE(rules.has_value(), readable);
    QCOMPARE(problem.empty(), readable);
    // What reads is written back so that it reads the same.
    if (rules)
        QCOMPARE(parsePitchRulesLine(pitchRulesLine(*rules), problem), rules);
}

void TestPitchRules::rulesAndLeaderSettingsShareTheFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1L1.Leaders");
    QString error;
    // No file and no rules: nothing is written.
    QVERIFY(writePitchRules(path, std::nullopt, error));
    QVERIFY(!QFileInfo::exists(path));
    // Rules into a league without a settings file: the leader defaults come first, the batting
    // and pitching factors left unset so that they follow the league's innings.
    QVERIFY(writePitchRules(path, youthRules(), error));
    QCOMPARE(readFile(path), QByteArray("Leaders|\r\n||0.67|10|\r\nPitches|85|21:1|36:2|51:3|"
                                        "66:4|\r\n"));
    LeaderSettings leaders;
    QVERIFY(readLeaderSettings(path, leaders, error));
    QVERIFY(leaders == LeaderSettings());
    // The leader window's save keeps the rules...
    leaders.places = 5;
    QVERIFY(writeLeaderSettings(path, leaders, error));
    QCOMPARE(readFile(path), QByteArray("Leaders|\r\n||0.67|5|\r\nPitches|85|21:1|36:2|51:3|"
                                        "66:4|\r\n"));
    // ...and the rules' save keeps the leader settings.
    PitchRules changed = youthRules();
    changed.dailyMax = 75;
    QVERIFY(writePitchRules(path, changed, error));
    QCOMPARE(readFile(path),
             QByteArray("Leaders|\r\n||0.67|5|\r\nPitches|75|21:1|36:2|51:3|66:4|\r\n"));
    std::optional<PitchRules> read;
    QVERIFY(readPitchRules(path, read, error));
    QCOMPARE(read, std::optional<PitchRules>(changed));
    // Taking the rules out leaves the leader settings byte for byte as before there were rules.
    QVERIFY(writePitchRules(path, std::nullopt, error));
    QCOMPARE(readFile(path), QByteArray("Leaders|\r\n||0.67|5|\r\n"));
    QVERIFY(writeLeaderSettings(path, leaders, error));
    QCOMPARE(readFile(path), QByteArray("Leaders|\r\n||0.67|5|\r\n"));
    // A file whose first line is not ours is never replaced.
    writeFile(path, "something else\r\n");
    QVERIFY(!writePitchRules(path, youthRules(), error));
    QCOMPARE(readFile(path), QByteArray("something else\r\n"));
}

void TestPitchRules::hostileSettingsFiles() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1L1.Leaders");
    QString error;
    std::optional<PitchRules> rules;
    // A FIFO where the settings file belongs: neither read (which would block) nor replaced.
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QVERIFY(!readPitchRules(path, rules, error));
    QVERIFY2(error.contains("not an ordinary file"), qPrintable(error));
    QVERIFY(!writePitchRules(path, youthRules(), error));
    QVERIFY(!writeLeaderSettings(path, LeaderSettings(), error));
    QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    QVERIFY(QFile::remove(path));
    // A folder in its place.
    QVERIFY(QDir(dir.path()).mkdir("Y1L1.Leaders"));
    QVERIFY(!readPitchRules(path, rules, error));
    QVERIFY(!writePitchRules(path, youthRules(), error));
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QDir(path).removeRecursively());
    // An unreadable line of rules is reported, never taken as no limits.
    writeFile(path, "Leaders|\r\n3.1|1.0|0.67|10|\r\nPitches|85|66:4|21:1|\r\n");
    QVERIFY(!readPitchRules(path, rules, error));
    QVERIFY2(error.contains("cannot be read"), qPrintable(error));
    QVERIFY(!rules);
}

void TestPitchRules::fullDiskKeepsTheFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1L1.Leaders");
    const QByteArray before = "Leaders|\r\n2.5|0.8|0.05|5|\r\n";
    writeFile(path, before);
    setDiskSpaceHook([](const QString&, qint64 size) { return size / 2; });
    QString error;
    QVERIFY(!writePitchRules(path, youthRules(), error));
    QVERIFY2(error.contains("No space left on device"), qPrintable(error));
    QCOMPARE(readFile(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Y1L1.Leaders"});
}

void TestPitchRules::dataCheckReadsTheRules_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("sound rules") << QByteArray(
                                        "Leaders|\r\n3.1|1.0|0.67|10|\r\nPitches|85|21:1|\r\n")
                                 << QStringList{};
    QTest::newRow("falling steps")
        << QByteArray("Leaders|\r\n3.1|1.0|0.67|10|\r\nPitches|85|36:2|21:1|\r\n")
        << QStringList{
               "Y1L1.Leaders:3: the pitch rules cannot be read (the pitches must rise "
               "from step to step (21 after 36)): the league counts as without rules"};
    QTest::newRow("two lines of rules")
        << QByteArray("Leaders|\r\n3.1|1.0|0.67|10|\r\nPitches|85|\r\nPitches|60|\r\n")
        << QStringList{"Y1L1.Leaders:4: a second line of pitch rules is never read"};
    QTest::newRow("a stray line")
        << QByteArray("Leaders|\r\n3.1|1.0|0.67|10|\r\nstray|\r\nPitches|85|\r\n")
        << QStringList{"Y1L1.Leaders:3: lines after the settings line are never read"};
}

void TestPitchRules::dataCheckReadsTheRules() {
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    writeSeason(dir.path());
    writeFile(dir.filePath("Y1L1.Leaders"), settings);
    QStringList found;
    for (const CheckFinding& finding : checkDataFolder(dir.path())) {
        if (finding.file == "Y1L1.Leaders")
            found << QString::fromStdString(finding.text());
    }
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(TestPitchRules)
#include "tst_pitchrules.moc"
