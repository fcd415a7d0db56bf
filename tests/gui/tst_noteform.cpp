#include "common/messages.h"
#include "help/helpviewer.h"
#include "main/list.h"
#include "main/name.h"
#include "notes/notes.h"
#include "notes/notescommand.h"
#include "notes/radio.h"
#include "store/linecodec.h"
#include "store/store.h"

#include "leaguefolder.h"
#include "modalscript.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using testsupport::readFile;
using testsupport::writeFile;

namespace {

const QString kCaption = QStringLiteral("Pennantry - 2024 Season, Majors");
constexpr int kTeamsTab = 0;
constexpr int kHittingTab = 2;
constexpr int kScheduleTab = 7;

// One league whose current team is 7 Tigers (line 1, current player 1), with a second team
// 9 Bears; each team's players file has a player at line 1. The current game (line 1) is Tigers
// at home against Bears on Saturday 11 May 1996 at 19:30 on field 3 Riverside.
struct Fixture {
    explicit Fixture(const QByteArray& games = "|19960511|1930|1|1|2|1|||||\r\n") {
        testsupport::writeLeagueFolder(dir.path(), "|1|Majors|1|1|",
                                       {"|7|Tigers||||1|", "|9|Bears||||1|"},
                                       {testsupport::playerLine("12", "Ann Lee")});
        writeFile(dir.filePath("Y1L1T2.Players"),
                  "P|\r\n" + testsupport::playerLine("12", "Bo Cruz") + "\r\n");
        writeFile(dir.filePath("Y1L1.Games"), "G|\r\n" + games);
        writeFile(dir.filePath("Y1L1.Fields"), "F|\r\n|3|Riverside|\r\n");
        writeFile(dir.filePath("Y1L1.Umpires"), "U|\r\n|4|Jones|\r\n");
        store = std::make_unique<pny::Store>(dir.path());
        store->loadYears();
        selectTeam(1);
        store->ensureGames();
        store->ensureFields();
        store->ensureUmpires();
        Messages::clearShown();
    }
    // Makes team `index` current, as the main window's team command does.
    void selectTeam(int index) {
        store->ensureTeams();
        store->league.currentTeam = pny::numberText(index);
        store->readTeam(index);
        store->ensurePlayers();
        store->readPlayer(pny::toNumber(store->team.currentPlayer));
    }
    void run(int tab) { runNoteCommand(*store, tab, choices, editor, kCaption, nullptr); }

    QTemporaryDir dir;
    std::unique_ptr<pny::Store> store;
    TNoteForm editor;
    TRadioNoteForm choices;
};

QPlainTextEdit* notesOf(QWidget* form) {
    return form->findChild<QPlainTextEdit*>("Notes");
}

void click(QWidget* form, const char* name) {
    form->findChild<QPushButton*>(QLatin1String(name))->click();
}

void type(QWidget* form, const QString& text) {
    QPlainTextEdit* notes = notesOf(form);
    notes->moveCursor(QTextCursor::End);
    notes->insertPlainText(text);
}

ModalScript::Action choose(int choice) {
    return [choice](QWidget* dialog) {
        auto* radio = dialog->findChildren<QRadioButton*>().value(choice);
        QVERIFY(radio);
        radio->setChecked(true);
        click(dialog, "OkButton");
    };
}

int pdfPages(const QString& path) {
    const QByteArray pdf = readFile(path);
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?![s])")));
}

}  // namespace

class TestNoteForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void cleanup() {
        Messages::presetAnswers({});
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->hide();
    }
    void oneTeamFileFromThreePlaces();
    void untouchedNewNoteLeavesNoFile();
    void newNoteSavedAtOnceHoldsTwoLines();
    void closeQuestion();
    void playersOfTwoTeamsHaveTheirOwnFiles();
    void choiceDialogShowsTheGame();
    void cancelledChoiceOpensNothing();
    void missingUmpireOpensNothing();
    void emptyScheduleShowsTheDateError();
    void largeNoteOpens();
    void characterOutsideTheCodePageIsRefused();
    void failedSaveKeepsTheEditorOpen();
    void printsToPdf();
    void printRefusesAFileOfOursOrNoOrdinaryFile_data();
    void printRefusesAFileOfOursOrNoOrdinaryFile();
    void helpTopics();
};

void TestNoteForm::oneTeamFileFromThreePlaces() {
    Fixture f;
    const QString teamFile = f.dir.filePath("Y1L1T1.Notes");

    // The Teams tab starts the note; it is saved with a line of its own.
    QStringList lines;
    ModalScript teams;
    teams.then("NoteForm", [&](QWidget* form) {
        lines = notesOf(form)->toPlainText().split('\n');
        QCOMPARE(form->windowTitle(), teamFile);
        type(form, "\nrain-out on 5-4");
        click(form, "SaveButton");
        click(form, "CloseButton");
    });
    teams.start();
    f.run(kTeamsTab);
    QVERIFY(teams.finished());
    QCOMPARE(lines, QStringList({kCaption, "TEAM: Tigers"}));
    QCOMPARE(readFile(teamFile), QByteArray("Pennantry - 2024 Season, Majors\r\nTEAM: Tigers\r\n"
                                            "rain-out on 5-4\r\n"));

    // The team list's Notes button opens the same file for 7 Tigers.
    TNameForm nameForm;
    TListForm list(nameForm);
    QString listHeading;
    list.setOpenNotes([&](const QString& heading, const std::string& reference) {
        listHeading = heading;
        f.editor.OpenNotes(*f.store, kCaption, heading, reference);
    });
    QString fromList;
    ModalScript picker;
    picker.then("ListForm", ModalScript::click("NoteButton"))
        .then("NoteForm",
              [&](QWidget* form) {
                  fromList = notesOf(form)->toPlainText();
                  click(form, "CloseButton");
              })
        .then("ListForm", ModalScript::click("CancelButton"));
    picker.start();
    bool changed = false;
    list.ListPicker(f.store->teams, "Team", "1", changed);
    QVERIFY(picker.finished());
    QCOMPARE(listHeading, QString("Team: 7 Tigers"));
    QVERIFY(fromList.endsWith("rain-out on 5-4"));

    // So does the home team of a game.
    QString fromGame;
    ModalScript game;
    game.then("RadioNoteForm", choose(2)).then("NoteForm", [&](QWidget* form) {
        fromGame = form->windowTitle();
        click(form, "CloseButton");
    });
    game.start();
    f.run(kScheduleTab);
    QVERIFY(game.finished());
    QCOMPARE(fromGame, teamFile);
    QVERIFY(Messages::shownTexts().isEmpty());
}

void TestNoteForm::untouchedNewNoteLeavesNoFile() {
    Fixture f;
    ModalScript script;
    script.then("NoteForm", ModalScript::click("CloseButton"));
    script.start();
    f.run(kHittingTab);
    QVERIFY(script.finished());
    QCOMPARE(f.editor.path(), f.dir.filePath("Y1L1T1P1.Notes"));
    QVERIFY(!QFile::exists(f.editor.path()));
    QVERIFY(Messages::shownTexts().isEmpty());
}

void TestNoteForm::newNoteSavedAtOnceHoldsTwoLines() {
    Fixture f;
    ModalScript script;
    script.then("NoteForm", [](QWidget* form) {
        click(form, "SaveButton");
        QVERIFY(!notesOf(form)->document()->isModified());
        click(form, "CloseButton");
    });
    script.start();
    f.run(kHittingTab);
    QVERIFY(script.finished());
    QCOMPARE(readFile(f.dir.filePath("Y1L1T1P1.Notes")),
             QByteArray("Pennantry - 2024 Season, Majors\r\nPLAYER:Ann Lee\r\n"));
    // Saved and unchanged since: closing asked nothing.
    QVERIFY(Messages::shownTexts().isEmpty());
}

void TestNoteForm::closeQuestion() {
    Fixture f;
    const QString path = f.dir.filePath("Y1L1T1.Notes");
    bool stayedOpen = false;
    QString keptText;
    ModalScript script;
    script.then("NoteForm", [&](QWidget* form) {
        type(form, "\nprotest filed");
        Messages::presetAnswers({QMessageBox::Cancel});
        click(form, "CloseButton");
        stayedOpen = form->isVisible();
        keptText = notesOf(form)->toPlainText();
        Messages::presetAnswers({QMessageBox::Yes});
        click(form, "CloseButton");
    });
    script.start();
    f.run(kTeamsTab);
    QVERIFY(script.finished());
    QVERIFY(stayedOpen);
    QCOMPARE(keptText, kCaption + "\nTEAM: Tigers\nprotest filed");
    QCOMPARE(Messages::shownTexts(), QStringList({"Save " + path, "Save " + path}));
    QCOMPARE(readFile(path), QByteArray("Pennantry - 2024 Season, Majors\r\nTEAM: Tigers\r\n"
                                        "protest filed\r\n"));

    // No closes without saving.
    ModalScript no;
    no.then("NoteForm", [&](QWidget* form) {
        QVERIFY(notesOf(form)->toPlainText().endsWith("protest filed"));
        type(form, " twice");
        Messages::presetAnswers({QMessageBox::No});
        click(form, "CloseButton");
    });
    no.start();
    f.run(kTeamsTab);
    QVERIFY(no.finished());
    QVERIFY(!f.editor.isVisible());
    QVERIFY(readFile(path).endsWith("protest filed\r\n"));
}

void TestNoteForm::playersOfTwoTeamsHaveTheirOwnFiles() {
    Fixture f;
    QStringList paths;
    QStringList headings;
    ModalScript first;
    first.then("NoteForm", [&](QWidget* form) {
        paths << form->windowTitle();
        headings << notesOf(form)->toPlainText().section('\n', 1);
        click(form, "CloseButton");
    });
    first.start();
    f.run(kHittingTab);
    QVERIFY(first.finished());

    f.selectTeam(2);
    ModalScript second;
    second.then("NoteForm", [&](QWidget* form) {
        paths << form->windowTitle();
        headings << notesOf(form)->toPlainText().section('\n', 1);
        click(form, "CloseButton");
    });
    second.start();
    f.run(kHittingTab);
    QVERIFY(second.finished());
    QCOMPARE(paths,
             QStringList({f.dir.filePath("Y1L1T1P1.Notes"), f.dir.filePath("Y1L1T2P1.Notes")}));
    QCOMPARE(headings, QStringList({"PLAYER:Ann Lee", "PLAYER:Bo Cruz"}));

    // A team without a current player has nothing to open.
    f.store->team.currentPlayer.clear();
    f.run(kHittingTab);
    QVERIFY(!f.editor.isVisible());
}

void TestNoteForm::choiceDialogShowsTheGame() {
    Fixture f;
    QCOMPARE(f.choices.choice(), 0);  // "Field" at first
    QStringList labels;
    QString heading;
    ModalScript script;
    script
        .then("RadioNoteForm",
              [&](QWidget* dialog) {
                  QCOMPARE(dialog->windowTitle(), QString("Choose Which Notes"));
                  for (const char* name :
                       {"FNote", "GNote", "HNote", "ANote", "U1Note", "U2Note", "U3Note", "U4Note"})
                      labels << dialog->findChild<QLabel*>(name)->text();
                  choose(1)(dialog);
              })
        .then("NoteForm", [&](QWidget* form) {
            heading = notesOf(form)->toPlainText().section('\n', 1);
            QCOMPARE(form->windowTitle(), f.dir.filePath("Y1L1G1.Notes"));
            click(form, "CloseButton");
        });
    script.start();
    f.run(kScheduleTab);
    QVERIFY(script.finished());
    QCOMPARE(labels, QStringList({"3 Riverside", "Sat 5-11 at 7:30 pm", "7 Tigers", "9 Bears",
                                  "4 Jones", " ", " ", " "}));
    QCOMPARE(heading, QString("Game: 7 Tigers vs 9 Bears  Sat 5-11 at 7:30 pm at 3 Riverside"));
    // The last choice stays chosen, and the team buffer holds the current team again.
    QCOMPARE(f.choices.choice(), 1);
    QCOMPARE(f.store->team.name, std::string("Tigers"));
}

void TestNoteForm::cancelledChoiceOpensNothing() {
    Fixture f;
    ModalScript script;
    script.then("RadioNoteForm", ModalScript::click("CancelButton"));
    script.start();
    f.run(kScheduleTab);
    QVERIFY(script.finished());
    QVERIFY(f.editor.path().isEmpty());
    QCOMPARE(f.store->team.name, std::string("Tigers"));
}

void TestNoteForm::missingUmpireOpensNothing() {
    Fixture f("|19960511|1930|1|1|2||||||\r\n");
    ModalScript script;
    script.then("RadioNoteForm", choose(4));
    script.start();
    f.run(kScheduleTab);
    QVERIFY(script.finished());
    QVERIFY(f.editor.path().isEmpty());
    QVERIFY(QDir(f.dir.path()).entryList({"*.Notes"}, QDir::Files).isEmpty());
}

void TestNoteForm::emptyScheduleShowsTheDateError() {
    Fixture f("");
    Messages::presetAnswers({QMessageBox::Ok});
    f.run(kScheduleTab);
    QCOMPARE(Messages::shownTexts(), QStringList({"'// :' is not a valid date and time"}));
    QVERIFY(f.editor.path().isEmpty());
    QCOMPARE(f.choices.lines().join(""), QString());  // the choice dialog was never filled
    QCOMPARE(f.store->team.name, std::string("Tigers"));
}

void TestNoteForm::largeNoteOpens() {
    Fixture f;
    QByteArray big;
    while (big.size() < 40000)
        big += QByteArray(58, 'x') + "\r\n";
    writeFile(f.dir.filePath("Y1L1T1.Notes"), big);
    qsizetype shown = 0;
    ModalScript script;
    script.then("NoteForm", [&](QWidget* form) {
        shown = notesOf(form)->toPlainText().size();
        click(form, "CloseButton");
    });
    script.start();
    f.run(kTeamsTab);
    QVERIFY(script.finished());
    QCOMPARE(shown, big.size() / 60 * 59 - 1);  // every line but the line ends
    QVERIFY(Messages::shownTexts().isEmpty());
    QCOMPARE(readFile(f.dir.filePath("Y1L1T1.Notes")), big);
}

void TestNoteForm::characterOutsideTheCodePageIsRefused() {
    Fixture f;
    const QString path = f.dir.filePath("Y1L1T1.Notes");
    bool stayedOpen = false;
    QString kept;
    ModalScript script;
    script.then("NoteForm", [&](QWidget* form) {
        type(form, QString::fromUtf8("\ncoach: Σ"));
        Messages::presetAnswers({QMessageBox::Ok});
        click(form, "SaveButton");
        Messages::presetAnswers({QMessageBox::Yes, QMessageBox::Ok});
        click(form, "CloseButton");  // Yes, but the save is refused again
        stayedOpen = form->isVisible();
        kept = notesOf(form)->toPlainText();
        Messages::presetAnswers({QMessageBox::No});
        click(form, "CloseButton");
    });
    script.start();
    f.run(kTeamsTab);
    QVERIFY(script.finished());
    QVERIFY(stayedOpen);
    QVERIFY(kept.endsWith(QString::fromUtf8("coach: Σ")));
    QVERIFY(!QFile::exists(path));
    const QStringList shown = Messages::shownTexts();
    QCOMPARE(shown.size(), 4);
    QVERIFY(shown[0].contains(QString::fromUtf8("\"Σ\"")));
    QVERIFY(shown[0].contains(path));
    QCOMPARE(shown[1], "Save " + path);
}

void TestNoteForm::failedSaveKeepsTheEditorOpen() {
    Fixture f;
    const QString path = f.dir.filePath("Y1L1T1.Notes");
    bool stayedOpen = false;
    ModalScript script;
    script.then("NoteForm", [&](QWidget* form) {
        // Something else takes the file's name before the save.
        QVERIFY(QDir(f.dir.path()).mkdir("Y1L1T1.Notes"));
        type(form, "\nfield closed");
        Messages::presetAnswers({QMessageBox::Yes, QMessageBox::Ok});
        click(form, "CloseButton");
        stayedOpen = form->isVisible() && notesOf(form)->document()->isModified();
        Messages::presetAnswers({QMessageBox::No});
        click(form, "CloseButton");
    });
    script.start();
    f.run(kTeamsTab);
    QVERIFY(script.finished());
    QVERIFY(stayedOpen);
    const QStringList shown = Messages::shownTexts();
    QCOMPARE(shown.size(), 3);
    QVERIFY(shown[1].contains(path));
    QVERIFY(shown[1].startsWith("Cannot write"));
}

void TestNoteForm::printsToPdf() {
    Fixture f;
    QByteArray note;
    for (int i = 1; i <= 150; ++i)
        note += "line " + QByteArray::number(i) + "\r\n";
    // A line far wider than the paper goes on over the next rows.
    note += QByteArray(400, 'w') + "\r\n";
    writeFile(f.dir.filePath("Y1L1T1.Notes"), note);
    const QString pdf = f.dir.filePath("note.pdf");
    f.editor.setOutputFileForTesting(pdf);
    ModalScript script;
    script.then("NoteForm", [&](QWidget* form) {
        click(form, "PrintButton");
        click(form, "CloseButton");
    });
    script.start();
    f.run(kTeamsTab);
    QVERIFY(script.finished());
    QVERIFY(Messages::shownTexts().isEmpty());
    QVERIFY2(f.editor.printedPages() >= 2, qPrintable(QString::number(f.editor.printedPages())));
    QCOMPARE(pdfPages(pdf), f.editor.printedPages());
}

void TestNoteForm::printRefusesAFileOfOursOrNoOrdinaryFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fifo");
    QTest::addColumn<QString>("expected");
    const QString ours = "is a name Pennantry keeps its data under";
    QTest::newRow("the note's own file") << "Y1L1T1.Notes" << false << ours;
    QTest::newRow("the years file") << "Baseball.Years" << false << ours;
    QTest::newRow("the players file") << "Y1L1T1.Players" << false << ours;
    QTest::newRow("a FIFO") << "note.pdf" << true << "is a FIFO, not an ordinary file";
}

void TestNoteForm::printRefusesAFileOfOursOrNoOrdinaryFile() {
    QFETCH(QString, name);
    QFETCH(bool, fifo);
    QFETCH(QString, expected);
    Fixture f;
    writeFile(f.dir.filePath("Y1L1T1.Notes"), "a note\r\n");
    const QString path = f.dir.filePath(name);
    if (fifo)
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
    const QByteArray before = fifo ? QByteArray() : readFile(path);
    f.editor.setOutputFileForTesting(path);
    Messages::presetAnswers({QMessageBox::Ok});
    ModalScript script;
    script.then("NoteForm", [&](QWidget* form) {
        click(form, "PrintButton");
        click(form, "CloseButton");
    });
    script.start();
    f.run(kTeamsTab);
    QVERIFY(script.finished());
    QCOMPARE(Messages::shownTexts().size(), 1);
    QVERIFY2(Messages::shownTexts().front().contains(path + "\" " + expected),
             qPrintable(Messages::shownTexts().front()));
    QCOMPARE(f.editor.printedPages(), 0);
    if (fifo)
        QVERIFY(QFileInfo(path).isReadable() && !QFileInfo(path).isFile());
    else
        QCOMPARE(readFile(path), before);
}

void TestNoteForm::helpTopics() {
    Fixture f;
    ModalScript script;
    QString noteTopic;
    script
        .then("RadioNoteForm",
              [&](QWidget* dialog) {
                  click(dialog, "HelpButton");
                  QCOMPARE(HelpViewer::lastTopic(), QString("Notes_Button"));
                  choose(0)(dialog);
              })
        .then("NoteForm", [&](QWidget* form) {
            click(form, "HelpButton");
            noteTopic = HelpViewer::lastTopic();
            click(form, "CloseButton");
        });
    script.start();
    f.run(kScheduleTab);
    QVERIFY(script.finished());
    QCOMPARE(noteTopic, QString("Note_Window"));
    QCOMPARE(f.editor.path(), f.dir.filePath("Y1L1F1.Notes"));
    QVERIFY(!HelpViewer::urlOfTopic("Note_Window").isEmpty());
    QVERIFY(!HelpViewer::urlOfTopic("Notes_Button").isEmpty());
}

QTEST_MAIN(TestNoteForm)
#include "tst_noteform.moc"
