#include "store/datafiles.h"
#include "store/filecommit.h"
#include "store/filekind.h"
#include "store/folderlock.h"
#include "store/savecheck.h"

#include "testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using pny::DataKind;
using testsupport::readFile;
using testsupport::writeFile;

Q_DECLARE_METATYPE(pny::DataKind)

namespace {

// Makes `name` in `folder` a hostile entry of the given kind.
void makeEntry(const QString& folder, const QString& name, const QString& kind) {
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
    if (kind == "fifo")
        QVERIFY(::mkfifo(path.constData(), 0644) == 0);
    else if (kind == "folder")
        QVERIFY(QDir(folder).mkdir(name));
    else if (kind == "dangling link")
        QVERIFY(::symlink("/nonexistent/lock", path.constData()) == 0);
    else if (kind == "link to a file")
        QVERIFY(QFile::link(QDir(folder).filePath("elsewhere"), QDir(folder).filePath(name)));
    else
        writeFile(QDir(folder).filePath(name), "");
}

QByteArray sha1(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

// A journal with a correct checksum that renames `temp` over `target`, `bytes` being the
// temporary file's content.
QByteArray journalFor(const QString& target, const QString& temp, const QByteArray& bytes) {
    QByteArray text = "J|1|\r\n" + QFile::encodeName(target) + '|' + QFile::encodeName(temp) + '|' +
                      QByteArray::number(bytes.size()) + '|' + sha1(bytes) + "|\r\n";
    return text + "E|" + sha1(text) + "|\r\n";
}

}  // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    void kindsOfOurFiles_data();
    void kindsOfOurFiles();
    void outputPathIsRefused_data();
    void outputPathIsRefused();
    void lockThatIsNoOrdinaryFile_data();
    void lockThatIsNoOrdinaryFile();
    void journalNamingTheLockKeepsTheWriterAlone();
};

void TestHostileFiles::kindsOfOurFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<DataKind>("kind");
    QTest::addColumn<bool>("saveTarget");  // a save may rename a temporary file over it
    const struct {
        const char* name;
        DataKind kind;
        bool target;
    } rows[] = {
        {"Baseball.Years", DataKind::Older, true},
        {"baseball.years", DataKind::Older, true},
        {"Y1.Leagues", DataKind::Older, true},
        {"Y1L1.Teams", DataKind::Older, true},
        {"Y12L3T14.Players", DataKind::Older, true},
        {"Y1L1.Games", DataKind::Older, true},
        {"Y1L1.Fields", DataKind::Older, true},
        {"Y1L1.Umpires", DataKind::Older, true},
        {"Y1L1.Times", DataKind::Older, true},
        {"Y1L1T1P3.Notes", DataKind::Notes, true},
        {"Y1L1.Log", DataKind::GameLog, true},
        {"Y1L1.Leaders", DataKind::Leaders, true},
        {"Pennantry.People", DataKind::People, true},
        {"Pennantry.Imports", DataKind::Imports, true},
        {"Pennantry.Lock", DataKind::Lock, false},
        {"Pennantry.Lock.rmlock", DataKind::Lock, false},
        {"Pennantry.Journal", DataKind::Journal, false},
        {"Y1L1.Teams.~pny0a1b2c3d", DataKind::Temporary, false},
        {"pny", DataKind::None, false},
        {"pennantry", DataKind::None, false},
        {"..", DataKind::None, false},
        {".", DataKind::None, false},
        {".Years", DataKind::Older, false},
        {"sub/Y1.Leagues", DataKind::None, false},
        {"..\\Y1.Leagues", DataKind::None, false},
        {"install.log", DataKind::None, false},
        {"Pennantry.Journal.Untrusted", DataKind::None, false},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString(row.name) << row.kind << row.target;
}

void TestHostileFiles::kindsOfOurFiles() {
    QFETCH(QString, name);
    QFETCH(DataKind, kind);
    QFETCH(bool, saveTarget);
    QCOMPARE(pny::dataKindOf(name), kind);
    QCOMPARE(pny::isDataFileName(name), kind != DataKind::None);
    QCOMPARE(pny::isCommitTarget(name), saveTarget);
}

void TestHostileFiles::outputPathIsRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");      // what stands there before
    QTest::addColumn<QString>("expected");  // part of the refusal; empty when writing is fine
    const QString ours = "is a name Pennantry keeps its data under";
    for (const char* name : {"Baseball.Years", "Y1L1T1.Players", "Y1L1.Log", "Pennantry.Imports",
                             "Pennantry.Lock", "Y1L1T1.Notes"})
        QTest::newRow(name) << QString(name) << QString("file") << ours;
    QTest::newRow("a new name") << "table.csv"
                                << ""
                                << "";
    QTest::newRow("an ordinary file") << "table.csv"
                                      << "file"
                                      << "";
    QTest::newRow("a FIFO") << "table.csv"
                            << "fifo"
                            << "is a FIFO, not an ordinary file";
    QTest::newRow("a folder") << "table.csv"
                              << "folder"
                              << "is a folder, not an ordinary file";
    QTest::newRow("a link") << "table.csv"
                            << "link to a file"
                            << "is a symbolic link, not an ordinary file";
    QTest::newRow("a dangling link") << "table.csv"
                                     << "dangling link"
                                     << "is a symbolic link, not an ordinary file";
}

void TestHostileFiles::outputPathIsRefused() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    writeFile(dir.filePath("elsewhere"), "kept");
    if (!kind.isEmpty())
        makeEntry(dir.path(), name, kind);
    const QString refusal = pny::refuseOutputPath(dir.filePath(name));
    if (expected.isEmpty()) {
        QVERIFY2(refusal.isEmpty(), qPrintable(refusal));
    } else {
        QVERIFY2(refusal.contains(expected) && refusal.contains(dir.filePath(name)),
                 qPrintable(refusal));
    }
}

void TestHostileFiles::lockThatIsNoOrdinaryFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    for (const char* name : {"Pennantry.Lock", "Pennantry.Lock.rmlock"}) {
        const QString n = name;
        QTest::addRow("%s as a FIFO", name) << n << "fifo"
                                            << "is a FIFO, not an ordinary file";
        QTest::addRow("%s as a folder", name) << n << "folder"
                                              << "is a folder, not an ordinary file";
        QTest::addRow("%s as a dangling link", name) << n << "dangling link"
                                                     << "is a symbolic link, not an ordinary file";
        QTest::addRow("%s as a link to a file", name) << n << "link to a file"
                                                      << "is a symbolic link, not an ordinary file";
    }
}

void TestHostileFiles::lockThatIsNoOrdinaryFile() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    writeFile(dir.filePath("elsewhere"), "kept");
    if (name != QLatin1String(pny::kLockName))
        writeFile(dir.filePath(pny::kLockName), "");  // an old lock beside the helper
    makeEntry(dir.path(), name, kind);

    const pny::LockFileProblem problem = pny::lockFileProblem(dir.path());
    QCOMPARE(problem.fileName, name);
    QCOMPARE(problem.what, expected);

    // The window and every writer take the lock this way: refused without waiting (a FIFO opened
    // would block for ever), not taken for another program's lock, and nothing made or opened
    // through the entry.
    pny::FolderLock lock(dir.path());
    QString message;
    QCOMPARE(lock.acquire(message), pny::FolderLock::Result::Failed);
    QVERIFY2(message.contains(QDir(dir.path()).filePath(name) + "\" " + expected),
             qPrintable(message));
    QVERIFY(!QFile::exists("/nonexistent/lock"));
    QCOMPARE(readFile(dir.filePath("elsewhere")), QByteArray("kept"));
    QCOMPARE(pny::describePathType(pny::pathTypeOf(dir.filePath(name))).isEmpty(), false);

    // Readers refuse the same way, and check names the same problem.
    QString report;
    QString error;
    QVERIFY(!pny::finishUnfinishedSaveIfFree(dir.path(), report, error));
    QCOMPARE(error, message);
    QVERIFY(!pny::isStaleLock(dir.filePath(pny::kLockName)) || name != pny::kLockName);
    bool named = false;
    for (const pny::CheckFinding& finding : pny::checkSaveLeftovers(dir.path())) {
        named = named || (finding.file == name.toStdString() &&
                          QString::fromStdString(finding.message).contains(expected));
    }
    QVERIFY(named);
}

void TestHostileFiles::journalNamingTheLockKeepsTheWriterAlone() {
    QTemporaryDir dir;
    writeFile(dir.filePath("Baseball.Years"), "Y|0||0|||\r\n");
    pny::FolderLock first(dir.path());
    QString message;
    QCOMPARE(first.acquire(message), pny::FolderLock::Result::Acquired);
    const QByteArray lockBefore = readFile(dir.filePath(pny::kLockName));
    const QString temp = QString(pny::kLockName) + ".~pny00000001";
    writeFile(dir.filePath(temp), "forged");
    writeFile(dir.filePath(pny::kJournalName), journalFor(pny::kLockName, temp, "forged"));

    QString report;
    QString error;
    QVERIFY2(first.finishUnfinishedSave(report, error), qPrintable(error));
    QVERIFY2(report.contains("set aside as \"Pennantry.Journal.Untrusted\"") &&
                 report.contains("\"Pennantry.Lock\""),
             qPrintable(report));
    QCOMPARE(readFile(dir.filePath(pny::kLockName)), lockBefore);
    QVERIFY(!QFile::exists(dir.filePath(temp)));
    QVERIFY(QFile::exists(dir.filePath("Pennantry.Journal.Untrusted")));
    // The holder still holds it: a second writer is kept out.
    pny::FolderLock second(dir.path());
    QCOMPARE(second.acquire(message), pny::FolderLock::Result::HeldElsewhere);

    // A second journal set aside takes the next name and keeps the first.
    writeFile(dir.filePath(temp), "forged");
    writeFile(dir.filePath(pny::kJournalName), journalFor(pny::kLockName, temp, "forged"));
    QVERIFY2(first.finishUnfinishedSave(report, error), qPrintable(error));
    QVERIFY(report.contains("\"Pennantry.Journal.Untrusted2\""));
    QVERIFY(pny::isSetAsideJournalName("Pennantry.Journal.Untrusted2"));
    QVERIFY(!pny::isSetAsideJournalName("Pennantry.Journal.Untrusted1"));
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
