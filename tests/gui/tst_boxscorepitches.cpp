#include "common/messages.h"
#include "entry/boxscoregrid.h"
#include "gamelog/gamelog.h"
#include "gamelog/logline.h"
#include "main/main.h"
#include "store/records.h"

#include "leaguefolder.h"
#include "modalscript.h"
#include "schedulefolder.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace pny;
using testsupport::listFile;
using testsupport::playerLine;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// The Eagles (Adams, Baker) at home to the Tigers (Dunn) on 2024-06-03. Adams threw 50 pitches
// on 2024-06-01 (night 1 of the log): two days of rest, eligible from 2024-06-04.
void writeSeason(const QString& dir, bool rules) {
    GameRecord game = GameRecord::parse("");
    game.flag.clear();
    game.date = "20240603";
    game.time = "1900";
    game.home = "1";
    game.away = "2";
    testsupport::writeScheduleFolder(dir, {QByteArray::fromStdString(game.build())}, {}, {},
                                     [](LeagueRecord& league) {
                                         league.innings = "7";
                                         league.currentTeam = "1";
                                         league.currentGame = "1";
                                     });
    writeFile(dir + "/Y1L1T1.Players",
              listFile("P|", {playerLine("7", "Adams", {{26, "30"}, {27, "20"}, {24, "5"}}),
                              playerLine("4", "Baker")}));
    writeFile(dir + "/Y1L1T2.Players", listFile("P|", {playerLine("1", "Dunn")}));
    GameLog log;
    LogLine line;
    line.entry = 1;
    line.date = "20240601";
    line.team = 1;
    line.opponent = 2;
    log.append(line);
    line.player = 1;
    line.values[StatIP] = 5;
    line.values[StatST] = 30;
    line.values[StatBT] = 20;
    log.append(line);
    QByteArray text;
    for (const std::string& each : log.fileLines())
        text += QByteArray::fromStdString(each) + "\r\n";
    writeFile(dir + "/Y1L1.Log", text);
    if (rules)
        writeFile(dir + "/Y1L1.Leaders",
                  "Leaders|\r\n3.1|1.0|0.67|10|\r\nPitches|85|21:1|36:2|51:3|66:4|\r\n");
}

int columnCaptioned(const BoxScoreGrid* grid, const QString& caption) {
    for (int c = 0; c < grid->columnCount(); ++c) {
        if (grid->horizontalHeaderItem(c)->text() == caption)
            return c;
    }
    return -1;
}

void typeAt(BoxScoreGrid* grid, int row, int column, const QString& text) {
    grid->setFocus();
    grid->setCurrentCell(row, column == 0 ? 1 : 0);
    grid->setCurrentCell(row, column);
    QTest::keyClicks(grid, text);
}

PlayerRecord adamsOnDisk(const QString& dir) {
    const QList<QByteArray> lines = readFile(dir + "/Y1L1T1.Players").split('\n');
    return PlayerRecord::parse(lines.value(1).trimmed().toStdString());
}

}  // namespace

class TestBoxScorePitches : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void cleanup();
    void columnsFollowTheRules_data();
    void columnsFollowTheRules();
    void pitchesAreTypedAsNpAndS();

private:
    // Unless `scorerTerms`, the sheet is switched to all statistics first.
    void runSheet(bool rules, const std::function<void(QWidget*)>& steps, bool scorerTerms = false);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TMainForm> main_;
};

void TestBoxScorePitches::cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    Messages::presetAnswers({});
    main_.reset();
    dir_.reset();
}

void TestBoxScorePitches::runSheet(bool rules, const std::function<void(QWidget*)>& steps,
                                   bool scorerTerms) {
    dir_ = std::make_unique<QTemporaryDir>();
    writeSeason(dir_->path(), rules);
    main_ = std::make_unique<TMainForm>(dir_->path());
    main_->show();
    main_->SaveItemClick();
    ModalScript script;
    script.then("BoxScoreForm", [steps, scorerTerms](QWidget* d) {
        if (!scorerTerms)
            d->findChild<QCheckBox*>("AllStatisticsCheck")->click();
        steps(d);
        if (d->isVisible())
            qobject_cast<QDialog*>(d)->done(QDialog::Rejected);
    });
    script.start();
    main_->findChild<QAction*>("BoxScoreItem")->trigger();
    QVERIFY(script.finished());
}

void TestBoxScorePitches::columnsFollowTheRules_data() {
    QTest::addColumn<bool>("rules");
    QTest::addColumn<bool>("scorerTerms");
    QTest::addColumn<QStringList>("pitchColumns");
    QTest::newRow("league without rules") << false << false << QStringList{"ST", "BT"};
    QTest::newRow("league with rules") << true << false << QStringList{"NP", "S"};
    // A box score without pitch counts shows none; with them, NP and S.
    QTest::newRow("box score, no rules") << false << true << QStringList{};
    QTest::newRow("box score with rules") << true << true << QStringList{"NP", "S"};
}

void TestBoxScorePitches::columnsFollowTheRules() {
    QFETCH(bool, rules);
    QFETCH(bool, scorerTerms);
    QFETCH(QStringList, pitchColumns);
    QStringList captions;
    runSheet(
        rules,
        [&](QWidget* d) {
            const auto* home = d->findChild<BoxScoreGrid*>("HomeGrid");
            for (const char* caption : {"ST", "BT", "NP", "S"}) {
                if (columnCaptioned(home, caption) >= 0)
                    captions << caption;
            }
            // They stand side by side.
            if (!pitchColumns.isEmpty()) {
                QCOMPARE(columnCaptioned(home, pitchColumns.last()),
                         columnCaptioned(home, pitchColumns.first()) + 1);
            }
        },
        scorerTerms);
    QCOMPARE(captions, pitchColumns);
}

void TestBoxScorePitches::pitchesAreTypedAsNpAndS() {
    QString warned;
    QString warnedWithStrikes;
    QString total;
    Messages::presetAnswers({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes});
    runSheet(true, [&](QWidget* d) {
        auto* home = d->findChild<BoxScoreGrid*>("HomeGrid");
        const int np = columnCaptioned(home, "NP");
        const int s = columnCaptioned(home, "S");
        // Neither bats in order: by number, 4 Baker comes before 7 Adams.
        QCOMPARE(home->verticalHeaderItem(1)->text(), QString("7  Adams"));
        typeAt(home, 1, np, "90");
        warned = d->findChild<QLabel*>("HomeWarnings")->text();
        typeAt(home, 1, s, "60");
        warnedWithStrikes = d->findChild<QLabel*>("HomeWarnings")->text();
        total = home->item(home->rowCount() - 1, np)->text();
        d->findChild<QPushButton*>("AddButton")->click();
    });
    QCOMPARE(warned, QString("Adams was not eligible to pitch on 2024-06-03: he threw 50 pitches "
                             "on 2024-06-01 (night 1) and was eligible from 2024-06-04.\n"
                             "Adams threw 90 pitches on 2024-06-03, over the daily maximum of "
                             "85."));
    QCOMPARE(warnedWithStrikes, warned);
    QCOMPARE(total.trimmed(), QString("90"));
    // Warned of, never refused: stored as 60 strikes and 30 balls on top of 30 and 20.
    const PlayerRecord adams = adamsOnDisk(dir_->path());
    QCOMPARE(adams.value(StatST), 90);
    QCOMPARE(adams.value(StatBT), 50);
}

QTEST_MAIN(TestBoxScorePitches)
#include "tst_boxscorepitches.moc"
