#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/main.h"

#include "leaguefolder.h"
#include "modalscript.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace testsupport;

namespace {

// Every row of a table, its cells joined with "|".
QStringList rowsOf(const QTableWidget* table) {
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
        rows << cells.join('|');
    }
    return rows;
}

}  // namespace

// Import Roster... shows the team and the rows it will add and skip, and adds them on OK only.
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

    void thePreviewShowsThePlanAndOkAddsIt_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("added");
        QTest::newRow("OK adds") << "OkButton" << true;
        QTest::newRow("Cancel adds nothing") << "CancelButton" << false;
    }
    void thePreviewShowsThePlanAndOkAddsIt() {
        QFETCH(QString, button);
        QFETCH(bool, added);
        QTemporaryDir dir;
        writeLeagueFolder(dir.path(), "|1|Majors|1|", {"|7|Tigers|6|2|||"},
                          {playerLine("7", "Lee", {{6, "4"}, {7, "3"}})});
        const QString csv = dir.filePath("tigers.csv");
        // "07" is Lee's 7; a row without a number is added and marked; a row without a name is
        // skipped.
        writeFile(csv, "\xEF\xBB\xBFPlayer,#\r\nKim,5\r\nDup,07\r\nJos\xC3\xA9,\r\n,9\r\n");
        TMainForm form(dir.path());
        form.show();
        const QByteArray before = readFile(dir.filePath("Y1L1T1.Players"));

        QString team;
        QStringList adds;
        QStringList skips;
        bool okEnabled = false;
        ModalScript script;
        script
            .then("RosterPreview",
                  [&](QWidget* dialog) {
                      team = dialog->findChild<QLabel*>("TeamLabel")->text();
                      adds = rowsOf(dialog->findChild<QTableWidget*>("AddTable"));
                      skips = rowsOf(dialog->findChild<QTableWidget*>("SkipTable"));
                      okEnabled = dialog->findChild<QPushButton*>("OkButton")->isEnabled();
                      // Nothing is added while the user looks.
                      QCOMPARE(form.store().players.size(), 2);
                  })
            .then("RosterPreview", ModalScript::click(button));
        script.start();
        FileDialogs::presetNames({csv});
        form.findChild<QAction*>("RosterItem")->trigger();
        QTRY_VERIFY(script.finished());

        QVERIFY2(
            team.startsWith("Players from tigers.csv for Tigers (") && team.endsWith(" Majors)"),
            qPrintable(team));
        QCOMPARE(adds, (QStringList{"2|5|Kim|", QString::fromUtf8("4||José|no number")}));
        QCOMPARE(skips, (QStringList{"3|number 07 is already on the team (as 7)", "5|no name"}));
        QVERIFY(okEnabled);
        QVERIFY(Messages::shownTexts().isEmpty());
        const QByteArray players = readFile(dir.filePath("Y1L1T1.Players"));
        if (!added) {
            QCOMPARE(players, before);
            QCOMPARE(form.store().players.size(), 2);
            QVERIFY(!form.store().hasUnsavedChanges());
            QVERIFY(form.close());
            return;
        }
        // Saved at once, and shown on the player tab.
        QVERIFY(players.contains("\r\n|5|Kim|\r\n"));
        QVERIFY(players.contains("\r\n||Jos\xE9|\r\n"));
        QVERIFY(!players.contains("Dup"));
        QCOMPARE(form.findChild<QTabBar*>("BottomTab")->currentIndex(), 1);
        auto* table = form.findChild<QTableWidget*>("Table");
        QCOMPARE(table->rowCount(), 4);  // three players and the totals
        QVERIFY(form.close());
    }

    void nothingToAddLeavesOnlyCancel() {
        QTemporaryDir dir;
        writeLeagueFolder(dir.path(), "|1|Majors|1|", {"|7|Tigers|6|2|||"},
                          {playerLine("7", "Lee")});
        const QString csv = dir.filePath("again.csv");
        writeFile(csv, "No,Name\r\n007,Lee\r\n");
        TMainForm form(dir.path());
        form.show();
        bool okEnabled = true;
        QStringList skips;
        ModalScript script;
        script.then("RosterPreview", [&](QWidget* dialog) {
            okEnabled = dialog->findChild<QPushButton*>("OkButton")->isEnabled();
            skips = rowsOf(dialog->findChild<QTableWidget*>("SkipTable"));
            dialog->findChild<QPushButton*>("CancelButton")->click();
        });
        script.start();
        FileDialogs::presetNames({csv});
        form.findChild<QAction*>("RosterItem")->trigger();
        QTRY_VERIFY(script.finished());
        QVERIFY(!okEnabled);
        QCOMPARE(skips, QStringList{"2|number 007 is already on the team (as 7)"});
        QVERIFY(form.close());
    }

    void unusableFilesAreRefusedWithoutAPreview_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled file dialog") << "cancel" << QString();
        QTest::newRow("FIFO") << "fifo"
                              << "is a FIFO, not an ordinary file";
        QTest::newRow("folder") << "folder"
                                << "is a folder, not an ordinary file";
        QTest::newRow("no name column") << "noname"
                                        << "is not a roster";
    }
    void unusableFilesAreRefusedWithoutAPreview() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QTemporaryDir dir;
        writeLeagueFolder(dir.path(), "|1|Majors|1|", {"|7|Tigers|6|2|||"},
                          {playerLine("7", "Lee")});
        const QString path = dir.filePath("roster.csv");
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == "noname")
            writeFile(path, "No,Team\r\n1,X\r\n");
        const QByteArray before = readFile(dir.filePath("Y1L1T1.Players"));
        TMainForm form(dir.path());
        form.show();
        FileDialogs::presetNames({kind == "cancel" ? QString() : path});
        Messages::presetAnswers({QMessageBox::Ok});
        // A FIFO must not hang the window: the trigger returns.
        form.findChild<QAction*>("RosterItem")->trigger();
        QVERIFY(!form.findChild<QDialog*>("RosterPreview"));
        const QStringList shown = Messages::shownTexts();
        if (message.isEmpty()) {
            QVERIFY(shown.isEmpty());
        } else {
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown.first().contains(message), qPrintable(shown.first()));
        }
        QCOMPARE(readFile(dir.filePath("Y1L1T1.Players")), before);
        QVERIFY(form.close());
    }
};

QTEST_MAIN(TestImportRoster)
#include "tst_importroster.moc"
