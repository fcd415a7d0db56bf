#include "main/openedfile.h"

#include "common/messages.h"
#include "main/main.h"

#include "store/store.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readFile;
using testsupport::writeFile;

// A statistics file the program is started with (opened from the file manager) is offered for
// import into the window's data folder.
class TestOpenedFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void answer_data();
    void answer();
    void notAStatisticsFileIsRefusedWithoutAsking();
};

namespace {
const QByteArray kFile =
    "[Init]\r\nLast=1\r\n[Y1]\r\nName=1996\r\nLast=1\r\n[Y1L1]\r\nName=Majors\r\nLast=1\r\n"
    "[Y1L1T1]\r\nName=Tigers\r\nLast=1\r\n[Y1L1T1P1]\r\nName=Smith\r\nAB=10\r\n";
}

void TestOpenedFile::answer_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("imported");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
}

void TestOpenedFile::answer() {
    QFETCH(int, answer);
    QFETCH(bool, imported);
    QTemporaryDir data;
    QTemporaryDir downloads;
    testsupport::writeLeagueFolder(data.path(), "|1|Old League|1||", {"|1|Old Team||||"});
    const QString file = downloads.filePath("LEAGUE96.PZS");
    writeFile(file, kFile);
    const QByteArray yearsBefore = readFile(data.filePath("Baseball.Years"));

    TMainForm window(data.path() + '/');
    window.show();
    Messages::clearShown();
    Messages::presetAnswers({QMessageBox::StandardButton(answer)});
    QCOMPARE(offerImport(window, file), imported);

    const QStringList shown = Messages::shownTexts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains("Import the seasons of LEAGUE96.PZS into your data folder " +
                                    QDir::toNativeSeparators(data.path())),
             qPrintable(shown.first()));
    // Yes adds the season to the folder on the disk, No leaves every file as it was.
    const QByteArray years = readFile(data.filePath("Baseball.Years"));
    QCOMPARE(years != yearsBefore, imported);
    QCOMPARE(years.contains("1996"), imported);
    QCOMPARE(window.store().years.size(), imported ? 3 : 2);
    QCOMPARE(readFile(file), kFile);
}

void TestOpenedFile::notAStatisticsFileIsRefusedWithoutAsking() {
    QTemporaryDir data;
    testsupport::writeLeagueFolder(data.path(), "|1|Old League|1||", {"|1|Old Team||||"});
    const QString file = data.filePath("notes.txt");
    writeFile(file, kFile);
    const QByteArray yearsBefore = readFile(data.filePath("Baseball.Years"));
    TMainForm window(data.path() + '/');
    window.show();
    Messages::clearShown();
    Messages::presetAnswers({QMessageBox::Yes});
    QVERIFY(!offerImport(window, file));
    QCOMPARE(Messages::shownTexts().size(), 1);
    QVERIFY(Messages::shownTexts().first().contains("The File Extension Must be .PZS"));
    QCOMPARE(readFile(data.filePath("Baseball.Years")), yearsBefore);
    Messages::presetAnswers({});
}

QTEST_MAIN(TestOpenedFile)
#include "tst_openedfile.moc"
