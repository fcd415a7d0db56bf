// The box score sheet in the scorer's terms: the keys that type it, lines that cannot be added,
// the switch to all statistics and back, and the columns a league chooses.
#include "boxscorefixture.h"

#include "gamelog/scorerline.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTest>

using namespace pny;
using namespace boxscorefixture;

namespace {

// The sheet's columns in the scorer's terms (the night folder's league has no user headers).
int scorerColumn(const char* name) {
    const std::vector<BoxScoreColumn> columns =
        defaultScorerColumns(LeagueRecord::parse(""), false);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].name == name)
            return static_cast<int>(c);
    }
    qFatal("no column %s", name);
}

QString at(const BoxScoreGrid* grid) {
    const std::vector<BoxScoreColumn> columns =
        defaultScorerColumns(LeagueRecord::parse(""), false);
    const int c = grid->currentColumn();
    return QStringLiteral("%1,%2")
        .arg(grid->currentRow())
        .arg(c >= 0 && c < static_cast<int>(columns.size())
                 ? QString::fromStdString(columns[c].name)
                 : QString::number(c));
}

// Types `keys` where the sheet's focus is: "\t" is Tab, "\n" Enter, "^" F2, any other character
// itself.
void typeKeys(QWidget* sheet, const QString& keys) {
    for (const QChar key : keys) {
        QWidget* target = sheet->focusWidget();
        if (key == '\t')
            QTest::keyClick(target, Qt::Key_Tab);
        else if (key == '\n')
            QTest::keyClick(target, Qt::Key_Return);
        else if (key == '^')
            QTest::keyClick(target, Qt::Key_F2);
        else
            QTest::keyClicks(target, QString(key));
    }
}

}  // namespace

class TestBoxScoreScorer : public QObject, private BoxScoreFixture {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void init();
    void cleanup();

    void keysOfTheScorer_data();
    void keysOfTheScorer();
    void lineThatCannotBeAddedIsRefused();
    void allStatisticsAndBack();
    void pastNightOpensInTheColumnsThatShowIt();
    void columnsChosenForTheLeague();
    void pastNightCorrectedInTheScorersTerms();
};

void TestBoxScoreScorer::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    Messages::presetAnswers({});
    Messages::clearShown();
}

void TestBoxScoreScorer::cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    main_.reset();
    dir_.reset();
}

void TestBoxScoreScorer::keysOfTheScorer_data() {
    QTest::addColumn<QString>("from");    // the cell the cursor starts in
    QTest::addColumn<QString>("keys");    // see typeKeys
    QTest::addColumn<QString>("cells");   // the row's cells from `from` on, "|"-separated
    QTest::addColumn<QString>("cursor");  // where the cursor ends: "row,column name"
    QTest::newRow("a digit a cell") << "AB"
                                    << "412"
                                    << "4|1|2|"
                                    << "0,2B";
    QTest::newRow("Tab skips a cell") << "AB"
                                      << "4\t2"
                                      << "4||2|"
                                      << "0,2B";
    QTest::newRow("IP moves on after its outs") << "IP"
                                                << "5.2"
                                                << "5.2|"
                                                << "0,P.H";
    QTest::newRow("whole innings and Tab") << "IP"
                                           << "6\t3"
                                           << "6|3|"
                                           << "0,P.R";
    QTest::newRow("a decision letter") << "DEC"
                                       << "w"
                                       << "W|"
                                       << "0,IP";
    QTest::newRow("no other letter") << "DEC"
                                     << "x"
                                     << "|"
                                     << "0,DEC";
    QTest::newRow("a pitcher's count is one digit") << "P.H"
                                                    << "73"
                                                    << "7|3|"
                                                    << "0,ER";
    QTest::newRow("P goes to the row's pitching") << "AB"
                                                  << "3P"
                                                  << "3|"
                                                  << "0,DEC";
    QTest::newRow("F to its fielding") << "AB"
                                       << "F"
                                       << ""
                                       << "0,PO";
    QTest::newRow("B back to batting") << "IP"
                                       << "B"
                                       << ""
                                       << "0,AB";
    QTest::newRow("Enter ends the row") << "AB"
                                        << "41\n"
                                        << "4|1|"
                                        << "1,AB";
    QTest::newRow("Enter ends a pitching row") << "DEC"
                                               << "L4\n"
                                               << "L|4|"
                                               << "1,DEC";
    QTest::newRow("an empty row costs one key") << "AB"
                                                << "\n"
                                                << ""
                                                << "1,AB";
    QTest::newRow("F2 for ten and more, then Tab") << "R"
                                                   << "^12\t"
                                                   << "12|"
                                                   << "0,H";
    QTest::newRow("F2, then Enter ends the row") << "R"
                                                 << "^12\n"
                                                 << "12|"
                                                 << "1,AB";
}

void TestBoxScoreScorer::keysOfTheScorer() {
    QFETCH(QString, from);
    QFETCH(QString, keys);
    QFETCH(QString, cells);
    QFETCH(QString, cursor);
    openMain();
    Messages::presetAnswers({QMessageBox::Yes});
    QString typed, ended;
    runSheet(
        [&](QWidget* d) {
            BoxScoreGrid* tigers = grid(d, "AwayGrid");
            QCOMPARE(d->focusWidget(), tigers);  // the visitors first
            // Each caption says what its column holds.
            QCOMPARE(tigers->horizontalHeaderItem(scorerColumn("P.H"))->toolTip(),
                     QStringLiteral("P.H: hits the pitcher allowed"));
            QCOMPARE(tigers->horizontalHeaderItem(scorerColumn("2B"))->toolTip(),
                     QStringLiteral("2B: Doubles"));
            const int start = scorerColumn(from.toLatin1().constData());
            tigers->setCurrentCell(0, start);
            typeKeys(d, keys);
            QStringList row;
            for (int c = start; c < start + cells.count('|'); ++c)
                row << tigers->cellText(0, c);
            typed = cells.isEmpty() ? QString() : row.join('|') + '|';
            ended = at(tigers);
        },
        true);
    QCOMPARE(typed, cells);
    QCOMPARE(ended, cursor);
}

void TestBoxScoreScorer::lineThatCannotBeAddedIsRefused() {
    openMain();
    const auto before = folderBytes(dir_->path());
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Yes});
    QString rowWarning, strip, fixedStrip;
    bool stillOpen = false;
    runSheet(
        [&](QWidget* d) {
            BoxScoreGrid* tigers = grid(d, "AwayGrid");
            tigers->setCurrentCell(0, scorerColumn("IP"));
            typeKeys(d, "4.3");
            rowWarning = tigers->rowWarning(0);
            strip = warnings(d, "AwayWarnings");
            QTest::keyClick(tigers, Qt::Key_Return, Qt::ControlModifier);
            stillOpen = d->isVisible();
            tigers->setCurrentCell(0, scorerColumn("IP"));
            typeKeys(d, "4.2");
            fixedStrip = warnings(d, "AwayWarnings") + tigers->rowWarning(0);
            QTest::keyClick(tigers, Qt::Key_Escape);
        },
        true);
    QVERIFY2(rowWarning.startsWith("IP 4.3 is no number of innings"), qPrintable(rowWarning));
    QVERIFY2(strip.startsWith("1 Dunn: IP 4.3"), qPrintable(strip));
    QVERIFY(stillOpen);
    QVERIFY2(Messages::shownTexts().value(0).startsWith(
                 "Nothing was added: 1 Dunn (Tigers): IP 4.3 is no number of innings"),
             qPrintable(Messages::shownTexts().value(0)));
    QVERIFY2(!fixedStrip.contains("IP 4"), qPrintable(fixedStrip));
    QVERIFY(folderBytes(dir_->path()) == before);
}

void TestBoxScoreScorer::allStatisticsAndBack() {
    openMain();
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Yes});
    QStringList stored, back;
    bool stayed = false;
    runSheet(
        [&](QWidget* d) {
            auto* all = d->findChild<QCheckBox*>("AllStatisticsCheck");
            BoxScoreGrid* eagles = grid(d, "HomeGrid");
            eagles->setFocus();
            eagles->setCurrentCell(0, scorerColumn("AB"));
            typeKeys(d, "412\t\t1");  // Baker: 4 AB, 1 R, 2 H, a home run
            all->click();
            for (PlayerStat stat : {StatPA, Stat1B, StatHR, StatRS, StatG})
                stored << eagles->cellText(0, columnOf(stat));
            // Two games in one night: the box score columns cannot show it.
            typeInto(eagles, 0, StatG, "2");
            all->click();
            stayed = all->isChecked();
            typeInto(eagles, 0, StatG, "1");
            all->click();
            for (const char* name : {"AB", "R", "H", "HR"})
                back << eagles->cellText(0, scorerColumn(name));
            QTest::keyClick(eagles, Qt::Key_Escape);
        },
        true);
    QCOMPARE(stored, (QStringList{"4", "1", "1", "1", "1"}));
    QVERIFY(stayed);
    QCOMPARE(Messages::shownTexts().value(0),
             QStringLiteral("The line of 4 Baker holds statistics these columns do not show; it "
                            "stays in all statistics."));
    QCOMPARE(back, (QStringList{"4", "1", "2", "1"}));
}

void TestBoxScoreScorer::pastNightOpensInTheColumnsThatShowIt() {
    openMain();
    // A night with PkO, which the box score columns do not show, added in all statistics.
    runSheet([&](QWidget* d) {
        BoxScoreGrid* eagles = grid(d, "HomeGrid");
        typeInto(eagles, 0, StatPA, "4");
        typeInto(eagles, 0, StatPkO, "1");
        typeInto(eagles, 0, StatG, "1");
        QTest::keyClick(eagles, Qt::Key_Return, Qt::ControlModifier);
    });
    QVERIFY2(Messages::shownTexts().isEmpty(), qPrintable(Messages::shownTexts().join('\n')));
    bool allShown = false;
    QString night;
    runSheet(
        [&](QWidget* d) {
            allShown = d->findChild<QCheckBox*>("AllStatisticsCheck")->isChecked();
            night = d->findChild<QLabel*>("NightLabel")->text();
            d->findChild<QPushButton*>("CancelButton")->click();
        },
        true);
    QVERIFY(allShown);
    QVERIFY2(night.contains("do not show"), qPrintable(night));

    // The second game's night, typed in the box score columns, opens in them again.
    main_->store().league.currentGame = "2";
    main_->store().readGame(2);
    runSheet(
        [&](QWidget* d) {
            BoxScoreGrid* owls = grid(d, "HomeGrid");
            owls->setFocus();
            owls->setCurrentCell(0, scorerColumn("AB"));
            typeKeys(d, "3P\t2.1");
            QTest::keyClick(owls, Qt::Key_Return, Qt::ControlModifier);
        },
        true);
    QVERIFY2(Messages::shownTexts().isEmpty(), qPrintable(Messages::shownTexts().join('\n')));
    QStringList cells;
    runSheet(
        [&](QWidget* d) {
            allShown = d->findChild<QCheckBox*>("AllStatisticsCheck")->isChecked();
            for (const char* name : {"AB", "DEC", "IP"})
                cells << grid(d, "HomeGrid")->cellText(0, scorerColumn(name));
            d->findChild<QPushButton*>("CancelButton")->click();
        },
        true);
    QVERIFY(!allShown);
    QCOMPARE(cells, (QStringList{"3", "", "2.1"}));
}

void TestBoxScoreScorer::columnsChosenForTheLeague() {
    openMain();
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Yes});
    QStringList captions;
    bool switched = false;
    runSheet(
        [&](QWidget* d) {
            BoxScoreGrid* eagles = grid(d, "HomeGrid");
            eagles->setFocus();
            eagles->setCurrentCell(0, scorerColumn("E"));
            typeKeys(d, "1");  // an error, before the league drops its fielding
            ModalScript script;
            script.then("SheetColumnsForm", [](QWidget* form) {
                auto* list = form->findChild<QListWidget*>("ColumnList");
                for (int row = 0; row < list->count(); ++row) {
                    const QString name = list->item(row)->toolTip();
                    if (name == "PO" || name == "A" || name == "E")
                        list->item(row)->setCheckState(Qt::Unchecked);
                }
                form->findChild<QPushButton*>("OkButton")->click();
            });
            script.start();
            d->findChild<QPushButton*>("ColumnsButton")->click();
            QVERIFY(script.finished());
            // The error typed cannot be shown without E: the sheet shows all statistics.
            switched = d->findChild<QCheckBox*>("AllStatisticsCheck")->isChecked();
            QCOMPARE(eagles->cellText(0, columnOf(StatErr)), QStringLiteral("1"));
            QTest::keyClick(eagles, Qt::Key_Escape);
        },
        true);
    QVERIFY(switched);
    QVERIFY2(Messages::shownTexts().value(0).contains("4 Baker"),
             qPrintable(Messages::shownTexts().value(0)));
    const QByteArray settings = readFile(dir_->path() + "/Y1L1.Leaders");
    QVERIFY2(settings.contains("\r\nSheet|AB|R|H|") && !settings.contains("|PO|"),
             settings.constData());
    // The league keeps its choice: the sheet opens without fielding.
    runSheet(
        [&](QWidget* d) {
            const BoxScoreGrid* eagles = grid(d, "HomeGrid");
            for (int c = 0; c < eagles->columnCount(); ++c)
                captions << eagles->horizontalHeaderItem(c)->text();
            d->findChild<QPushButton*>("CancelButton")->click();
        },
        true);
    QCOMPARE(captions.size(), scorerColumn("PO"));
    QVERIFY(!captions.contains("PO") && !captions.contains("E"));
}

// A past night reopened in the box score's columns and corrected by keyboard alone: only the
// difference reaches the totals.
void TestBoxScoreScorer::pastNightCorrectedInTheScorersTerms() {
    openMain();
    runSheet(
        [&](QWidget* d) {
            BoxScoreGrid* eagles = grid(d, "HomeGrid");
            eagles->setFocus();
            eagles->setCurrentCell(0, scorerColumn("AB"));
            typeKeys(d, "412\n");  // Baker: 4 AB, 1 R, 2 H
            QTest::keyClick(eagles, Qt::Key_Return, Qt::ControlModifier);
        },
        true);
    QVERIFY2(Messages::shownTexts().isEmpty(), qPrintable(Messages::shownTexts().join('\n')));
    QCOMPARE(playerOnDisk(dir_->path(), 1, 2).value(Stat1B), 2LL);
    QString opened;
    runSheet(
        [&](QWidget* d) {
            opened = d->findChild<QLabel*>("NightLabel")->text();
            BoxScoreGrid* eagles = grid(d, "HomeGrid");
            eagles->setFocus();
            eagles->setCurrentCell(0, scorerColumn("H"));
            typeKeys(d, "1");  // two hits were one
            QTest::keyClick(eagles, Qt::Key_Return, Qt::ControlModifier);
        },
        true);
    QVERIFY2(Messages::shownTexts().isEmpty(), qPrintable(Messages::shownTexts().join('\n')));
    QVERIFY(opened.startsWith("Correcting"));
    const PlayerRecord baker = playerOnDisk(dir_->path(), 1, 2);
    QCOMPARE(baker.value(Stat1B), 1LL);
    QCOMPARE(baker.value(StatPA), 4LL);
    QCOMPARE(baker.value(StatG), 1LL);
}

QTEST_MAIN(TestBoxScoreScorer)
#include "tst_boxscorescorer.moc"
