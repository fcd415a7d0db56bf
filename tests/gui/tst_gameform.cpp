#include "common/messages.h"
#include "entry/game.h"
#include "entry/schedulelistbox.h"
#include "help/helpviewer.h"
#include "main/list.h"
#include "main/name.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/tableview.h"

#include "modalscript.h"
#include "schedulefolder.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace pny;

namespace {

const QList<QByteArray> kFields = {"|3|North Park|", "|1|South Field|"};
const QList<QByteArray> kUmpires = {"|7|Ann|", "|8|Bob|"};
// Line 1: 15 June 1996 at 7:30 pm on North Park, Eagles (home) against Tigers, umpire Ann.
const QByteArray kGame = "|19960615|1930|1|1|2|1||||5|4|";

QLineEdit* edit(QWidget* dialog, const char* name) {
    return dialog->findChild<QLineEdit*>(QLatin1String(name));
}

QString labelText(QWidget* dialog, const char* name) {
    auto* label = dialog->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<none>");
}

// Types a date and time into the game dialog.
void typeMoment(QWidget* dialog, const QStringList& moment, bool pm) {
    edit(dialog, "EditYr")->setText(moment[0]);
    edit(dialog, "EditMo")->setText(moment[1]);
    edit(dialog, "EditDa")->setText(moment[2]);
    edit(dialog, "EditHr")->setText(moment[3]);
    edit(dialog, "EditMn")->setText(moment[4]);
    dialog->findChild<QRadioButton*>(pm ? "RadioPM" : "RadioAM")->setChecked(true);
}

// Chooses the picker's item that shows `name`, then presses OK.
ModalScript::Action chooseItem(const QString& name) {
    return [name](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>("ListBox");
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->text().contains(name))
                list->setCurrentRow(i);
        }
        dialog->findChild<QAbstractButton*>("OkButton")->click();
    };
}

// Presses a button once the script's step is over: a button that opens a nested dialog must not
// run that dialog inside the script's own timer, which does not fire again until it returns.
ModalScript::Action deferClick(const QString& button) {
    return [button](QWidget* dialog) {
        QPointer<QAbstractButton> b = dialog->findChild<QAbstractButton*>(button);
        QTimer::singleShot(0, [b] {
            if (b)
                b->click();
        });
    };
}

}  // namespace

class TestGameForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithStoredGame_data();
    void opensWithStoredGame();
    void okOnEmptyScheduleAddsLineOne();
    void okStoresTheDialog();
    void addLeavesTheOriginal();
    void wrongDateKeepsDialogOpen();
    void deleteAnswers_data();
    void deleteAnswers();
    void deleteYesWithoutGamesChangesNothing();
    void clearedHomeTeamStoredEmpty();
    void cancelRestoresCurrentTeam();
    void pickFieldCreatingIt();
    void labelClickPicks();
    void makeSchedule();
    void helpKeepsDialogOpen();
    void keyboardOrder();
    void filterCodesPick();

private:
    void load(const QList<QByteArray>& games, const QList<QByteArray>& fields = kFields);
    // Builds the schedule view, as the main window does before Update, and opens the dialog.
    EntryResult enterGame(ModalScript& script);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Store> store_;
    std::unique_ptr<TNameForm> nameForm_;
    std::unique_ptr<TListForm> listForm_;
    std::unique_ptr<TGameForm> form_;
};

void TestGameForm::initTestCase() {
    testsupport::pinLocale();
}

void TestGameForm::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    nameForm_ = std::make_unique<TNameForm>();
    listForm_ = std::make_unique<TListForm>(*nameForm_);
    form_ = std::make_unique<TGameForm>();
    Messages::presetAnswers({});
    Messages::clearShown();
}

void TestGameForm::cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    form_.reset();
    listForm_.reset();
    nameForm_.reset();
    store_.reset();
}

void TestGameForm::load(const QList<QByteArray>& games, const QList<QByteArray>& fields) {
    testsupport::writeScheduleFolder(dir_->path(), games, fields, kUmpires,
                                     [](LeagueRecord& league) { league.currentGame = "1"; });
    store_ = std::make_unique<Store>(dir_->path());
    store_->loadYears();
}

EntryResult TestGameForm::enterGame(ModalScript& script) {
    ViewState state;
    const ViewGrid grid = buildTable(*store_, state, kScheduleTab);
    script.start();
    const EntryResult result = form_->EnterGame(*store_, *listForm_, grid.hasRecords());
    return result;
}

void TestGameForm::opensWithStoredGame_data() {
    QTest::addColumn<QByteArray>("time");
    QTest::addColumn<QStringList>("shown");  // hour, minute
    QTest::addColumn<bool>("pm");
    QTest::newRow("midnight") << QByteArray("0000") << QStringList{"12", "00"} << false;
    QTest::newRow("noon") << QByteArray("1200") << QStringList{"12", "00"} << true;
    QTest::newRow("evening") << QByteArray("1930") << QStringList{"07", "30"} << true;
}

void TestGameForm::opensWithStoredGame() {
    QFETCH(QByteArray, time);
    QFETCH(QStringList, shown);
    QFETCH(bool, pm);
    load({"|19960605|" + time + "|2|1|2|1||2||5|4|"});
    QStringList seen;
    bool pmChosen = !pm;
    QString caption;
    ModalScript script;
    script.then("GameForm", [&](QWidget* dialog) {
        for (const char* name :
             {"EditYr", "EditMo", "EditDa", "EditHr", "EditMn", "EditHTS", "EditATS"}) {
            seen << edit(dialog, name)->text();
        }
        for (const char* name : {"FNo", "FName", "HNo", "HName", "ANo", "AName", "U1No", "U1Name",
                                 "U2Name", "U3Name", "U4Name"}) {
            seen << labelText(dialog, name);
        }
        pmChosen = dialog->findChild<QRadioButton*>("RadioPM")->isChecked();
        caption = dialog->windowTitle();
        dialog->findChild<QAbstractButton*>("CancelButton")->click();
    });
    QCOMPARE(enterGame(script), EntryResult::Cancelled);
    QCOMPARE(seen, (QStringList{"1996", "6", "5", shown[0], shown[1], "5", "4", "1", "South Field",
                                "10", "Eagles", "20", "Tigers", "7", "Ann", "", "Bob", ""}));
    QCOMPARE(pmChosen, pm);
    QCOMPARE(caption, QStringLiteral("2024 City League Schedule"));
}

void TestGameForm::okOnEmptyScheduleAddsLineOne() {
    // The only game is deleted, so the view shows none: the dialog opens blank and OK adds.
    load({"X" + kGame});
    QStringList opened;
    ModalScript script;
    script.then("GameForm", [&](QWidget* dialog) {
        for (const char* name :
             {"EditYr", "EditMo", "EditDa", "EditHr", "EditMn", "EditHTS", "FName", "HName"}) {
            opened << (edit(dialog, name) ? edit(dialog, name)->text() : labelText(dialog, name));
        }
        typeMoment(dialog, {"2024", "5", "12", "7", "05"}, true);
        dialog->findChild<QAbstractButton*>("OkButton")->click();
    });
    QCOMPARE(enterGame(script), EntryResult::Refresh);
    QCOMPARE(opened, QStringList(8));
    QCOMPARE(store_->games.size(), 3);
    QCOMPARE(store_->games.line(1), std::string("X") + kGame.constData());
    QCOMPARE(store_->games.line(2), std::string("|20240512|1905||||||||||"));
    QCOMPARE(store_->league.currentGame, std::string("2"));
    QVERIFY(store_->changed.games);

    // A schedule without any line gets it as line 1.
    init();
    load({});
    ModalScript again;
    again.then("GameForm", [&](QWidget* dialog) {
        typeMoment(dialog, {"96", "5", "12", "12", "00"}, false);
        dialog->findChild<QAbstractButton*>("OkButton")->click();
    });
    QCOMPARE(enterGame(again), EntryResult::Refresh);
    const std::string century = std::to_string(QDate::currentDate().year() / 100);
    QCOMPARE(store_->games.lines(),
             (std::vector<std::string>{"G|", "|" + century + "960512|0000||||||||||"}));
    QCOMPARE(store_->league.currentGame, std::string("1"));
}

void TestGameForm::okStoresTheDialog() {
    load({kGame});
    ModalScript script;
    script.then("GameForm", [](QWidget* dialog) {
        typeMoment(dialog, {"1996", "6", "3", "7", "05"}, true);
        edit(dialog, "EditHTS")->setText("3");
        edit(dialog, "EditATS")->setText("0");
        dialog->findChild<QAbstractButton*>("OkButton")->click();
    });
    QCOMPARE(enterGame(script), EntryResult::Refresh);
    QCOMPARE(store_->games.line(1), std::string("|19960603|1905|1|1|2|1||||3|0|"));
    // The standings are not touched by a score.
    QCOMPARE(store_->teams.line(1), std::string("|10|Eagles|||||"));
    QVERIFY(!store_->changed.teams);

    ModalScript zero;
    zero.then("GameForm", [](QWidget* dialog) {
        edit(dialog, "EditHTS")->setText("0");
        edit(dialog, "EditATS")->setText("");
        dialog->findChild<QAbstractButton*>("OkButton")->click();
    });
    QCOMPARE(enterGame(zero), EntryResult::Refresh);
    QCOMPARE(store_->games.line(1), std::string("|19960603|1905|1|1|2|1||||||"));
}

void TestGameForm::addLeavesTheOriginal() {
    load({kGame});
    ModalScript script;
    script.then("GameForm", [](QWidget* dialog) {
        edit(dialog, "EditDa")->setText("22");
        dialog->findChild<QAbstractButton*>("AddButton")->click();
    });
    QCOMPARE(enterGame(script), EntryResult::Refresh);
    QCOMPARE(store_->games.size(), 3);
    QCOMPARE(store_->games.line(1), std::string(kGame.constData()));
    QCOMPARE(store_->games.line(2), std::string("|19960622|1930|1|1|2|1||||5|4|"));
    QCOMPARE(store_->league.currentGame, std::string("2"));
    QVERIFY(store_->leagues.line(1).find("|City League|2|2|") != std::string::npos);
}

void TestGameForm::wrongDateKeepsDialogOpen() {
    load({kGame});
    Messages::presetAnswers({QMessageBox::Ok});
    bool stillOpen = false;
    bool focusOnYear = false;
    ModalScript script;
    script.then("GameForm", [&](QWidget* dialog) {
        edit(dialog, "EditMo")->setText("2");
        edit(dialog, "EditDa")->setText("30");
        dialog->findChild<QAbstractButton*>("OkButton")->click();
        stillOpen = dialog->isVisible();
        focusOnYear = dialog->focusWidget() == edit(dialog, "EditYr");
        dialog->findChild<QAbstractButton*>("CancelButton")->click();
    });
    QCOMPARE(enterGame(script), EntryResult::Cancelled);
    QVERIFY(stillOpen);
    QVERIFY(focusOnYear);
    QCOMPARE(Messages::shownTexts(), QStringList{"Enter Correct Date and Time"});
    QCOMPARE(store_->games.line(1), std::string(kGame.constData()));
    QVERIFY(!store_->changed.games);
}

void TestGameForm::deleteAnswers_data() {
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("currentGame");
    const QString one = QStringLiteral("Delete this game from schedule?");
    const QString all = QStringLiteral("Delete all games from schedule?");
    const QString second = QString::fromLatin1(kGame);
    QTest::newRow("No") << QList{QMessageBox::No} << QStringList{one}
                        << QStringList{"G|", "|19960601|1000|2|2|3|||||||", second} << "1";
    QTest::newRow("All, then No") << QList{QMessageBox::YesToAll, QMessageBox::No}
                                  << QStringList{one, all}
                                  << QStringList{"G|", "|19960601|1000|2|2|3|||||||", second}
                                  << "1";
    QTest::newRow("Yes") << QList{QMessageBox::Yes} << QStringList{one}
                         << QStringList{"G|", "X|19960601|1000|2|2|3|||||||", second} << "1";
    QTest::newRow("All, then Yes") << QList{QMessageBox::YesToAll, QMessageBox::Yes}
                                   << QStringList{one, all} << QStringList{"G|"} << "";
}

void TestGameForm::deleteAnswers() {
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, lines);
    QFETCH(QString, currentGame);
    load({"|19960601|1000|2|2|3|||||||", kGame});
    Messages::presetAnswers(answers);
    ModalScript script;
    script.then("GameForm", ModalScript::click("DeleteButton"));
    const EntryResult result = enterGame(script);
    QCOMPARE(Messages::shownTexts(), questions);
    QStringList stored;
    for (const std::string& line : store_->games.lines())
        stored << QString::fromStdString(line);
    QCOMPARE(stored, lines);
    QCOMPARE(QString::fromStdString(store_->league.currentGame), currentGame);
    const bool changed = lines.size() != 3 || lines[1].startsWith('X');
    QCOMPARE(result, changed ? EntryResult::Refresh : EntryResult::Cancelled);
    QCOMPARE(store_->changed.games, changed);
    if (changed) {
        // The refreshed view no longer shows the game.
        ViewState state;
        const ViewGrid grid = buildTable(*store_, state, kScheduleTab);
        QCOMPARE(grid.hasRecords(), lines.size() == 3);
    }
}

void TestGameForm::deleteYesWithoutGamesChangesNothing() {
    load({"X" + kGame});
    Messages::presetAnswers({QMessageBox::Yes});
    ModalScript script;
    script.then("GameForm", ModalScript::click("DeleteButton"));
    QCOMPARE(enterGame(script), EntryResult::Cancelled);
    QCOMPARE(store_->games.lines(), (std::vector<std::string>{"G|", "X" + kGame.toStdString()}));
    QVERIFY(!store_->changed.games);
}

void TestGameForm::clearedHomeTeamStoredEmpty() {
    load({kGame});
    QStringList labels;
    ModalScript script;
    script.then("GameForm", [&](QWidget* dialog) {
        dialog->findChild<QAbstractButton*>("HClear")->click();
        labels << labelText(dialog, "HNo") << labelText(dialog, "HName");
        dialog->findChild<QAbstractButton*>("OkButton")->click();
    });
    QCOMPARE(enterGame(script), EntryResult::Refresh);
    QCOMPARE(labels, (QStringList{"", ""}));
    QCOMPARE(store_->games.line(1), std::string("|19960615|1930|1||2|1||||5|4|"));
}

void TestGameForm::cancelRestoresCurrentTeam() {
    load({kGame});
    QStringList picked;
    ModalScript script;
    script.then("GameForm", deferClick("HButton"))
        .then("ListForm", chooseItem("Owls"))
        .then("GameForm", [&](QWidget* dialog) {
            picked << labelText(dialog, "HNo") << labelText(dialog, "HName");
            dialog->findChild<QAbstractButton*>("CancelButton")->click();
        });
    QCOMPARE(enterGame(script), EntryResult::Cancelled);
    QVERIFY(script.finished());
    QCOMPARE(picked, (QStringList{"30", "Owls"}));
    QCOMPARE(form_->pickSlots().home, std::string("3"));
    QCOMPARE(store_->games.line(1), std::string(kGame.constData()));
    QCOMPARE(store_->game.home, std::string("1"));
    QVERIFY(!store_->changed.games);
    // The league's current team (Tigers) is back in the buffer.
    QCOMPARE(store_->team.name, std::string("Tigers"));
}

void TestGameForm::pickFieldCreatingIt() {
    load({kGame}, {});
    QStringList shown;
    ModalScript script;
    // The fields list is empty: the picker goes straight to a new field, then lists it chosen.
    script.then("GameForm", deferClick("FButton"))
        .then("NameForm", ModalScript::typeNumberAndName("5", "Lakeside"))
        .then("ListForm", ModalScript::click("OkButton"))
        .then("GameForm", [&](QWidget* dialog) {
            shown << labelText(dialog, "FNo") << labelText(dialog, "FName");
            dialog->findChild<QAbstractButton*>("OkButton")->click();
        });
    QCOMPARE(enterGame(script), EntryResult::Refresh);
    QVERIFY(script.finished());
    QCOMPARE(shown, (QStringList{"5", "Lakeside"}));
    QCOMPARE(store_->fields.lines(), (std::vector<std::string>{"F|", "|5|Lakeside|"}));
    QVERIFY(store_->changed.fields);
    QCOMPARE(store_->games.line(1), std::string("|19960615|1930|1|1|2|1||||5|4|"));

    // The new field is saved with the schedule.
    QVERIFY(store_->commit());
    QCOMPARE(testsupport::readFile(dir_->path() + "/Y1L1.Fields"),
             QByteArray("F|\r\n|5|Lakeside|\r\n"));
}

void TestGameForm::labelClickPicks() {
    load({kGame});
    ModalScript script;
    script
        .then("GameForm",
              [](QWidget* dialog) {
                  QPointer<QLabel> label = dialog->findChild<QLabel*>("U2Name");
                  QTimer::singleShot(0, [label] {
                      if (label)
                          QTest::mouseClick(label, Qt::LeftButton);
                  });
              })
        .then("ListForm", chooseItem("Bob"))
        .then("GameForm", ModalScript::click("OkButton"));
    QCOMPARE(enterGame(script), EntryResult::Refresh);
    QVERIFY(script.finished());
    QCOMPARE(store_->games.line(1), std::string("|19960615|1930|1|1|2|1|2|||5|4|"));
}

void TestGameForm::makeSchedule() {
    load({kGame});
    bool enabledWithoutHook = true;
    ModalScript first;
    first.then("GameForm", [&](QWidget* dialog) {
        enabledWithoutHook = dialog->findChild<QAbstractButton*>("MakeButton")->isEnabled();
        dialog->findChild<QAbstractButton*>("CancelButton")->click();
    });
    QCOMPARE(enterGame(first), EntryResult::Cancelled);
    QVERIFY(!enabledWithoutHook);

    int calls = 0;
    bool made = false;
    form_->makeSchedule = [&] {
        ++calls;
        return made;
    };
    bool openAfterRefusal = false;
    ModalScript script;
    script.then("GameForm", [&](QWidget* dialog) {
        dialog->findChild<QAbstractButton*>("MakeButton")->click();
        openAfterRefusal = dialog->isVisible();
        made = true;
        dialog->findChild<QAbstractButton*>("MakeButton")->click();
    });
    QCOMPARE(enterGame(script), EntryResult::Refresh);
    QVERIFY(openAfterRefusal);
    QCOMPARE(calls, 2);
    QCOMPARE(store_->games.line(1), std::string(kGame.constData()));
}

void TestGameForm::helpKeepsDialogOpen() {
    load({kGame});
    bool stillOpen = false;
    ModalScript script;
    script.then("GameForm", [&](QWidget* dialog) {
        dialog->findChild<QAbstractButton*>("HelpButton")->click();
        stillOpen = dialog->isVisible();
        dialog->findChild<QAbstractButton*>("CancelButton")->click();
    });
    QCOMPARE(enterGame(script), EntryResult::Cancelled);
    QVERIFY(stillOpen);
    QCOMPARE(HelpViewer::lastTopic(), QStringLiteral("Update_Button"));
    QVERIFY(!HelpViewer::urlOfTopic("Update_Button").isEmpty());
    QVERIFY(!HelpViewer::urlOfTopic("Field_Button").isEmpty());
    QVERIFY(!HelpViewer::urlOfTopic("Umpire_Button").isEmpty());
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != form_.get() && w->isVisible() && !w->isModal())
            w->close();
    }
}

void TestGameForm::keyboardOrder() {
    QStringList expected{"EditYr", "EditMo", "EditDa", "EditHr", "EditMn", "RadioAM", "RadioPM"};
    for (const char* row : {"F", "H", "A", "U1", "U2", "U3", "U4"})
        expected << QString(row) + "Clear" << QString(row) + "Button";
    expected << "EditHTS"
             << "EditATS"
             << "OkButton"
             << "AddButton"
             << "DeleteButton"
             << "MakeButton"
             << "CancelButton"
             << "HelpButton";
    QStringList order;
    QWidget* w = form_->findChild<QWidget*>("EditYr");
    for (int i = 0; i < expected.size() && w; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (w && w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
    }
    QCOMPARE(order, expected);
    QCOMPARE(edit(form_.get(), "EditHTS")->maxLength(), 4);
    QCOMPARE(edit(form_.get(), "EditYr")->maxLength(), 4);
    QCOMPARE(edit(form_.get(), "EditMn")->maxLength(), 2);
    QCOMPARE(form_->findChild<QLabel*>("FName")->focusPolicy(), Qt::NoFocus);
}

void TestGameForm::filterCodesPick() {
    // The schedule filter dialog picks one team into the home slot ("T") and one umpire into the
    // umpire 1 slot ("U").
    load({kGame});
    store_->ensureGames();
    PickSlots picks;
    picks.home = "2";
    picks.umpires[0] = "2";

    ModalScript cancel;
    cancel.then("ListForm", chooseItem("Owls"));
    cancel.start();
    QVERIFY(!ScheduleListBox(*store_, *listForm_, picks, 'T'));
    QCOMPARE(picks.home, std::string("3"));
    QCOMPARE(pickedRecord(*store_, 'T').name, std::string("Owls"));
    QCOMPARE(store_->team.name, std::string("Owls"));

    ModalScript added;
    added.then("ListForm", deferClick("NewButton"))
        .then("NameForm", ModalScript::typeNumberAndName("9", "Cy"))
        .then("ListForm", ModalScript::click("OkButton"));
    added.start();
    QVERIFY(ScheduleListBox(*store_, *listForm_, picks, 'U'));
    QVERIFY(added.finished());
    QCOMPARE(picks.umpires[0], std::string("3"));
    QCOMPARE(store_->umpires.line(3), std::string("|9|Cy|"));
    QVERIFY(store_->changed.umpires);
    QVERIFY(!store_->changed.teams);
    QCOMPARE(pickedRecord(*store_, 'U').number, std::string("9"));

    // Cancel keeps the slot's reference and reads its record.
    ModalScript none;
    none.then("ListForm", ModalScript::click("CancelButton"));
    none.start();
    ScheduleListBox(*store_, *listForm_, picks, 'F');
    QCOMPARE(picks.field, std::string());
    QCOMPARE(pickedRecord(*store_, 'F').name, std::string());
}

QTEST_MAIN(TestGameForm)
#include "tst_gameform.moc"
