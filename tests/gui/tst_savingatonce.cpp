#include "common/messages.h"
#include "main/main.h"
#include "print/backup.h"
#include "store/filecommit.h"
#include "store/store.h"

#include "leaguefolder.h"
#include "modalscript.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QStorageInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <unistd.h>

using testsupport::readFile;
using testsupport::writeFile;

namespace {

void writeGoodFolder(const QString& dir) {
    testsupport::writeLeagueFolder(dir, "|1|Majors|1|1|", {"|1|Tigers|2|1||1|", "|2|Eagles|1|2|||"},
                                   {testsupport::playerLine("7", "Smith")});
}

// Everything a second program would read from the folder now.
pny::Store storeOnDisk(const QString& dir) {
    pny::Store store(dir);
    store.loadYears();
    store.ensurePlayers();
    return store;
}

}  // namespace

class TestSavingAtOnce : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void cleanup() {
        Messages::clearShown();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    }
    void confirmedTeamResultIsOnTheDiskAtOnce();
    void newSeasonSurvivesACrash();
    void movingThroughRowsIsCommittedAMomentLater();
    void unfinishedSaveIsCompletedAtStart();
    void untrustedJournalIsSetAsideAtStart();
    void saveDataOnARealFullDisk();
    void backupHoldsWhatIsStillInMemory();
    void fileChangedBehindOurBack_data();
    void fileChangedBehindOurBack();
};

void TestSavingAtOnce::confirmedTeamResultIsOnTheDiskAtOnce() {
    QTemporaryDir dir;
    writeGoodFolder(dir.path());
    TMainForm form(dir.path());
    form.show();
    ModalScript script;
    script.then("TeamForm", [](QWidget* dialog) {
        dialog->findChild<QLineEdit*>("EditWon")->setText("5");
        dialog->findChild<QAbstractButton*>("OkButton")->click();
    });
    script.start();
    form.findChild<QToolButton*>("UpdateButton")->click();
    QVERIFY(script.finished());
    // No Save Data, no closing: the file already holds the result.
    QVERIFY2(readFile(dir.filePath("Y1L1.Teams")).contains("|1|Tigers|5|1||1|"),
             readFile(dir.filePath("Y1L1.Teams")).constData());
    QVERIFY(!form.store().hasUnsavedChanges());
}

void TestSavingAtOnce::newSeasonSurvivesACrash() {
    QTemporaryDir dir;
    writeGoodFolder(dir.path());
    TMainForm form(dir.path());
    form.show();
    // The list picker lists the one season; New asks for its number and name, OK chooses it.
    ModalScript script;
    script.then("ListForm", ModalScript::click("NewButton"))
        .then("NameForm", ModalScript::typeNumberAndName("2025", "Summer"))
        .then("ListForm", ModalScript::click("OkButton"));
    script.start();
    form.findChild<QToolButton*>("YearButton")->click();
    QTRY_VERIFY(script.finished());
    // Whatever happens to the program now, a new start finds the season and its choice.
    const pny::Store disk = storeOnDisk(dir.path());
    QCOMPARE(disk.years.size(), 3);
    QCOMPARE(disk.year.number, std::string("2025"));
    QCOMPARE(disk.year.name, std::string("Summer"));
}

void TestSavingAtOnce::movingThroughRowsIsCommittedAMomentLater() {
    QTemporaryDir dir;
    writeGoodFolder(dir.path());
    TMainForm form(dir.path());
    form.show();
    auto* table = form.findChild<QTableWidget*>("Table");
    QCOMPARE(table->rowCount(), 2);
    const int row = table->item(0, 1)->text().contains("Eagles") ? 0 : 1;
    table->setCurrentCell(row, 1);
    QCOMPARE(form.store().league.currentTeam, std::string("2"));
    // Within a second the choice is on the disk, without another command.
    QTRY_VERIFY_WITH_TIMEOUT(storeOnDisk(dir.path()).league.currentTeam == "2", 1000);
}

void TestSavingAtOnce::unfinishedSaveIsCompletedAtStart() {
    QTemporaryDir dir;
    writeGoodFolder(dir.path());
    // A save crashed after its journal was complete: the new teams file waits beside the old.
    pny::setCommitFaultHook([](pny::CommitStep step, const QString&) {
        return step == pny::CommitStep::Rename ? pny::FaultAction::Crash
                                               : pny::FaultAction::Continue;
    });
    pny::FileCommit commit;
    commit.add(dir.filePath("Y1L1.Teams"), "T|\r\n|1|Lions|||||\r\n");
    commit.add(dir.filePath("Y1.Leagues"), "L|\r\n|1|Renamed|1|1|\r\n");
    commit.setRecoveryNote("An interrupted import of LEAGUE96.PZS was completed: seasons 4 to 6");
    QString error;
    QVERIFY(!commit.run(error));
    pny::setCommitFaultHook({});
    QVERIFY(pny::hasUnfinishedCommit(dir.path()));

    Messages::clearShown();
    Messages::presetAnswers({QMessageBox::Ok});
    TMainForm form(dir.path());
    form.show();
    QCOMPARE(form.store().team.name, std::string("Lions"));
    QCOMPARE(form.store().league.name, std::string("Renamed"));
    QVERIFY(!pny::hasUnfinishedCommit(dir.path()));
    // The window says what was completed, so that the import is not run again.
    QTRY_COMPARE(Messages::shownTexts(),
                 QStringList{"A save that was interrupted has been completed (2 files). An "
                             "interrupted import of LEAGUE96.PZS was completed: seasons 4 to 6"});
}

void TestSavingAtOnce::untrustedJournalIsSetAsideAtStart() {
    QTemporaryDir dir;
    writeGoodFolder(dir.path());
    const QByteArray teams = readFile(dir.filePath("Y1L1.Teams"));
    // A journal with a right checksum that would put a file over the program beside the data.
    const QByteArray program = "#!/bin/sh\n";
    writeFile(dir.filePath("pennantry.~pny00000001"), program);
    const QByteArray sum = QCryptographicHash::hash(program, QCryptographicHash::Sha1).toHex();
    const QByteArray body = "J|1|\r\npennantry|pennantry.~pny00000001|" +
                            QByteArray::number(program.size()) + "|" + sum + "|\r\n";
    writeFile(
        dir.filePath("Pennantry.Journal"),
        body + "E|" + QCryptographicHash::hash(body, QCryptographicHash::Sha1).toHex() + "|\r\n");

    Messages::clearShown();
    Messages::presetAnswers({QMessageBox::Ok});
    TMainForm form(dir.path());
    form.show();
    QCOMPARE(Messages::shownTexts().size(), 1);
    QVERIFY2(
        Messages::shownTexts().front().contains("set aside as \"Pennantry.Journal.Untrusted\"") &&
            Messages::shownTexts().front().contains("\"pennantry\""),
        qPrintable(Messages::shownTexts().front()));
    QVERIFY(!QFile::exists(dir.filePath("pennantry")));
    QVERIFY(QFile::exists(dir.filePath("Pennantry.Journal.Untrusted")));
    QCOMPARE(readFile(dir.filePath("Y1L1.Teams")), teams);
    QCOMPARE(form.store().team.name, std::string("Tigers"));
}

void TestSavingAtOnce::saveDataOnARealFullDisk() {
    if (::geteuid() != 0)
        QSKIP("mounting a small file system needs root; the hook tests cover the rest");
    QTemporaryDir mount;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=512k", "tmpfs", mount.path()}) != 0)
        QSKIP("no tmpfs can be mounted here");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {mount.path()}); });
    const QString data = mount.path() + "/data";
    QVERIFY(QDir().mkpath(data));
    writeGoodFolder(data);
    QMap<QString, QByteArray> before;
    for (const QString& name : QDir(data).entryList(QDir::Files))
        before[name] = readFile(data + "/" + name);

    TMainForm form(data);
    form.show();
    form.store().ensurePlayers();
    form.store().team.name = "Renamed";
    form.store().writeTeam();
    form.store().player.name = "Jones";
    form.store().writePlayer();
    // Fill the disk to the last byte.
    const QString filler = mount.path() + "/filler";
    {
        QFile fill(filler);
        QVERIFY(fill.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (fill.write(block) == block.size() && fill.flush()) {
        }
    }
    QCOMPARE(QStorageInfo(mount.path()).bytesAvailable(), 0);

    Messages::clearShown();
    Messages::presetAnswers({QMessageBox::Ok});
    form.findChild<QAction*>("SaveItem")->trigger();
    const QStringList shown = Messages::shownTexts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains("No space left on device") && shown.first().contains(data),
             qPrintable(shown.first()));
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(readFile(data + "/" + it.key()), it.value());
    QCOMPARE(QDir(data).entryList(QDir::Files).size(), before.size());  // nothing left over
    QVERIFY(form.store().hasUnsavedChanges());

    // With room again, Save Data writes what memory kept.
    QVERIFY(QFile::remove(filler));
    Messages::clearShown();
    form.findChild<QAction*>("SaveItem")->trigger();
    QVERIFY2(Messages::shownTexts().isEmpty(), qPrintable(Messages::shownTexts().join('\n')));
    QVERIFY(readFile(data + "/Y1L1.Teams").contains("|Renamed|"));
    QVERIFY(readFile(data + "/Y1L1T1.Players").contains("|Jones|"));
    form.close();
}

void TestSavingAtOnce::backupHoldsWhatIsStillInMemory() {
    QTemporaryDir dir;
    QTemporaryDir dest;
    writeGoodFolder(dir.path());
    TMainForm form(dir.path());
    form.show();
    // A change that no command has committed yet.
    form.store().ensureTeams();
    form.store().team.name = "Renamed";
    form.store().writeTeam();
    Messages::presetAnswers({QMessageBox::Ok});
    ModalScript script;
    script.then("BackupForm", [&](QWidget* dialog) {
        qobject_cast<TBackupForm*>(dialog)->setDestination(dest.path());
        dialog->findChild<QAbstractButton*>("BackupBtn")->click();
    });
    script.start();
    form.findChild<QAction*>("BackupItem")->trigger();
    QVERIFY(script.finished());
    QVERIFY(readFile(dest.filePath("Y1L1.Teams")).contains("|Renamed|"));
    QVERIFY(readFile(dir.filePath("Y1L1.Teams")).contains("|Renamed|"));
    QCOMPARE(Messages::shownTexts().filter("copied to").size(), 1);
}

void TestSavingAtOnce::fileChangedBehindOurBack_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("onDisk");  // the team line in the file afterwards
    QTest::addColumn<bool>("keptInMemory");  // our change still waits in memory
    QTest::newRow("keep mine") << int(QMessageBox::Save) << QByteArray("|1|Mine|") << false;
    QTest::newRow("reload theirs")
        << int(QMessageBox::Discard) << QByteArray("|1|Theirs|") << false;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << QByteArray("|1|Theirs|") << true;
}

void TestSavingAtOnce::fileChangedBehindOurBack() {
    QFETCH(int, answer);
    QFETCH(QByteArray, onDisk);
    QFETCH(bool, keptInMemory);
    QTemporaryDir dir;
    writeGoodFolder(dir.path());
    TMainForm form(dir.path());
    form.show();
    form.store().ensureTeams();
    form.store().team.name = "Mine";
    form.store().writeTeam();
    // Another program (an editor, the older program) rewrites the teams file meanwhile.
    QTest::qWait(20);
    writeFile(dir.filePath("Y1L1.Teams"), "T|\r\n|1|Theirs|2|1||1|\r\n|2|Eagles|1|2|||\r\n");

    Messages::presetAnswers({QMessageBox::StandardButton(answer), QMessageBox::Ok});
    form.findChild<QAction*>("SaveItem")->trigger();
    const QStringList shown = Messages::shownTexts();
    QVERIFY2(shown.first().contains("Y1L1.Teams") &&
                 shown.first().contains("changed by another program"),
             qPrintable(shown.join('\n')));
    QVERIFY(readFile(dir.filePath("Y1L1.Teams")).contains(onDisk));
    QCOMPARE(form.store().hasUnsavedChanges(), keptInMemory);
    if (answer == QMessageBox::Discard) {
        QTRY_VERIFY(form.findChild<QTableWidget*>("Table")->item(0, 1));
        form.store().ensureTeams();
        form.store().readTeam(1);
        QCOMPARE(form.store().team.name, std::string("Theirs"));
    }
    Messages::presetAnswers({QMessageBox::Discard, QMessageBox::Discard});
    form.close();
}

QTEST_MAIN(TestSavingAtOnce)
#include "tst_savingatonce.moc"
