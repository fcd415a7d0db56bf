#include "common/messages.h"
#include "main/main.h"

#include "modalscript.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using testsupport::readFile;

// A new user builds a small league with the buttons alone, quits, and finds it all again.
class TestNewLeague : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void cleanup() {
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    }
    void buildWithTheButtonsAlone();
};

void TestNewLeague::buildWithTheButtonsAlone() {
    QTemporaryDir dir;
    {
        TMainForm form(dir.path());
        form.show();
        // The Player button asks for each missing level above it in turn; every empty list
        // opens the New dialog at once, then shows the list with the new item chosen.
        ModalScript script;
        script.then("NameForm", ModalScript::typeNumberAndName("2026", "Summer"))
            .then("ListForm", ModalScript::click("OkButton"))
            .then("NameForm", ModalScript::typeNumberAndName("1", "Majors"))
            .then("ListForm", ModalScript::click("OkButton"))
            .then("NameForm", ModalScript::typeNumberAndName("7", "Tigers"))
            .then("ListForm", ModalScript::click("OkButton"))
            .then("NameForm", ModalScript::typeNumberAndName("23", "Lee"))
            .then("ListForm", ModalScript::click("OkButton"));
        script.start();
        form.findChild<QToolButton*>("PlayerButton")->click();
        QVERIFY(script.finished());
        QCOMPARE(form.store().year.name, std::string("Summer"));
        QCOMPARE(form.store().league.name, std::string("Majors"));
        QCOMPARE(form.store().team.name, std::string("Tigers"));
        QCOMPARE(form.store().player.name, std::string("Lee"));

        // A second team, chosen through the Team button.
        ModalScript second;
        second.then("ListForm", ModalScript::click("NewButton"))
            .then("NameForm", ModalScript::typeNumberAndName("3", "Lions"))
            .then("ListForm", ModalScript::click("OkButton"));
        second.start();
        form.findChild<QToolButton*>("TeamButton")->click();
        QVERIFY(second.finished());
        QCOMPARE(form.store().team.name, std::string("Lions"));
        // The new team has no players yet, so the player level is not usable.
        QCOMPARE(form.store().loaded.players, std::string("Y1L1T2"));
        QVERIFY(!form.store().hasPlayer());
        QVERIFY(form.close());
    }
    QCOMPARE(readFile(dir.filePath("Baseball.Years"))
                 .mid(readFile(dir.filePath("Baseball.Years")).indexOf("\r\n") + 2),
             QByteArray("|2026|Summer|1|\r\n"));
    QVERIFY(readFile(dir.filePath("Y1.Leagues")).startsWith("L|\r\n|1|Majors|2|"));
    QCOMPARE(readFile(dir.filePath("Y1L1.Teams")),
             QByteArray("T|\r\n|7|Tigers||||1|\r\n|3|Lions|\r\n"));
    QCOMPARE(readFile(dir.filePath("Y1L1T1.Players")), QByteArray("P|\r\n|23|Lee|\r\n"));

    TMainForm again(dir.path());
    again.show();
    QCOMPARE(again.store().team.name, std::string("Lions"));
    again.store().league.currentTeam = "1";
    again.store().readTeam(1);
    again.store().ensurePlayers();
    QCOMPARE(again.store().player.name, std::string("Lee"));
    QVERIFY(again.close());
}

QTEST_MAIN(TestNewLeague)
#include "tst_newleague.moc"
