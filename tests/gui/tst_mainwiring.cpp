#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/main.h"
#include "print/print.h"

#include "leaguefolder.h"
#include "modalscript.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace testsupport;

// Every command of the button row and the menu reaches its dialog and changes the records.
class TestMainWiring : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinLocale(); }
    void init();
    void cleanup();
    void scheduleShowsAndUpdatesAGame();
    void makeAsksBeforeGenerating();
    void notesOfTheCurrentTeam();
    void setupHidesAColumn();
    void printWritesThePages();
    void importAddsASeason();

private:
    void showTab(int tab) { form_->findChild<QTabBar*>("BottomTab")->setCurrentIndex(tab); }
    void click(const char* button) { form_->findChild<QToolButton*>(button)->click(); }
    QString cell(int row, const QString& header) const;
    QStringList headers() const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TMainForm> form_;
    QTableWidget* table_ = nullptr;
};

void TestMainWiring::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    writeLeagueFolder(dir_->path(), "|1|Majors|1|1|", {"|7|Tigers|6|2||1|", "|3|Lions|3|1|||"},
                      {playerLine("23", "Lee", {{6, "4"}, {7, "3"}})});
    writeFile(dir_->filePath("Y1L1.Games"), "G|\r\n|20260611|1830|1|1|2|1||||||\r\n");
    writeFile(dir_->filePath("Y1L1.Fields"), "F|\r\n|3|North Park|\r\n");
    writeFile(dir_->filePath("Y1L1.Umpires"), "U|\r\n|1|Pat Ump|\r\n");
    Messages::clearShown();
    form_ = std::make_unique<TMainForm>(dir_->path());
    form_->show();
    table_ = form_->findChild<QTableWidget*>("Table");
}

void TestMainWiring::cleanup() {
    Messages::presetAnswers({});
    FileDialogs::presetNames({});
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    if (form_)
        form_->close();
    form_.reset();
    dir_.reset();
}

QStringList TestMainWiring::headers() const {
    QStringList texts;
    for (int c = 1; c < table_->columnCount(); ++c)
        texts << table_->horizontalHeaderItem(c)->text();
    return texts;
}

QString TestMainWiring::cell(int row, const QString& header) const {
    for (int c = 0; c < table_->columnCount(); ++c) {
        if (table_->horizontalHeaderItem(c)->text() == header)
            return table_->item(row, c)->text();
    }
    return QStringLiteral("<no column %1>").arg(header);
}

void TestMainWiring::scheduleShowsAndUpdatesAGame() {
    showTab(7);
    QCOMPARE(headers(),
             (QStringList{" Fld#", " Field Name", " Day", " Date", " Time", " Home", " Away"}));
    QCOMPARE(cell(0, " Field Name"), QString(" North Park"));
    QCOMPARE(cell(0, " Day"), QString(" Thu"));
    QCOMPARE(cell(0, " Date"), QString(" 6-11"));
    QCOMPARE(cell(0, " Time"), QString(" 6:30 p"));
    QCOMPARE(cell(0, " Home"), QString(" 7"));
    QCOMPARE(cell(0, " Away"), QString(" 3"));

    ModalScript script;
    script.then("GameForm", [](QWidget* dialog) {
        QCOMPARE(dialog->findChild<QLineEdit*>("EditHr")->text(), QString("06"));
        dialog->findChild<QLineEdit*>("EditHr")->setText("7");
        dialog->findChild<QLineEdit*>("EditMn")->setText("15");
        dialog->findChild<QLineEdit*>("EditHTS")->setText("5");
        dialog->findChild<QAbstractButton*>("OkButton")->click();
    });
    script.start();
    click("UpdateButton");
    QVERIFY(script.finished());
    QCOMPARE(form_->store().games.line(1), std::string("|20260611|1915|1|1|2|1||||5|0|"));
    QCOMPARE(cell(0, " Time"), QString(" 7:15 p"));
    // Scores never change the standings.
    QCOMPARE(form_->store().teams.line(1), std::string("|7|Tigers|6|2||1|"));
}

void TestMainWiring::makeAsksBeforeGenerating() {
    showTab(7);
    Messages::presetAnswers({QMessageBox::No});
    ModalScript script;
    script.then("GameForm", [](QWidget* dialog) {
        auto* make = dialog->findChild<QAbstractButton*>("MakeButton");
        QVERIFY(make->isEnabled());
        make->click();
        // Answered No: nothing is generated and the dialog stays open.
        QVERIFY(dialog->isVisible());
        dialog->findChild<QAbstractButton*>("CancelButton")->click();
    });
    script.start();
    click("UpdateButton");
    QVERIFY(script.finished());
    QCOMPARE(Messages::shownTexts().size(), 1);
    QCOMPARE(form_->store().games.size(), 2);
}

void TestMainWiring::notesOfTheCurrentTeam() {
    ModalScript script;
    script.then("NoteForm", [this](QWidget* editor) {
        QCOMPARE(editor->windowTitle(), dir_->filePath("Y1L1T1.Notes"));
        editor->findChild<QAbstractButton*>("SaveButton")->click();
        editor->findChild<QAbstractButton*>("CloseButton")->click();
    });
    script.start();
    click("NoteButton");
    QVERIFY(script.finished());
    QCOMPARE(readFile(dir_->filePath("Y1L1T1.Notes")),
             QByteArray("2024 Majors\r\nTEAM: Tigers\r\n"));
}

void TestMainWiring::setupHidesAColumn() {
    QVERIFY(headers().contains(" Team Name"));
    ModalScript script;
    script.then("SetupForm", [](QWidget* dialog) {
        dialog->findChild<QCheckBox*>("CheckBox3")->setChecked(false);
        dialog->findChild<QAbstractButton*>("OkButton")->click();
    });
    script.start();
    click("SetupButton");
    QVERIFY(script.finished());
    QVERIFY(!headers().contains(" Team Name"));
    QCOMPARE(headers().last(), QString(" GB"));
    QCOMPARE(form_->store().league.teamMask, std::string("** *****"));
}

void TestMainWiring::printWritesThePages() {
    const QString pdf = dir_->filePath("standings.pdf");
    form_->printForm().setOutputFileForTesting(pdf);
    ModalScript script;
    script.then("PrintForm", ModalScript::click("OkButton"));
    script.start();
    Messages::presetAnswers({QMessageBox::Ok});
    click("PrintButton");
    QVERIFY(script.finished());
    QVERIFY(QFileInfo(pdf).size() > 0);
    QVERIFY(readFile(pdf).startsWith("%PDF"));
    // The program says where the pages went.
    QCOMPARE(Messages::shownTexts().size(), 1);
    QVERIFY(Messages::shownTexts().first().contains(QDir::toNativeSeparators(pdf)));
}

void TestMainWiring::importAddsASeason() {
    const QString legacy = dir_->filePath("old.PZS");
    writeFile(
        legacy,
        "[Init]\r\nLast=1\r\n[Y1]\r\nName=1996\r\nLast=1\r\n[Y1L1]\r\nName=Majors\r\nLast=1\r\n"
        "[Y1L1T1]\r\nName=Tigers\r\nLast=1\r\n[Y1L1T1P1]\r\nName=Smith\r\nAB=10\r\n");
    FileDialogs::presetNames({legacy});
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Ok});
    form_->findChild<QAction*>("ImportItem")->trigger();
    QCOMPARE(form_->store().years.size(), 3);
    QCOMPARE(form_->store().header.currentYear, std::string("2"));
    QVERIFY(form_->windowTitle().endsWith("Majors"));
    QVERIFY(form_->close());
    form_.reset();
    QVERIFY(readFile(dir_->filePath("Baseball.Years")).contains("\r\n|2024|Season|1|\r\n"));
}

QTEST_MAIN(TestMainWiring)
#include "tst_mainwiring.moc"
