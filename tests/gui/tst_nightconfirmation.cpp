#include "boxscorefixture.h"

#include "store/linecodec.h"
#include "views/catalogues.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTest>

#include <unistd.h>

using namespace pny;
using namespace boxscorefixture;

// After a night is added, corrected or removed, the main window shows what happened without a
// click: the night's game is the highlighted row of the Schedule tab (and the record the next
// command acts on), and a line under the table names the game and the score.
class TestNightConfirmation : public QObject, private BoxScoreFixture {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void init();
    void cleanup();

    void addedNightIsTheHighlightedGame();
    void nightFromTheGameLogShowsTheSchedule_data();
    void nightFromTheGameLogShowsTheSchedule();
    void nightOutsideTheScheduleKeepsTheSelection();
    void highlightedGameStaysInView();
    void nightNotSavedOnAFullDiskIsNotConfirmed();
    void nightDroppedForAnotherProgramsFilesIsNotConfirmed();

private:
    QTableWidget* table() const { return main_->findChild<QTableWidget*>("Table"); }
    QTabBar* tabs() const { return main_->findChild<QTabBar*>("BottomTab"); }
    QLabel* confirmation() const { return main_->findChild<QLabel*>("ConfirmationLabel"); }
    // The key (the record's line) of the row the table highlights; empty when the row is not
    // selected as a whole.
    QString highlightedKey() const;
    // Moves the table's cursor to the schedule's game `game`, as a click on its row would.
    void chooseGame(int game);
    // Ctrl+B as the user types it on the table of the window, which is the active one again.
    void pressCtrlB();
    // Adds a night to game 1 (the Tigers at the Eagles, 1 to 2) with Adams batting.
    void addGameOne();
};

void TestNightConfirmation::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    Messages::presetAnswers({});
    Messages::clearShown();
}

void TestNightConfirmation::cleanup() {
    Messages::presetAnswers({});
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    main_.reset();
    dir_.reset();
}

QString TestNightConfirmation::highlightedKey() const {
    const int row = table()->currentRow();
    if (row < 0 || !table()->selectionModel()->isRowSelected(row, QModelIndex()))
        return {};
    return table()->item(row, 0)->text().trimmed();
}

void TestNightConfirmation::chooseGame(int game) {
    for (int r = 0; r < table()->rowCount(); ++r) {
        if (table()->item(r, 0)->text().trimmed() == QString::number(game))
            table()->setCurrentCell(r, 1);
    }
    QCOMPARE(highlightedKey(), QString::number(game));
    QCOMPARE(main_->store().league.currentGame, numberText(game));
}

void TestNightConfirmation::pressCtrlB() {
    // The offscreen platform may keep the closed sheet as the active window for a while, and a
    // window shortcut works only in the active window.
    main_->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(main_.get()));
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_B, Qt::ControlModifier);
}

void TestNightConfirmation::addGameOne() {
    chooseGame(1);
    runSheet([](QWidget* d) {
        BoxScoreGrid* eagles = grid(d, "HomeGrid");
        typeInto(eagles, 1, StatPA, "4");
        typeInto(eagles, 1, StatHR, "1");
        typeScore(edit(d, "HomeScore"), "2");
        typeScore(edit(d, "AwayScore"), "1");
        QTest::keyClick(eagles, Qt::Key_Return, Qt::ControlModifier);
    });
}

void TestNightConfirmation::addedNightIsTheHighlightedGame() {
    openMain();
    // The Owls' game, the second row: the schedule is on it when the sheet opens.
    chooseGame(2);
    runSheet([](QWidget* d) {
        BoxScoreGrid* owls = grid(d, "HomeGrid");
        typeInto(owls, 0, StatPA, "4");
        typeScore(edit(d, "HomeScore"), "4");
        typeScore(edit(d, "AwayScore"), "2");
        QTest::keyClick(owls, Qt::Key_Return, Qt::ControlModifier);
    });
    QVERIFY(Messages::shownTexts().isEmpty());
    QCOMPARE(tabs()->currentIndex(), kScheduleTab);
    QCOMPARE(highlightedKey(), QStringLiteral("2"));
    QCOMPARE(main_->store().league.currentGame, std::string("2"));
    QCOMPARE(main_->store().game.homeScore, std::string("4"));
    // The row shows the score the night gave the game.
    const QStringList cells = [this] {
        QStringList texts;
        for (int c = 0; c < table()->columnCount(); ++c)
            texts << table()->item(table()->currentRow(), c)->text().trimmed();
        return texts;
    }();
    QVERIFY2(cells.contains("Owls") && cells.contains("4") && cells.contains("2"),
             qPrintable(cells.join('|')));

    // Said in the window, as plain text a screen reader reads, and taking no focus.
    QLabel* line = confirmation();
    QVERIFY(line);
    QVERIFY(line->isVisible());
    const QString added = QStringLiteral("Added: game 2, Mon 2024-06-03, Eagles 2 at Owls 4");
    QCOMPARE(line->text(), added);
    QCOMPARE(line->accessibleName(), added);
    QCOMPARE(line->textFormat(), Qt::PlainText);
    QCOMPARE(line->focusPolicy(), Qt::NoFocus);
    QVERIFY(!line->hasFocus());
    QVERIFY(!Messages::shownTexts().contains(added));  // no box to close
    QVERIFY(line->geometry().top() >= table()->geometry().bottom());
    QVERIFY(line->geometry().bottom() <= tabs()->geometry().top());

    // Ctrl+B on the table opens the game just added, for correcting; the confirmation was the
    // command before and goes once this one ends.
    QString caption, night;
    ModalScript script;
    script.then("BoxScoreForm", [&](QWidget* d) {
        caption = d->findChild<QLabel*>("CaptionLabel")->text();
        night = d->findChild<QLabel*>("NightLabel")->text();
        d->findChild<QPushButton*>("CancelButton")->click();
    });
    script.start();
    pressCtrlB();
    QTRY_VERIFY(script.finished());
    QCOMPARE(caption, QStringLiteral("Box Score: Eagles at Owls, Mon 2024-06-03 19:00"));
    QVERIFY2(night.contains("Correcting"), qPrintable(night));
    QVERIFY(!line->isVisible());
    QVERIFY(line->text().isEmpty());
}

void TestNightConfirmation::nightFromTheGameLogShowsTheSchedule_data() {
    QTest::addColumn<bool>("remove");
    QTest::addColumn<QString>("said");
    QTest::newRow("corrected") << false
                               << "Corrected: game 1, Mon 2024-06-03, Tigers 1 at Eagles 3";
    QTest::newRow("removed") << true << "Removed: game 1, Mon 2024-06-03, Tigers 1 at Eagles 2";
}

// A night opened from a player's game log is corrected or removed on the Hitting tab; the window
// then shows the Schedule tab on the night's game, not on the game chosen there before.
void TestNightConfirmation::nightFromTheGameLogShowsTheSchedule() {
    QFETCH(bool, remove);
    QFETCH(QString, said);
    openMain();
    addGameOne();
    QCOMPARE(confirmation()->text(),
             QStringLiteral("Added: game 1, Mon 2024-06-03, Tigers 1 at Eagles 2"));
    chooseGame(2);
    // A tab change ends the confirmation.
    tabs()->setCurrentIndex(2);
    QVERIFY(!confirmation()->isVisible());
    main_->store().team.currentPlayer = "1";
    main_->store().writeTeam();
    main_->RefreshTable();
    QCOMPARE(main_->store().player.name, std::string("Adams"));

    ModalScript script;
    script
        .then("GameLogForm",
              [](QWidget* d) {
                  // The night's row: the sheet opens on it once the log is closed.
                  QMetaObject::invokeMethod(d, "TableDoubleClick", Qt::QueuedConnection,
                                            Q_ARG(int, 1));
                  QTimer::singleShot(0, d, [d] {
                      if (d->isVisible())
                          qobject_cast<QDialog*>(d)->reject();
                  });
              })
        .then("BoxScoreForm", [remove](QWidget* d) {
            if (remove) {
                Messages::presetAnswers({QMessageBox::Yes});
                d->findChild<QPushButton*>("RemoveButton")->click();
                if (d->isVisible())
                    qobject_cast<QDialog*>(d)->done(QDialog::Rejected);
                return;
            }
            typeScore(edit(d, "HomeScore"), "3");
            d->findChild<QPushButton*>("AddButton")->click();
            // Should the sheet refuse, it is closed: the checks below then fail.
            if (d->isVisible())
                qobject_cast<QDialog*>(d)->done(QDialog::Rejected);
        });
    script.start();
    main_->findChild<QAction*>("GameLogItem")->trigger();
    QTRY_VERIFY(script.finished());
    QVERIFY2(Messages::shownTexts().size() == (remove ? 1 : 0),
             qPrintable(Messages::shownTexts().join('|')));

    QCOMPARE(tabs()->currentIndex(), kScheduleTab);
    QCOMPARE(tabs()->tabText(tabs()->currentIndex()), QStringLiteral("Schedule"));
    QCOMPARE(highlightedKey(), QStringLiteral("1"));
    QCOMPARE(main_->store().league.currentGame, std::string("1"));
    QCOMPARE(main_->store().game.homeScore, std::string(remove ? "" : "3"));
    QVERIFY(confirmation()->isVisible());
    QCOMPARE(confirmation()->text(), said);
    // What the window shows is what the files hold.
    main_->SaveItemClick();
    Store disk(dir_->path());
    disk.loadYears();
    disk.ensureLeagues();
    QCOMPARE(disk.league.currentGame, std::string("1"));
}

// Ctrl+B on the Standings tab opens a night of a date and two teams: the window says what was
// added and stays where it was.
void TestNightConfirmation::nightOutsideTheScheduleKeepsTheSelection() {
    openMain("0");
    QCOMPARE(tabs()->currentIndex(), 0);
    const QString team = highlightedKey();
    QCOMPARE(team, QStringLiteral("1"));
    ModalScript script;
    script.then("BoxScoreForm", clickLater("HomeButton"))
        .then("ListForm", chooseTeamNamed("Owls"))
        .then("BoxScoreForm", clickLater("AwayButton"))
        .then("ListForm", chooseTeamNamed("Tigers"))
        .then("BoxScoreForm", [](QWidget* d) {
            d->findChild<QDateEdit*>("DateEdit")->setDate(QDate(2024, 7, 4));
            typeScore(edit(d, "HomeScore"), "6");
            typeScore(edit(d, "AwayScore"), "5");
            QTest::keyClick(edit(d, "AwayScore"), Qt::Key_Return, Qt::ControlModifier);
            if (d->isVisible())
                qobject_cast<QDialog*>(d)->done(QDialog::Rejected);
        });
    script.start();
    pressCtrlB();
    QTRY_VERIFY(script.finished());
    QVERIFY2(Messages::shownTexts().isEmpty(), qPrintable(Messages::shownTexts().join('|')));

    QCOMPARE(confirmation()->text(), QStringLiteral("Added: Thu 2024-07-04, Tigers 5 at Owls 6"));
    QVERIFY(confirmation()->isVisible());
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(highlightedKey(), team);
    QCOMPARE(main_->store().league.currentGame, std::string("1"));
    // The standings on the tab count the night already: the Owls' win.
    int wins = -1;
    for (int c = 0; c < table()->columnCount(); ++c) {
        if (table()->horizontalHeaderItem(c)->text().trimmed() == QLatin1String("Won"))
            wins = c;
    }
    QVERIFY(wins > 0);
    QStringList owls;
    for (int r = 0; r < table()->rowCount(); ++r) {
        if (table()->item(r, 0)->text().trimmed() == QLatin1String("3"))
            owls << table()->item(r, wins)->text().trimmed();
    }
    QCOMPARE(owls, QStringList{"1"});
}

// The line takes its space from the table: the night's game, the last row of a long schedule,
// stays in sight.
void TestNightConfirmation::highlightedGameStaysInView() {
    writeNightFolder(dir_->path());
    QList<QByteArray> games{gameLine("1", "2")};
    for (int day = 1; day <= 40; ++day) {
        GameRecord game = GameRecord::parse(gameLine("3", "2").toStdString());
        game.date = QDate(2024, 5, 1).addDays(day - 40).toString("yyyyMMdd").toStdString();
        games << QByteArray::fromStdString(game.build());
    }
    testsupport::writeFile(dir_->path() + "/Y1L1.Games", testsupport::listFile("G|", games));
    main_ = std::make_unique<TMainForm>(dir_->path());
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    QCOMPARE(table()->rowCount(), 41);
    chooseGame(1);
    QCOMPARE(table()->currentRow(), 40);
    runSheet([](QWidget* d) {
        typeScore(edit(d, "HomeScore"), "2");
        typeScore(edit(d, "AwayScore"), "1");
        d->findChild<QPushButton*>("AddButton")->click();
    });
    QVERIFY(confirmation()->isVisible());
    QCOMPARE(highlightedKey(), QStringLiteral("1"));
    QTRY_VERIFY(confirmation()->geometry().top() >= table()->geometry().bottom());
    const QRect row = table()->visualRect(table()->currentIndex());
    QVERIFY2(table()->viewport()->rect().contains(row),
             qPrintable(QStringLiteral("row %1,%2 in a viewport %3 high")
                            .arg(row.top())
                            .arg(row.bottom())
                            .arg(table()->viewport()->height())));
}

// The commit at the end of the command fails: the error says so, and no line says "Added".
void TestNightConfirmation::nightNotSavedOnAFullDiskIsNotConfirmed() {
    if (::geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=512k", "tmpfs", dir_->path()}) != 0)
        QSKIP("no tmpfs can be mounted here");
    const auto unmount = qScopeGuard([this] {
        main_.reset();  // the window lets go of its lock file first
        QProcess::execute("umount", {dir_->path()});
    });
    openMain();
    const QString filler = dir_->path() + "/filler";
    {
        QFile fill(filler);
        QVERIFY(fill.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (fill.write(block) == block.size() && fill.flush()) {
        }
    }
    QCOMPARE(QStorageInfo(dir_->path()).bytesAvailable(), 0);
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Ok});
    runSheet([](QWidget* d) {
        typeScore(edit(d, "HomeScore"), "2");
        typeScore(edit(d, "AwayScore"), "1");
        d->findChild<QPushButton*>("AddButton")->click();
    });
    const QStringList shown = Messages::shownTexts();
    QVERIFY2(!shown.isEmpty() && shown.last().contains("No space left on device"),
             qPrintable(shown.join('|')));
    QVERIFY(!confirmation()->isVisible());
    QVERIFY(main_->store().hasUnsavedChanges());
    QVERIFY(!QFile::exists(dir_->path() + "/Y1L1.Log"));

    // With room again, Save Data writes the night memory kept.
    QVERIFY(QFile::remove(filler));
    Messages::clearShown();
    main_->SaveItemClick();
    QVERIFY2(Messages::shownTexts().isEmpty(), qPrintable(Messages::shownTexts().join('|')));
    QVERIFY(readFile(dir_->path() + "/Y1L1.Teams").contains("|10|Eagles|1|0|||"));
}

// Another program rewrote a file the night changes; the user takes its files, which drops the
// night: no line says it was added.
void TestNightConfirmation::nightDroppedForAnotherProgramsFilesIsNotConfirmed() {
    openMain();
    const QByteArray theirs = "T|\r\n|10|Eagles|4|0|||\r\n|20|Tigers|0|4|||\r\n|30|Owls|||||\r\n";
    Messages::presetAnswers({QMessageBox::Discard});
    runSheet([&](QWidget* d) {
        typeScore(edit(d, "HomeScore"), "2");
        typeScore(edit(d, "AwayScore"), "1");
        QTest::qWait(20);
        testsupport::writeFile(dir_->path() + "/Y1L1.Teams", theirs);
        d->findChild<QPushButton*>("AddButton")->click();
    });
    const QStringList shown = Messages::shownTexts();
    QVERIFY2(shown.size() == 1 && shown.first().contains("changed by another program"),
             qPrintable(shown.join('|')));
    QCOMPARE(readFile(dir_->path() + "/Y1L1.Teams"), theirs);
    QVERIFY(!QFile::exists(dir_->path() + "/Y1L1.Log"));
    QVERIFY(!confirmation()->isVisible());
}

QTEST_MAIN(TestNightConfirmation)
#include "tst_nightconfirmation.moc"
