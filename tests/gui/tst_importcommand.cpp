#include "import/importcommand.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "help/helpviewer.h"
#include "main/msg.h"

#include "store/store.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

using testsupport::writeFile;

class TestImportCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void init();
    void importsTheChosenFile();
    void defaultExtensionForATypedName();
    void refusals_data();
    void refusals();
    void helpSectionExists();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<pny::Store> store_;
};

namespace {
const QByteArray kFile =
    "[Init]\r\nLast=1\r\n[Y1]\r\nName=1996\r\nLast=1\r\n[Y1L1]\r\nName=Majors\r\nLast=1\r\n"
    "[Y1L1T1]\r\nName=Tigers\r\nLast=1\r\n[Y1L1T1P1]\r\nName=Smith\r\nAB=10\r\nBB=2\r\nHP=1\r\n";
}

void TestImportCommand::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    testsupport::writeLeagueFolder(dir_->path(), "|1|Old League|1||", {"|1|Old Team||||"});
    store_ = std::make_unique<pny::Store>(dir_->path());
    store_->loadYears();
    QVERIFY(store_->ensurePlayers());
    Messages::clearShown();
}

void TestImportCommand::importsTheChosenFile() {
    writeFile(dir_->filePath("old.pzs"), kFile + QByteArray(20000, ' '));
    TMsgForm progress;
    FileDialogs::presetNames({dir_->filePath("old.pzs")});
    QVERIFY(runImport(nullptr, *store_, &progress));
    QVERIFY(Messages::shownTexts().isEmpty());
    QVERIFY(!progress.isVisible());
    QCOMPARE(store_->years.size(), 3);
    QCOMPARE(store_->header.currentYear, std::string("2"));
    QCOMPARE(store_->loaded.players, std::string("Y2L1T1"));
    QCOMPARE(store_->player.name, std::string("Smith"));
    QCOMPARE(store_->player.stat(pny::StatPA), std::string("13"));
}

void TestImportCommand::defaultExtensionForATypedName() {
    writeFile(dir_->filePath("old.PZS"), kFile);
    FileDialogs::presetNames({dir_->filePath("old")});
    QVERIFY(runImport(nullptr, *store_, nullptr));
    QCOMPARE(store_->years.size(), 3);
}

void TestImportCommand::refusals_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("cancel") << QString() << QString();
    QTest::newRow("wrong extension") << "old.txt"
                                     << "The File Extension Must be .PZS";
    QTest::newRow("missing file") << "missing.PZS"
                                  << "missing.PZS\" does not exist";
    QTest::newRow("a folder") << "folder.PZS"
                              << "folder.PZS\" cannot be read";
    QTest::newRow("no seasons") << "empty.PZS" << QString();
}

void TestImportCommand::refusals() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    writeFile(dir_->filePath("old.txt"), kFile);
    writeFile(dir_->filePath("empty.PZS"), "[Init]\r\nLast=0\r\n");
    QDir(dir_->path()).mkdir("folder.PZS");
    FileDialogs::presetNames({name.isEmpty() ? QString() : dir_->filePath(name)});
    Messages::presetAnswers({QMessageBox::Ok});
    QVERIFY(!runImport(nullptr, *store_, nullptr));
    const QStringList shown = Messages::shownTexts();
    if (message.isEmpty()) {
        QVERIFY(shown.isEmpty());
    } else {
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().contains(message), qPrintable(shown.first()));
    }
    QCOMPARE(store_->years.size(), 2);
    QCOMPARE(store_->header.currentYear, std::string("1"));
    QVERIFY(!store_->hasUnsavedChanges());
    Messages::presetAnswers({});
}

void TestImportCommand::helpSectionExists() {
    QCOMPARE(HelpViewer::urlOfTopic("Import_PZS"), QString("qrc:/help/import.html#Import_PZS"));
}

QTEST_MAIN(TestImportCommand)
#include "tst_importcommand.moc"
