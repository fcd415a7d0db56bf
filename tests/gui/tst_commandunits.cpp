// The command units of the main window, driven without the window: a store, a parent widget and
// hooks that count what the command asked the window to do.
#include "common/messages.h"
#include "leaguefolder.h"
#include "main/commandhost.h"
#include "main/entrycommands.h"
#include "main/list.h"
#include "main/name.h"
#include "main/reportcommands.h"
#include "main/seasonfilecommands.h"
#include "notes/notes.h"
#include "people/historyform.h"
#include "store/store.h"
#include "modalscript.h"
#include "testsupport.h"

#include <QDialog>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

namespace {

// What a command asked of the window that runs it.
struct Calls {
    int askLeague = 0;
    int askTeam = 0;
    int askPlayer = 0;
    int listForm = 0;
    int buildHeaders = 0;
    int refreshTable = 0;
    int clearStatsCache = 0;
    int showTab = 0;
    QStringList fileErrors;
};

}  // namespace

class TestCommandUnits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }

    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        Messages::presetAnswers({});
        Messages::clearShown();
        calls_ = Calls();
    }

    void cleanup() {
        entry_.reset();
        reports_.reset();
        seasonFiles_.reset();
        window_.reset();
        listForm_.reset();
        nameForm_.reset();
        noteForm_.reset();
        store_.reset();
        folder_.reset();
    }

    // A command that needs a level missing from the selection asks for it; when it stays
    // missing, the command opens nothing and leaves the table alone.
    void missingLevelIsAskedForAndNothingOpens_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("asked");
        QTest::newRow("leaders") << "Leaders" << 0 << "league";
        QTest::newRow("history") << "History" << 3 << "league";
        QTest::newRow("pitchers") << "Pitchers" << 7 << "league";
        QTest::newRow("career on a player tab") << "Career" << 2 << "player";
        QTest::newRow("team results") << "Update" << 0 << "team";
        QTest::newRow("player statistics") << "Update" << 4 << "player";
        QTest::newRow("a game") << "Update" << 7 << "league";
        QTest::newRow("box score") << "BoxScore" << 1 << "league";
        QTest::newRow("roster") << "Roster" << 1 << "team";
        QTest::newRow("website") << "Publish" << 0 << "league";
    }
    void missingLevelIsAskedForAndNothingOpens() {
        QFETCH(QString, command);
        QFETCH(int, tab);
        QFETCH(QString, asked);
        start(tab);
        const std::map<QString, std::function<void()>> commands = {
            {"Leaders", [this] { reports_->LeadersItemClick(); }},
            {"History", [this] { reports_->HistoryItemClick(); }},
            {"Pitchers", [this] { reports_->PitchersItemClick(); }},
            {"Career", [this] { QVERIFY(reports_->CareerItemClick()); }},
            {"Update", [this] { entry_->UpdateButtonClick(); }},
            {"BoxScore", [this] { entry_->BoxScoreItemClick(); }},
            {"Roster", [this] { seasonFiles_->RosterItemClick(); }},
            {"Publish", [this] { seasonFiles_->PublishItemClick(); }},
        };
        commands.at(command)();

        QCOMPARE(calls_.askLeague, asked == "league" ? 1 : 0);
        QCOMPARE(calls_.askTeam, asked == "team" ? 1 : 0);
        QCOMPARE(calls_.askPlayer, asked == "player" ? 1 : 0);
        QCOMPARE(window_->findChildren<QDialog*>().size(), 0);
        QCOMPARE(calls_.listForm, 0);
        QCOMPARE(calls_.buildHeaders + calls_.refreshTable + calls_.clearStatsCache, 0);
        QCOMPARE(calls_.showTab, 0);
        QCOMPARE(Messages::shownTexts(), QStringList());
    }

    // A career and a game log belong to a player: off the player tabs they ask nothing and
    // report that they did not run, so the window does not end a command.
    void careerAndGameLogOnlyOnPlayerTabs_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("teams") << 0;
        QTest::newRow("schedule") << 7;
    }
    void careerAndGameLogOnlyOnPlayerTabs() {
        QFETCH(int, tab);
        start(tab);
        QVERIFY(!reports_->CareerItemClick());
        QVERIFY(!entry_->GameLogItemClick());
        QCOMPARE(calls_.askPlayer, 0);
        QCOMPARE(window_->findChildren<QDialog*>().size(), 0);
    }

    // With a league chosen, the history opens over the window it was given, and the second
    // time it is the same dialog.
    void historyOpensOverTheGivenWindowOnce() {
        testsupport::writeLeagueFolder(folder_->path(), "|1|Majors|1|1|", {"|1|Tigers|||||"});
        start(0);
        QVERIFY(store_->ensureLeagues());
        QVERIFY(store_->hasLeague());
        for (int run = 0; run < 2; ++run) {
            ModalScript script;
            script.then("HistoryForm", [](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
            script.start();
            reports_->HistoryItemClick();
            QVERIFY(script.finished());
        }
        QCOMPARE(window_->findChildren<THistoryForm*>().size(), 1);
        QCOMPARE(calls_.askLeague, 0);
    }

private:
    // A store on the test folder, a plain widget as the window, and the units on hooks that
    // count their calls; the table shows tab `tab`.
    void start(int tab) {
        store_ = std::make_unique<pny::Store>(folder_->path());
        store_->loadYears();
        window_ = std::make_unique<QWidget>();
        nameForm_ = std::make_unique<TNameForm>();
        listForm_ = std::make_unique<TListForm>(*nameForm_);
        noteForm_ = std::make_unique<TNoteForm>();
        CommandHost host(*store_);
        host.window = window_.get();
        host.listForm = [this]() -> TListForm& {
            ++calls_.listForm;
            return *listForm_;
        };
        host.askLeague = [this] { ++calls_.askLeague; };
        host.askTeam = [this] { ++calls_.askTeam; };
        host.askPlayer = [this] { ++calls_.askPlayer; };
        host.currentTab = [tab] { return tab; };
        host.tabCaption = [](int) { return QStringLiteral("Tab"); };
        host.showTab = [this](int) { ++calls_.showTab; };
        host.grid = [this]() -> const pny::ViewGrid& { return grid_; };
        host.buildHeaders = [this] { ++calls_.buildHeaders; };
        host.refreshTable = [this] { ++calls_.refreshTable; };
        host.clearStatsCache = [this] { ++calls_.clearStatsCache; };
        entry_ =
            std::make_unique<EntryCommands>(host, [this]() -> TNoteForm& { return *noteForm_; });
        reports_ = std::make_unique<ReportCommands>(host);
        seasonFiles_ = std::make_unique<SeasonFileCommands>(
            host, [this](const QString& message) { calls_.fileErrors << message; });
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<pny::Store> store_;
    std::unique_ptr<QWidget> window_;
    std::unique_ptr<TNameForm> nameForm_;
    std::unique_ptr<TListForm> listForm_;
    std::unique_ptr<TNoteForm> noteForm_;
    std::unique_ptr<EntryCommands> entry_;
    std::unique_ptr<ReportCommands> reports_;
    std::unique_ptr<SeasonFileCommands> seasonFiles_;
    pny::ViewGrid grid_;
    Calls calls_;
};

QTEST_MAIN(TestCommandUnits)
#include "tst_commandunits.moc"
