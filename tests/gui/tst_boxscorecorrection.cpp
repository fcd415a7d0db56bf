#include "boxscorefixture.h"

#include <QTest>

using namespace pny;
using namespace boxscorefixture;

// The box score sheet on a night already entered: correcting, removing, leaving, finding it again.
class TestBoxScoreCorrection : public QObject, private BoxScoreFixture {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void init();
    void cleanup();

    void removeNightReturnsEveryFile();
    void correctingThreeHitsToTwo();
    void correctingTheScoreMovesTheResult();
    void escapeWithTypedCellsAsks();
    void nightOfADateAndTwoTeams();
    void gameLogOpensTheNight();
};

void TestBoxScoreCorrection::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    Messages::presetAnswers({});
    Messages::clearShown();
}

void TestBoxScoreCorrection::cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    main_.reset();
    dir_.reset();
}

void TestBoxScoreCorrection::removeNightReturnsEveryFile() {
    openMain();
    const auto before = folderBytes(dir_->path());
    runSheet([&](QWidget* d) {
        BoxScoreGrid* eagles = grid(d, "HomeGrid");
        typeInto(eagles, 0, StatPA, "4");
        typeInto(eagles, 0, StatHR, "1");
        typeInto(eagles, 0, StatRS, "1");
        typeInto(eagles, 1, StatIP, "7");
        typeInto(grid(d, "AwayGrid"), 1, StatIP, "7");
        typeScore(edit(d, "HomeScore"), "1");
        typeScore(edit(d, "AwayScore"), "0");
        QTest::keyClick(eagles, Qt::Key_Return, Qt::ControlModifier);
    });
    QVERIFY(folderBytes(dir_->path()) != before);
    QVERIFY(readFile(dir_->path() + "/Y1L1.Teams").contains("|10|Eagles|1|0|||"));

    // Opened again on the same game, the sheet corrects the night; Remove Night asks first.
    Messages::presetAnswers({QMessageBox::No, QMessageBox::Yes});
    QString night, pa;
    bool removeShown = false;
    runSheet([&](QWidget* d) {
        night = d->findChild<QLabel*>("NightLabel")->text();
        pa = grid(d, "HomeGrid")->cellText(0, columnOf(StatPA));
        auto* remove = d->findChild<QPushButton*>("RemoveButton");
        removeShown = remove->isVisible();
        remove->click();  // No: nothing happens
        remove->click();  // Yes
    });
    QVERIFY(night.contains("Correcting"));
    QCOMPARE(pa, QStringLiteral("4"));
    QVERIFY(removeShown);
    QCOMPARE(Messages::shownTexts().size(), 2);
    QVERIFY(folderBytes(dir_->path()) == before);
    Store disk(dir_->path());
    disk.loadYears();
    GameLog log;
    QString error;
    QVERIFY(log.read(disk, error));
    QVERIFY(log.nights().empty());
    QCOMPARE(nightOfGame(log, 1), 0);
}

void TestBoxScoreCorrection::correctingThreeHitsToTwo() {
    openMain();
    runSheet([&](QWidget* d) {
        BoxScoreGrid* eagles = grid(d, "HomeGrid");
        typeInto(eagles, 1, StatPA, "5");
        typeInto(eagles, 1, Stat1B, "3");
        typeScore(edit(d, "HomeScore"), "2");
        typeScore(edit(d, "AwayScore"), "1");
        QTest::keyClick(eagles, Qt::Key_Return, Qt::ControlModifier);
    });
    const auto adams = [this] {
        Store disk(dir_->path());
        disk.loadYears();
        disk.ensurePlayers();
        return PlayerRecord::parse(disk.players.line(1));
    };
    QCOMPARE(adams().stat(Stat1B), std::string("5"));  // 2 before the night
    QCOMPARE(adams().stat(StatPA), std::string("15"));
    const QByteArray teams = readFile(dir_->path() + "/Y1L1.Teams");
    QString typed;
    runSheet([&](QWidget* d) {
        BoxScoreGrid* eagles = grid(d, "HomeGrid");
        typed = eagles->cellText(1, columnOf(Stat1B));
        typeInto(eagles, 1, Stat1B, "2");
        QTest::keyClick(eagles, Qt::Key_Return, Qt::ControlModifier);
    });
    QCOMPARE(typed, QStringLiteral("3"));
    QCOMPARE(adams().stat(Stat1B), std::string("4"));
    QCOMPARE(adams().stat(StatPA), std::string("15"));
    // The result is the same: the standings do not count the game twice.
    QCOMPARE(readFile(dir_->path() + "/Y1L1.Teams"), teams);
    Store disk(dir_->path());
    disk.loadYears();
    GameLog log;
    QString error;
    QVERIFY(log.read(disk, error));
    QCOMPARE(log.nights().size(), std::size_t(1));
    const std::optional<Night> night = nightOf(log, log.nights().front());
    QVERIFY(night);
    QCOMPARE(night->home.lines.front().values[Stat1B], 2LL);
    bool change = false;
    for (const LogLine& line : log.lines())
        change = change || (line.kind == LogKind::Change && line.corrects == log.nights().front());
    QVERIFY(change);
}

void TestBoxScoreCorrection::correctingTheScoreMovesTheResult() {
    openMain();
    const QByteArray teamsBefore = readFile(dir_->path() + "/Y1L1.Teams");
    const auto addWith = [this](const QString& home, const QString& away) {
        runSheet([&](QWidget* d) {
            typeInto(grid(d, "HomeGrid"), 0, StatPA, "4");
            typeScore(edit(d, "HomeScore"), home);
            typeScore(edit(d, "AwayScore"), away);
            QTest::keyClick(grid(d, "HomeGrid"), Qt::Key_Return, Qt::ControlModifier);
        });
    };
    addWith("2", "1");
    QVERIFY(readFile(dir_->path() + "/Y1L1.Teams").contains("|10|Eagles|1|0|||"));
    // Corrected to a loss: the win becomes a loss, the Tigers' loss a win, the game's score too.
    addWith("1", "2");
    QByteArray teams = teamsBefore;
    teams.replace("|10|Eagles|||||", "|10|Eagles|0|1|||");
    teams.replace("|20|Tigers|||||", "|20|Tigers|1|0|||");
    QCOMPARE(readFile(dir_->path() + "/Y1L1.Teams"), teams);
    GameRecord game = GameRecord::parse(gameLine("1", "2").toStdString());
    game.homeScore = "1";
    game.awayScore = "2";
    QVERIFY(readFile(dir_->path() + "/Y1L1.Games")
                .contains(QByteArray::fromStdString(game.build()) + "\r\n"));
    // Without a score the game no longer counts: both teams are back where they were.
    addWith("", "");
    QCOMPARE(readFile(dir_->path() + "/Y1L1.Teams"), teamsBefore);
    QCOMPARE(playerOnDisk(dir_->path(), 1, 2).stat(StatPA), std::string("4"));
}

void TestBoxScoreCorrection::escapeWithTypedCellsAsks() {
    openMain();
    const auto before = folderBytes(dir_->path());
    Messages::presetAnswers({QMessageBox::No, QMessageBox::Yes});
    bool openAfterNo = false;
    bool closedUntyped = false;
    runSheet([&](QWidget* d) {
        BoxScoreGrid* eagles = grid(d, "HomeGrid");
        typeInto(eagles, 0, StatPA, "3");
        QTest::keyClick(eagles, Qt::Key_Escape);
        openAfterNo = d->isVisible();
        d->findChild<QPushButton*>("CancelButton")->click();
    });
    QVERIFY(openAfterNo);
    QCOMPARE(Messages::shownTexts().size(), 2);
    QVERIFY(folderBytes(dir_->path()) == before);
    // Nothing typed: Escape closes at once.
    Messages::clearShown();
    runSheet([&](QWidget* d) {
        QTest::keyClick(grid(d, "HomeGrid"), Qt::Key_Escape);
        closedUntyped = !d->isVisible();
    });
    QVERIFY(closedUntyped);
    QVERIFY(Messages::shownTexts().isEmpty());
}

void TestBoxScoreCorrection::nightOfADateAndTwoTeams() {
    openMain("0");  // the Teams tab: no game is selected
    QStringList rows;
    ModalScript script;
    script.then("BoxScoreForm", clickLater("HomeButton"))
        .then("ListForm", chooseTeamNamed("Owls"))
        .then("BoxScoreForm", clickLater("AwayButton"))
        .then("ListForm", chooseTeamNamed("Tigers"))
        .then("BoxScoreForm", [&](QWidget* d) {
            BoxScoreGrid* owls = grid(d, "HomeGrid");
            rows << QString::number(owls->playerRows())
                 << grid(d, "AwayGrid")->verticalHeaderItem(0)->text();
            d->findChild<QDateEdit*>("DateEdit")->setDate(QDate(2024, 7, 4));
            typeInto(owls, 0, StatPA, "4");
            typeScore(edit(d, "HomeScore"), "6");
            typeScore(edit(d, "AwayScore"), "6");
            QTest::keyClick(owls, Qt::Key_Return, Qt::ControlModifier);
        });
    script.start();
    main_->findChild<QAction*>("BoxScoreItem")->trigger();
    QTRY_VERIFY(script.finished());
    QCOMPARE(rows, (QStringList{"12", "1  Dunn"}));
    Store disk(dir_->path());
    disk.loadYears();
    GameLog log;
    QString error;
    QVERIFY(log.read(disk, error));
    QCOMPARE(log.nights().size(), std::size_t(1));
    const std::optional<Night> night = nightOf(log, log.nights().front());
    QVERIFY(night);
    QCOMPARE(night->date, std::string("20240704"));
    QCOMPARE(night->game, 0);
    QCOMPARE(night->home.team, 3);
    QCOMPARE(night->away.team, 2);
    // A tie, counted for both; no game of the schedule changed.
    const QByteArray teams = readFile(dir_->path() + "/Y1L1.Teams");
    QVERIFY2(teams.contains("|30|Owls|0|0|1||") && teams.contains("|20|Tigers|0|0|1||"),
             teams.constData());
}

void TestBoxScoreCorrection::gameLogOpensTheNight() {
    openMain();
    runSheet([&](QWidget* d) {
        BoxScoreGrid* eagles = grid(d, "HomeGrid");
        typeInto(eagles, 1, StatPA, "4");
        typeInto(eagles, 1, StatHR, "2");
        QTest::keyClick(eagles, Qt::Key_Return, Qt::ControlModifier);
    });
    // The Hitting tab, on the Eagles' Adams.
    QVERIFY(!main_->findChild<QAction*>("GameLogItem")->isEnabled());
    main_->findChild<QTabBar*>("BottomTab")->setCurrentIndex(2);
    main_->store().team.currentPlayer = "1";
    main_->store().writeTeam();
    main_->RefreshTable();
    QCOMPARE(main_->store().player.name, std::string("Adams"));
    QVERIFY(main_->findChild<QAction*>("GameLogItem")->isEnabled());
    QStringList what;
    QString caption, correcting;
    const QString exported = dir_->path() + "/adams-log.tsv";
    ModalScript script;
    script
        .then("GameLogForm",
              [&](QWidget* d) {
                  caption = d->windowTitle();
                  auto* table = d->findChild<QTableWidget*>("Table");
                  for (int r = 0; r < table->rowCount(); ++r)
                      what << table->item(r, 3)->text().trimmed() + table->item(r, 2)->text();
                  // Exported like any table.
                  FileDialogs::presetNames({exported});
                  Messages::presetAnswers({QMessageBox::Ok});
                  d->findChild<QPushButton*>("ExportButton")->click();
                  // Double-click on the night: the window closes and the sheet opens on it.
                  QMetaObject::invokeMethod(d, "TableDoubleClick", Qt::QueuedConnection,
                                            Q_ARG(int, 1));
                  // Should the row be no night, the window is closed all the same.
                  QTimer::singleShot(0, d, [d] {
                      if (d->isVisible())
                          qobject_cast<QDialog*>(d)->reject();
                  });
              })
        .then("BoxScoreForm", [&](QWidget* d) {
            correcting = d->findChild<QLabel*>("NightLabel")->text();
            d->findChild<QPushButton*>("CancelButton")->click();
        });
    script.start();
    main_->findChild<QAction*>("GameLogItem")->trigger();
    QTRY_VERIFY(script.finished());
    QVERIFY(caption.contains("Adams"));
    QCOMPARE(what, (QStringList{"Before the log", "Night Tigers", " Totals"}));
    QVERIFY(correcting.contains("Correcting"));
    const QList<QByteArray> lines = readFile(exported).split('\n');
    QCOMPARE(lines.size(), 5);  // the header, three rows and the end of the last line
    QVERIFY(lines.at(0).startsWith(" Date\t Opponent\t Entry\t PA\t"));
    QVERIFY2(lines.at(2).contains("\t Night\t 4\t"), lines.at(2).constData());
}

QTEST_MAIN(TestBoxScoreCorrection)
#include "tst_boxscorecorrection.moc"
