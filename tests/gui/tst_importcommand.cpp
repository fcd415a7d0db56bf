#include "main/importcommand.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "help/helpviewer.h"
#include "main/msg.h"

#include "store/store.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QPushButton>
#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
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
    void sameFileAgainIsAsked_data();
    void sameFileAgainIsAsked();
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
    Messages::presetAnswers({QMessageBox::Ok});
    QVERIFY(runImport(nullptr, *store_, &progress));
    // The import ends with what it added.
    QCOMPARE(Messages::shownTexts(),
             QStringList{"Added 1 season, 1 league, 1 team, 1 player, 0 games, 0 fields, 0 umpires "
                         "and 0 notes files from old.pzs."});
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
    Messages::presetAnswers({QMessageBox::Ok});
    QVERIFY(runImport(nullptr, *store_, nullptr));
    Messages::presetAnswers({});
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
    // A file without seasons adds nothing and says so.
    QTest::newRow("no seasons") << "empty.PZS"
                                << "Added 0 seasons, 0 leagues";
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

void TestImportCommand::sameFileAgainIsAsked_data() {
    QTest::addColumn<QString>("answer");  // "Yes", "No", or "Enter" on the real box
    QTest::addColumn<bool>("imported");
    QTest::newRow("No") << "No" << false;
    QTest::newRow("Enter takes the default, No") << "Enter" << false;
    QTest::newRow("Yes") << "Yes" << true;
}

void TestImportCommand::sameFileAgainIsAsked() {
    QFETCH(QString, answer);
    QFETCH(bool, imported);
    writeFile(dir_->filePath("old.PZS"), kFile);
    writeFile(dir_->filePath("copy.PZS"), kFile);
    FileDialogs::presetNames({dir_->filePath("old.PZS")});
    Messages::presetAnswers({QMessageBox::Ok});
    QVERIFY(runImport(nullptr, *store_, nullptr));
    const QByteArray records = testsupport::readFile(dir_->filePath("Pennantry.Imports"));
    QVERIFY(records.startsWith("Imports|\r\nI|old.PZS|"));
    Messages::clearShown();

    // A copy under another name is the same file.
    FileDialogs::presetNames({dir_->filePath("copy.PZS")});
    QString defaultButton;
    if (answer == "Enter") {
        Messages::presetAnswers({});
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->objectName(), QString("MessageBox"));
            QPushButton* chosen = box->defaultButton();
            defaultButton = chosen ? box->buttonText(box->standardButton(chosen)) : QString();
            QTest::keyClick(box, Qt::Key_Return);
        });
    } else {
        Messages::presetAnswers(
            {answer == "Yes" ? QMessageBox::Yes : QMessageBox::No, QMessageBox::Ok});
    }
    QCOMPARE(runImport(nullptr, *store_, nullptr), imported);
    if (answer == "Enter")
        QCOMPARE(defaultButton.remove('&'), QString("No"));
    const QStringList shown = Messages::shownTexts();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.first(), QString("copy.PZS was imported on %1 already: it made season 2 (1996 "
                                    "Imported from PZS file).\n\nImport it again, adding its "
                                    "seasons once more?")
                                .arg(QDate::currentDate().toString(Qt::ISODate)));
    QCOMPARE(store_->years.size(), imported ? 4 : 3);
    QVERIFY(!store_->hasUnsavedChanges());
    const QByteArray after = testsupport::readFile(dir_->filePath("Pennantry.Imports"));
    if (imported) {
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown.last().startsWith("Added 1 season,"), qPrintable(shown.last()));
        QVERIFY(after.startsWith(records) && after.contains("\r\nI|copy.PZS|"));
        QVERIFY(after.endsWith("|3|3|" + QDate::currentDate().toString(Qt::ISODate).toLatin1() +
                               "|\r\n"));
    } else {
        QCOMPARE(shown.size(), 1);
        QCOMPARE(after, records);
        QVERIFY(!QFileInfo::exists(dir_->filePath("Y3.Leagues")));
    }
    Messages::presetAnswers({});
}

void TestImportCommand::helpSectionExists() {
    QCOMPARE(HelpViewer::urlOfTopic("Import_PZS"), QString("qrc:/help/import.html#Import_PZS"));
}

QTEST_MAIN(TestImportCommand)
#include "tst_importcommand.moc"
