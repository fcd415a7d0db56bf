#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/main.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

// Import Roster... adds a team's players from a CSV file and shows them.
class TestImportRoster : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinLocale(); }

    void cleanup() {
        Messages::presetAnswers({});
        Messages::clearShown();
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    }

    void theMenuItemAddsThePlayersAndReportsTheRest() {
        QTemporaryDir dir;
        writeLeagueFolder(dir.path(), "|1|Majors|1|", {"|7|Tigers|6|2|||"},
                          {playerLine("23", "Lee", {{6, "4"}, {7, "3"}})});
        const QString csv = dir.filePath("tigers.csv");
        writeFile(csv, "\xEF\xBB\xBFPlayer,#\r\nKim,5\r\nDup,23\r\nJos\xC3\xA9,6\r\n");
        TMainForm form(dir.path());
        form.show();

        FileDialogs::presetNames({csv});
        Messages::presetAnswers({QMessageBox::Ok});
        form.findChild<QAction*>("RosterItem")->trigger();
        QCOMPARE(Messages::shownTexts(), QStringList{"Added 2 players to Tigers; skipped 1.\n"
                                                     "Line 3: number 23 is already on the team"});
        // Saved at once, and shown on the player tab.
        const QByteArray players = readFile(dir.filePath("Y1L1T1.Players"));
        QVERIFY(players.contains("\r\n|5|Kim|\r\n"));
        QVERIFY(players.contains("\r\n|6|Jos\xE9|\r\n"));
        QCOMPARE(form.findChild<QTabBar*>("BottomTab")->currentIndex(), 1);
        auto* table = form.findChild<QTableWidget*>("Table");
        QCOMPARE(table->rowCount(), 4);  // three players and the totals

        // A cancelled dialog changes nothing.
        Messages::clearShown();
        FileDialogs::presetNames({QString()});
        form.findChild<QAction*>("RosterItem")->trigger();
        QVERIFY(Messages::shownTexts().isEmpty());
        QCOMPARE(readFile(dir.filePath("Y1L1T1.Players")), players);
        QVERIFY(form.close());
    }
};

QTEST_MAIN(TestImportRoster)
#include "tst_importroster.moc"
