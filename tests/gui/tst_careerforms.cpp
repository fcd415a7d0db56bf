#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/main.h"
#include "people/career.h"
#include "people/careerform.h"
#include "people/historyform.h"
#include "people/leaguehistory.h"
#include "people/peoplelinks.h"
#include "print/print.h"
#include "print/reportengine.h"
#include "store/store.h"
#include "views/tableexport.h"

#include "modalscript.h"
#include "seasonsfolder.h"
#include "mainwindowfixture.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace testsupport;

namespace {

QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

// The column of a table whose header reads `header`.
int columnOf(const QTableWidget* table, const QString& header) {
    for (int c = 0; c < table->columnCount(); ++c) {
        if (table->horizontalHeaderItem(c) && table->horizontalHeaderItem(c)->text() == header)
            return c;
    }
    return -1;
}

// The rows of the table whose text in `column` contains `text`.
QList<int> rowsWith(const QTableWidget* table, int column, const QString& text) {
    QList<int> rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        if (cellText(table, r, column).contains(text))
            rows << r;
    }
    return rows;
}

QString runPny(const QStringList& arguments) {
    QProcess pny;
    pny.start(QStringLiteral(PNY_CLI), arguments);
    if (!pny.waitForFinished(30000) || pny.exitCode() != 0)
        return QStringLiteral("pny failed: ") + QString::fromUtf8(pny.readAllStandardError());
    return QString::fromUtf8(pny.readAllStandardOutput());
}

// The record files of the folder. The years file is left out: the window keeps its size there.
std::map<QString, QByteArray> recordFilesOf(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        if (name.startsWith(QLatin1Char('Y')))
            files[name] = readFile(folder + '/' + name);
    }
    return files;
}

}  // namespace

class TestCareerForms : public QObject, private MainWindowFixture {
    Q_OBJECT
private slots:
    void initTestCase() { pinLocale(); }
    void init();
    void cleanup();
    void linkAllProposalsThenShowTheCareer();
    void rejectAndLinkByHand();
    void undoALink();
    void cancelKeepsTheFile();
    void careerPrintsLikeATab();
    void historyWithAndWithoutTheQualifier();
    void linkALeagueOfAnotherName();
    void exportsLikePny();

private:
    // Opens `dialog` through the menu item `item`, runs `steps` in it and closes it with
    // `closeButton` unless the steps did.
    void inDialog(const char* item, const QString& dialog, const QString& closeButton,
                  const std::function<void(QWidget*)>& steps);
};

void TestCareerForms::init() {
    openMainWindow(writeThreeSeasons);
}

void TestCareerForms::cleanup() {
    closeMainWindow();
}

void TestCareerForms::inDialog(const char* item, const QString& dialog, const QString& closeButton,
                               const std::function<void(QWidget*)>& steps) {
    bool ran = false;
    ModalScript script;
    script.then(dialog, [&](QWidget* shown) {
        steps(shown);
        ran = true;
        if (shown->isVisible())
            shown->findChild<QPushButton*>(closeButton)->click();
    });
    script.start();
    form_->findChild<QAction*>(item)->trigger();
    QVERIFY(ran);
}

void TestCareerForms::linkAllProposalsThenShowTheCareer() {
    const std::map<QString, QByteArray> before = recordFilesOf(dir_->path());
    inDialog("LinkPlayersItem", "LinkPlayersForm", "OkButton", [](QWidget* dialog) {
        auto* proposals = dialog->findChild<QTableWidget*>("ProposalTable");
        QCOMPARE(proposals->rowCount(), 6);
        QCOMPARE(rowsWith(proposals, 2, "same number and team").size(), 1);
        dialog->findChild<QPushButton*>("LinkAllButton")->click();
        QCOMPARE(proposals->rowCount(), 0);
        // Ann Lee's three records are one person in the list of all players.
        auto* players = dialog->findChild<QTableWidget*>("PlayerTable");
        dialog->findChild<QLineEdit*>("EditFilter")->setText("ann");
        QCOMPARE(players->rowCount(), 3);
        QVERIFY(!cellText(players, 0, 5).isEmpty());
        QCOMPARE(cellText(players, 1, 5), cellText(players, 0, 5));
        QCOMPARE(cellText(players, 2, 5), cellText(players, 0, 5));
    });
    const QByteArray people = readFile(dir_->filePath("Pennantry.People"));
    QVERIFY(people.startsWith("People|\r\nP|1|Y1L1T1P1|\r\n"));
    QVERIFY(people.contains("|Y3L1T2P1|\r\n"));
    // The older files keep their bytes.
    QVERIFY(recordFilesOf(dir_->path()) == before);

    // The current player is Ann Lee of the 2024 Tigers; the main window shows the Players tab.
    QString shown;
    inDialog("CareerItem", "CareerForm", "CloseButton", [&](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QString("Career - Ann Lee"));
        const auto* table = dialog->findChild<QTableWidget*>("Table");
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(cellText(table, 0, columnOf(table, " Year")), QString(" 2022"));
        QCOMPARE(cellText(table, 3, columnOf(table, " Avg")), QString(" .246"));
        QCOMPARE(cellText(table, 3, columnOf(table, " Player Name")), QString(" Career"));
        shown = pny::exportTsv(qobject_cast<TCareerForm*>(dialog)->grid());
    });
    QCOMPARE(runPny({"career", "--folder", dir_->path()}), shown);
    QCOMPARE(runPny({"career", "--folder", dir_->path(), "--team", "2", "--player", "ANN LEE"}),
             shown);
}

void TestCareerForms::rejectAndLinkByHand() {
    inDialog("LinkPlayersItem", "LinkPlayersForm", "OkButton", [](QWidget* dialog) {
        auto* proposals = dialog->findChild<QTableWidget*>("ProposalTable");
        const QList<int> chris = rowsWith(proposals, 0, "Chris Dees");
        QCOMPARE(chris.size(), 1);
        QVERIFY(cellText(proposals, chris.first(), 1).startsWith("2023"));
        proposals->selectRow(chris.first());
        dialog->findChild<QPushButton*>("RejectButton")->click();
        // Not the 2023 Chris Dee; maybe the 2022 one, whom nobody has linked to 2023 yet.
        QCOMPARE(proposals->rowCount(), 6);
        const QList<int> again = rowsWith(proposals, 0, "Chris Dees");
        QCOMPARE(again.size(), 1);
        QVERIFY(cellText(proposals, again.first(), 1).startsWith("2022"));
        // Zed and Bo of the 2024 Eagles, linked by hand.
        auto* players = dialog->findChild<QTableWidget*>("PlayerTable");
        players->clearSelection();
        for (int r : rowsWith(players, 4, "Zed") + rowsWith(players, 4, "Chris Dees")) {
            players->selectionModel()->select(
                players->model()->index(r, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        dialog->findChild<QPushButton*>("JoinButton")->click();
        QCOMPARE(cellText(players, rowsWith(players, 4, "Zed").first(), 5),
                 cellText(players, rowsWith(players, 4, "Chris Dees").first(), 5));
    });
    QCOMPARE(readFile(dir_->filePath("Pennantry.People")),
             QByteArray("People|\r\nP|1|Y3L1T1P2|\r\nP|1|Y3L1T2P2|\r\n"
                        "N|Y2L1T2P2|Y3L1T2P2|\r\n"));
    QVERIFY(Messages::shownTexts().isEmpty());
}

void TestCareerForms::undoALink() {
    writeFile(dir_->filePath("Pennantry.People"),
              "People|\r\nP|1|Y1L1T1P1|\r\nP|1|Y2L1T2P1|\r\nP|1|Y3L1T2P1|\r\n");
    inDialog("LinkPlayersItem", "LinkPlayersForm", "OkButton", [](QWidget* dialog) {
        auto* players = dialog->findChild<QTableWidget*>("PlayerTable");
        dialog->findChild<QLineEdit*>("EditFilter")->setText("Ann");
        QCOMPARE(players->rowCount(), 3);
        players->selectRow(rowsWith(players, 0, "2022").first());
        dialog->findChild<QPushButton*>("UnlinkButton")->click();
        QVERIFY(cellText(players, rowsWith(players, 0, "2022").first(), 5).isEmpty());
    });
    QCOMPARE(readFile(dir_->filePath("Pennantry.People")),
             QByteArray("People|\r\nP|1|Y2L1T2P1|\r\nP|1|Y3L1T2P1|\r\n"));
    inDialog("CareerItem", "CareerForm", "CloseButton", [](QWidget* dialog) {
        QCOMPARE(dialog->findChild<QTableWidget*>("Table")->rowCount(), 3);
    });
}

void TestCareerForms::cancelKeepsTheFile() {
    inDialog("LinkPlayersItem", "LinkPlayersForm", "CancelButton",
             [](QWidget* dialog) { dialog->findChild<QPushButton*>("LinkAllButton")->click(); });
    QVERIFY(!QFileInfo::exists(dir_->filePath("Pennantry.People")));
    // Careers of unlinked players are one season.
    inDialog("CareerItem", "CareerForm", "CloseButton", [](QWidget* dialog) {
        QCOMPARE(dialog->findChild<QTableWidget*>("Table")->rowCount(), 2);
    });
}

void TestCareerForms::careerPrintsLikeATab() {
    QTemporaryDir out;
    TReportEngine* report = nullptr;
    inDialog("CareerItem", "CareerForm", "CloseButton", [&](QWidget* dialog) {
        auto* career = qobject_cast<TCareerForm*>(dialog);
        career->printForm()->setOutputFileForTesting(out.filePath("career.pdf"));
        report = career->printForm()->Report();
        Messages::presetAnswers({QMessageBox::Ok});
        ModalScript print;
        print.then("PrintForm", ModalScript::click("OkButton"));
        print.start();
        dialog->findChild<QPushButton*>("PrintButton")->click();
        QVERIFY(print.finished());
    });
    QVERIFY(report);
    QCOMPARE(report->jobs().size(), 1);
    QStringList texts;
    for (const TReportEngine::DrawnPage& page : report->jobs().first().pages) {
        for (const TReportEngine::DrawnLine& line : page.lines) {
            for (const TReportEngine::DrawnText& text : line.texts)
                texts << text.text;
            for (const auto& cell : line.cells)
                texts << cell.text;
        }
    }
    QCOMPARE(texts.first(), QString("Career - Ann Lee"));
    QVERIFY(texts.contains(" Career"));
    QVERIFY(texts.contains(" 2024"));
}

void TestCareerForms::historyWithAndWithoutTheQualifier() {
    writeFile(dir_->filePath("Pennantry.People"),
              "People|\r\nP|1|Y1L1T1P1|\r\nP|1|Y2L1T2P1|\r\nP|1|Y3L1T2P1|\r\n");
    inDialog("HistoryItem", "HistoryForm", "CloseButton", [](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QString("CITY LEAGUE - League History"));
        const auto* champions = dialog->findChild<QTableWidget*>("ChampionsTable");
        QCOMPARE(champions->rowCount(), 3);
        QCOMPARE(cellText(champions, 1, 3), QString(" Tigers"));
        QCOMPARE(dialog->findChild<QSpinBox*>("SpinCareerPA")->value(), 100);
        dialog->findChild<QComboBox*>("CategoryBox")->setCurrentIndex(0);  // AVG
        const auto* leaders = dialog->findChild<QTableWidget*>("LeadersTable");
        QCOMPARE(leaders->rowCount(), 0);  // nobody has 100 PA
        const auto* reason = dialog->findChild<QLabel*>("EmptyReason");
        QCOMPARE(reason->text(), QString("Nobody has 100 PA in a career yet"));
        QVERIFY(!reason->isHidden());
        dialog->findChild<QSpinBox*>("SpinCareerPA")->setValue(50);
        dialog->findChild<QPushButton*>("ApplyButton")->click();
        QCOMPARE(leaders->rowCount(), 2);  // Chris Dee's first season (90) and Ann Lee (75)
        QVERIFY(reason->isHidden());
        QCOMPARE(cellText(leaders, 1, 2), QString(" Ann Lee"));
        QCOMPARE(cellText(leaders, 1, 4), QString(" .246"));
    });
    // The batting and pitching factors nobody set stay empty: they follow the league's innings.
    QCOMPARE(readFile(dir_->filePath("Y3L1.Leaders")),
             QByteArray("Leaders|\r\n||0.67|10|50|30|30|\r\n"));
    // pny shows the same history with the stored qualification.
    pny::Store store(dir_->path());
    store.loadYears();
    store.ensureLeagues();
    store.readLeague(1);
    pny::PeopleLinks people;
    pny::LeaderSettings settings;
    QString error;
    QVERIFY(pny::readPeople(store, people, error));
    QVERIFY(pny::readLeaderSettings(pny::leaderSettingsPath(store), settings, error));
    pny::LeagueHistory history;
    QVERIFY(pny::buildLeagueHistory(store, people, settings, history, error));
    QCOMPARE(runPny({"history", "--folder", dir_->path()}), pny::exportHistoryTsv(history));
}

void TestCareerForms::linkALeagueOfAnotherName() {
    inDialog("HistoryItem", "HistoryForm", "CloseButton", [](QWidget* dialog) {
        auto* leagues = dialog->findChild<QListWidget*>("LeagueList");
        QCOMPARE(leagues->count(), 6);
        // The City Leagues belong by name and cannot be unchecked; "Other" of 2023 is linked.
        QCOMPARE(leagues->item(0)->text(), QString("2022 City League"));
        QCOMPARE(leagues->item(0)->checkState(), Qt::Checked);
        QVERIFY(!(leagues->item(0)->flags() & Qt::ItemIsEnabled));
        QCOMPARE(leagues->item(3)->text(), QString("2023 Other"));
        QCOMPARE(leagues->item(3)->checkState(), Qt::Unchecked);
        leagues->item(3)->setCheckState(Qt::Checked);
        dialog->findChild<QPushButton*>("SaveLeaguesButton")->click();
        // Every "Other" comes with it, by name.
        QCOMPARE(dialog->findChild<QTableWidget*>("ChampionsTable")->rowCount(), 6);
        QCOMPARE(leagues->item(1)->checkState(), Qt::Checked);
    });
    QCOMPARE(readFile(dir_->filePath("Pennantry.People")),
             QByteArray("People|\r\nL|1|Y2L2|\r\nL|1|Y3L1|\r\n"));
    // Unlinked again.
    inDialog("HistoryItem", "HistoryForm", "CloseButton", [](QWidget* dialog) {
        auto* leagues = dialog->findChild<QListWidget*>("LeagueList");
        QCOMPARE(leagues->item(3)->checkState(), Qt::Checked);
        leagues->item(3)->setCheckState(Qt::Unchecked);
        dialog->findChild<QPushButton*>("SaveLeaguesButton")->click();
        QCOMPARE(dialog->findChild<QTableWidget*>("ChampionsTable")->rowCount(), 3);
    });
    QCOMPARE(readFile(dir_->filePath("Pennantry.People")), QByteArray("People|\r\n"));
}

void TestCareerForms::exportsLikePny() {
    writeFile(dir_->filePath("Pennantry.People"),
              "People|\r\nP|1|Y1L1T1P1|\r\nP|1|Y2L1T2P1|\r\nP|1|Y3L1T2P1|\r\n");
    const QString career = dir_->filePath("career.csv");
    const QString history = dir_->filePath("history.html");
    FileDialogs::presetNames({career, history});
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Ok});  // where each file went
    inDialog("CareerItem", "CareerForm", "CloseButton",
             [](QWidget* dialog) { dialog->findChild<QPushButton*>("ExportButton")->click(); });
    inDialog("HistoryItem", "HistoryForm", "CloseButton",
             [](QWidget* dialog) { dialog->findChild<QPushButton*>("ExportButton")->click(); });
    QCOMPARE(QString::fromUtf8(readFile(career)),
             runPny({"career", "--folder", dir_->path(), "--format", "csv"}));
    const QString page = QString::fromUtf8(readFile(history));
    QCOMPARE(page, runPny({"history", "--folder", dir_->path(), "--format", "html"}));
    QVERIFY(page.contains("<h2>Standings Leaders by Season</h2>"));
    QVERIFY(page.contains("<h2>Earned Run Average (ERA)</h2>"));
}

QTEST_MAIN(TestCareerForms)
#include "tst_careerforms.moc"
