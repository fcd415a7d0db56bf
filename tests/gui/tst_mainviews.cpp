#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/main.h"

#include "leaguefolder.h"
#include "modalscript.h"
#include "testsupport.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace testsupport;

// The main window shows the views, and the records follow the rows the user selects.
class TestMainViews : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinLocale(); }
    void init();
    void cleanup();
    void standingsAreShown();
    void selectingATeamRowMakesItCurrent();
    void selectingAPlayerRowWritesTheTeam();
    void keyboardOnlyBoxScoreUpdatesTheTable();
    void exportWritesTheTableAsShown();
    void exportOffersANameAndAddsTheExtension_data();
    void exportOffersANameAndAddsTheExtension();

private:
    QStringList rowTexts(int row) const;
    QString cell(int row, const QString& header) const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TMainForm> form_;
    QTableWidget* table_ = nullptr;
};

void TestMainViews::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    writeLeagueFolder(dir_->path(), "|1|Majors|1|",
                      {"|7|Tigers|6|2|||", "|3|Lions|3|1|||", "|9|Bears|1|3|||"},
                      {playerLine("23", "Lee", {{6, "4"}, {7, "3"}}),
                       playerLine("5", "Kim", {{6, "3"}, {10, "1"}})});
    form_ = std::make_unique<TMainForm>(dir_->path());
    form_->show();
    table_ = form_->findChild<QTableWidget*>("Table");
}

void TestMainViews::cleanup() {
    Messages::presetAnswers({});
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    if (form_)
        form_->close();
    form_.reset();
    dir_.reset();
}

QStringList TestMainViews::rowTexts(int row) const {
    QStringList texts;
    for (int c = 1; c < table_->columnCount(); ++c)
        texts << table_->item(row, c)->text();
    return texts;
}

QString TestMainViews::cell(int row, const QString& header) const {
    for (int c = 0; c < table_->columnCount(); ++c) {
        if (table_->horizontalHeaderItem(c)->text() == header)
            return table_->item(row, c)->text();
    }
    return QStringLiteral("<no column %1>").arg(header);
}

void TestMainViews::standingsAreShown() {
    QCOMPARE(form_->windowTitle(), QString("2024 Majors"));
    QCOMPARE(table_->rowCount(), 3);
    QCOMPARE(table_->columnWidth(0), 0);
    QCOMPARE(rowTexts(0), (QStringList{" 1", " 7", " Tigers", " 6", " 2", " ", " .750", " "}));
    QCOMPARE(rowTexts(1), (QStringList{" 2", " 3", " Lions", " 3", " 1", " ", " .750", " 1"}));
    QCOMPARE(rowTexts(2), (QStringList{" 3", " 9", " Bears", " 1", " 3", " ", " .250", " 3"}));
    QCOMPARE(table_->currentRow(), 0);
    QVERIFY(form_->findChild<QToolButton*>("UpdateButton")->isEnabled());
}

void TestMainViews::selectingATeamRowMakesItCurrent() {
    table_->setCurrentCell(1, 3);
    QCOMPARE(form_->store().league.currentTeam, std::string("2"));
    QCOMPARE(form_->store().team.name, std::string("Lions"));
    form_->findChild<QAction*>("SaveItem")->trigger();
    QVERIFY(readFile(dir_->filePath("Y1.Leagues")).contains("|1|Majors|2|"));
    // The player views now show the Lions, who have no players: one blank row.
    form_->findChild<QTabBar*>("BottomTab")->setCurrentIndex(1);
    QCOMPARE(form_->windowTitle(), QString("2024 Majors - Lions"));
    QCOMPARE(table_->rowCount(), 1);
    QVERIFY(!form_->findChild<QToolButton*>("NoteButton")->isEnabled());
}

void TestMainViews::selectingAPlayerRowWritesTheTeam() {
    form_->findChild<QTabBar*>("BottomTab")->setCurrentIndex(1);
    // Sorted by number, right-justified: 5 before 23; then the totals row. With no current
    // player stored, the first row's player becomes current.
    QCOMPARE(table_->rowCount(), 3);
    QCOMPARE(cell(0, " Player Name"), QString(" Kim"));
    QCOMPARE(cell(1, " Player Name"), QString(" Lee"));
    QCOMPARE(cell(2, " Player Name"), QString(" Totals"));
    QCOMPARE(form_->store().player.name, std::string("Kim"));
    table_->setCurrentCell(1, 3);
    QCOMPARE(form_->store().player.name, std::string("Lee"));
    QCOMPARE(form_->store().teams.line(1), std::string("|7|Tigers|6|2||1|"));
    // The totals row makes the last listed player current.
    table_->setCurrentCell(0, 3);
    table_->setCurrentCell(2, 3);
    QCOMPARE(form_->store().player.name, std::string("Lee"));
}

void TestMainViews::keyboardOnlyBoxScoreUpdatesTheTable() {
    form_->findChild<QTabBar*>("BottomTab")->setCurrentIndex(1);
    table_->setCurrentCell(1, 3);  // Lee
    QCOMPARE(cell(1, " Avg"), QString(" .750"));
    ModalScript script;
    script.then("PlayerForm", [](QWidget* dialog) {
        dialog->findChild<QLineEdit*>("AddPA")->setText("4");
        dialog->findChild<QLineEdit*>("Add1B")->setText("1");
        QTest::keyClick(dialog->findChild<QLineEdit*>("Add1B"), Qt::Key_Return);
    });
    script.start();
    form_->activateWindow();
    QTRY_VERIFY(form_->isActiveWindow());
    QTest::keyClick(table_, Qt::Key_Return);
    QVERIFY(script.finished());
    QCOMPARE(form_->store().players.line(1).substr(0, 18), std::string("|23|Lee|||8|4|||||"));
    // 4 hits in 8 at bats, and the totals row: 5 hits in 11.
    QCOMPARE(cell(1, " Avg"), QString(" .500"));
    QCOMPARE(cell(1, " AB"), QString(" 8"));
    QCOMPARE(cell(2, " H"), QString(" 5"));
    QCOMPARE(cell(2, " AB"), QString(" 11"));
    QVERIFY(form_->close());
    form_.reset();
    QVERIFY(readFile(dir_->filePath("Y1L1T1.Players")).contains("|23|Lee|||8|4|"));
}

void TestMainViews::exportWritesTheTableAsShown() {
    const QString csv = dir_->filePath("standings.csv");
    const QString tsv = dir_->filePath("standings.tsv");
    FileDialogs::presetNames({csv, tsv});
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Ok});
    form_->findChild<QAction*>("ExportItem")->trigger();
    form_->findChild<QAction*>("ExportItem")->trigger();
    // Each export says where the file went.
    QCOMPARE(Messages::shownTexts(),
             (QStringList{"The table was saved in:\n" + QDir::toNativeSeparators(csv),
                          "The table was saved in:\n" + QDir::toNativeSeparators(tsv)}));
    const QByteArray csvText = readFile(csv);
    QVERIFY2(csvText.startsWith(
                 "Place,Team#,Team Name,Won,Lost,Tied,Pct.,GB\r\n1,7,Tigers,6,2,,.750,\r\n"),
             csvText.constData());
    QVERIFY(
        readFile(tsv).startsWith(" Place\t Team#\t Team Name\t Won\t Lost\t Tied\t Pct.\t GB\n"));
    // Exporting writes no data file.
    QVERIFY(!QFile::exists(dir_->filePath("Y1L1.Games")));
}

void TestMainViews::exportOffersANameAndAddsTheExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "wolves_hitting"
                                  << "wolves_hitting.csv";
    QTest::newRow("a dot in the name") << "St. Louis"
                                       << "St. Louis.csv";
    QTest::newRow("csv") << "table.csv"
                         << "table.csv";
    QTest::newRow("html by its extension") << "table.htm"
                                           << "table.htm";
}

void TestMainViews::exportOffersANameAndAddsTheExtension() {
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTemporaryDir elsewhere;
    Messages::clearShown();
    FileDialogs::presetNames({elsewhere.filePath(typed)});
    Messages::presetAnswers({QMessageBox::Ok});
    form_->findChild<QAction*>("ExportItem")->trigger();
    // "season league tab", never in the data folder.
    const QFileInfo offered(FileDialogs::lastStart());
    QCOMPARE(offered.fileName(), QString("2024 Majors Teams.csv"));
    QVERIFY(QDir(offered.absolutePath()) != QDir(dir_->path()));
    const QString path = elsewhere.filePath(written);
    QVERIFY2(readFile(path).contains("Tigers"), qPrintable(path));
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(Messages::shownTexts(),
             QStringList{"The table was saved in:\n" + QDir::toNativeSeparators(path)});
    if (written.endsWith(".htm"))
        QVERIFY(readFile(path).contains("<table"));

    // The next export starts in the folder of this one, on the tab shown.
    form_->findChild<QTabBar*>("BottomTab")->setCurrentIndex(7);
    FileDialogs::presetNames({QString()});
    form_->findChild<QAction*>("ExportItem")->trigger();
    QCOMPARE(FileDialogs::lastStart(), elsewhere.filePath("2024 Majors Schedule.csv"));
}

QTEST_MAIN(TestMainViews)
#include "tst_mainviews.moc"
