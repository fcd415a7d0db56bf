#include "settingsfixture.h"

#include <QTest>

using namespace pny;
using namespace settingsfixture;

// The setup, player sort and schedule filter dialogs and what they store.
class TestSettings : public QObject, private SettingsFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void setupShowsNineAndStoresIt();
    void setupCancelKeepsNineInBuffer();
    void setupStoresColumnsAndInnings();
    void playerColumnOnOneTabOnly();
    void playerSortForOneTabOnly();
    void playerCancelChangesNothing();
    void userHeadersNameTheUserColumns();
    void scheduleFilterOneTeamThenAll();
    void scheduleFilterUmpireAndSettings();
    void scheduleCancelChangesNothing();
};

void TestSettings::initTestCase() {
    testsupport::pinLocale();
    makeDialogs();
}

void TestSettings::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestSettings::cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    presetFontChoices({});
    store_.reset();
    dir_.reset();
}

void TestSettings::setupShowsNineAndStoresIt() {
    // A league line that never set its innings.
    testsupport::writeLeagueFolder(dir_->path(), "|1|Majors|1|", {"|1|Eagles|||||"});
    store_ = std::make_unique<Store>(dir_->path() + '/');
    store_->loadYears();
    QVERIFY(store_->ensureTeams());
    QCOMPARE(field(store_->leagues.line(1), 6), QString());

    int shown = 0;
    QString caption;
    whenShown([&](QWidget* d) {
        shown = child<QSpinBox>(d, "SpinInning")->value();
        caption = d->windowTitle();
        click(d, "OkButton");
    });
    QVERIFY(setup_->Execute(*store_));
    QCOMPARE(shown, 9);
    QCOMPARE(caption, QStringLiteral("Majors"));
    QCOMPARE(store_->league.innings, std::string("9"));
    QCOMPARE(field(store_->leagues.line(1), 6), QStringLiteral("9"));
    QVERIFY(store_->changed.leagues);
    QVERIFY(store_->saveAll());
    QVERIFY(
        testsupport::readFile(dir_->path() + "/Y1.Leagues").startsWith("L|\r\n|1|Majors|1||9|"));
}

void TestSettings::setupCancelKeepsNineInBuffer() {
    load(freshLeague());
    const std::string before = store_->leagues.line(1);
    whenShown([](QWidget* d) {
        child<QSpinBox>(d, "SpinInning")->setValue(5);
        child<QCheckBox>(d, "CheckBox1")->setChecked(false);
        click(d, "CancelButton");
    });
    QVERIFY(!setup_->Execute(*store_));
    QCOMPARE(store_->league.innings, std::string("9"));
    QCOMPARE(store_->league.teamMask, std::string("********"));
    QCOMPARE(store_->leagues.line(1), before);
    QVERIFY(!store_->changed.leagues);
    // The next write stores the 9.
    store_->writeLeague();
    QCOMPARE(field(store_->leagues.line(1), 6), QStringLiteral("9"));
}

void TestSettings::setupStoresColumnsAndInnings() {
    LeagueRecord league = freshLeague();
    league.innings = "9";
    load(league);
    QStringList captions;
    bool nameChecked = false;
    whenShown([&](QWidget* d) {
        for (int k = 1; k <= 8; ++k)
            captions << child<QCheckBox>(d, QStringLiteral("CheckBox%1").arg(k))->text();
        auto* name = child<QCheckBox>(d, "CheckBox3");
        nameChecked = name->isChecked();
        name->setChecked(false);
        child<QSpinBox>(d, "SpinInning")->setValue(7);
        click(d, "OkButton");
    });
    QVERIFY(setup_->Execute(*store_));
    QCOMPARE(captions,
             QStringList({"Place in Team Standings", "Team Number", "Team Name", "Games Won",
                          "Games Lost", "Games Tied", "Winning Percentage", "Games Behind"}));
    QVERIFY(nameChecked);
    QCOMPARE(field(store_->leagues.line(1), 16), QStringLiteral("** *****"));
    QCOMPARE(field(store_->leagues.line(1), 6), QStringLiteral("7"));

    // The rebuilt standings have no team name; the ERA of the player views uses 7 innings.
    ViewState state;
    const ViewGrid standings = buildTable(*store_, state, kTeamsTab);
    QVERIFY(!hasHeader(standings, " Team Name"));
    QVERIFY(hasHeader(standings, " Team#"));
    QVERIFY(standings.wideColumns.empty());
}

void TestSettings::playerColumnOnOneTabOnly() {
    LeagueRecord league = freshLeague();
    league.playerMask[23] = static_cast<char>(128);  // HR on no tab
    load(league);
    const std::string before = store_->league.playerMask;

    QString caption;
    bool displayFirst = false;
    bool hrChecked = true;
    QString hrText;
    whenShown([&](QWidget* d) {
        caption = d->windowTitle();
        displayFirst = d->findChild<QTabBar*>("TopTab")->currentIndex() == 0 &&
                       d->findChild<QGroupBox*>("DisplayBox")->isVisible() &&
                       !d->findChild<QGroupBox*>("RadioSort")->isVisible();
        auto* hr = child<QCheckBox>(d, "CheckBox24");
        hrChecked = hr->isChecked();
        hrText = hr->text();
        hr->setChecked(true);
        click(d, "OkButton");
    });
    QVERIFY(psort_->Execute(*store_, 2, QStringLiteral("Hitting")));
    QCOMPARE(caption, QStringLiteral("Choose Items to Display and Sort Sequence for Hitting Page"));
    QVERIFY(displayFirst);
    QVERIFY(!hrChecked);
    QCOMPARE(hrText, QStringLiteral("Home Runs (HR)"));

    const std::string mask = field(store_->leagues.line(1), 14).toLatin1().toStdString();
    QCOMPARE(mask.size(), std::size_t(61));
    for (int k = 1; k <= 61; ++k)
        QCOMPARE(code(mask, k), k == 24 ? 130 : code(before, k));

    ViewState state;
    for (int tab = 1; tab <= 6; ++tab)
        QCOMPARE(hasHeader(buildTable(*store_, state, tab), " HR"), tab == 2);
}

void TestSettings::playerSortForOneTabOnly() {
    load(freshLeague());
    bool sortShown = false;
    int checkedBefore = -1;
    whenShown([&](QWidget* d) {
        d->findChild<QTabBar*>("TopTab")->setCurrentIndex(1);
        sortShown = d->findChild<QGroupBox*>("RadioSort")->isVisible() &&
                    !d->findChild<QGroupBox*>("DisplayBox")->isVisible();
        auto* sort = d->findChild<QGroupBox*>("RadioSort");
        auto* era = radio(sort, "Earn Run Avg (ERA)");
        checkedBefore = psort_->sortIndex();
        era->setChecked(true);
        radio(d->findChild<QGroupBox*>("RadioAD"), "Descending")->setChecked(true);
        click(d, "OkButton");
    });
    QVERIFY(psort_->Execute(*store_, 4, QStringLiteral("Pitching")));
    QVERIFY(sortShown);
    QCOMPARE(checkedBefore, 1);  // never set: item 1
    const std::string& line = store_->leagues.line(1);
    const std::string keys = field(line, 12).toLatin1().toStdString();
    QCOMPARE(keys.size(), std::size_t(7));
    for (int t = 1; t <= 7; ++t)
        QCOMPARE(code(keys, t), t == 4 ? 128 + 52 : 129);
    QCOMPARE(field(line, 13), QStringLiteral("   1"));

    // The dialog opens again on the page left last, showing this tab's choices; another tab
    // shows its own.
    int tabIndex = -1, sortItem = -1, direction = -1;
    whenShown([&](QWidget* d) {
        tabIndex = d->findChild<QTabBar*>("TopTab")->currentIndex();
        sortItem = psort_->sortIndex();
        direction = psort_->directionIndex();
        click(d, "CancelButton");
    });
    QVERIFY(!psort_->Execute(*store_, 4, QStringLiteral("Pitching")));
    QCOMPARE(tabIndex, 1);
    QCOMPARE(sortItem, 52);
    QCOMPARE(direction, 1);
    whenShown([&](QWidget* d) {
        sortItem = psort_->sortIndex();
        direction = psort_->directionIndex();
        click(d, "CancelButton");
    });
    QVERIFY(!psort_->Execute(*store_, 5, QStringLiteral("Fielding")));
    QCOMPARE(sortItem, 1);
    QCOMPARE(direction, 0);
}

void TestSettings::playerCancelChangesNothing() {
    load(freshLeague());
    const LeagueRecord before = store_->league;
    const std::string line = store_->leagues.line(1);
    whenShown([](QWidget* d) {
        child<QCheckBox>(d, "CheckBox1")->setChecked(true);
        radio(d->findChild<QGroupBox*>("RadioAD"), "Descending")->setChecked(true);
        click(d, "CancelButton");
    });
    QVERIFY(!psort_->Execute(*store_, 1, QStringLiteral("Players")));
    QCOMPARE(store_->league.build(), before.build());
    QCOMPARE(store_->leagues.line(1), line);
    QVERIFY(!store_->changed.leagues);
    // Not a player tab: no dialog.
    QVERIFY(!psort_->Execute(*store_, 7, QStringLiteral("Schedule")));
}

void TestSettings::userHeadersNameTheUserColumns() {
    LeagueRecord league = freshLeague();
    league.userHeaders = {"Runs+", "", "R&D", ""};
    load(league);
    QStringList boxes, items;
    const auto read = [&](QWidget* d) {
        boxes.clear();
        items.clear();
        for (int k = 58; k <= 61; ++k) {
            boxes << child<QCheckBox>(d, QStringLiteral("CheckBox%1").arg(k))->text();
            items << child<QRadioButton>(d, QStringLiteral("SortItem%1").arg(k))->text();
        }
        click(d, "CancelButton");
    };
    whenShown(read);
    psort_->Execute(*store_, 6, QStringLiteral("Custom"));
    QCOMPARE(boxes, QStringList({"Runs+", "User Defined", "R&&D", "User Defined"}));
    QCOMPARE(items, boxes);

    // Another league without headers does not show the headers of the league before.
    store_->league.userHeaders = {"", "", "", ""};
    whenShown(read);
    psort_->Execute(*store_, 6, QStringLiteral("Custom"));
    QCOMPARE(boxes, QStringList(4, QStringLiteral("User Defined")));
}

void TestSettings::scheduleFilterOneTeamThenAll() {
    load(freshLeague());
    QString before, after;
    ModalScript script;
    script
        .then("ScheduleSortForm",
              [&](QWidget* d) {
                  before = child<QLabel>(d, "TFilter")->text();
                  clickLater(d, "TeamButton");
              })
        .then("ListForm", pick("3 Owls"))
        .then("ScheduleSortForm", [&](QWidget* d) {
            after = child<QLabel>(d, "TFilter")->text();
            click(d, "OKButton");
        });
    script.start();
    QVERIFY(ssort_->Execute(*store_, *listForm_));
    QVERIFY(script.finished());
    QCOMPARE(before, QStringLiteral("All Teams"));
    QCOMPARE(after, QStringLiteral("Owls"));
    QCOMPARE(store_->teamFilter, std::string("3"));
    QCOMPARE(store_->umpireFilter, std::string());
    // The team buffer holds the current team again.
    QCOMPARE(store_->team.name, std::string("Eagles"));

    // The schedule view lists only the games the filter lets through: none here.
    QString opened, cleared;
    whenShown([&](QWidget* d) {
        opened = child<QLabel>(d, "TFilter")->text();
        click(d, "AllTeam");
        cleared = child<QLabel>(d, "TFilter")->text();
        click(d, "OKButton");
    });
    QVERIFY(ssort_->Execute(*store_, *listForm_));
    QCOMPARE(opened, QStringLiteral("Owls"));
    QCOMPARE(cleared, QStringLiteral("All Teams"));
    QCOMPARE(store_->teamFilter, std::string());
    QCOMPARE(store_->team.name, std::string("Eagles"));
}

void TestSettings::scheduleFilterUmpireAndSettings() {
    load(freshLeague());
    QStringList captions;
    int sortBefore = -1;
    QString umpire;
    ModalScript script;
    script
        .then("ScheduleSortForm",
              [&](QWidget* d) {
                  for (int k = 1; k <= 20; ++k)
                      captions << child<QCheckBox>(d, QStringLiteral("CheckBox%1").arg(k))->text();
                  sortBefore = ssort_->sortIndex();
                  clickLater(d, "UmpireButton");
              })
        .then("ListForm", pick("8 Gray"))
        .then("ScheduleSortForm", [&](QWidget* d) {
            umpire = child<QLabel>(d, "UFilter")->text();
            radio(d->findChild<QGroupBox*>("RadioGroup"), "Away Team")->setChecked(true);
            radio(d->findChild<QGroupBox*>("RadioAD"), "Descending")->setChecked(true);
            child<QCheckBox>(d, "CheckBox1")->setChecked(true);
            child<QCheckBox>(d, "CheckBox3")->setChecked(false);
            click(d, "OKButton");
        });
    script.start();
    QVERIFY(ssort_->Execute(*store_, *listForm_));
    QVERIFY(script.finished());
    QCOMPARE(captions.size(), 20);
    QCOMPARE(captions.first(), QStringLiteral("Game Number"));
    QCOMPARE(captions.last(), QStringLiteral("Umpire 4 Name"));
    QCOMPARE(sortBefore, 1);
    QCOMPARE(umpire, QStringLiteral("Gray"));
    QCOMPARE(store_->umpireFilter, std::string("2"));  // the line of Gray
    QCOMPARE(store_->teamFilter, std::string());
    const std::string& line = store_->leagues.line(1);
    const std::string keys = field(line, 12).toLatin1().toStdString();
    for (int t = 1; t <= 7; ++t)
        QCOMPARE(code(keys, t), t == 7 ? 128 + 4 : 129);
    QCOMPARE(field(line, 13), QStringLiteral("      1"));
    QCOMPARE(field(line, 15), QStringLiteral("** **** *"));
    QVERIFY(!store_->changed.umpires);
}

void TestSettings::scheduleCancelChangesNothing() {
    load(freshLeague());
    store_->umpireFilter = "1";
    const std::string line = store_->leagues.line(1);
    QString umpireShown;
    ModalScript script;
    script
        .then("ScheduleSortForm",
              [&](QWidget* d) {
                  umpireShown = child<QLabel>(d, "UFilter")->text();
                  click(d, "AllUmpires");
                  child<QCheckBox>(d, "CheckBox20")->setChecked(true);
                  clickLater(d, "TeamButton");
              })
        .then("ListForm", pick("2 Tigers"))
        .then("ScheduleSortForm", ModalScript::click("CancelButton"));
    script.start();
    QVERIFY(!ssort_->Execute(*store_, *listForm_));
    QVERIFY(script.finished());
    QCOMPARE(umpireShown, QStringLiteral("Blue"));
    QCOMPARE(store_->teamFilter, std::string());
    QCOMPARE(store_->umpireFilter, std::string("1"));
    QCOMPARE(store_->leagues.line(1), line);
    QVERIFY(!store_->changed.leagues);
    QCOMPARE(store_->team.name, std::string("Eagles"));
    QCOMPARE(store_->team.won, std::string("3"));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
