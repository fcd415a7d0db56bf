#include "common/messages.h"
#include "help/helpviewer.h"
#include "schedule/field.h"
#include "schedule/generator.h"
#include "schedule/make.h"
#include "store/store.h"

#include "modalscript.h"
#include "testsupport.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readFile;
using testsupport::writeFile;

namespace {

// One year and one league with the given teams, fields and time slots.
void writeLeague(const QTemporaryDir& dir, const QByteArray& teams, const QByteArray& fields,
                 const QByteArray& times = {}) {
    writeFile(dir.filePath("Baseball.Years"), "Y|7||1|||\r\n|1996|Summer|1|\r\n");
    writeFile(dir.filePath("Y1.Leagues"), "L|\r\n|1|Majors|||\r\n");
    writeFile(dir.filePath("Y1L1.Teams"), "T|\r\n" + teams);
    writeFile(dir.filePath("Y1L1.Fields"), "F|\r\n" + fields);
    if (!times.isEmpty())
        writeFile(dir.filePath("Y1L1.Times"), times);
}

// Clicks a button once the current event has been handled, so that a dialog it opens runs its
// own event loop outside the script's step.
void clickLater(QWidget* dialog, const char* button) {
    QTimer::singleShot(0, dialog,
                       [dialog, button] { dialog->findChild<QAbstractButton*>(button)->click(); });
}

QString cell(QWidget* dialog, const char* grid, int row, int column) {
    const QTableWidgetItem* item = dialog->findChild<QTableWidget*>(grid)->item(row, column);
    return item ? item->text() : QString();
}

void type(QWidget* dialog, const char* edit, const QString& text) {
    dialog->findChild<QLineEdit*>(edit)->setText(text);
}

QString text(QWidget* dialog, const char* edit) {
    return dialog->findChild<QLineEdit*>(edit)->text();
}

void click(QWidget* dialog, const char* button) {
    dialog->findChild<QAbstractButton*>(button)->click();
}

}  // namespace

class TestGenerator : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void init() { Messages::clearShown(); }
    void cleanup() {
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        Messages::presetAnswers({});
    }
    void refusals_data();
    void refusals();
    void setSlotsAndMakeTheSchedule();
    void editDeleteResetAndCancel();
    void doubleBookingsAreReported();
    void helpTopics();
    void longFieldNamesShowWhole();
};

void TestGenerator::refusals_data() {
    QTest::addColumn<QByteArray>("teams");
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("messages");
    QByteArray many;
    for (int t = 1; t <= 21; ++t)
        many += "|" + QByteArray::number(t) + "|T|\r\n";
    const auto ask = [](int f, int t) {
        return QStringLiteral(
                   "To change the baseball fields available or the number of teams to schedule, "
                   "respond \"No\" to this message, then select the \"Field\" or \"Home Tm\" "
                   "buttons. You have %1 fields available and %2 teams to schedule. You don't "
                   "have to use all the fields. Continue?")
            .arg(f)
            .arg(t);
    };
    QTest::newRow("21 teams") << many + "X|22|Gone|\r\n"
                              << QByteArray("|1|Park|\r\n") << true
                              << QStringList{ask(1, 21), "Number of teams must be from 3 to 20"};
    QTest::newRow("2 teams, a deleted third")
        << QByteArray("|1|A|\r\n|2|B|\r\nX|3|C|\r\n") << QByteArray("|1|Park|\r\n") << true
        << QStringList{ask(1, 2), "Number of teams must be from 3 to 20"};
    QTest::newRow("no active field")
        << QByteArray("|1|A|\r\n|2|B|\r\n") << QByteArray("X|1|Park|\r\n") << true
        << QStringList{ask(0, 2), "No fields to schedule"};
    QTest::newRow("No at the confirmation")
        << QByteArray("|1|A|\r\n|2|B|\r\n|3|C|\r\n") << QByteArray("|1|Park|\r\n") << false
        << QStringList{ask(1, 3)};
}

void TestGenerator::refusals() {
    QFETCH(QByteArray, teams);
    QFETCH(QByteArray, fields);
    QFETCH(bool, yes);
    QTemporaryDir dir;
    writeLeague(dir, teams, fields, "1996061518301\r\n");
    pny::Store store(dir.path());
    store.loadYears();
    TFieldForm fieldForm;
    TMakeForm makeForm;
    Messages::presetAnswers(
        {yes ? QMessageBox::Yes : QMessageBox::No, QMessageBox::Ok, QMessageBox::Ok});
    // Should the field selection open after all, it is cancelled so that the test ends.
    QTimer::singleShot(2000, &fieldForm, [&fieldForm] { fieldForm.reject(); });
    QVERIFY(!MakeSchedule(nullptr, store, fieldForm, makeForm));
    QTEST(Messages::shownTexts(), "messages");
    QCOMPARE(store.games.size(), 1);
    QVERIFY(!store.changed.games);
}

void TestGenerator::setSlotsAndMakeTheSchedule() {
    QTemporaryDir dir;
    writeLeague(dir, "|10|A|\r\n|2|B|\r\n|7|C|\r\n|30|D|\r\n", "|1|Park|\r\n");
    pny::Store store(dir.path());
    store.loadYears();
    TFieldForm fieldForm;
    TMakeForm makeForm;
    Messages::presetAnswers({QMessageBox::Yes, QMessageBox::Yes});

    QString caption;
    QStringList afterSeries;
    bool singleAfterSeries = false;
    bool weekdaysEnabled = true;
    bool endEnabled = true;
    int weekdayAfterSingle = -1;
    int rowsAtEnd = 0;
    QString timesCell = "unset";
    ModalScript script;
    script
        .then("FieldForm",
              [&](QWidget* d) {
                  QCOMPARE(d->windowTitle(), QString("Select Fields to Use in Schedule"));
                  QCOMPARE(cell(d, "FieldGrid", 0, 1), QString("    1"));
                  QCOMPARE(cell(d, "FieldGrid", 0, 3), QString());
                  clickLater(d, "SetButton");
              })
        .then("MakeForm",
              [&](QWidget* d) {
                  caption = d->windowTitle();
                  // Wednesdays from Monday 3 June to Monday 24 June, at 07:5 pm.
                  click(d, "RadioMultiple");
                  d->findChild<QComboBox*>("ComboBox")->setCurrentIndex(3);
                  type(d, "EditSYr", "1996");
                  type(d, "EditSMo", "6");
                  type(d, "EditSDa", "3");
                  type(d, "EditSHr", "07");
                  type(d, "EditSMn", "5");
                  d->findChild<QRadioButton*>("RadioSpm")->setChecked(true);
                  type(d, "EditEYr", "1996");
                  type(d, "EditEMo", "6");
                  type(d, "EditEDa", "24");
                  click(d, "AddButton");
                  afterSeries = QStringList{text(d, "EditSDa"), text(d, "EditSHr"),
                                            text(d, "EditSMn"), cell(d, "MakeGrid", 0, 4)};
                  singleAfterSeries = d->findChild<QRadioButton*>("RadioSingle")->isChecked();
                  weekdaysEnabled = d->findChild<QComboBox*>("ComboBox")->isEnabled();
                  endEnabled = d->findChild<QLineEdit*>("EditEDa")->isEnabled();
                  // A single game on Saturday 15 June while Monday is chosen.
                  d->findChild<QComboBox*>("ComboBox")->setCurrentIndex(1);
                  type(d, "EditSDa", "15");
                  click(d, "AddButton");
                  weekdayAfterSingle = d->findChild<QComboBox*>("ComboBox")->currentIndex();
                  // Saturdays from 22 June to 13 July.
                  click(d, "RadioMultiple");
                  d->findChild<QComboBox*>("ComboBox")->setCurrentIndex(6);
                  type(d, "EditSDa", "22");
                  type(d, "EditEMo", "7");
                  type(d, "EditEDa", "13");
                  click(d, "AddButton");
                  rowsAtEnd = d->findChild<QTableWidget*>("MakeGrid")->rowCount();
                  click(d, "DoneButton");
              })
        .then("FieldForm", [&](QWidget* d) {
            timesCell = cell(d, "FieldGrid", 0, 3);
            click(d, "AddButton");
        });
    script.start();
    QVERIFY(MakeSchedule(nullptr, store, fieldForm, makeForm));
    QVERIFY(script.finished());
    QCOMPARE(caption, QString("    1 Park Availability"));
    QCOMPARE(afterSeries, (QStringList{"05", " 7", "05", " 7:05pm"}));
    QVERIFY(singleAfterSeries);
    QVERIFY(!weekdaysEnabled);
    QVERIFY(!endEnabled);
    QCOMPARE(weekdayAfterSingle, 6);
    QCOMPARE(rowsAtEnd, 8);
    QCOMPARE(timesCell, QString("8"));
    QCOMPARE(Messages::shownTexts().last(), QString("Add 8 Games to Schedule?"));

    // Teams 2, 7, 10, 30 are positions 1 to 4 (indexes 2, 3, 1, 4); the second pass reverses.
    QCOMPARE(store.games.size(), 9);
    const QStringList expected{"19960605|1905|1|2|3", "19960612|1905|1|1|4", "19960615|1905|1|1|2",
                               "19960619|1905|1|4|3", "19960622|1905|1|3|1", "19960629|1905|1|2|4",
                               "19960706|1905|1|3|2", "19960713|1905|1|4|1"};
    for (int i = 0; i < expected.size(); ++i) {
        QVERIFY2(
            QString::fromStdString(store.games.line(i + 1)).startsWith("|" + expected[i] + "|"),
            store.games.line(i + 1).c_str());
    }
    QCOMPARE(store.league.currentGame, std::string("8"));
    QVERIFY(store.saveAll());
    QCOMPARE(readFile(dir.filePath("Y1L1.Times")).count("\r\n"), 8);
    QVERIFY(readFile(dir.filePath("Y1L1.Times")).startsWith("1996060519051\r\n"));
}

void TestGenerator::editDeleteResetAndCancel() {
    QTemporaryDir dir;
    // Field 3 is deleted but still has a slot.
    writeLeague(dir, "|1|A|\r\n|2|B|\r\n|3|C|\r\n", "|1|North|\r\n|2|South|\r\nX|3|Old|\r\n",
                "1996061518303\r\n1996062218301\r\n");
    pny::Store store(dir.path());
    store.loadYears();
    TFieldForm fieldForm;
    TMakeForm makeForm;
    Messages::presetAnswers({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Ok, QMessageBox::No,
                             QMessageBox::Yes, QMessageBox::Ok});
    QStringList seen;
    ModalScript script;
    script
        .then("FieldForm",
              [&](QWidget* d) {
                  seen << cell(d, "FieldGrid", 0, 3) << cell(d, "FieldGrid", 1, 3);
                  clickLater(d, "SetButton");
              })
        .then("MakeForm",
              [&](QWidget* d) {
                  // The first row is taken up: its slot fills the boxes.
                  seen << text(d, "EditSDa") << text(d, "EditSHr")
                       << (d->findChild<QRadioButton*>("RadioSpm")->isChecked() ? "pm" : "am");
                  click(d, "DeleteButton");
                  seen << QString::number(d->findChild<QTableWidget*>("MakeGrid")->rowCount())
                       << cell(d, "MakeGrid", 0, 1)
                       << (d->findChild<QPushButton*>("DeleteButton")->isEnabled() ? "on" : "off");
                  type(d, "EditSHr", "0");
                  click(d, "AddButton");
                  seen << text(d, "EditSHr");
                  click(d, "DoneButton");
              })
        .then("FieldForm", [&](QWidget* d) {
            seen << cell(d, "FieldGrid", 0, 3);
            click(d, "AddButton");  // one slot is left, of the deleted field: No
            click(d, "ResetButton");
            click(d, "AddButton");  // nothing left
            click(d, "CancelButton");
        });
    script.start();
    QVERIFY(!MakeSchedule(nullptr, store, fieldForm, makeForm));
    QVERIFY(script.finished());
    QCOMPARE(seen, (QStringList{"1", "", "22", " 6", "pm", "1", "", "off", " 0", ""}));
    QCOMPARE(Messages::shownTexts().mid(1),
             (QStringList{"Delete This Time?", "Enter Correct Date and Time",
                          "Add 1 Games to Schedule?", "Clear All Field Times?",
                          "You must set the times that fields are available before adding games "
                          "to the schedule."}));
    QCOMPARE(store.times.size(), 0);
    QVERIFY(store.changed.times);
    QCOMPARE(store.games.size(), 1);
}

void TestGenerator::doubleBookingsAreReported() {
    QTemporaryDir dir;
    QByteArray times;
    for (const char* day : {"15", "16", "17"}) {
        for (const char* field : {"1", "2", "3"})
            times += QByteArray("199606") + day + "1830" + field + "\r\n";
    }
    writeLeague(dir, "|1|A|\r\n|2|B|\r\n|3|C|\r\n", "|1|N|\r\n|2|S|\r\n|3|E|\r\n", times);
    pny::Store store(dir.path());
    store.loadYears();
    TFieldForm fieldForm;
    TMakeForm makeForm;
    Messages::presetAnswers({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Ok});
    ModalScript script;
    script.then("FieldForm", [](QWidget* d) { click(d, "AddButton"); });
    script.start();
    QVERIFY(MakeSchedule(nullptr, store, fieldForm, makeForm));
    QCOMPARE(store.games.size(), 10);
    // The three teams play at once on three fields on each of three days: 9 bookings.
    const QStringList report = Messages::shownTexts().last().split('\n');
    QCOMPARE(report.size(), 1 + kDoubleBookingsListed + 1);
    QCOMPARE(report[1], QString("1996/06/15 6:30 pm: team 1 A has 2 games"));
    QCOMPARE(report.last(), QString("and 4 more."));

    // Making it again would repeat all nine games: asked, and No adds nothing.
    Messages::clearShown();
    Messages::presetAnswers({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::No});
    ModalScript again;
    again.then("FieldForm", [](QWidget* d) { click(d, "AddButton"); });
    again.start();
    QVERIFY(!MakeSchedule(nullptr, store, fieldForm, makeForm));
    QCOMPARE(store.games.size(), 10);
    QVERIFY2(Messages::shownTexts().last().startsWith(
                 "9 of the 9 games to be added are already in the schedule"),
             qPrintable(Messages::shownTexts().last()));
}

void TestGenerator::helpTopics() {
    TFieldForm fieldForm;
    TMakeForm makeForm;
    fieldForm.show();
    QVERIFY(QTest::qWaitForWindowActive(&fieldForm));
    QTest::keyClick(&fieldForm, Qt::Key_F1);
    QCOMPARE(HelpViewer::lastTopic(), QString("Make_Button"));
    fieldForm.hide();
    makeForm.show();
    QVERIFY(QTest::qWaitForWindowActive(&makeForm));
    QTest::keyClick(&makeForm, Qt::Key_F1);
    QCOMPARE(HelpViewer::lastTopic(), QString("Field_Availability"));
    QVERIFY(HelpViewer::urlOfTopic("Make_Button").endsWith("generate.html#Make_Button"));
    QVERIFY(HelpViewer::urlOfTopic("Field_Availability").endsWith("#Field_Availability"));
    makeForm.hide();
}

void TestGenerator::longFieldNamesShowWhole() {
    QTemporaryDir dir;
    const QByteArray name = "Cooper Meadow North Diamond by the River";  // 40 characters
    QCOMPARE(name.size(), 40);
    writeLeague(dir, "|1|A|\r\n|2|B|\r\n|3|C|\r\n", "|12345|" + name + "|\r\n|2|S|\r\n");
    pny::Store store(dir.path());
    store.loadYears();
    TFieldForm fieldForm;
    TMakeForm makeForm;
    Messages::presetAnswers({QMessageBox::Yes});  // the confirmation before the fields
    bool whole = false;
    ModalScript script;
    script.then("FieldForm", [&](QWidget* d) {
        auto* grid = d->findChild<QTableWidget*>("FieldGrid");
        const QFontMetrics metrics(grid->font());
        // Every column shows its header and its widest cell, and all fit in the grid.
        whole = grid->columnWidth(2) >= metrics.horizontalAdvance(QString::fromLatin1(name)) &&
                grid->columnWidth(1) >= metrics.horizontalAdvance("12345") &&
                grid->horizontalHeader()->length() <= grid->viewport()->width();
        click(d, "CancelButton");
    });
    script.start();
    QVERIFY(!MakeSchedule(nullptr, store, fieldForm, makeForm));
    QVERIFY(script.finished());
    QVERIFY(whole);
}

QTEST_MAIN(TestGenerator)
#include "tst_generator.moc"
