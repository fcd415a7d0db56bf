// Every command of the menu and the button row run as the first command on a season without a
// current league: each asks for what is missing through the list picker, or opens its own
// window, and none reaches a part of the main window that is not made yet.
#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/main.h"

#include "modalscript.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace testsupport;

class TestFirstCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinLocale(); }
    void cleanup();
    void asksForTheMissingLevel_data();
    void asksForTheMissingLevel();
};

void TestFirstCommand::cleanup() {
    Messages::presetAnswers({});
    FileDialogs::presetNames({});
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

void TestFirstCommand::asksForTheMissingLevel_data() {
    QTest::addColumn<QString>("command");  // a menu item or a button
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("dialogs");  // every window the command shows, in order

    // With no league in the season, the picker goes straight to adding one.
    const QStringList league{"NameForm Add New Baseball League"};
    QTest::newRow("leaders") << "LeadersItem" << 0 << league;
    QTest::newRow("publish") << "PublishItem" << 0 << league;
    QTest::newRow("roster") << "RosterItem" << 0 << league;
    QTest::newRow("history") << "HistoryItem" << 0 << league;
    QTest::newRow("box score") << "BoxScoreItem" << 0 << league;
    QTest::newRow("box score from the schedule") << "BoxScoreItem" << 7 << league;
    QTest::newRow("career") << "CareerItem" << 1 << league;
    QTest::newRow("career off the player tabs") << "CareerItem" << 0 << QStringList();
    QTest::newRow("game log") << "GameLogItem" << 1 << QStringList();
    QTest::newRow("link players") << "LinkPlayersItem" << 0
                                  << QStringList{"LinkPlayersForm Link Players"};
    QTest::newRow("export table") << "ExportItem" << 0 << QStringList();
    QTest::newRow("update a team") << "UpdateButton" << 0 << league;
    QTest::newRow("update a player") << "UpdateButton" << 3 << league;
    QTest::newRow("update a game") << "UpdateButton" << 7 << league;
    QTest::newRow("league") << "LeagueButton" << 0 << league;
    QTest::newRow("team") << "TeamButton" << 0 << league;
    QTest::newRow("player") << "PlayerButton" << 4 << league;
    // Without a league these are off: clicked, they show nothing.
    const QStringList none;
    QTest::newRow("setup the standings") << "SetupButton" << 0 << none;
    QTest::newRow("setup a player tab") << "SetupButton" << 2 << none;
    QTest::newRow("setup the schedule") << "SetupButton" << 7 << none;
    QTest::newRow("notes") << "NoteButton" << 0 << none;
    QTest::newRow("notes of a player") << "NoteButton" << 1 << none;
    QTest::newRow("font") << "FontButton" << 0 << none;
    QTest::newRow("print") << "PrintButton" << 0 << none;
    QTest::newRow("print the schedule") << "PrintButton" << 7 << none;
}

void TestFirstCommand::asksForTheMissingLevel() {
    QFETCH(QString, command);
    QFETCH(int, tab);
    QFETCH(QStringList, dialogs);

    QTemporaryDir dir;
    writeFile(dir.filePath("Baseball.Years"),
              "Y|" + QByteArray::number(tab) + "||1|||\r\n|2024|Summer||\r\n");
    TMainForm form(dir.path());
    form.show();
    QCOMPARE(form.currentTab(), tab);

    // Every window is answered with Cancel (an empty name for a file dialog), and noted by its
    // object name and caption.
    QStringList shown;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, [&shown] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible())
            return;
        shown << modal->objectName() + ' ' + modal->windowTitle();
        modal->reject();
    });
    closer.start();
    FileDialogs::presetNames({QString(), QString()});

    if (auto* item = form.findChild<QAction*>(command)) {
        item->trigger();
    } else {
        auto* button = form.findChild<QToolButton*>(command);
        QVERIFY2(button, qPrintable(command));
        // A button that opens nothing is off until there is a league.
        QCOMPARE(button->isEnabled(), !dialogs.isEmpty());
        button->click();
    }
    closer.stop();
    QCOMPARE(shown, dialogs);
    // Cancelled, the command leaves the season as it was, and the window goes on working.
    QCOMPARE(form.store().years.line(1), std::string("|2024|Summer||"));
    QVERIFY(!form.store().hasLeague());
    QCOMPARE(form.currentTab(), tab);
    QVERIFY(form.close());
}

QTEST_MAIN(TestFirstCommand)
#include "tst_firstcommand.moc"
