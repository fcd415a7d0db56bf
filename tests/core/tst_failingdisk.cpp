#include "store/filecommit.h"
#include "store/store.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::readFile;
using testsupport::writeFile;

namespace {

const QStringList kDataFiles{"Baseball.Years", "Y1.Leagues",  "Y1L1.Teams",  "Y1L1T1.Players",
                             "Y1L1.Games",     "Y1L1.Fields", "Y1L1.Umpires"};

// A folder with every list of one league, each file holding the text "old".
void writeOldFolder(const QString& dir) {
    testsupport::writeLeagueFolder(dir, "|1|Majors|1|1|", {"|1|Old Tigers||||1|"},
                                   {"|1|Old Smith|"});
    writeFile(dir + "/Y1L1.Games", "G|\r\n|19960615|1830|1|1|1|||||||\r\n");
    writeFile(dir + "/Y1L1.Fields", "F|\r\n|1|Old Park|\r\n");
    writeFile(dir + "/Y1L1.Umpires", "U|\r\n|1|Old Jones|\r\n");
}

// Loads every list of the league and changes a record in each, so that SaveAll writes them all.
void changeEverything(pny::Store& store) {
    store.loadYears();
    QVERIFY(store.ensurePlayers());
    QVERIFY(store.ensureGames());
    store.ensureFields();
    store.ensureUmpires();
    store.player.name = "New Smith";
    store.writePlayer();
    store.team.name = "New Tigers";
    store.writeTeam();
    store.league.name = "New Majors";
    store.writeLeague();
    store.game.homeScore = "5";
    store.game.awayScore = "4";
    store.writeGame();
    store.fields.setLine(1, "|1|New Park|");
    store.changed.fields = true;
    store.umpires.setLine(1, "|1|New Jones|");
    store.changed.umpires = true;
    store.year.name = "New Season";
    store.writeYear();
}

}  // namespace

class TestFailingDisk : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { pny::setDiskSpaceHook({}); }
    void blockedTargetKeepsTheChanges();
    void switchingListsOnAFullDiskLosesNothing();
    void diskFillsDuringSaveAll_data();
    void diskFillsDuringSaveAll();
    void killedDuringSaveLeavesACompleteFile();
    void unreadableTimesAreNotReplaced();
    void nulInAListIsReported();
};

void TestFailingDisk::blockedTargetKeepsTheChanges() {
    QTemporaryDir dir;
    writeOldFolder(dir.path());
    const QByteArray oldTeams = readFile(dir.filePath("Y1L1.Teams"));
    pny::Store store(dir.path());
    QStringList errors;
    store.onFileError = [&](const QString& m) { errors << m; };
    changeEverything(store);
    // Something has put a folder where the players file belongs.
    QVERIFY(QFile::remove(dir.filePath("Y1L1T1.Players")));
    QVERIFY(QDir(dir.path()).mkdir("Y1L1T1.Players"));

    QVERIFY(!store.saveAll());
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains("Y1L1T1.Players") && errors.first().contains("a folder"),
             qPrintable(errors.first()));
    QVERIFY(store.changed.players);
    QVERIFY(store.changed.teams);
    QVERIFY(store.hasUnsavedChanges());
    QCOMPARE(pny::PlayerRecord::parse(store.players.line(1)).name, std::string("New Smith"));
    // All or nothing: the other lists did not go out either.
    QCOMPARE(readFile(dir.filePath("Y1L1.Teams")), oldTeams);

    // Once the way is clear the next save writes the changes kept in memory.
    QVERIFY(QDir(dir.path()).rmdir("Y1L1T1.Players"));
    QVERIFY(store.saveAll());
    QVERIFY(!store.hasUnsavedChanges());
    QVERIFY(readFile(dir.filePath("Y1L1T1.Players")).contains("New Smith"));
    QVERIFY(readFile(dir.filePath("Y1L1.Teams")).contains("New Tigers"));
}

void TestFailingDisk::switchingListsOnAFullDiskLosesNothing() {
    QTemporaryDir dir;
    writeOldFolder(dir.path());
    writeFile(dir.filePath("Y1L1.Teams"), "T|\r\n|1|Tigers||||1|\r\n|2|Eagles|||||\r\n");
    pny::Store store(dir.path());
    QStringList errors;
    store.onFileError = [&](const QString& m) { errors << m; };
    store.loadYears();
    QVERIFY(store.ensurePlayers());
    store.player.name = "Changed";
    store.writePlayer();
    pny::setDiskSpaceHook([](const QString&, qint64) { return qint64(0); });

    store.league.currentTeam = "2";  // the user picks the other team
    store.writeLeague();
    QVERIFY(store.ensurePlayers());
    QCOMPARE(store.loaded.players, std::string("Y1L1T2"));
    QVERIFY(!store.commit());
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains("No space left on device"), qPrintable(errors.first()));
    QVERIFY(readFile(dir.filePath("Y1L1T1.Players")).contains("Old Smith"));
    QVERIFY(store.hasUnsavedChanges());

    // Back on the first team, the change not yet on the disk is what the list shows.
    store.league.currentTeam = "1";
    store.writeLeague();
    QVERIFY(store.ensurePlayers());
    QCOMPARE(pny::PlayerRecord::parse(store.players.line(1)).name, std::string("Changed"));

    pny::setDiskSpaceHook({});
    QVERIFY(store.commit());
    QVERIFY(!store.hasUnsavedChanges());
    QVERIFY(readFile(dir.filePath("Y1L1T1.Players")).contains("Changed"));
}

void TestFailingDisk::diskFillsDuringSaveAll_data() {
    QTest::addColumn<int>(
        "failingWrite");            // which write of SaveAll (0 = first) finds the disk full
    QTest::addColumn<int>("room");  // bytes that still fit, -1 for half the file
    for (int n = 0; n < 7; ++n) {
        QTest::addRow("write %d, no room", n) << n << 0;
        QTest::addRow("write %d, half the file", n) << n << -1;
    }
}

void TestFailingDisk::diskFillsDuringSaveAll() {
    QFETCH(int, failingWrite);
    QFETCH(int, room);
    QTemporaryDir dir;
    writeOldFolder(dir.path());
    QMap<QString, QByteArray> old;
    for (const QString& name : kDataFiles)
        old[name] = readFile(dir.filePath(name));

    pny::Store store(dir.path());
    QStringList errors;
    store.onFileError = [&](const QString& m) { errors << m; };
    changeEverything(store);
    int writes = 0;
    QString failed;
    pny::setDiskSpaceHook([&](const QString& path, qint64 size) -> qint64 {
        if (writes++ != failingWrite)
            return size;
        failed = QFileInfo(path).fileName();
        return room < 0 ? size / 2 : room;
    });
    QVERIFY(!store.saveAll());
    QCOMPARE(writes, failingWrite + 1);  // the commit stops at the first failing write
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(failed) && errors.first().contains("No space left"),
             qPrintable(errors.first()));
    // Every file is the old one, whole, and nothing of the failed commit is left beside them.
    for (const QString& name : kDataFiles)
        QCOMPARE(readFile(dir.filePath(name)), old[name]);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), kDataFiles.size());
    QVERIFY(store.hasUnsavedChanges());

    // With room again, the changes still in memory reach the disk.
    pny::setDiskSpaceHook({});
    QVERIFY(store.saveAll());
    QVERIFY(!store.hasUnsavedChanges());
    for (const QString& name : kDataFiles)
        QVERIFY2(readFile(dir.filePath(name)) != old[name], qPrintable(name));
}

void TestFailingDisk::killedDuringSaveLeavesACompleteFile() {
    // A child process saves a big players list over and over, each time with every line of one
    // version; it is killed at a random moment. The file must then hold one version whole.
    QTemporaryDir dir;
    writeOldFolder(dir.path());
    const int kLines = 20000;
    const QString path = dir.filePath("Y1L1T1.Players");
    for (int round = 0; round < 4; ++round) {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            alarm(60);  // never outlives a parent that failed before killing it
            pny::Store store(dir.path());
            store.loadYears();
            store.ensurePlayers();
            for (int version = 1;; ++version) {
                std::vector<std::string> lines{"P|"};
                for (int i = 1; i <= kLines; ++i)
                    lines.push_back("|" + std::to_string(i) + "|Version " +
                                    std::to_string(version) + "|");
                store.players.setLines(std::move(lines));
                store.changed.players = true;
                store.saveAll();
            }
        }
        // Let it get under way, then kill it somewhere in a save.
        QTRY_VERIFY_WITH_TIMEOUT(readFile(path).contains("Version"), 20000);
        QTest::qWait(QRandomGenerator::global()->bounded(5, 60));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));

        const QByteArray bytes = readFile(path);
        QVERIFY(bytes.endsWith("\r\n"));
        const QList<QByteArray> lines = bytes.left(bytes.size() - 2).split('\n');
        QCOMPARE(lines.size(), kLines + 1);
        const QByteArray version = lines.at(1).split('|').value(2);
        QVERIFY(version.startsWith("Version "));
        for (int i = 1; i <= kLines; ++i) {
            const QList<QByteArray> fields = lines.at(i).trimmed().split('|');
            QVERIFY2(fields.size() == 4 && fields.at(1) == QByteArray::number(i) &&
                         fields.at(2) == version,
                     qPrintable(QString("line %1 of round %2").arg(i).arg(round)));
        }
    }
}

void TestFailingDisk::unreadableTimesAreNotReplaced() {
    QTemporaryDir dir;
    writeOldFolder(dir.path());
    QVERIFY(QDir(dir.path()).mkdir("Y1L1.Times"));
    pny::Store store(dir.path());
    QStringList errors;
    store.onFileError = [&](const QString& m) { errors << m; };
    store.loadYears();
    QVERIFY(store.ensureGames());
    store.loadTimes();
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().contains("Y1L1.Times"));
    store.times.insert("1996061518301");
    store.changed.times = true;
    QVERIFY(!store.saveAll());
    QCOMPARE(errors.size(), 2);
    QVERIFY2(errors.last().contains("could not be read, so it is not overwritten"),
             qPrintable(errors.last()));
    QVERIFY(store.changed.times);
}

void TestFailingDisk::nulInAListIsReported() {
    QTemporaryDir dir;
    writeOldFolder(dir.path());
    writeFile(dir.filePath("Y1L1.Teams"), QByteArray("T|\r\n|1|Old Tigers||||1|\r\n|2|Ea") + '\0' +
                                              "gles|||||\r\n|3|Bears|||||\r\n");
    pny::Store store(dir.path());
    QStringList errors;
    store.onFileError = [&](const QString& m) { errors << m; };
    store.loadYears();
    QVERIFY(store.ensureTeams());
    QCOMPARE(store.teams.size(), 3);  // the text ends at the NUL
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains("Y1L1.Teams") && errors.first().contains("line 3") &&
                 errors.first().contains("the 26 bytes after it"),
             qPrintable(errors.first()));
}

QTEST_GUILESS_MAIN(TestFailingDisk)
#include "tst_failingdisk.moc"
