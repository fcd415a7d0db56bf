#include "boxscorefixture.h"

#include <QTest>

using namespace pny;
using namespace boxscorefixture;

// The box score sheet entering a night: what it shows, typing, pasting, warnings, and pny boxscore.
class TestBoxScoreForm : public QObject, private BoxScoreFixture {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void init();
    void cleanup();

    void sheetShowsTheGame();
    void wholeNightByKeyboardAlone();
    void pnyBoxscoreWritesTheSameFiles();
    void pasteTwelveRows();
    void pasteThatDoesNotFitIsRefused_data();
    void pasteThatDoesNotFitIsRefused();
    void cellsTakeOnlyNumbers();
    void warningsAppearAndDisappear_data();
    void warningsAppearAndDisappear();
    void totalOutOfRangeRefusesTheNight();
};

void TestBoxScoreForm::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    Messages::presetAnswers({});
    Messages::clearShown();
}

void TestBoxScoreForm::cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    main_.reset();
    dir_.reset();
}

void TestBoxScoreForm::sheetShowsTheGame() {
    openMain();
    QCOMPARE(main_->findChild<QAction*>("BoxScoreItem")->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_B));
    QStringList homeRows, awayRows, captions;
    QString homeName, awayName, night;
    bool picksShown = true, removeShown = true;
    int columns = 0;
    runSheet([&](QWidget* d) {
        BoxScoreGrid* home = grid(d, "HomeGrid");
        BoxScoreGrid* away = grid(d, "AwayGrid");
        for (int r = 0; r < home->rowCount(); ++r)
            homeRows << home->verticalHeaderItem(r)->text();
        for (int r = 0; r < away->rowCount(); ++r)
            awayRows << away->verticalHeaderItem(r)->text();
        columns = home->columnCount();
        for (int c = 0; c < 3; ++c)
            captions << home->horizontalHeaderItem(c)->text();
        homeName = d->findChild<QLabel*>("HomeName")->text();
        awayName = d->findChild<QLabel*>("AwayName")->text();
        night = d->findChild<QLabel*>("CaptionLabel")->text() + '|' + d->windowTitle();
        picksShown = d->findChild<QPushButton*>("HomeButton")->isVisible();
        removeShown = d->findChild<QPushButton*>("RemoveButton")->isVisible();
        d->findChild<QPushButton*>("CancelButton")->click();
    });
    // Batting order first, then by number; a totals row under each team.
    QCOMPARE(homeRows, (QStringList{"4  Baker", "7  Adams", "9  Clark", "Totals"}));
    QCOMPARE(awayRows, (QStringList{"1  Dunn", "2  Evans", "Totals"}));
    QCOMPARE(columns, 43);
    QCOMPARE(captions, (QStringList{"PA", "1B", "2B"}));
    QCOMPARE(homeName, QStringLiteral("Eagles"));
    QCOMPARE(awayName, QStringLiteral("Tigers"));
    // The caption and the title name the game: its teams, day, time (no field in this league).
    QCOMPARE(night, QStringLiteral("Box Score: Tigers at Eagles, Mon 2024-06-03 19:00|"
                                   "Box Score: Tigers at Eagles, Mon 2024-06-03 19:00"));
    QVERIFY(!picksShown);   // the game decides the teams: no picking
    QVERIFY(!removeShown);  // a new night has nothing to remove
}

void TestBoxScoreForm::wholeNightByKeyboardAlone() {
    openMain();
    const QString dir = dir_->path();
    const QByteArray teamsBefore = readFile(dir + "/Y1L1.Teams");
    int pressed = 0;
    int digits = 0;
    int moves = 0;
    QStringList focusPath;
    QStringList shown;
    runSheet([&](QWidget* d) {
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(d->focusWidget(), key, modifiers);
            ++pressed;
        };
        const auto type = [&](long long value) {
            for (const QChar ch : QString::number(value)) {
                QTest::keyClick(d->focusWidget(), ch.toLatin1());
                ++pressed;
                ++digits;
            }
        };
        const std::vector<BoxScoreColumn> columns = boxScoreColumns(LeagueRecord::parse(""));
        const auto typeTeam = [&](const std::vector<Stats>& rows, long long score) {
            for (std::size_t r = 0; r < rows.size(); ++r) {
                for (const BoxScoreColumn& column : columns) {
                    const auto value = rows[r].find(column.stat);
                    if (value != rows[r].end())
                        type(value->second);
                    press(Qt::Key_Tab);  // the last cell's Tab leaves for the score
                    ++moves;
                }
            }
            focusPath << d->focusWidget()->objectName();
            type(score);
            press(Qt::Key_Tab);
            ++moves;
            focusPath << d->focusWidget()->objectName();
        };
        focusPath << d->focusWidget()->objectName();
        typeTeam(kTigersNight, 3);  // the visitors first, as in a box score
        typeTeam(kEaglesNight, 5);
        shown << warnings(d, "HomeWarnings") << warnings(d, "AwayWarnings")
              << grid(d, "HomeGrid")->cellText(3, columnOf(StatRS))
              << grid(d, "HomeGrid")->cellText(3, columnOf(StatPA));
        press(Qt::Key_Return, Qt::ControlModifier);
    });
    QCOMPARE(shown, (QStringList{"", "", "5", "10"}));  // no warning; the totals rows
    QCOMPARE(focusPath,
             (QStringList{"AwayGrid", "AwayScore", "HomeGrid", "HomeScore", "AddButton"}));
    // Only digits and one key per cell moved, and the one key that adds the night.
    int expectedDigits = 2;  // the two scores
    for (const auto* night : {&kEaglesNight, &kTigersNight}) {
        for (const Stats& row : *night) {
            for (const auto& entry : row)
                expectedDigits += static_cast<int>(QString::number(entry.second).size());
        }
    }
    QCOMPARE(digits, expectedDigits);
    QCOMPARE(moves, (3 + 2) * 43 + 2);
    QCOMPARE(pressed, digits + moves + 1);
    QVERIFY(Messages::shownTexts().isEmpty());

    // On the disk at once, without Save Data.
    QCOMPARE(readFile(dir + "/Y1L1T1.Players"),
             playersFile({withNight(kAdams, kEaglesNight[1]), withNight(kBaker, kEaglesNight[0]),
                          withNight(kClark, kEaglesNight[2])}));
    QCOMPARE(readFile(dir + "/Y1L1T2.Players"),
             playersFile({withNight(kDunn, kTigersNight[0]), withNight(kEvans, kTigersNight[1])}));
    QByteArray teamsAfter = teamsBefore;
    teamsAfter.replace("|10|Eagles|||||", "|10|Eagles|1|0|||");
    teamsAfter.replace("|20|Tigers|||||", "|20|Tigers|0|1|||");
    QCOMPARE(readFile(dir + "/Y1L1.Teams"), teamsAfter);
    GameRecord game = GameRecord::parse(gameLine("1", "2").toStdString());
    game.homeScore = "5";
    game.awayScore = "3";
    QVERIFY(
        readFile(dir + "/Y1L1.Games").contains(QByteArray::fromStdString(game.build()) + "\r\n"));
    QVERIFY(!main_->store().hasUnsavedChanges());

    // The log holds the night, and every player's totals are the sum of his lines.
    Store disk(dir);
    disk.loadYears();
    QVERIFY(disk.ensurePlayers());
    GameLog log;
    QString error;
    QVERIFY2(log.read(disk, error), qPrintable(error));
    QCOMPARE(log.nights().size(), std::size_t(1));
    const int entry = log.nights().front();
    QCOMPARE(nightOfGame(log, 1), entry);
    const std::optional<Night> night = nightOf(log, entry);
    QVERIFY(night);
    QCOMPARE(night->home.team, 1);
    QCOMPARE(night->away.team, 2);
    QCOMPARE(night->home.score.value_or(-1), 5LL);
    QCOMPARE(night->away.score.value_or(-1), 3LL);
    QCOMPARE(night->home.lines.size(), std::size_t(3));
    for (const BoxScoreLine& line : night->home.lines) {
        const std::size_t row = line.player == 2 ? 0 : line.player == 1 ? 1 : 2;
        for (const auto& [stat, value] : kEaglesNight[row])
            QCOMPARE(line.values[stat], value);
    }
    const PlayerRecord adams = PlayerRecord::parse(disk.players.line(1));
    const StatValues sum = log.playerSum(1, 1);
    QCOMPARE(sum[StatPA], static_cast<long long>(adams.value(StatPA)));
    QCOMPARE(sum[Stat1B], static_cast<long long>(adams.value(Stat1B)));
    QCOMPARE(sum[StatHR], 1LL);
    QCOMPARE(log.playerSum(1, 3)[StatRBI], 9999LL);  // Clark's baseline
}

void TestBoxScoreForm::pnyBoxscoreWritesTheSameFiles() {
    // The night of the sheet, typed cell by cell.
    openMain();
    runSheet([&](QWidget* d) {
        for (const auto& [name, rows] :
             {std::pair<const char*, const std::vector<Stats>*>{"HomeGrid", &kEaglesNight},
              {"AwayGrid", &kTigersNight}}) {
            for (std::size_t r = 0; r < rows->size(); ++r) {
                for (const auto& [stat, value] : rows->at(r))
                    typeInto(grid(d, name), static_cast<int>(r), stat, QString::number(value));
            }
        }
        typeScore(edit(d, "HomeScore"), "5");
        typeScore(edit(d, "AwayScore"), "3");
        QTest::keyClick(grid(d, "HomeGrid"), Qt::Key_Return, Qt::ControlModifier);
    });

    // The same night from a CSV file, by the players' numbers and the sheet's captions.
    QTemporaryDir other;
    writeNightFolder(other.path());
    const std::vector<BoxScoreColumn> columns = boxScoreColumns(LeagueRecord::parse(""));
    QByteArray csv;
    const std::vector<std::pair<QByteArray, std::vector<QByteArray>>> teams = {
        {"Team,Eagles,Score,5", {"4", "7", "9"}}, {"Team,Tigers,Score,3", {"1", "2"}}};
    for (std::size_t t = 0; t < teams.size(); ++t) {
        const std::vector<Stats>& rows = t == 0 ? kEaglesNight : kTigersNight;
        csv += teams[t].first + "\n";
        csv += "No";
        for (const BoxScoreColumn& column : columns)
            csv += ',' + QByteArray::fromStdString(column.caption);
        csv += '\n';
        for (std::size_t r = 0; r < rows.size(); ++r) {
            csv += teams[t].second[r];
            for (const BoxScoreColumn& column : columns) {
                const auto value = rows[r].find(column.stat);
                csv += ',' +
                       (value == rows[r].end() ? QByteArray() : QByteArray::number(value->second));
            }
            csv += '\n';
        }
    }
    testsupport::writeFile(other.path() + "/night.csv", csv);
    QProcess pny;
    pny.start(QStringLiteral(PNY_CLI),
              {"boxscore", other.path() + "/night.csv", "--folder", other.path(), "--year", "1",
               "--league", "1", "--game", "1"});
    QVERIFY(pny.waitForFinished(30000));
    QVERIFY2(pny.exitCode() == 0, pny.readAllStandardError().constData());
    for (const char* file :
         {"Y1L1T1.Players", "Y1L1T2.Players", "Y1L1.Teams", "Y1L1.Games", "Y1L1.Log"}) {
        QCOMPARE(readFile(other.path() + '/' + file), readFile(dir_->path() + '/' + file));
    }
}

void TestBoxScoreForm::pasteTwelveRows() {
    openMain();
    main_->store().league.currentGame = "2";  // the Owls (home) against the Eagles
    QString block;
    for (int r = 1; r <= 12; ++r)
        block +=
            QStringLiteral("%1\t%2\t\t\t%3\r\n").arg(r % 5 + 1).arg(r % 2).arg(r == 12 ? 1 : 0);
    QApplication::clipboard()->setText(block);
    QStringList pa, oneB, hr;
    runSheet([&](QWidget* d) {
        BoxScoreGrid* owls = grid(d, "HomeGrid");
        owls->setFocus();
        owls->setCurrentCell(0, 0);
        QTest::keyClick(owls, Qt::Key_V, Qt::ControlModifier);
        for (int r = 0; r <= 12; ++r) {
            pa << owls->cellText(r, columnOf(StatPA));
            oneB << owls->cellText(r, columnOf(Stat1B));
            hr << owls->cellText(r, columnOf(StatHR));
        }
        QTest::keyClick(owls, Qt::Key_Return, Qt::ControlModifier);
    });
    QCOMPARE(pa, (QStringList{"2", "3", "4", "5", "1", "2", "3", "4", "5", "1", "2", "3",
                              "35"}));  // the totals row
    QCOMPARE(oneB, (QStringList{"1", "0", "1", "0", "1", "0", "1", "0", "1", "0", "1", "0", "6"}));
    QCOMPARE(hr.last(), QStringLiteral("1"));
    QCOMPARE(hr.at(11), QStringLiteral("1"));
    // Added to the season: the twelfth Owl has his home run, the first his two plate appearances.
    QCOMPARE(playerOnDisk(dir_->path(), 3, 12).stat(StatHR), std::string("1"));
    QCOMPARE(playerOnDisk(dir_->path(), 3, 1).stat(StatPA), std::string("2"));
    QCOMPARE(playerOnDisk(dir_->path(), 3, 2).stat(Stat1B), std::string());
    QCOMPARE(playerOnDisk(dir_->path(), 3, 2).name, std::string("Owl2"));
}

void TestBoxScoreForm::pasteThatDoesNotFitIsRefused_data() {
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("message");
    QTest::newRow("too many rows") << "1\n2\n3\n4\n"
                                   << "3 rows";
    QTest::newRow("too many columns") << QString("1\t").repeated(43) + "1\n"
                                      << "44 columns";
    QTest::newRow("a letter") << "1\t2\n3\tx\n"
                              << "\"x\"";
    QTest::newRow("a decimal") << "1.5\n"
                               << "\"1.5\"";
}

void TestBoxScoreForm::pasteThatDoesNotFitIsRefused() {
    QFETCH(QString, block);
    QFETCH(QString, message);
    openMain();
    QApplication::clipboard()->setText(block);
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Yes});
    bool untouched = false;
    runSheet([&](QWidget* d) {
        BoxScoreGrid* home = grid(d, "HomeGrid");
        home->setFocus();
        home->setCurrentCell(0, 0);
        QTest::keyClick(home, Qt::Key_V, Qt::ControlModifier);
        untouched = !home->hasTypedCells();
        QTest::keyClick(home, Qt::Key_Escape);
    });
    QVERIFY(untouched);
    QCOMPARE(Messages::shownTexts().size(), 1);
    QVERIFY2(Messages::shownTexts().first().contains(message),
             qPrintable(Messages::shownTexts().first()));
}

void TestBoxScoreForm::cellsTakeOnlyNumbers() {
    openMain();
    QStringList texts;
    Messages::presetAnswers({QMessageBox::Yes});
    runSheet([&](QWidget* d) {
        BoxScoreGrid* home = grid(d, "HomeGrid");
        home->setFocus();
        home->setCurrentCell(0, 0);
        QTest::keyClicks(home, "1a2");  // the letter is refused, not a cell search
        texts << home->cellText(0, 0) << home->currentItem()->text();
        QTest::keyClicks(home, "345");  // four digits at most
        texts << home->cellText(0, 0);
        QTest::keyClick(home, Qt::Key_Backspace);
        texts << home->cellText(0, 0);
        QTest::keyClick(home, Qt::Key_Tab);
        QTest::keyClicks(home, "-3");
        texts << home->cellText(0, 1);
        QTest::keyClicks(home, "-");  // a minus only in front
        texts << home->cellText(0, 1);
        QTest::keyClick(home, Qt::Key_Backtab);
        QTest::keyClicks(home, "7");  // arriving in a cell, typing replaces it
        texts << home->cellText(0, 0);
        QTest::keyClick(home, Qt::Key_Delete);
        texts << home->cellText(0, 0);
        QTest::keyClick(home, Qt::Key_Return);  // Enter ends the row: the next row's first cell
        texts << QString::number(home->currentRow()) + ',' + QString::number(home->currentColumn());
        // From a row's last cell Tab goes on to the next row.
        home->setCurrentCell(0, 42);
        QTest::keyClick(home, Qt::Key_Tab);
        texts << QString::number(home->currentRow()) + ',' + QString::number(home->currentColumn());
        QTest::keyClick(home, Qt::Key_Backtab);
        texts << QString::number(home->currentRow()) + ',' + QString::number(home->currentColumn());
        // The totals row is never the cursor's.
        home->setCurrentCell(2, 0);
        QTest::keyClick(home, Qt::Key_Down);
        texts << QString::number(home->currentRow());
        QTest::keyClick(home, Qt::Key_Escape);
    });
    QCOMPARE(texts, (QStringList{"12", "12", "1234", "123", "-3", "-3", "7", "", "1,0", "1,0",
                                 "0,42", "2"}));
}

void TestBoxScoreForm::warningsAppearAndDisappear_data() {
    QTest::addColumn<bool>("home");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("stat");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("onRow");
    QTest::addColumn<int>("count");  // the warnings under the grid
    // The night starts clean: Baker 4 PA, a single, a run, which Dunn allowed; Adams and Dunn
    // pitch 7 innings; 1 to 0. A wrong number shows every check it breaks.
    QTest::newRow("hits over at-bats") << true << 0 << int(Stat1B) << "5"
                                       << "1" << true << 2;  // and more H than allowed
    QTest::newRow("earned over allowed") << true << 1 << int(StatER) << "2"
                                         << "" << true << 1;
    QTest::newRow("runs not the score") << true << 0 << int(StatRS) << "3"
                                        << "1" << false << 2;  // and more R than allowed
    QTest::newRow("outs not the innings") << false << 0 << int(StatIP) << "5"
                                          << "7" << false << 1;
    QTest::newRow("total out of range") << true << 2 << int(StatRBI) << "1"
                                        << "" << true << 1;
    QTest::newRow("hits not what the pitcher allowed") << true << 0 << int(Stat1B) << "2"
                                                       << "1" << false << 1;
}

void TestBoxScoreForm::warningsAppearAndDisappear() {
    QFETCH(bool, home);
    QFETCH(int, row);
    QFETCH(int, stat);
    QFETCH(QString, wrong);
    QFETCH(QString, right);
    QFETCH(bool, onRow);
    QFETCH(int, count);
    openMain();
    Messages::presetAnswers({QMessageBox::Yes});
    QStringList seen;
    runSheet([&](QWidget* d) {
        BoxScoreGrid* eagles = grid(d, "HomeGrid");
        BoxScoreGrid* tigers = grid(d, "AwayGrid");
        typeInto(eagles, 0, StatPA, "4");
        typeInto(eagles, 0, Stat1B, "1");
        typeInto(eagles, 0, StatRS, "1");
        typeInto(eagles, 1, StatIP, "7");
        typeInto(tigers, 0, StatIP, "7");
        typeInto(tigers, 0, StatHA, "1");
        typeInto(tigers, 0, StatRA, "1");
        typeScore(edit(d, "HomeScore"), "1");
        typeScore(edit(d, "AwayScore"), "0");
        const char* strip = home ? "HomeWarnings" : "AwayWarnings";
        BoxScoreGrid* target = home ? eagles : tigers;
        seen << warnings(d, "HomeWarnings") + warnings(d, "AwayWarnings");
        typeInto(target, row, PlayerStat(stat), wrong);
        const QString shown = warnings(d, strip);
        seen << QString::number(shown.split('\n', Qt::SkipEmptyParts).size());
        seen << (target->rowWarning(row).isEmpty() ? "unmarked" : "marked");
        seen << warnings(d, home ? "AwayWarnings" : "HomeWarnings");
        typeInto(target, row, PlayerStat(stat), right);
        seen << warnings(d, "HomeWarnings") + warnings(d, "AwayWarnings");
        seen << (target->rowWarning(row).isEmpty() ? "unmarked" : "marked");
        QTest::keyClick(target, Qt::Key_Escape);
    });
    QCOMPARE(seen, (QStringList{"", QString::number(count), onRow ? "marked" : "unmarked", "", "",
                                "unmarked"}));
}

void TestBoxScoreForm::totalOutOfRangeRefusesTheNight() {
    openMain();
    const auto before = folderBytes(dir_->path());
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Yes});
    bool stillOpen = false;
    runSheet([&](QWidget* d) {
        BoxScoreGrid* eagles = grid(d, "HomeGrid");
        typeInto(eagles, 2, StatRBI, "1");
        QTest::keyClick(eagles, Qt::Key_Return, Qt::ControlModifier);
        stillOpen = d->isVisible();
        QTest::keyClick(eagles, Qt::Key_Escape);
    });
    QVERIFY(stillOpen);
    QCOMPARE(Messages::shownTexts().size(), 2);  // the refusal, then "drop the numbers?"
    QVERIFY2(Messages::shownTexts().first().contains("Clark"),
             qPrintable(Messages::shownTexts().first()));
    QVERIFY(folderBytes(dir_->path()) == before);
    QVERIFY(!QFileInfo::exists(dir_->path() + "/Y1L1.Log"));
}

QTEST_MAIN(TestBoxScoreForm)
#include "tst_boxscoreform.moc"
