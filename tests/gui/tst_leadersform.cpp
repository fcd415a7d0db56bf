#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/main.h"
#include "print/print.h"
#include "print/reportengine.h"
#include "views/leaders.h"
#include "views/leadersexport.h"
#include "views/leadersform.h"
#include "views/leadersettings.h"

#include "leaguefolder.h"
#include "modalscript.h"
#include "mainwindowfixture.h"
#include "testsupport.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

// Two teams that have played 8 and 10 games, and a deleted one; the first team's players are in
// the test's folder as the main window finds them, the second's are read from their file only.
void writeLeague(const QString& folder) {
    writeLeagueFolder(folder, "|1|Majors|1|",
                      {"|7|Tigers|6|2||1|", "|3|Lions|5|4|1||", "X|9|Gone|9|0|||"},
                      {playerLine("1", "Lee",
                                  {{4, "8"},
                                   {6, "30"},
                                   {7, "8"},
                                   {8, "2"},
                                   {10, "3"},
                                   {12, "3"},
                                   {17, "9"},
                                   {18, "7"},
                                   {20, "2"},
                                   {42, "10"},
                                   {43, "2"},
                                   {44, "1"}}),
                       playerLine("2", "Naive", {{4, "1"}, {6, "1"}, {7, "1"}}),
                       playerLine("3", "Ace",
                                  {{4, "8"},
                                   {23, "5"},
                                   {24, "30"},
                                   {25, "1"},
                                   {30, "20"},
                                   {31, "8"},
                                   {33, "30"},
                                   {36, "9"},
                                   {37, "4"},
                                   {38, "1"},
                                   {39, "1"}}),
                       playerLine("4", "Cut", {{10, "20"}}, "X")});
    writeFile(folder + "/Y1L1T2.Players", "P|\r\n" +
                                              playerLine("5", "Diaz",
                                                         {{4, "10"},
                                                          {6, "40"},
                                                          {7, "10"},
                                                          {9, "1"},
                                                          {10, "3"},
                                                          {12, "5"},
                                                          {17, "12"},
                                                          {18, "9"},
                                                          {42, "20"},
                                                          {43, "1"}}) +
                                              "\r\n" +
                                              playerLine("6", "Mo",
                                                         {{4, "10"},
                                                          {6, "3"},
                                                          {24, "12"},
                                                          {30, "10"},
                                                          {31, "2"},
                                                          {33, "8"},
                                                          {36, "3"},
                                                          {37, "2"},
                                                          {38, "2"}}) +
                                              "\r\n");
    writeFile(folder + "/Y1L1T3.Players",
              "P|\r\n" + playerLine("8", "Ghost", {{10, "50"}}) + "\r\n");
}

QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

// The window's tables as pny leaders prints them (tab-separated): the caption, then per table an
// empty line, its title, its rule when it shows one, the header row and the rows.
QString windowAsText(QWidget* form) {
    QString text = form->windowTitle() + '\n';
    for (const pny::LeaderCategory& category : pny::leaderCategories()) {
        const QString id = QString::fromLatin1(category.id);
        const auto* table = form->findChild<QTableWidget*>("Table" + id);
        const auto* rule = form->findChild<QLabel*>("Rule" + id);
        text += '\n' + form->findChild<QLabel*>("Title" + id)->text() + '\n';
        if (!rule->text().isEmpty())
            text += rule->text() + '\n';
        int columns = table->columnCount();
        while (columns > 1 && table->horizontalHeaderItem(columns - 1)->text().isEmpty())
            --columns;
        QStringList header;
        for (int c = 1; c < columns; ++c)
            header << table->horizontalHeaderItem(c)->text();
        text += header.join('\t') + '\n';
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 1; c < columns; ++c)
                cells << cellText(table, r, c);
            text += cells.join('\t') + '\n';
        }
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

class TestLeadersForm : public QObject, private MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase() { pinLocale(); }
    void init();
    void cleanup();
    void windowCoreAndPnyShowTheSameCells();
    void factorsAreStoredPerLeague();
    void unreadableFactorIsRefused();
    void defaultFactorsFollowTheLeaguesInnings();
    void doubleClickShowsThePlayer();
    void printsEveryTableWithItsRule();
    void exportsTheTables();

private:
    // Opens the window from the menu, runs `steps` in it and closes it unless the steps did.
    void inLeaders(const std::function<void(QWidget*)>& steps);
};

void TestLeadersForm::init() {
    openMainWindow(writeLeague);
}

void TestLeadersForm::cleanup() {
    closeMainWindow();
}

void TestLeadersForm::inLeaders(const std::function<void(QWidget*)>& steps) {
    bool ran = false;
    ModalScript script;
    script.then("LeadersForm", [&](QWidget* dialog) {
        steps(dialog);
        ran = true;
        if (dialog->isVisible())
            dialog->findChild<QPushButton*>("CloseButton")->click();
    });
    script.start();
    form_->findChild<QAction*>("LeadersItem")->trigger();
    QVERIFY(ran);
}

void TestLeadersForm::windowCoreAndPnyShowTheSameCells() {
    const auto* item = form_->findChild<QAction*>("LeadersItem");
    QCOMPARE(item->text(), QString("League &Leaders"));
    QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    QString shown;
    inLeaders([&](QWidget* dialog) {
        shown = windowAsText(dialog);
        // Hand-checked: Lee's 13 hits in 27 at bats lead; 1 for 1 does not qualify.
        const auto* avg = dialog->findChild<QTableWidget*>("TableAVG");
        QCOMPARE(avg->rowCount(), 2);
        QCOMPARE(cellText(avg, 0, 2), QString(" Lee"));
        QCOMPARE(cellText(avg, 0, 4), QString(" .481"));
        QCOMPARE(cellText(avg, 1, 2), QString(" Diaz"));
        QCOMPARE(dialog->findChild<QLabel*>("RuleAVG")->text(),
                 QString("Qualified: 3.1 PA per team game (25 PA after 8 games to 31 PA after 10 "
                         "games)"));
        QVERIFY(dialog->findChild<QLabel*>("RuleHR")->isHidden());
    });
    QCOMPARE(shown.section('\n', 0, 0), QString("2024 Majors - League Leaders"));
    // The deleted player and the deleted team's player lead nothing.
    QVERIFY(!shown.contains("Cut"));
    QVERIFY(!shown.contains("Ghost"));

    // The core on its own store of the same folder gives the same cells...
    pny::Store store(dir_->path());
    store.loadYears();
    store.ensureLeagues();
    pny::LeagueLeaders leaders;
    QString error;
    QVERIFY(pny::buildLeagueLeaders(store, pny::LeaderSettings(), leaders, error));
    QCOMPARE(shown, pny::exportLeadersTsv(leaders));
    // ...and so does pny.
    QCOMPARE(runPny({"leaders", "--folder", dir_->path()}), shown);
}

void TestLeadersForm::factorsAreStoredPerLeague() {
    inLeaders([](QWidget* dialog) {
        QCOMPARE(dialog->findChild<QLineEdit*>("EditBatting")->text(), QString("3.1"));
        QCOMPARE(dialog->findChild<QLineEdit*>("EditPitching")->text(), QString("1.0"));
        QCOMPARE(dialog->findChild<QLineEdit*>("EditFielding")->text(), QString("0.67"));
        QCOMPARE(dialog->findChild<QSpinBox*>("SpinPlaces")->value(), 10);
        dialog->findChild<QLineEdit*>("EditBatting")->setText("0.1");
        dialog->findChild<QLineEdit*>("EditFielding")->setText(".5");
        dialog->findChild<QSpinBox*>("SpinPlaces")->setValue(1);
        dialog->findChild<QPushButton*>("ApplyButton")->click();
        // Now the naive 1 for 1 qualifies and leads alone.
        const auto* avg = dialog->findChild<QTableWidget*>("TableAVG");
        QCOMPARE(avg->rowCount(), 1);
        QCOMPARE(cellText(avg, 0, 2), QString(" Naive"));
        QCOMPARE(cellText(avg, 0, 4), QString("1.000"));
        QCOMPARE(dialog->findChild<QLabel*>("RuleAVG")->text(),
                 QString("Qualified: 0.1 PA per team game (1 PA after 8 games to 1 PA after 10 "
                         "games)"));
        QCOMPARE(dialog->findChild<QLineEdit*>("EditFielding")->text(), QString("0.5"));
    });
    QCOMPARE(readFile(dir_->filePath("Y1L1.Leaders")),
             QByteArray("Leaders|\r\n0.1||0.5|1|\r\n"));  // the pitching factor left as it was
    QVERIFY(Messages::shownTexts().isEmpty());

    // Read back when the window opens again, and by pny.
    inLeaders([](QWidget* dialog) {
        QCOMPARE(dialog->findChild<QLineEdit*>("EditBatting")->text(), QString("0.1"));
        QCOMPARE(dialog->findChild<QSpinBox*>("SpinPlaces")->value(), 1);
    });
    QVERIFY(runPny({"leaders", "--folder", dir_->path()})
                .contains("Batting Average (AVG)\nQualified: 0.1 PA per team game"));
    // The league record is not touched.
    QCOMPARE(readFile(dir_->filePath("Y1.Leagues")), QByteArray("L|\r\n|1|Majors|1|\r\n"));
}

void TestLeadersForm::defaultFactorsFollowTheLeaguesInnings() {
    // The same league with games of seven innings.
    form_.reset();
    writeFile(dir_->filePath("Y1.Leagues"), "L|\r\n|1|Majors|1||7|\r\n");
    form_ = std::make_unique<TMainForm>(dir_->path());
    form_->show();
    const QString path = dir_->filePath("Y1L1.Leaders");
    const auto apply = [](QWidget* dialog) {
        dialog->findChild<QPushButton*>("ApplyButton")->click();
    };
    const auto edit = [](QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(name);
    };
    const auto rule = [](QWidget* dialog) { return dialog->findChild<QLabel*>("RuleAVG")->text(); };
    inLeaders([&](QWidget* dialog) {
        // 3.1 x 7 / 9 and 1.0 x 7 / 9; games keep their factor.
        QCOMPARE(edit(dialog, "EditBatting")->text(), QString("2.41"));
        QCOMPARE(edit(dialog, "EditPitching")->text(), QString("0.78"));
        QCOMPARE(edit(dialog, "EditFielding")->text(), QString("0.67"));
        QCOMPARE(rule(dialog), QString("Qualified: 2.41 PA per team game (20 PA after 8 games to "
                                       "25 PA after 10 games)"));
        QCOMPARE(dialog->findChild<QLabel*>("RuleERA")->text(),
                 QString("Qualified: 0.78 IP per team game (6.1 IP after 8 games to 8.0 IP after "
                         "10 games)"));
        // Nothing changed: nothing is written.
        apply(dialog);
        QVERIFY(!QFileInfo::exists(path));
        // Only the places changed: the factors shown stay the league's defaults.
        dialog->findChild<QSpinBox*>("SpinPlaces")->setValue(5);
        apply(dialog);
        QCOMPARE(readFile(path), QByteArray("Leaders|\r\n||0.67|5|\r\n"));
        QCOMPARE(edit(dialog, "EditBatting")->text(), QString("2.41"));
        // A factor typed is the user's, even the nine-inning one.
        edit(dialog, "EditBatting")->setText("3.1");
        apply(dialog);
        QCOMPARE(readFile(path), QByteArray("Leaders|\r\n3.1||0.67|5|\r\n"));
        QVERIFY(rule(dialog).startsWith("Qualified: 3.1 PA per team game (25 PA after 8 games"));
    });
    // Read back as set, by the window and by pny.
    inLeaders([&](QWidget* dialog) {
        QCOMPARE(edit(dialog, "EditBatting")->text(), QString("3.1"));
        QCOMPARE(edit(dialog, "EditPitching")->text(), QString("0.78"));
        // Emptied, it goes back to the league's default.
        edit(dialog, "EditBatting")->clear();
        apply(dialog);
        QCOMPARE(edit(dialog, "EditBatting")->text(), QString("2.41"));
        QCOMPARE(readFile(path), QByteArray("Leaders|\r\n||0.67|5|\r\n"));
    });
    QVERIFY(runPny({"leaders", "--folder", dir_->path()})
                .contains("Batting Average (AVG)\nQualified: 2.41 PA per team game"));
    QVERIFY(Messages::shownTexts().isEmpty());
}

void TestLeadersForm::unreadableFactorIsRefused() {
    Messages::presetAnswers({QMessageBox::Ok});
    inLeaders([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>("EditPitching")->setText("1,5");
        dialog->findChild<QPushButton*>("ApplyButton")->click();
        QCOMPARE(dialog->findChild<QLineEdit*>("EditPitching")->text(), QString("1,5"));
    });
    QCOMPARE(Messages::shownTexts().size(), 1);
    QVERIFY(Messages::shownTexts().first().startsWith("\"1,5\" is not a factor"));
    QVERIFY(!QFileInfo::exists(dir_->filePath("Y1L1.Leaders")));
}

void TestLeadersForm::doubleClickShowsThePlayer() {
    auto* bottomTab = form_->findChild<QTabBar*>("BottomTab");
    QCOMPARE(bottomTab->currentIndex(), 0);
    inLeaders([](QWidget* dialog) {
        // RBI: Diaz of the Lions (12) leads Lee (9).
        auto* rbi = dialog->findChild<QTableWidget*>("TableRBI");
        QCOMPARE(cellText(rbi, 0, 2), QString(" Diaz"));
        QCOMPARE(cellText(rbi, 0, 3), QString(" Lions"));
        emit rbi->cellDoubleClicked(0, 2);
        QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(bottomTab->currentIndex(), 1);
    QCOMPARE(form_->store().league.currentTeam, std::string("2"));
    QCOMPARE(form_->store().team.currentPlayer, std::string("1"));
    QVERIFY(form_->windowTitle().endsWith(" - Lions"));
    auto* table = form_->findChild<QTableWidget*>("Table");
    QCOMPARE(table->item(table->currentRow(), 2)->text(), QString(" Diaz"));
}

void TestLeadersForm::printsEveryTableWithItsRule() {
    QTemporaryDir out;
    TReportEngine* report = nullptr;
    inLeaders([&](QWidget* dialog) {
        auto* leaders = qobject_cast<TLeadersForm*>(dialog);
        leaders->printForm()->setOutputFileForTesting(out.filePath("leaders.pdf"));
        report = leaders->printForm()->Report();
        Messages::presetAnswers({QMessageBox::Ok});  // where the pages went
        ModalScript print;
        print.then("PrintForm", ModalScript::click("OkButton"));
        print.start();
        dialog->findChild<QPushButton*>("PrintButton")->click();
        QVERIFY(print.finished());
    });
    QVERIFY(report);
    QCOMPARE(report->jobs().size(), 1);
    QVERIFY(readFile(out.filePath("leaders.pdf")).startsWith("%PDF"));
    QStringList texts;
    QStringList players;
    for (const TReportEngine::DrawnPage& page : report->jobs().first().pages) {
        for (const TReportEngine::DrawnLine& line : page.lines) {
            for (const TReportEngine::DrawnText& text : line.texts)
                texts << text.text;
            if (line.cells.size() > 1)
                players << line.cells.at(1).text;
        }
    }
    // Every page opens with the caption; every table has its title, and the rate tables their
    // rule, centred above it.
    QCOMPARE(texts.first(), QString("2024 Majors - League Leaders"));
    for (const pny::LeaderCategory& category : pny::leaderCategories())
        QVERIFY2(texts.contains(QString::fromStdString(pny::leaderTableTitle(category))),
                 category.id);
    QCOMPARE(texts.count("Qualified: 1.0 IP per team game (8.0 IP after 8 games to 10.0 IP after "
                         "10 games)"),
             3);
    QCOMPARE(players.count(" Player"), static_cast<int>(pny::leaderCategories().size()));
    QVERIFY(players.contains(" Lee"));
}

void TestLeadersForm::exportsTheTables() {
    const QString tsv = dir_->filePath("leaders.tsv");
    const QString html = dir_->filePath("leaders.html");
    FileDialogs::presetNames({tsv, html});
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Ok});  // where each file went
    QString shown;
    inLeaders([&](QWidget* dialog) {
        shown = windowAsText(dialog);
        dialog->findChild<QPushButton*>("ExportButton")->click();
        dialog->findChild<QPushButton*>("ExportButton")->click();
    });
    QCOMPARE(QString::fromUtf8(readFile(tsv)), shown);
    const QString page = QString::fromUtf8(readFile(html));
    QCOMPARE(page, runPny({"leaders", "--folder", dir_->path(), "--format", "html"}));
    QVERIFY(page.contains("<h2>Earned Run Average (ERA)</h2>"));
}

QTEST_MAIN(TestLeadersForm)
#include "tst_leadersform.moc"
