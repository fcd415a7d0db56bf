#include "print/backupcopy.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readFile;
using testsupport::writeFile;

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void onlyDataFilesAreListed();
    void targetName_data();
    void targetName();
    void linesGetLineEnds_data();
    void linesGetLineEnds();
    void fileSavedAfterFirstBackupIsInTheSecond();
    void backupIntoTheDataFolderChangesNothing();
    void failureNamesFileAndCountAndLeavesNothingPartial();
    void missingDestinationFailsAtFirstFile();
};

void TestBackup::onlyDataFilesAreListed() {
    QTemporaryDir data;
    const QStringList names = {
        "Baseball.Years", "1999.Leagues", "a.TEAMS",       "b.players",   "c.Games", "c.Fields",
        "c.Umpires",      "c.Times",      "x.notes",       "readme.txt",  "pny",     "Years",
        "c.Leaders",      "c.Leaders~",   ".hidden.Teams", "c.Games.bak", "c.Gamesx"};
    for (const QString& name : names)
        writeFile(QDir(data.path()).filePath(name), "G|\r\n");
    QDir(data.path()).mkdir("folder.Teams");
    const QStringList expected = {"1999.Leagues", "a.TEAMS", "b.players", "Baseball.Years",
                                  "c.Fields",     "c.Games", "c.Leaders", "c.Times",
                                  "c.Umpires",    "x.notes"};
    QCOMPARE(pny::backupFileNames(data.path()), expected);

    QTemporaryDir dest;
    const pny::BackupResult result = pny::backupAll(data.path(), dest.path());
    QVERIFY(result.ok());
    QCOMPARE(result.copied, expected.size());
    QDir destDir(dest.path());
    QCOMPARE(destDir.entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                               QDir::Name | QDir::IgnoreCase),
             expected);
}

void TestBackup::targetName_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("target");
    QTest::newRow("plain") << "/media/usb"
                           << "/media/usb/a.Teams";
    QTest::newRow("ends with separator") << "/media/usb/"
                                         << "/media/usb/a.Teams";
    QTest::newRow("root") << "/"
                          << "/a.Teams";
}

void TestBackup::targetName() {
    QFETCH(QString, folder);
    QFETCH(QString, target);
    QCOMPARE(pny::backupTarget(folder, "a.Teams"), target);
}

void TestBackup::linesGetLineEnds_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("copy");
    QTest::newRow("last line without end")
        << QByteArray("L|\r\n|1|") << QByteArray("L|\r\n|1|\r\n");
    QTest::newRow("already CR LF") << QByteArray("L|\r\n|1|\r\n") << QByteArray("L|\r\n|1|\r\n");
    QTest::newRow("LF only") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb") << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("high bytes kept") << QByteArray("\xe9t\xe9\r\n") << QByteArray("\xe9t\xe9\r\n");
    QTest::newRow("empty file") << QByteArray() << QByteArray();
}

void TestBackup::linesGetLineEnds() {
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, copy);
    QTemporaryDir data;
    QTemporaryDir dest;
    writeFile(data.filePath("1999.Leagues"), source);
    QVERIFY(pny::backupAll(data.path(), dest.path()).ok());
    QVERIFY(QFile::exists(dest.filePath("1999.Leagues")));
    QCOMPARE(readFile(dest.filePath("1999.Leagues")), copy);
}

void TestBackup::fileSavedAfterFirstBackupIsInTheSecond() {
    QTemporaryDir data;
    QTemporaryDir dest;
    writeFile(data.filePath("Baseball.Years"), "Y|1|\r\n");
    QCOMPARE(pny::backupAll(data.path(), dest.path()).copied, 1);
    writeFile(data.filePath("1999.Leagues"), "L|\r\n|Majors|\r\n");
    writeFile(data.filePath("Baseball.Years"), "Y|2|\r\n");
    const pny::BackupResult second = pny::backupAll(data.path(), dest.path());
    QCOMPARE(second.copied, 2);
    QCOMPARE(readFile(dest.filePath("1999.Leagues")), QByteArray("L|\r\n|Majors|\r\n"));
    QCOMPARE(readFile(dest.filePath("Baseball.Years")), QByteArray("Y|2|\r\n"));
}

void TestBackup::backupIntoTheDataFolderChangesNothing() {
    QTemporaryDir data;
    writeFile(data.filePath("Baseball.Years"), "Y|1|");  // no line end: a rewrite would add one
    writeFile(data.filePath("a.Teams"), "T|\r\n|Bears|\r\n");
    const pny::BackupResult result = pny::backupAll(data.path(), data.path() + "/");
    QVERIFY(result.ok());
    QCOMPARE(result.copied, 2);
    QCOMPARE(readFile(data.filePath("Baseball.Years")), QByteArray("Y|1|"));
    QCOMPARE(readFile(data.filePath("a.Teams")), QByteArray("T|\r\n|Bears|\r\n"));
}

void TestBackup::failureNamesFileAndCountAndLeavesNothingPartial() {
    QTemporaryDir data;
    QTemporaryDir dest;
    writeFile(data.filePath("a.Teams"), "T|\r\n");
    writeFile(data.filePath("b.Teams"), "T|\r\n|Bears|\r\n");
    writeFile(data.filePath("c.Teams"), "T|\r\n");
    // A folder where the copy of b.Teams belongs makes its write fail, even for root.
    QVERIFY(QDir(dest.path()).mkdir("b.Teams"));
    QStringList visited;
    const pny::BackupResult result = pny::backupAll(
        data.path(), dest.path(), [&](int i) { visited << pny::backupFileNames(data.path())[i]; });
    QVERIFY(!result.ok());
    QCOMPARE(result.copied, 1);
    QCOMPARE(result.failedName, QString("b.Teams"));
    QCOMPARE(visited, (QStringList{"a.Teams", "b.Teams"}));
    const QString message = result.failureMessage();
    QVERIFY2(message.contains("\"b.Teams\""), qPrintable(message));
    QVERIFY2(message.contains("1 file was copied before it"), qPrintable(message));
    QVERIFY2(message.contains(dest.filePath("b.Teams")), qPrintable(message));
    // Only the first copy and the folder are there: no temporary or partial file.
    QCOMPARE(QDir(dest.path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{"a.Teams", "b.Teams"}));
    QVERIFY(QFileInfo(dest.filePath("b.Teams")).isDir());
}

void TestBackup::missingDestinationFailsAtFirstFile() {
    QTemporaryDir data;
    QTemporaryDir dest;
    writeFile(data.filePath("a.Teams"), "T|\r\n");
    const pny::BackupResult result = pny::backupAll(data.path(), dest.filePath("gone"));
    QVERIFY(!result.ok());
    QCOMPARE(result.copied, 0);
    QVERIFY(result.failureMessage().contains("0 files were copied before it"));
}

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
