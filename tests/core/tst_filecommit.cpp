#include "store/filecommit.h"
#include "store/folderlock.h"

#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using pny::CommitStep;
using pny::FaultAction;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

using Folder = QMap<QString, QByteArray>;

// Every file of a folder with its bytes (the lock file aside: it is no data).
Folder snapshot(const QString& path) {
    Folder files;
    const QDir dir(path);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (name != QLatin1String(pny::kLockName))
            files[name] = readFile(dir.filePath(name));
    }
    return files;
}

// A folder of two files, and a commit that replaces both and adds a third.
struct Scene {
    QTemporaryDir dir;
    Folder before;
    Folder after;

    Scene() {
        writeFile(dir.filePath("Baseball.Years"), "Y|0||1|||\r\n|1996|Old|1|\r\n");
        writeFile(dir.filePath("Y1.Leagues"), "L|\r\n|1|Old League|\r\n");
        before = snapshot(dir.path());
        after = before;
        after["Baseball.Years"] = "Y|0||2|||\r\n|1996|Old|1|\r\n|1997|New|1|\r\n";
        after["Y1.Leagues"] = "L|\r\n|1|New League|\r\n";
        after["Y2.Leagues"] = "L|\r\n|1|Second|\r\n";
    }
    pny::FileCommit commit() const {
        pny::FileCommit c;
        for (const QString& name : {"Y2.Leagues", "Baseball.Years", "Y1.Leagues"})
            c.add(dir.filePath(name), after[name]);
        return c;
    }
    bool finish(QString* report = nullptr) const {
        QString text;
        QString error;
        const bool ok = pny::finishUnfinishedCommit(dir.path(), text, error);
        if (report)
            *report = text;
        return ok;
    }
};

}  // namespace

class TestFileCommit : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        pny::setCommitFaultHook({});
        pny::setDiskSpaceHook({});
    }
    void writesAllFiles();
    void faultAtEveryStep_data();
    void faultAtEveryStep();
    void damagedJournal_data();
    void damagedJournal();
    void damagedTemporaryFileUndoesTheCommit();
    void recoveryTellsTheNote_data();
    void recoveryTellsTheNote();
    void leftoverTemporaryFilesAreRemoved();
    void onlyOrdinaryFilesAreReplaced_data();
    void onlyOrdinaryFilesAreReplaced();
    void readOnlyFileIsNotReplaced();
    void singleFileKeepsItsPermissions();
    void killedCommitsLeaveOneVersion();
    void secondWriterIsRefused();
    void lockLeftEmptyByAKilledWriterIsTakenOver();
};

void TestFileCommit::writesAllFiles() {
    Scene scene;
    QString error;
    QVERIFY2(scene.commit().run(error), qPrintable(error));
    QCOMPARE(snapshot(scene.dir.path()), scene.after);
    QVERIFY(!pny::hasUnfinishedCommit(scene.dir.path()));
}

void TestFileCommit::faultAtEveryStep_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("occurrence");  // which time the step comes up (one per file)
    QTest::addColumn<bool>("crash");      // a crash there rather than a failing disk
    QTest::addColumn<bool>("afterward");  // the folder holds the new files in the end
    const struct {
        CommitStep step;
        const char* name;
        int times;
        bool afterward;
    } steps[] = {
        {CommitStep::WriteTemp, "write", 3, false},
        {CommitStep::WriteJournal, "journal", 1, false},
        // A crash before the sync finds whole files under a whole journal here: rolled forward.
        {CommitStep::Sync, "sync", 1, true},
        {CommitStep::Rename, "rename", 3, true},
        {CommitStep::SyncFolder, "folder sync", 1, true},
    };
    for (const auto& s : steps) {
        for (int n = 0; n < s.times; ++n) {
            QTest::addRow("%s %d fails", s.name, n)
                << int(s.step) << n << false << (s.step >= CommitStep::Rename);
            QTest::addRow("crash at %s %d", s.name, n) << int(s.step) << n << true << s.afterward;
        }
    }
}

void TestFileCommit::faultAtEveryStep() {
    QFETCH(int, step);
    QFETCH(int, occurrence);
    QFETCH(bool, crash);
    QFETCH(bool, afterward);
    Scene scene;
    int seen = 0;
    pny::setCommitFaultHook([&](CommitStep s, const QString&) {
        if (int(s) != step || seen++ != occurrence)
            return FaultAction::Continue;
        return crash ? FaultAction::Crash : FaultAction::Fail;
    });
    QString error;
    const bool ok = scene.commit().run(error);
    pny::setCommitFaultHook({});
    if (!crash && !afterward) {
        // Before the journal is complete and synced a failure leaves the folder as it was.
        QVERIFY(!ok);
        QVERIFY2(error.contains("Input/output error"), qPrintable(error));
        QCOMPARE(snapshot(scene.dir.path()), scene.before);
        QVERIFY(!pny::hasUnfinishedCommit(scene.dir.path()));
        return;
    }
    if (!crash && step == int(CommitStep::Rename)) {
        // After it, a failing rename is completed from the journal on the spot.
        QVERIFY2(ok, qPrintable(error));
        QCOMPARE(snapshot(scene.dir.path()), scene.after);
        QVERIFY(!pny::hasUnfinishedCommit(scene.dir.path()));
        return;
    }
    // A crash, or a folder sync that failed: the next start makes the folder whole.
    QVERIFY(!ok);
    // The next start finds the folder half way and makes it whole.
    QVERIFY(scene.finish());
    QCOMPARE(snapshot(scene.dir.path()), afterward ? scene.after : scene.before);
}

void TestFileCommit::damagedJournal_data() {
    QTest::addColumn<int>("keep");  // bytes of the journal that reached the disk, -1 for all
    QTest::newRow("empty") << 0;
    QTest::newRow("header only") << 5;
    QTest::newRow("cut in a line") << 60;
    QTest::newRow("end line missing") << -2;
    QTest::newRow("last byte missing") << -3;
    QTest::newRow("complete") << -1;
}

void TestFileCommit::damagedJournal() {
    QFETCH(int, keep);
    Scene scene;
    pny::setCommitFaultHook([](CommitStep s, const QString&) {
        return s == CommitStep::Rename ? FaultAction::Crash : FaultAction::Continue;
    });
    QString error;
    QVERIFY(!scene.commit().run(error));
    const QString journal = scene.dir.filePath(pny::kJournalName);
    QByteArray text = readFile(journal);
    QVERIFY(text.startsWith("J|3|\r\n") && text.contains("\r\nE|"));
    if (keep == -2)
        text = text.left(text.lastIndexOf("E|"));
    else if (keep == -3)
        text.chop(1);
    else if (keep >= 0)
        text = text.left(keep);
    writeFile(journal, text);

    QString report;
    QVERIFY(scene.finish(&report));
    QCOMPARE(snapshot(scene.dir.path()), keep == -1 ? scene.after : scene.before);
    QVERIFY(!report.isEmpty());
}

void TestFileCommit::recoveryTellsTheNote_data() {
    QTest::addColumn<int>("step");         // where the commit is cut short
    QTest::addColumn<int>("occurrence");   // which time the step comes up
    QTest::addColumn<QByteArray>("edit");  // replaces the note's text in the journal, when given
    QTest::addColumn<bool>("told");        // the recovery completes the commit and says the note
    const int rename = int(CommitStep::Rename);
    QTest::newRow("before the first rename") << rename << 0 << QByteArray() << true;
    QTest::newRow("after one rename") << rename << 1 << QByteArray() << true;
    QTest::newRow("after every rename")
        << int(CommitStep::RemoveJournal) << 0 << QByteArray() << true;
    QTest::newRow("before the journal")
        << int(CommitStep::WriteJournal) << 0 << QByteArray() << false;
    // The note is under the journal's checksum: a changed note is a damaged journal.
    QTest::newRow("note changed") << rename << 0 << QByteArray("Something else") << false;
}

void TestFileCommit::recoveryTellsTheNote() {
    QFETCH(int, step);
    QFETCH(int, occurrence);
    QFETCH(QByteArray, edit);
    QFETCH(bool, told);
    Scene scene;
    int seen = 0;
    pny::setCommitFaultHook([&](CommitStep s, const QString&) {
        return int(s) == step && seen++ == occurrence ? FaultAction::Crash : FaultAction::Continue;
    });
    pny::FileCommit commit = scene.commit();
    // Separators and line breaks would break the journal's line: they become blanks.
    commit.setRecoveryNote("An interrupted import of A|B.PZS was\ncompleted: seasons 4 to 6");
    QString error;
    // A crash after the renames finds the commit done; only its journal is left.
    QCOMPARE(commit.run(error), step == int(CommitStep::RemoveJournal));
    pny::setCommitFaultHook({});
    const QString journal = scene.dir.filePath(pny::kJournalName);
    if (!edit.isEmpty()) {
        QByteArray text = readFile(journal);
        const qsizetype at = text.indexOf("\r\nN|");
        QVERIFY(at > 0);
        text = text.left(at + 4) + edit + text.mid(text.indexOf("|\r\nE|"));
        writeFile(journal, text);
    }
    QString report;
    QVERIFY(scene.finish(&report));
    QCOMPARE(snapshot(scene.dir.path()), told ? scene.after : scene.before);
    QCOMPARE(report.contains("An interrupted import of A B.PZS was completed: seasons 4 to 6"),
             told);
}

void TestFileCommit::damagedTemporaryFileUndoesTheCommit() {
    // The power failed during the sync: the journal arrived, one temporary file did not whole.
    Scene scene;
    pny::setCommitFaultHook([](CommitStep s, const QString&) {
        return s == CommitStep::Rename ? FaultAction::Crash : FaultAction::Continue;
    });
    QString error;
    QVERIFY(!scene.commit().run(error));
    const QStringList temps =
        QDir(scene.dir.path()).entryList({QStringLiteral("Y1.Leagues.~pny*")}, QDir::Files);
    QCOMPARE(temps.size(), 1);
    writeFile(scene.dir.filePath(temps.first()), "L|\r\n|1|New Lea");
    QVERIFY(scene.finish());
    QCOMPARE(snapshot(scene.dir.path()), scene.before);
}

void TestFileCommit::leftoverTemporaryFilesAreRemoved() {
    Scene scene;
    writeFile(scene.dir.filePath("Y1.Leagues.~pny0badf00d"), "half");
    QVERIFY(pny::hasUnfinishedCommit(scene.dir.path()));
    QVERIFY(scene.finish());
    QCOMPARE(snapshot(scene.dir.path()), scene.before);
    QVERIFY(!pny::hasUnfinishedCommit(scene.dir.path()));
}

void TestFileCommit::onlyOrdinaryFilesAreReplaced_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "a folder";
    QTest::newRow("FIFO") << "a FIFO";
}

void TestFileCommit::onlyOrdinaryFilesAreReplaced() {
    QFETCH(QString, kind);
    Scene scene;
    const QString path = scene.dir.filePath("Y1.Leagues");
    QVERIFY(QFile::remove(path));
    if (kind == "a folder")
        QVERIFY(QDir(scene.dir.path()).mkdir("Y1.Leagues"));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const Folder before = snapshot(scene.dir.path());

    QString error;
    QVERIFY(!scene.commit().run(error));
    QVERIFY2(error.contains("Y1.Leagues") && error.contains(kind), qPrintable(error));
    QCOMPARE(snapshot(scene.dir.path()), before);
    QVERIFY(!pny::writeFileAtomically(path, "x", error));
    QVERIFY2(error.contains(kind), qPrintable(error));
    QVERIFY(!QFileInfo(path).isFile());
}

void TestFileCommit::readOnlyFileIsNotReplaced() {
    if (::geteuid() == 0)
        QSKIP("root may write any file");
    Scene scene;
    QVERIFY(QFile::setPermissions(scene.dir.filePath("Baseball.Years"), QFile::ReadOwner));
    QString error;
    QVERIFY(!scene.commit().run(error));
    QVERIFY2(error.contains("Baseball.Years") && error.contains("Permission denied"),
             qPrintable(error));
    QCOMPARE(snapshot(scene.dir.path()), scene.before);
}

void TestFileCommit::singleFileKeepsItsPermissions() {
    Scene scene;
    const QString path = scene.dir.filePath("Y1.Leagues");
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    QString error;
    QVERIFY2(pny::writeFileAtomically(path, "L|\r\n", error), qPrintable(error));
    QCOMPARE(readFile(path), QByteArray("L|\r\n"));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), 0640);
}

void TestFileCommit::killedCommitsLeaveOneVersion() {
    // A child process commits five files over and over, every file of one commit holding the
    // commit's version; it is killed at a random moment. After the next start the five files must
    // hold one version, and nothing of an unfinished commit may be left.
    QTemporaryDir dir;
    const int kFiles = 5;
    const auto pathOf = [&](int i) {
        return dir.filePath(QStringLiteral("Y1L1T%1.Players").arg(i));
    };
    for (int round = 0; round < 250; ++round) {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            alarm(60);  // never outlives a parent that failed before killing it
            for (int version = round * 100000;; ++version) {
                pny::FileCommit commit;
                QByteArray bytes = "P|\r\n";
                for (int line = 0; line < 200; ++line)
                    bytes += "|" + QByteArray::number(line) + "|Version " +
                             QByteArray::number(version) + "|\r\n";
                for (int i = 1; i <= kFiles; ++i)
                    commit.add(pathOf(i), bytes);
                QString error;
                if (!commit.run(error))
                    _exit(2);
            }
        }
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(pathOf(kFiles)), 20000);
        QTest::qWait(QRandomGenerator::global()->bounded(0, 15));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));

        QString report;
        QString error;
        QVERIFY2(pny::finishUnfinishedCommit(dir.path(), report, error), qPrintable(error));
        const QByteArray first = readFile(pathOf(1));
        QVERIFY(first.endsWith("|199|Version " +
                               first.split('\n').value(1).split('|').value(2).mid(8) + "|\r\n"));
        for (int i = 2; i <= kFiles; ++i)
            QVERIFY2(readFile(pathOf(i)) == first, qPrintable(QString("round %1").arg(round)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), kFiles);
    }
}

void TestFileCommit::secondWriterIsRefused() {
    QTemporaryDir dir;
    pny::FolderLock first(dir.path());
    QString message;
    QCOMPARE(first.acquire(message), pny::FolderLock::Result::Acquired);
    // However old the lock file, a holder that lives keeps it.
    QFile lockFile(dir.filePath(pny::kLockName));
    QVERIFY(lockFile.open(QIODevice::ReadWrite));
    QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                 QFileDevice::FileModificationTime));
    lockFile.close();
    pny::FolderLock second(dir.path());
    QCOMPARE(second.acquire(message), pny::FolderLock::Result::HeldElsewhere);
    QVERIFY2(message.contains(QString::number(QCoreApplication::applicationPid())) &&
                 message.contains(dir.path()),
             qPrintable(message));
    first.release();
    QCOMPARE(second.acquire(message), pny::FolderLock::Result::Acquired);
}

void TestFileCommit::lockLeftEmptyByAKilledWriterIsTakenOver() {
    // Killed between making the lock file and writing into it, a process leaves it empty.
    QTemporaryDir dir;
    writeFile(dir.filePath(pny::kLockName), "");
    pny::FolderLock lock(dir.path());
    QString message;
    QCOMPARE(lock.acquire(message), pny::FolderLock::Result::Acquired);
}

QTEST_GUILESS_MAIN(TestFileCommit)
#include "tst_filecommit.moc"
