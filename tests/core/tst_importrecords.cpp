#include "import/importrecords.h"
#include "import/legacyimport.h"

#include "print/backupcopy.h"
#include "store/datacheck.h"
#include "store/datafiles.h"
#include "store/filecommit.h"
#include "store/store.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace pny;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// Builds a legacy statistics file section by section.
struct Pzs {
    QByteArray text;
    Pzs& section(const QByteArray& name, const QList<QByteArray>& values = {}) {
        text += "[" + name + "]\r\n";
        for (const QByteArray& v : values)
            text += v + "\r\n";
        return *this;
    }
};

}  // namespace

// Every import is recorded with the seasons it made, in the import's own commit, so that the same
// file is not imported twice by mistake.
class TestImportRecords : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void init();
    void sameFileTwiceIsRefusedUnlessAgain_data();
    void sameFileTwiceIsRefusedUnlessAgain();
    void theImportIsRecordedInTheSameCommit();
    void hostileRecordsFileStopsTheImport_data();
    void hostileRecordsFileStopsTheImport();
    void recordsAreKnownToBackupAndCheck();

private:
    ImportResult runOn(const QByteArray& pzs, const QString& name = "old.PZS");
    std::unique_ptr<QTemporaryDir> dir_;
    QString data_;    // the data folder
    QString legacy_;  // the folder of the legacy files
    std::unique_ptr<Store> store_;
};

void TestImportRecords::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    data_ = dir_->filePath("data");
    legacy_ = dir_->filePath("legacy");
    QDir().mkpath(data_);
    QDir().mkpath(legacy_);
    // A season already kept: the imported ones come after it.
    testsupport::writeLeagueFolder(data_, "|1|Old League|1||", {"|1|Old Team||||"});
    store_ = std::make_unique<Store>(data_);
    store_->loadYears();
    QVERIFY(store_->ensurePlayers());
}

ImportResult TestImportRecords::runOn(const QByteArray& pzs, const QString& name) {
    const QString path = legacy_ + "/" + name;
    writeFile(path, pzs);
    return importLegacyFile(*store_, path);
}

namespace {

// One season with a league, a team, a player, a game, a field and a notes file.
QByteArray oneSeason(const QByteArray& year = "1996") {
    Pzs f;
    f.section("Init", {"Last=1"}).section("Y1", {"Name=" + year, "Last=1"});
    f.section("Y1L1", {"Name=Majors", "Last=1", "Note=LG"});
    f.section("Y1L1T1", {"Name=Tigers", "Last=1"}).section("Y1L1T1P1", {"Name=Smith", "AB=3"});
    f.section("Y1L1S", {"Last=1"}).section("Y1L1G1", {"D=19960615", "H=Y1L1T1"});
    f.section("Fields", {"Last=1"}).section("F1", {"Name=North"});
    return f.text;
}

}  // namespace

void TestImportRecords::sameFileTwiceIsRefusedUnlessAgain_data() {
    QTest::addColumn<QString>("secondName");
    QTest::addColumn<QByteArray>("secondYear");
    QTest::addColumn<bool>("refused");
    // The content decides, not the name: a copy under another name is the same file.
    QTest::newRow("same file") << "old.PZS" << QByteArray("1996") << true;
    QTest::newRow("a copy under another name") << "COPY.PZS" << QByteArray("1996") << true;
    QTest::newRow("same name, other content") << "old.PZS" << QByteArray("1997") << false;
}

void TestImportRecords::sameFileTwiceIsRefusedUnlessAgain() {
    QFETCH(QString, secondName);
    QFETCH(QByteArray, secondYear);
    QFETCH(bool, refused);
    writeFile(legacy_ + "/LG.PZN", "Founded 1950\r\n");
    QVERIFY(runOn(oneSeason()).ok());
    QVERIFY(store_->saveAll());
    const std::vector<std::string> yearsBefore = store_->years.lines();

    ImportResult r = runOn(oneSeason(secondYear), secondName);
    QCOMPARE(r.earlier.has_value(), refused);
    if (!refused) {
        QVERIFY2(r.ok(), qPrintable(r.error));
        return;
    }
    // Nothing changed, and the message names the file, the day and the season it made.
    QVERIFY(!r.ok());
    QCOMPARE(r.error, QString("%1 was imported on %2 already: it made season 2 (1996 Imported "
                              "from PZS file).")
                          .arg(secondName, QDate::currentDate().toString(Qt::ISODate)));
    QCOMPARE(r.counts.seasons, 0);
    QCOMPARE(store_->years.lines(), yearsBefore);
    QVERIFY(!store_->hasUnsavedChanges());

    // Told to go again, the import makes a second season equal to the first.
    r = importLegacyFile(*store_, legacy_ + "/" + secondName, {}, true);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QVERIFY(store_->saveAll());
    QCOMPARE(store_->years.line(2), store_->years.line(3));
    for (const char* suffix :
         {".Leagues", "L1.Teams", "L1T1.Players", "L1.Games", "L1.Fields", "L1.Notes"}) {
        const QByteArray second = readFile(data_ + "/Y2" + suffix);
        QVERIFY2(!second.isEmpty(), suffix);
        QCOMPARE(readFile(data_ + "/Y3" + suffix), second);
    }
    // Both imports are recorded; a third is refused naming the latest.
    r = runOn(oneSeason(), secondName);
    QVERIFY2(r.error.contains("it made season 3 (1996"), qPrintable(r.error));
}

void TestImportRecords::theImportIsRecordedInTheSameCommit() {
    Pzs two;
    two.section("Init", {"Last=3"}).section("Y1", {"Name=2024", "Last=1"});
    two.section("Y1L1", {"Name=Majors"}).section("Y2").section("Y3", {"Name=2025"});
    const QByteArray text = two.text;
    const ImportResult r = runOn(text, "LEAGUE|96.PZS");
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.counts.seasons, 2);
    // Nothing is written before the commit: the record travels with the seasons.
    QVERIFY(!QFileInfo::exists(data_ + "/Pennantry.Imports"));

    // The commit is cut short after its journal: the recovery completes it and says what it was.
    int renames = 0;
    setCommitFaultHook([&](CommitStep step, const QString&) {
        return step == CommitStep::Rename && renames++ == 1 ? FaultAction::Crash
                                                            : FaultAction::Continue;
    });
    QVERIFY(!store_->saveAll());
    setCommitFaultHook({});
    QString report;
    QString error;
    QVERIFY(finishUnfinishedCommit(data_, report, error));
    // The journal's note holds no separator either.
    QVERIFY2(
        report.endsWith("An interrupted import of LEAGUE 96.PZS was completed: seasons 2 to 3"),
        qPrintable(report));

    const QByteArray sum = QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex();
    // A separator in the name would break the line: it is shown as a question mark.
    QCOMPARE(readFile(data_ + "/Pennantry.Imports"),
             "Imports|\r\nI|LEAGUE?96.PZS|" + QByteArray::number(text.size()) + '|' + sum +
                 "|2|3|" + QDate::currentDate().toString(Qt::ISODate).toLatin1() + "|\r\n");
    Store again(data_);
    again.loadYears();
    QCOMPARE(again.years.size(), 4);
    const ImportResult second = importLegacyFile(again, legacy_ + "/LEAGUE|96.PZS");
    QVERIFY2(second.error.contains("it made seasons 2 to 3 (2024 Imported from PZS file, 2025 "
                                   "Imported from PZS file)"),
             qPrintable(second.error));
}

void TestImportRecords::hostileRecordsFileStopsTheImport_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("symlink to a file outside") << "symlink";
    QTest::newRow("dangling symlink") << "dangling";
}

void TestImportRecords::hostileRecordsFileStopsTheImport() {
    // The records must never be written over something that is not our ordinary file, nor be
    // waited on: the import stops before it adds anything.
    QFETCH(QString, kind);
    const QString records = data_ + "/Pennantry.Imports";
    const QString outside = dir_->filePath("outside.txt");
    writeFile(outside, "Imports|\r\n");
    const QByteArray path = QFile::encodeName(records);
    if (kind == "folder")
        QVERIFY(QDir().mkdir(records));
    else if (kind == "fifo")
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    else
        QCOMPARE(::symlink(
                     QFile::encodeName(kind == "symlink" ? outside : outside + ".none").constData(),
                     path.constData()),
                 0);
    const std::vector<std::string> yearsBefore = store_->years.lines();
    const QByteArray yearsFile = readFile(data_ + "/Baseball.Years");
    const ImportResult r = runOn(oneSeason());
    if (r.ok()) {
        // Should the reader let it pass, the commit must still refuse to replace it.
        QVERIFY(!store_->saveAll());
    } else {
        QVERIFY2(r.error.contains("Pennantry.Imports") && r.error.contains("Nothing was imported"),
                 qPrintable(r.error));
        QCOMPARE(store_->years.lines(), yearsBefore);
    }
    QCOMPARE(readFile(outside), QByteArray("Imports|\r\n"));
    QCOMPARE(readFile(data_ + "/Baseball.Years"), yearsFile);
    QVERIFY(!QFileInfo::exists(data_ + "/Y2.Leagues"));
}

void TestImportRecords::recordsAreKnownToBackupAndCheck() {
    QVERIFY(isDataFileName("Pennantry.Imports"));
    QVERIFY(isDataFileName("pennantry.imports"));
    QVERIFY(!backupFileNames(data_).contains("Pennantry.Imports"));
    Pzs f;
    f.section("Init", {"Last=1"}).section("Y1", {"Name=1996", "Last=1"});
    f.section("Y1L1", {"Name=Majors", "Last=1"}).section("Y1L1T1", {"Name=Tigers"});
    QVERIFY(runOn(f.text).ok());
    QVERIFY(store_->saveAll());
    QVERIFY(backupFileNames(data_).contains("Pennantry.Imports"));
    QStringList found;
    for (const CheckFinding& finding : checkDataFolder(data_))
        found << QString::fromStdString(finding.text());
    QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    // A record of seasons the years file does not have, and a line that is no record.
    QByteArray text = readFile(data_ + "/Pennantry.Imports");
    text += "I|B.PZS|10|" + QByteArray(40, 'a') + "|3|4|2026-01-02|\r\nI|C.PZS|x|\r\n" +
            "I|D.PZS|10|" + QByteArray(40, 'b') + "|2|2|2026-01-02|\r\n" + "I|E.PZS|10|" +
            QByteArray(40, 'c') + "|3|3|2026-01-02|\r\n";
    writeFile(data_ + "/Pennantry.Imports", text);
    found.clear();
    for (const CheckFinding& finding : checkDataFolder(data_))
        found << QString::fromStdString(finding.text());
    QCOMPARE(found,
             (QStringList{"Pennantry.Imports:3: seasons 3 to 4 of B.PZS are not in the years file",
                          "Pennantry.Imports:4: not a record of an import: the line is never read",
                          "Pennantry.Imports:6: season 3 of E.PZS is not in the years file"}));
}

QTEST_GUILESS_MAIN(TestImportRecords)
#include "tst_importrecords.moc"
