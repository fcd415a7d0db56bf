#include "gamelog/sheetchoice.h"

#include "pitching/pitchrulesfile.h"
#include "store/datacheck.h"
#include "store/filecommit.h"
#include "store/filekind.h"
#include "views/leadersettings.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace pny;
using testsupport::readFile;
using testsupport::writeFile;

using Names = std::vector<std::string>;
using Choice = std::optional<Names>;
Q_DECLARE_METATYPE(Choice)

namespace {

const QByteArray kLeaders = "Leaders|\r\n2.5|0.8|0.05|5|\r\n";
const QByteArray kRules = "Pitches|85|21:1|36:2|\r\n";

// A league whose first user column is headed "Pts" and whose third is headed "K/9", with two
// teams, for the data check.
void writeSeason(const QString& folder) {
    testsupport::writeLeagueFolder(folder, "|1|City|1|1|9|||||||||||Pts||K/9||",
                                   {"|1|Otters|||||", "|2|Hawks|||||"},
                                   {testsupport::playerLine("7", "Ann Lee")});
    writeFile(folder + "/Y1L1T2.Players",
              "P|\r\n" + testsupport::playerLine("1", "Dee Ray") + "\r\n");
}

QStringList checkFindings(const QString& folder) {
    QStringList found;
    for (const CheckFinding& finding : checkDataFolder(folder)) {
        if (finding.file == "Y1L1.Leaders")
            found << QString::fromStdString(finding.text());
    }
    return found;
}

LeagueRecord leagueWithHeaders() {
    LeagueRecord league;
    league.userHeaders = {"Pts", "", "K/9", ""};
    return league;
}

}  // namespace

class TestSheetChoice : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setDiskSpaceHook({}); }
    void writtenAndReadBack_data();
    void writtenAndReadBack();
    void sectionsKeepEachOther();
    void namesTheFileCannotKeep_data();
    void namesTheFileCannotKeep();
    void hostilePaths_data();
    void hostilePaths();
    void linksAreNeverWrittenThrough();
    void notOurFileIsNeverReplaced();
    void fullDiskKeepsTheFile();
    void fullRealDiskKeepsTheFile();
    void chosenColumnsOnTheSheet_data();
    void chosenColumnsOnTheSheet();
    void dataCheckReadsTheLine_data();
    void dataCheckReadsTheLine();
};

// The file before, the choice written, the file after and the choice read back from it.
void TestSheetChoice::writtenAndReadBack_data() {
    QTest::addColumn<QByteArray>("before");  // empty: no file
    QTest::addColumn<Choice>("choice");
    QTest::addColumn<QByteArray>("after");  // empty: no file
    const Names box{"AB", "R", "H", "RBI", "DEC", "IP", "P.H", "PO"};
    const QByteArray boxLine = "Sheet|AB|R|H|RBI|DEC|IP|P.H|PO|\r\n";
    QTest::newRow("no file, no choice: nothing written")
        << QByteArray() << Choice() << QByteArray();
    // The leader defaults come first, so that the leader settings read as before.
    QTest::newRow("no file: the leader defaults first")
        << QByteArray() << Choice(box) << "Leaders|\r\n||0.67|10|\r\n" + boxLine;
    QTest::newRow("after the leader settings") << kLeaders << Choice(box) << kLeaders + boxLine;
    QTest::newRow("after the pitch rules, which stay")
        << kLeaders + kRules << Choice(box) << kLeaders + kRules + boxLine;
    QTest::newRow("replaced where it stood, the rules after it kept")
        << kLeaders + "Sheet|AB|H|\r\n" + kRules << Choice(box) << kLeaders + boxLine + kRules;
    QTest::newRow("a second line dropped")
        << kLeaders + "Sheet|AB|\r\n" + kRules + "Sheet|H|\r\n"
        << Choice(Names{"SO"}) << kLeaders + "Sheet|SO|\r\n" + kRules;
    QTest::newRow("back to the defaults: the line taken out")
        << kLeaders + "Sheet|AB|H|\r\n" + kRules << Choice() << kLeaders + kRules;
    QTest::newRow("back to the defaults: leader bytes as they were") << kLeaders + "Sheet|AB|H|\r\n"
                                                                     << Choice() << kLeaders;
    QTest::newRow("only the header line") << QByteArray("Leaders|\r\n") << Choice(Names{"AB"})
                                          << QByteArray("Leaders|\r\n||0.67|10|\r\nSheet|AB|\r\n");
    // Code page bytes of a user column's header are kept as they are.
    QTest::newRow("a user column in code page bytes")
        << kLeaders << Choice(Names{"AB", "\xe9t\xe9"}) << kLeaders + "Sheet|AB|\xe9t\xe9|\r\n";
}

void TestSheetChoice::writtenAndReadBack() {
    QFETCH(QByteArray, before);
    QFETCH(Choice, choice);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1L1.Leaders");
    if (!before.isEmpty())
        writeFile(path, before);
    QString error;
    QVERIFY2(writeSheetColumns(path, choice, error), qPrintable(error));
    QCOMPARE(QFileInfo::exists(path), !after.isEmpty());
    if (after.isEmpty())
        return;
    QCOMPARE(readFile(path), after);
    Choice read;
    QVERIFY2(readSheetColumns(path, read, error), qPrintable(error));
    QCOMPARE(read, choice);
    // The file's other sections read as they were.
    std::optional<PitchRules> rules;
    QVERIFY2(readPitchRules(path, rules, error), qPrintable(error));
    QCOMPARE(rules.has_value(), before.contains("Pitches|"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Y1L1.Leaders"});
}

void TestSheetChoice::sectionsKeepEachOther() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1L1.Leaders");
    QString error;
    Choice read;
    // No file: no choice, and no error.
    QVERIFY(readSheetColumns(path, read, error));
    QVERIFY(!read);
    QVERIFY(writeSheetColumns(path, Names{"AB", "H", "P.SO"}, error));
    // The leader window's save keeps the sheet's line...
    LeaderSettings leaders;
    leaders.places = 7;
    QVERIFY(writeLeaderSettings(path, leaders, error));
    QCOMPARE(readFile(path), QByteArray("Leaders|\r\n||0.67|7|\r\nSheet|AB|H|P.SO|\r\n"));
    // ...and the pitch rules' save, in both directions...
    PitchRules rules;
    rules.dailyMax = 60;
    QVERIFY(writePitchRules(path, rules, error));
    QCOMPARE(readFile(path),
             QByteArray("Leaders|\r\n||0.67|7|\r\nSheet|AB|H|P.SO|\r\nPitches|60|\r\n"));
    QVERIFY(writeSheetColumns(path, Names{"IP"}, error));
    QCOMPARE(readFile(path), QByteArray("Leaders|\r\n||0.67|7|\r\nSheet|IP|\r\nPitches|60|\r\n"));
    QVERIFY(writePitchRules(path, std::nullopt, error));
    QCOMPARE(readFile(path), QByteArray("Leaders|\r\n||0.67|7|\r\nSheet|IP|\r\n"));
    // ...and the leader settings read as written.
    LeaderSettings readLeaders;
    QVERIFY(readLeaderSettings(path, readLeaders, error));
    QVERIFY(readLeaders == leaders);
    QVERIFY(readSheetColumns(path, read, error));
    QCOMPARE(read, Choice(Names{"IP"}));
    // A line without the tag's exact case is no line of sheet columns.
    writeFile(path, kLeaders + "sheet|AB|\r\n");
    QVERIFY(readSheetColumns(path, read, error));
    QVERIFY(!read);
    // Text after the last separator is never a name; an empty line names nothing.
    writeFile(path, kLeaders + "Sheet|AB|H|junk\r\n");
    QVERIFY(readSheetColumns(path, read, error));
    QCOMPARE(read, Choice(Names{"AB", "H"}));
    writeFile(path, kLeaders + "Sheet|\r\n");
    QVERIFY(readSheetColumns(path, read, error));
    QCOMPARE(read, Choice(Names{}));
    // The sheet's line on the leader settings' own line is not read as one.
    writeFile(path, "Leaders|\r\nSheet|AB|\r\n");
    QVERIFY(readSheetColumns(path, read, error));
    QVERIFY(!read);
}

void TestSheetChoice::namesTheFileCannotKeep_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("a separator") << QByteArray("R|BI");
    QTest::newRow("a line break") << QByteArray("R\nBI");
    QTest::newRow("a carriage return") << QByteArray("R\rBI");
    QTest::newRow("a NUL") << QByteArray("R\0BI", 4);
    QTest::newRow("empty") << QByteArray();
}

void TestSheetChoice::namesTheFileCannotKeep() {
    QFETCH(QByteArray, name);
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1L1.Leaders");
    const QByteArray before = kLeaders + "Sheet|AB|\r\n";
    writeFile(path, before);
    QString error;
    QVERIFY(!writeSheetColumns(path, Names{"H", name.toStdString()}, error));
    QVERIFY2(error.contains("Y1L1.Leaders"), qPrintable(error));
    QCOMPARE(readFile(path), before);
}

void TestSheetChoice::hostilePaths_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a FIFO") << "fifo"
                            << "it is a FIFO, not an ordinary file";
    QTest::newRow("a folder") << "folder"
                              << "it is a folder, not an ordinary file";
    QTest::newRow("a link to a FIFO") << "link to fifo"
                                      << "it is a FIFO, not an ordinary file";
}

void TestSheetChoice::hostilePaths() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1L1.Leaders");
    const QString fifo = kind == "fifo" ? path : dir.filePath("elsewhere");
    if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("Y1L1.Leaders"));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    if (kind == "link to fifo")
        QVERIFY(QFile::link(fifo, path));
    // A FIFO would block a read until something wrote into it: this returns at once.
    QString error;
    Choice read;
    QVERIFY(!readSheetColumns(path, read, error));
    QVERIFY2(error.contains(reason) && error.contains("Y1L1.Leaders"), qPrintable(error));
    QVERIFY(!read);
    for (const Choice& choice : {Choice(Names{"AB"}), Choice()}) {
        error.clear();
        QVERIFY(!writeSheetColumns(path, choice, error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }
    // Whatever stood there stands there still.
    QCOMPARE(pathTypeOf(path), kind == "fifo"     ? PathType::Fifo
                               : kind == "folder" ? PathType::Folder
                                                  : PathType::SymLink);
    QCOMPARE(pathTypeOf(fifo), kind == "folder" ? PathType::Missing : PathType::Fifo);
    // Nothing was left beside it either.
    QStringList expected{"Y1L1.Leaders"};
    if (kind == "link to fifo")
        expected << "elsewhere";
    QStringList found =
        QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    found.sort();
    expected.sort();
    QCOMPARE(found, expected);
}

// A link stands for the file, as for every data file of the folder, but is never written through:
// the file it leads to (which may be outside the folder) keeps its bytes.
void TestSheetChoice::linksAreNeverWrittenThrough() {
    QTemporaryDir dir;
    QTemporaryDir outside;
    const QString path = dir.filePath("Y1L1.Leaders");
    const QString target = outside.filePath("shared.Leaders");
    const QByteArray shared = kLeaders + kRules + "Sheet|AB|H|\r\n";
    writeFile(target, shared);
    QVERIFY(QFile::link(target, path));
    QString error;
    Choice read;
    QVERIFY2(readSheetColumns(path, read, error), qPrintable(error));
    QCOMPARE(read, Choice(Names{"AB", "H"}));
    QVERIFY2(writeSheetColumns(path, Names{"SO"}, error), qPrintable(error));
    QCOMPARE(readFile(target), shared);
    QCOMPARE(pathTypeOf(path), PathType::File);
    QCOMPARE(readFile(path), kLeaders + kRules + "Sheet|SO|\r\n");
    // A link that leads nowhere is no file to read, and nothing is written in its place.
    QVERIFY(QFile::remove(path));
    QCOMPARE(::symlink("/nonexistent/Y1L1.Leaders", QFile::encodeName(path).constData()), 0);
    QVERIFY2(readSheetColumns(path, read, error), qPrintable(error));
    QVERIFY(!read);
    for (const Choice& choice : {Choice(Names{"AB"}), Choice()}) {
        error.clear();
        QVERIFY(!writeSheetColumns(path, choice, error));
        QVERIFY2(error.contains("Y1L1.Leaders"), qPrintable(error));
    }
    QCOMPARE(pathTypeOf(path), PathType::SymLink);
}

void TestSheetChoice::notOurFileIsNeverReplaced() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1L1.Leaders");
    writeFile(path, "something else\r\nSheet|AB|\r\n");
    QString error;
    QVERIFY(!writeSheetColumns(path, Names{"H"}, error));
    QVERIFY2(error.contains("no settings file of ours"), qPrintable(error));
    QVERIFY(!writeSheetColumns(path, std::nullopt, error));
    QCOMPARE(readFile(path), QByteArray("something else\r\nSheet|AB|\r\n"));
}

void TestSheetChoice::fullDiskKeepsTheFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1L1.Leaders");
    const QByteArray before = kLeaders + kRules;
    writeFile(path, before);
    setDiskSpaceHook([](const QString&, qint64 size) { return size / 2; });
    QString error;
    QVERIFY(!writeSheetColumns(path, Names{"AB", "R", "H", "RBI", "BB", "SO"}, error));
    QVERIFY2(error.contains("No space left on device"), qPrintable(error));
    QCOMPARE(readFile(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Y1L1.Leaders"});
}

// The same on a small file system filled to its last byte.
void TestSheetChoice::fullRealDiskKeepsTheFile() {
    if (::geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    QTemporaryDir dir;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path()}) != 0)
        QSKIP("no tmpfs can be mounted here");
    const auto unmount = qScopeGuard([&dir] { QProcess::execute("umount", {dir.path()}); });
    const QString path = dir.filePath("Y1L1.Leaders");
    const QByteArray before = kLeaders + kRules;
    writeFile(path, before);
    {
        QFile fill(dir.filePath("filler"));
        QVERIFY(fill.open(QIODevice::WriteOnly));
        const QByteArray block(1024, 'x');
        while (fill.write(block) == block.size() && fill.flush()) {
        }
    }
    QCOMPARE(QStorageInfo(dir.path()).bytesAvailable(), 0);
    QString error;
    QVERIFY(!writeSheetColumns(path, Names{"AB", "R", "H", "RBI", "BB", "SO"}, error));
    QVERIFY2(error.contains("No space left on device"), qPrintable(error));
    QCOMPARE(readFile(path), before);
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    QCOMPARE(left, (QStringList{"Y1L1.Leaders", "filler"}));  // no temporary file stays
}

void TestSheetChoice::chosenColumnsOnTheSheet_data() {
    QTest::addColumn<Choice>("names");
    QTest::addColumn<QStringList>("shown");  // the names of the columns shown
    const QStringList defaults{"AB", "H", "IP"};
    QTest::newRow("none chosen: the defaults") << Choice() << defaults;
    QTest::newRow("nothing known: the defaults") << Choice(Names{"XYZ", ""}) << defaults;
    QTest::newRow("an empty line: the defaults") << Choice(Names{}) << defaults;
    QTest::newRow("the chosen order") << Choice(Names{"SO", "ab", "P.SO", "DEC", "E", "PO"})
                                      << QStringList{"SO", "AB", "P.SO", "DEC", "E", "PO"};
    QTest::newRow("unknown and repeated names left out")
        << Choice(Names{"H", "XYZ", "h", "C1"}) << QStringList{"H", "C1"};
    // A line put together by hand keeps each group together, in the order chosen within it.
    QTest::newRow("groups mixed by hand") << Choice(Names{"PO", "IP", "C3", "AB", "P.H", "E", "H"})
                                          << QStringList{"C3", "AB", "H", "IP", "P.H", "PO", "E"};
}

void TestSheetChoice::chosenColumnsOnTheSheet() {
    QFETCH(Choice, names);
    QFETCH(QStringList, shown);
    const std::vector<BoxScoreColumn> available = scorerColumns(leagueWithHeaders());
    const std::vector<BoxScoreColumn> defaults = columnsNamed(available, {"AB", "H", "IP"});
    QStringList got;
    for (const BoxScoreColumn& column : chosenSheetColumns(available, names, defaults))
        got << QString::fromStdString(column.name);
    QCOMPARE(got, shown);
}

void TestSheetChoice::dataCheckReadsTheLine_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("expected");
    // User columns go by C1 to C4 whatever their headers, so that a new header keeps the choice.
    QTest::newRow("a sound line, user columns by C1 to C4")
        << kLeaders + "Sheet|AB|R|H|C1|C3|DEC|IP|P.H|PO|A|E|\r\n" + kRules << QStringList{};
    QTest::newRow("names in any case") << kLeaders + "Sheet|ab|c1|p.h|\r\n" << QStringList{};
    QTest::newRow("unknown names")
        << kLeaders + "Sheet|AB|XYZ|Pts|\r\n"
        << QStringList{
               "Y1L1.Leaders:3: the sheet column \"XYZ\" is no column of the league: it is not "
               "shown",
               // The first user column is headed "Pts", but goes by C1.
               "Y1L1.Leaders:3: the sheet column \"Pts\" is no column of the league: it is not "
               "shown"};
    QTest::newRow("a user column without a header goes by its plain name")
        << kLeaders + "Sheet|C2|C4|\r\n"
        << QStringList{};
    QTest::newRow("a name twice")
        << kLeaders + "Sheet|AB|H|ab|\r\n"
        << QStringList{"Y1L1.Leaders:3: the sheet column \"ab\" is named twice: it is shown once"};
    QTest::newRow("groups mixed")
        << kLeaders + "Sheet|AB|IP|H|PO|SO|\r\n"
        << QStringList{
               "Y1L1.Leaders:3: the sheet column \"H\" stands apart from its group: the "
               "sheet shows each group together"};
    QTest::newRow("nothing known")
        << kLeaders + "Sheet|\r\n"
        << QStringList{
               "Y1L1.Leaders:3: the line of sheet columns names no column of the league: "
               "the sheet shows the default columns"};
    QTest::newRow("two lines")
        << kLeaders + "Sheet|AB|\r\n" + kRules + "Sheet|XYZ|\r\n"
        << QStringList{"Y1L1.Leaders:5: a second line of sheet columns is never read"};
    QTest::newRow("a stray line is still reported")
        << kLeaders + "Sheet|AB|\r\nstray|\r\n" + kRules
        << QStringList{"Y1L1.Leaders:4: lines after the settings line are never read"};
}

void TestSheetChoice::dataCheckReadsTheLine() {
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    writeSeason(dir.path());
    writeFile(dir.filePath("Y1L1.Leaders"), settings);
    QCOMPARE(checkFindings(dir.path()), expected);
}

QTEST_GUILESS_MAIN(TestSheetChoice)
#include "tst_sheetchoice.moc"
