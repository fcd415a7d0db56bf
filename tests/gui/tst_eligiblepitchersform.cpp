#include "common/filedialogs.h"
#include "common/messages.h"
#include "gamelog/gamelog.h"
#include "gamelog/logline.h"
#include "main/main.h"
#include "print/print.h"
#include "print/reportengine.h"
#include "views/eligiblepitchersform.h"

#include "leaguefolder.h"
#include "modalscript.h"
#include "mainwindowfixture.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace testsupport;

namespace {

// Otters (Ann, Cy) at home to Hawks (Dee): Cy threw 50 on 2026-05-08, Dee 15 on 2026-05-09 and
// Ann pitched an inning on 2026-05-09 without a count.
void writeSeason(const QString& folder) {
    writeLeagueFolder(folder, "|1|City|1|1|9|", {"|1|Otters|||||", "|2|Hawks|||||"},
                      {playerLine("7", "Ann Lee"), playerLine("21", "Cy Young")});
    writeFile(folder + "/Y1L1T2.Players", "P|\r\n" + playerLine("1", "Dee Ray") + "\r\n");
    writeFile(folder + "/Y1L1.Games", "G|\r\n|20990512|1830||1|2|||||||\r\n");
    pny::GameLog log;
    const auto night = [&log](const char* date, int team, int player, long long st, long long bt) {
        pny::LogLine line;
        line.entry = log.nextEntry();
        line.date = date;
        line.team = 1;
        line.opponent = 2;
        log.append(line);
        line.team = team;
        line.opponent = team == 1 ? 2 : 1;
        line.player = player;
        line.values[pny::StatIP] = 1;
        line.values[pny::StatST] = st;
        line.values[pny::StatBT] = bt;
        log.append(line);
    };
    night("20260508", 1, 2, 30, 20);
    night("20260509", 2, 1, 10, 5);
    night("20260509", 1, 1, 0, 0);
    QByteArray text;
    for (const std::string& line : log.fileLines())
        text += QByteArray::fromStdString(line) + "\r\n";
    writeFile(folder + "/Y1L1.Log", text);
}

// The window's table as pny prints it: the header row and every row, tab-separated, the
// hidden key column left out.
QString tableAsText(const QTableWidget* table) {
    QString text;
    QStringList header;
    for (int c = 1; c < table->columnCount(); ++c)
        header << table->horizontalHeaderItem(c)->text();
    text += header.join('\t') + '\n';
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 1; c < table->columnCount(); ++c)
            cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        text += cells.join('\t') + '\n';
    }
    return text;
}

QString runPny(const QStringList& arguments) {
    QProcess pny;
    pny.start(QStringLiteral(PNY_CLI), arguments);
    if (!pny.waitForFinished(30000) || pny.exitCode() != 0)
        return QStringLiteral("pny failed: ") + QString::fromUtf8(pny.readAllStandardError());
    return QString::fromUtf8(pny.readAllStandardOutput());
}

}  // namespace

class TestEligiblePitchersForm : public QObject, private MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase() { pinLocale(); }
    void init();
    void cleanup();
    void windowAndPnyShowTheSameCells_data();
    void windowAndPnyShowTheSameCells();
    void rulesAreEditedInTheDialog();
    void anEmptyTableSaysWhy();
    void exportsTheTable();
    void printsTheTable();

private:
    void inPitchers(const std::function<void(QWidget*)>& steps, ModalScript& script);
};

void TestEligiblePitchersForm::init() {
    openMainWindow(writeSeason);
}

void TestEligiblePitchersForm::cleanup() {
    closeMainWindow();
}

void TestEligiblePitchersForm::inPitchers(const std::function<void(QWidget*)>& steps,
                                          ModalScript& script) {
    bool ran = false;
    ModalScript first;
    first.then("EligiblePitchersForm", [&](QWidget* dialog) {
        script.start();
        steps(dialog);
        ran = true;
        if (dialog->isVisible())
            dialog->findChild<QPushButton*>("CloseButton")->click();
    });
    first.start();
    form_->findChild<QAction*>("PitchersItem")->trigger();
    QVERIFY(ran);
}

void TestEligiblePitchersForm::windowAndPnyShowTheSameCells_data() {
    QTest::addColumn<QByteArray>("settings");  // the league's settings file; empty: none
    QTest::addColumn<int>("team");             // the team box's index: 0 all, 1 Otters
    QTest::addColumn<QString>("firstRow");
    QTest::newRow("no rules") << QByteArray() << 0 << " Otters\t Ann Lee\t 2026-05-09\t unknown";
    QTest::newRow("rules") << QByteArray(
                                  "Leaders|\r\n3.1|1.0|0.67|10|\r\nPitches|85|21:1|36:2|"
                                  "51:3|66:4|\r\n")
                           << 0
                           << " Otters\t Ann Lee\t 2026-05-09\t unknown\t unknown\t unknown\t "
                              "Unknown";
    QTest::newRow("rules, one team")
        << QByteArray("Leaders|\r\n3.1|1.0|0.67|10|\r\nPitches||36:2|\r\n") << 1
        << " Otters\t Ann Lee\t 2026-05-09\t unknown\t unknown\t unknown\t Unknown";
}

void TestEligiblePitchersForm::windowAndPnyShowTheSameCells() {
    QFETCH(QByteArray, settings);
    QFETCH(int, team);
    QFETCH(QString, firstRow);
    if (!settings.isEmpty())
        writeFile(dir_->filePath("Y1L1.Leaders"), settings);
    QString shown;
    QString caption;
    QDate opened;
    ModalScript none;
    inPitchers(
        [&](QWidget* dialog) {
            opened = dialog->findChild<QDateEdit*>("DateEdit")->date();
            dialog->findChild<QComboBox*>("TeamBox")->setCurrentIndex(team);
            dialog->findChild<QDateEdit*>("DateEdit")->setDate(QDate(2026, 5, 10));
            shown = tableAsText(dialog->findChild<QTableWidget*>("Table"));
            caption = dialog->windowTitle();
        },
        none);
    // The next date of the schedule with a game.
    QCOMPARE(opened, QDate(2099, 5, 12));
    QCOMPARE(shown.section('\n', 1, 1), firstRow);
    QCOMPARE(caption, settings.isEmpty() ? QString("Pitchers - 2026-05-10 (the league has no pitch "
                                                   "rules)")
                                         : QString("Eligible Pitchers - 2026-05-10"));
    QStringList arguments{"pitchers", "--folder", dir_->path(), "--date", "2026-05-10"};
    if (team > 0)
        arguments << "--team" << QString::number(team);
    QCOMPARE(runPny(arguments), shown);
}

// A date with nobody who pitched in the 14 days before it shows an empty table and says why.
void TestEligiblePitchersForm::anEmptyTableSaysWhy() {
    int rowsThen = -1;
    int rowsLater = -1;
    bool shownThen = true;
    bool shownLater = false;
    QString why;
    ModalScript none;
    inPitchers(
        [&](QWidget* dialog) {
            auto* date = dialog->findChild<QDateEdit*>("DateEdit");
            auto* table = dialog->findChild<QTableWidget*>("Table");
            auto* empty = dialog->findChild<QLabel*>("EmptyLabel");
            date->setDate(QDate(2026, 5, 10));
            rowsThen = table->rowCount();
            shownThen = empty->isVisibleTo(dialog);
            date->setDate(QDate(2026, 6, 10));
            rowsLater = table->rowCount();
            shownLater = empty->isVisibleTo(dialog);
            why = empty->text();
        },
        none);
    QVERIFY(rowsThen > 1);
    QVERIFY(!shownThen);
    QVERIFY(rowsLater <= 1);
    QVERIFY(shownLater);
    QCOMPARE(why, QString("Nobody pitched in the 14 days before 2026-06-10."));
}

void TestEligiblePitchersForm::rulesAreEditedInTheDialog() {
    const QString path = dir_->filePath("Y1L1.Leaders");
    writeFile(path, "Leaders|\r\n2.5|0.8|0.05|5|\r\n");
    QString refusal;
    QString withRules;
    QString rulesText;
    ModalScript script;
    script
        .then("PitchRulesForm",
              [](QWidget* rules) {
                  QVERIFY(!rules->findChild<QCheckBox*>("CheckRules")->isChecked());
                  rules->findChild<QCheckBox*>("CheckRules")->setChecked(true);
                  rules->findChild<QLineEdit*>("EditMax")->setText("85");
                  rules->findChild<QLineEdit*>("EditRest")->setText("36:2,21:1");
                  // The refusal is a modal box of its own: clicked once this step is done.
                  QTimer::singleShot(0, rules->findChild<QPushButton*>("OkButton"),
                                     &QPushButton::click);
              })
        .then("MessageBox",
              [&](QWidget* box) {
                  refusal = static_cast<QMessageBox*>(box)->text();
                  static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
              })
        .then("PitchRulesForm", [](QWidget* rules) {
            rules->findChild<QLineEdit*>("EditRest")->setText("21:1, 36:2, 51:3, 66:4");
            QCOMPARE(rules->findChild<QLabel*>("RestDescription")->text(),
                     QString("1-20: 0, 21-35: 1, 36-50: 2, 51-65: 3, 66 and more: 4"));
            rules->findChild<QPushButton*>("OkButton")->click();
        });
    inPitchers(
        [&](QWidget* dialog) {
            dialog->findChild<QDateEdit*>("DateEdit")->setDate(QDate(2026, 5, 10));
            QVERIFY(dialog->findChild<QTableWidget*>("Table")->columnCount() == 5);
            dialog->findChild<QPushButton*>("RulesButton")->click();
            withRules = tableAsText(dialog->findChild<QTableWidget*>("Table"));
            rulesText = dialog->findChild<QLabel*>("RulesLabel")->text();
        },
        script);
    QVERIFY(script.finished());
    QCOMPARE(refusal, QString("The days of rest cannot be read: the pitches must rise from step to "
                              "step (21 after 36)."));
    // Saved after the leader settings, which are kept as they were.
    QCOMPARE(readFile(path),
             QByteArray("Leaders|\r\n2.5|0.8|0.05|5|\r\nPitches|85|21:1|36:2|51:3|66:4|\r\n"));
    QCOMPARE(rulesText, QString("Daily maximum: 85. Days of rest: 1-20: 0, 21-35: 1, 36-50: 2, "
                                "51-65: 3, 66 and more: 4."));
    QVERIFY2(withRules.contains(" Cy Young\t 2026-05-08\t 50\t 2\t 2026-05-11\t No\n"),
             qPrintable(withRules));
    QCOMPARE(runPny({"pitchers", "--folder", dir_->path(), "--date", "2026-05-10"}), withRules);

    // Unticking takes the rules away again and leaves the leader settings alone.
    ModalScript untick;
    untick.then("PitchRulesForm", [](QWidget* rules) {
        QCOMPARE(rules->findChild<QLineEdit*>("EditMax")->text(), QString("85"));
        rules->findChild<QCheckBox*>("CheckRules")->setChecked(false);
        rules->findChild<QPushButton*>("OkButton")->click();
    });
    inPitchers([](QWidget* dialog) { dialog->findChild<QPushButton*>("RulesButton")->click(); },
               untick);
    QCOMPARE(readFile(path), QByteArray("Leaders|\r\n2.5|0.8|0.05|5|\r\n"));
}

void TestEligiblePitchersForm::exportsTheTable() {
    const QString tsv = dir_->filePath("pitchers.tsv");
    FileDialogs::presetNames({tsv});
    Messages::presetAnswers({QMessageBox::Ok});  // where the file went
    QString shown;
    ModalScript none;
    inPitchers(
        [&](QWidget* dialog) {
            dialog->findChild<QDateEdit*>("DateEdit")->setDate(QDate(2026, 5, 10));
            shown = tableAsText(dialog->findChild<QTableWidget*>("Table"));
            dialog->findChild<QPushButton*>("ExportButton")->click();
        },
        none);
    QCOMPARE(QString::fromUtf8(readFile(tsv)), shown);
}

void TestEligiblePitchersForm::printsTheTable() {
    QTemporaryDir out;
    TReportEngine* report = nullptr;
    QString caption;
    ModalScript none;
    inPitchers(
        [&](QWidget* dialog) {
            dialog->findChild<QDateEdit*>("DateEdit")->setDate(QDate(2026, 5, 10));
            caption = dialog->windowTitle();
            auto* form = qobject_cast<TEligiblePitchersForm*>(dialog);
            form->printForm()->setOutputFileForTesting(out.filePath("pitchers.pdf"));
            report = form->printForm()->Report();
            Messages::presetAnswers({QMessageBox::Ok});  // where the pages went
            ModalScript print;
            print.then("PrintForm", ModalScript::click("OkButton"));
            print.start();
            dialog->findChild<QPushButton*>("PrintButton")->click();
            QVERIFY(print.finished());
        },
        none);
    QVERIFY(report);
    QCOMPARE(report->jobs().size(), 1);
    QVERIFY(readFile(out.filePath("pitchers.pdf")).startsWith("%PDF"));
    QStringList texts;
    QStringList pitchers;
    for (const TReportEngine::DrawnPage& page : report->jobs().first().pages) {
        for (const TReportEngine::DrawnLine& line : page.lines) {
            for (const TReportEngine::DrawnText& text : line.texts)
                texts << text.text;
            for (const auto& cell : line.cells)
                pitchers << cell.text.trimmed();
        }
    }
    QCOMPARE(texts.first(), caption);
    QVERIFY(pitchers.contains("Cy Young"));
    QVERIFY(pitchers.contains("Dee Ray"));
}

QTEST_MAIN(TestEligiblePitchersForm)
#include "tst_eligiblepitchersform.moc"
