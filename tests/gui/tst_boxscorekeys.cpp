// A night typed from a conventional box score, as a scorer types it, in the fewest keys: the
// keys are counted, and the files it writes are the same bytes as the same night typed in the
// stored statistics.
#include "common/messages.h"
#include "entry/boxscoregrid.h"
#include "gamelog/boxscorecolumns.h"
#include "main/main.h"
#include "store/store.h"
#include "views/catalogues.h"

#include "modalscript.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <tuple>

using namespace pny;
using testsupport::readFile;

namespace {

// A box score line: the scorer's column names (the pitcher's H is "P.H") and what is written.
using Line = std::map<QString, QString>;

// Harbor Herons 6 at Foxglove Fireflies 3, seven innings, game 16 of the sample season. Rows in
// the sheet's order: the batting order (the two pitchers lead off in the sample), then the
// others by number. Each team's batting agrees with the other team's pitching, so the sheet has
// nothing to warn of.
const std::vector<Line> kHerons = {
    {{"AB", "4"},
     {"R", "1"},
     {"H", "1"},
     {"BB", "1"},
     {"SO", "1"},  // pitches too
     {"DEC", "W"},
     {"IP", "4"},
     {"P.H", "3"},
     {"P.R", "3"},
     {"ER", "2"},
     {"P.BB", "1"},
     {"P.SO", "3"}},
    {{"AB", "3"},
     {"SO", "1"},  // relieves
     {"DEC", "S"},
     {"IP", "3"},
     {"P.H", "3"},
     {"P.R", "0"},
     {"ER", "0"},
     {"P.BB", "1"},
     {"P.SO", "5"}},
    {{"AB", "4"}, {"R", "2"}, {"H", "2"}, {"2B", "1"}, {"RBI", "1"}},
    {{"AB", "4"}, {"R", "1"}, {"H", "2"}, {"HR", "1"}, {"RBI", "3"}},
    {{"AB", "3"}, {"R", "1"}, {"H", "1"}, {"RBI", "1"}, {"BB", "1"}, {"SO", "1"}, {"E", "1"}},
    {{"AB", "3"}, {"H", "1"}, {"SO", "2"}},
    {{"AB", "3"}, {"R", "1"}, {"H", "1"}, {"RBI", "1"}, {"SO", "1"}, {"SB", "1"}},
    {{"AB", "2"}, {"SO", "1"}, {"SH", "1"}},
    {{"AB", "2"}, {"SO", "1"}},
    {{"AB", "1"}, {"H", "1"}},  // a pinch hitter
    {},
    {},
};
const std::vector<Line> kFireflies = {
    {{"AB", "3"},
     {"R", "1"},
     {"H", "1"},
     {"BB", "1"},
     {"DEC", "L"},
     {"IP", "5.2"},
     {"P.H", "8"},
     {"P.R", "5"},
     {"ER", "4"},
     {"P.BB", "2"},
     {"P.SO", "6"}},
    {{"AB", "3"},
     {"H", "1"},
     {"SO", "1"},
     {"IP", "1.1"},
     {"P.H", "1"},
     {"P.R", "1"},
     {"ER", "1"},
     {"P.SO", "2"}},
    {{"AB", "4"}, {"H", "1"}, {"2B", "1"}, {"RBI", "1"}},
    {{"AB", "4"}, {"R", "1"}, {"H", "1"}, {"RBI", "2"}, {"SO", "1"}},
    {{"AB", "3"}, {"BB", "1"}, {"SO", "2"}, {"E", "1"}},
    {{"AB", "3"}, {"R", "1"}, {"H", "2"}, {"SO", "1"}},
    {{"AB", "3"}, {"SO", "1"}},
    {{"AB", "2"}, {"SO", "1"}},
    {{"AB", "1"}, {"SO", "1"}},
    {{"AB", "1"}},  // a pinch hitter
    {},
    {},
};

QString samplePath() {
    return QDir::cleanPath(testsupport::dataPath("../../examples/Riverbend.PZS"));
}

// The stored counts of a line, worked out by hand as a scorer converting it would.
std::map<PlayerStat, long long> storedCounts(const Line& line) {
    const auto n = [&line](const char* name) {
        const auto it = line.find(QLatin1String(name));
        return it == line.end() ? 0LL : it->second.toLongLong();
    };
    std::map<PlayerStat, long long> out{{StatPA, n("AB") + n("BB") + n("HBP") + n("SH") + n("SF")},
                                        {Stat1B, n("H") - n("2B") - n("3B") - n("HR")},
                                        {Stat2B, n("2B")},
                                        {Stat3B, n("3B")},
                                        {StatHR, n("HR")},
                                        {StatRS, n("R")},
                                        {StatRBI, n("RBI")},
                                        {StatBB, n("BB")},
                                        {StatSO, n("SO")},
                                        {StatSBnt, n("SH")},
                                        {StatSB, n("SB")},
                                        {StatErr, n("E")},
                                        {StatHA, n("P.H")},
                                        {StatRA, n("P.R")},
                                        {StatER, n("ER")},
                                        {StatWA, n("P.BB")},
                                        {StatBSO, n("P.SO")}};
    const auto it = line.find(QStringLiteral("IP"));
    if (it != line.end()) {
        const QStringList parts = it->second.split(QLatin1Char('.'));
        out[StatIP] = parts.at(0).toLongLong();
        out[StatIP3] = parts.value(1).toLongLong();
        out[StatGP] = 1;
    }
    const QString decision =
        line.count(QStringLiteral("DEC")) ? line.at(QStringLiteral("DEC")) : "";
    out[StatWon] = decision == "W";
    out[StatLost] = decision == "L";
    out[StatSv] = decision == "S";
    out[StatG] = line.count(QStringLiteral("AB")) || line.count(QStringLiteral("E"));
    return out;
}

}  // namespace

class TestBoxScoreKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void cleanup();
    void conventionalBoxScoreInAQuarterOfTheKeys();
    void sameNightInAllStatisticsWritesTheSameBytes();
    void pnyBoxscoreInTheScorersNamesWritesTheSameBytes();

private:
    // The sample season in a new folder, the main window on it and its game 16 chosen on the
    // Schedule tab; the sheet is opened on it with Ctrl+B, running `steps`.
    void openSampleNight(QTemporaryDir& dir, const std::function<void(QWidget*)>& steps);
    std::map<QString, QByteArray> filesOf(const QString& dir) const;
    std::unique_ptr<TMainForm> main_;
};

void TestBoxScoreKeys::cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    Messages::presetAnswers({});
    main_.reset();
}

void TestBoxScoreKeys::openSampleNight(QTemporaryDir& dir,
                                       const std::function<void(QWidget*)>& steps) {
    main_ = std::make_unique<TMainForm>(dir.path());
    main_->setSampleSeason(samplePath());
    main_->show();
    main_->findChild<QPushButton*>("OpenSampleButton")->click();
    QVERIFY(Messages::shownTexts().isEmpty());
    main_->findChild<QTabBar*>()->setCurrentIndex(kScheduleTab);
    auto* table = main_->findChild<QTableWidget*>("Table");
    int row = -1;
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->item(r, 0)->text().trimmed() == QLatin1String("16"))
            row = r;
    }
    QVERIFY(row >= 0);
    table->setFocus();
    table->setCurrentCell(row, 0);
    main_->SaveItemClick();
    ModalScript script;
    script.then("BoxScoreForm", [steps](QWidget* d) {
        steps(d);
        if (d->isVisible())
            qobject_cast<QDialog*>(d)->done(QDialog::Rejected);
    });
    script.start();
    QTest::keyClick(table, Qt::Key_B, Qt::ControlModifier);
    QTRY_VERIFY(script.finished());
}

std::map<QString, QByteArray> TestBoxScoreKeys::filesOf(const QString& dir) const {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(dir).entryList(QDir::Files)) {
        if (name != QLatin1String("Pennantry.Lock") && name != QLatin1String("Pennantry.Imports"))
            files[name] = readFile(dir + '/' + name);
    }
    return files;
}

void TestBoxScoreKeys::conventionalBoxScoreInAQuarterOfTheKeys() {
    QTemporaryDir dir;
    int keys = 0;
    QString caption;
    QStringList warningTexts;
    const std::vector<BoxScoreColumn> columns =
        defaultScorerColumns(LeagueRecord::parse(""), false);
    openSampleNight(dir, [&](QWidget* d) {
        caption = d->findChild<QLabel*>("CaptionLabel")->text();
        const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(d->focusWidget(), Qt::Key(key), modifiers);
            ++keys;
        };
        const auto type = [&](const QString& text) {
            for (const QChar ch : text) {
                QTest::keyClick(d->focusWidget(), ch.toLatin1());
                ++keys;
            }
        };
        const auto typeTeam = [&](const char* gridName, const std::vector<Line>& lines,
                                  const char* score) {
            auto* grid = d->findChild<BoxScoreGrid*>(gridName);
            QCOMPARE(d->focusWidget(), grid);
            QCOMPARE(grid->playerRows(), static_cast<int>(lines.size()));
            for (std::size_t r = 0; r < lines.size(); ++r) {
                QCOMPARE(grid->currentRow(), static_cast<int>(r));
                // Batting, pitching, fielding: each part's cells up to its last value.
                for (EntryGroup group :
                     {EntryGroup::Offense, EntryGroup::Pitching, EntryGroup::Defense}) {
                    std::vector<int> cells;
                    int last = -1;
                    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
                        const EntryGroup g = columns[c].group == EntryGroup::Custom
                                                 ? EntryGroup::Offense
                                                 : columns[c].group;
                        if (g != group)
                            continue;
                        cells.push_back(c);
                        if (lines[r].count(QString::fromStdString(columns[c].name)))
                            last = c;
                    }
                    if (last < 0)
                        continue;
                    if (grid->currentColumn() != cells.front())
                        type(group == EntryGroup::Pitching  ? "P"
                             : group == EntryGroup::Defense ? "F"
                                                            : "B");
                    QCOMPARE(grid->currentColumn(), cells.front());
                    for (int c : cells) {
                        const auto value = lines[r].find(QString::fromStdString(columns[c].name));
                        if (value != lines[r].end())
                            type(value->second);
                        if (c == last)
                            break;
                        // Only a cell that did not move on by itself needs Tab.
                        if (grid->currentColumn() == c)
                            press(Qt::Key_Tab);
                        QCOMPARE(grid->currentColumn(), c + 1);
                    }
                }
                press(Qt::Key_Return);  // the row is done; an empty row costs this key alone
            }
            // After the last row the team's runs.
            QCOMPARE(d->focusWidget()->objectName(),
                     QString::fromLatin1(gridName).replace("Grid", "Score"));
            type(score);
            press(Qt::Key_Return);
        };
        typeTeam("AwayGrid", kHerons, "6");
        typeTeam("HomeGrid", kFireflies, "3");
        for (const char* name : {"AwayWarnings", "HomeWarnings"})
            warningTexts << d->findChild<QLabel*>(name)->text();
        press(Qt::Key_Return, Qt::ControlModifier);
    });
    QCOMPARE(caption, QStringLiteral("Box Score: Harbor Herons at Foxglove Fireflies, "
                                     "Tue 2025-06-10 18:00, Memorial Park"));
    QCOMPARE(warningTexts, (QStringList{"", ""}));
    QVERIFY2(Messages::shownTexts().isEmpty(), qPrintable(Messages::shownTexts().join('\n')));
    // The figure bench/boxscore_keys.sh reports.
    qInfo("Keys for the reference night: %d", keys);
    QVERIFY2(keys <= 250, qPrintable(QString::number(keys)));
    QVERIFY(readFile(dir.path() + "/Y1L1.Games").contains("|20250610|1800|1|6|1|2|4|||3|6|"));
}

void TestBoxScoreKeys::sameNightInAllStatisticsWritesTheSameBytes() {
    QTemporaryDir scorer;
    QTemporaryDir stored;
    // In the scorer's terms, cell by cell.
    const std::vector<BoxScoreColumn> columns =
        defaultScorerColumns(LeagueRecord::parse(""), false);
    openSampleNight(scorer, [&](QWidget* d) {
        for (const auto& [gridName, lines] :
             {std::pair{"AwayGrid", &kHerons}, std::pair{"HomeGrid", &kFireflies}}) {
            auto* grid = d->findChild<BoxScoreGrid*>(gridName);
            for (std::size_t r = 0; r < lines->size(); ++r) {
                for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
                    const auto value = (*lines)[r].find(QString::fromStdString(columns[c].name));
                    if (value != (*lines)[r].end())
                        grid->setCellText(static_cast<int>(r), c, value->second);
                }
            }
        }
        d->findChild<QLineEdit*>("AwayScore")->setText("6");
        d->findChild<QLineEdit*>("HomeScore")->setText("3");
        d->findChild<QPushButton*>("AddButton")->click();
    });
    QVERIFY2(Messages::shownTexts().isEmpty(), qPrintable(Messages::shownTexts().join('\n')));
    // In all statistics, converted by hand.
    const std::vector<BoxScoreColumn> all = boxScoreColumns(LeagueRecord::parse(""));
    openSampleNight(stored, [&](QWidget* d) {
        d->findChild<QCheckBox*>("AllStatisticsCheck")->click();
        for (const auto& [gridName, lines] :
             {std::pair{"AwayGrid", &kHerons}, std::pair{"HomeGrid", &kFireflies}}) {
            auto* grid = d->findChild<BoxScoreGrid*>(gridName);
            QCOMPARE(grid->columnCount(), static_cast<int>(all.size()));
            for (std::size_t r = 0; r < lines->size(); ++r) {
                if ((*lines)[r].empty())
                    continue;
                for (const auto& [stat, value] : storedCounts((*lines)[r])) {
                    for (int c = 0; c < static_cast<int>(all.size()); ++c) {
                        if (all[c].stat == stat && value != 0)
                            grid->setCellText(static_cast<int>(r), c, QString::number(value));
                    }
                }
            }
        }
        d->findChild<QLineEdit*>("AwayScore")->setText("6");
        d->findChild<QLineEdit*>("HomeScore")->setText("3");
        d->findChild<QPushButton*>("AddButton")->click();
    });
    QVERIFY2(Messages::shownTexts().isEmpty(), qPrintable(Messages::shownTexts().join('\n')));
    const auto scorerFiles = filesOf(scorer.path());
    const auto storedFiles = filesOf(stored.path());
    QCOMPARE(scorerFiles.size(), storedFiles.size());
    for (const auto& [name, bytes] : scorerFiles)
        QVERIFY2(storedFiles.at(name) == bytes, qPrintable(name));
    QVERIFY(scorerFiles.count(QStringLiteral("Y1L1.Log")));
}

// The night as a spreadsheet gives it to `pny boxscore`: a block per team in the box score's own
// names, the players by number.
void TestBoxScoreKeys::pnyBoxscoreInTheScorersNamesWritesTheSameBytes() {
    QTemporaryDir sheet;
    QTemporaryDir file;
    const std::vector<BoxScoreColumn> columns =
        defaultScorerColumns(LeagueRecord::parse(""), false);
    std::map<QString, QStringList> numbers;  // each grid's players' numbers, in its rows
    openSampleNight(sheet, [&](QWidget* d) {
        for (const auto& [gridName, lines] :
             {std::pair{"AwayGrid", &kHerons}, std::pair{"HomeGrid", &kFireflies}}) {
            auto* grid = d->findChild<BoxScoreGrid*>(gridName);
            for (std::size_t r = 0; r < lines->size(); ++r) {
                const int row = static_cast<int>(r);
                numbers[gridName] << grid->verticalHeaderItem(row)->text().section(' ', 0, 0);
                for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
                    const auto value = (*lines)[r].find(QString::fromStdString(columns[c].name));
                    if (value != (*lines)[r].end())
                        grid->setCellText(row, c, value->second);
                }
            }
        }
        d->findChild<QLineEdit*>("AwayScore")->setText("6");
        d->findChild<QLineEdit*>("HomeScore")->setText("3");
        d->findChild<QPushButton*>("AddButton")->click();
    });
    QVERIFY2(Messages::shownTexts().isEmpty(), qPrintable(Messages::shownTexts().join('\n')));
    main_.reset();
    openSampleNight(file, [](QWidget* d) { qobject_cast<QDialog*>(d)->reject(); });
    main_.reset();

    QByteArray csv;
    for (const auto& [team, gridName, lines, score] :
         {std::tuple{"Harbor Herons", "AwayGrid", &kHerons, "6"},
          std::tuple{"Foxglove Fireflies", "HomeGrid", &kFireflies, "3"}}) {
        csv += QByteArray("Team,") + team + ",Score," + score + "\r\nNo";
        for (const BoxScoreColumn& column : columns)
            csv += ',' + QByteArray::fromStdString(column.name);
        csv += "\r\n";
        for (std::size_t r = 0; r < lines->size(); ++r) {
            if ((*lines)[r].empty())
                continue;
            csv += numbers[gridName].at(static_cast<int>(r)).toLatin1();
            for (const BoxScoreColumn& column : columns) {
                const auto value = (*lines)[r].find(QString::fromStdString(column.name));
                csv += ',' + (value == (*lines)[r].end() ? QByteArray() : value->second.toLatin1());
            }
            csv += "\r\n";
        }
    }
    const QString path = file.path() + "/night16.csv";
    testsupport::writeFile(path, csv);
    QProcess pny;
    pny.start(QStringLiteral(PNY_CLI), {"boxscore", path, "--game", "16", "--folder", file.path()});
    QVERIFY(pny.waitForFinished(60000));
    const QString out = QString::fromUtf8(pny.readAllStandardOutput());
    QVERIFY2(pny.exitCode() == 0, qPrintable(out + pny.readAllStandardError()));
    QVERIFY2(out.startsWith("Added to 2025 Riverbend Twilight League: game 16, Tue 2025-06-10, "
                            "Harbor Herons 6 at Foxglove Fireflies 3"),
             qPrintable(out));
    QFile::remove(path);
    const auto sheetFiles = filesOf(sheet.path());
    const auto fileFiles = filesOf(file.path());
    QCOMPARE(sheetFiles.size(), fileFiles.size());
    for (const auto& [name, bytes] : sheetFiles)
        QVERIFY2(fileFiles.at(name) == bytes, qPrintable(name));
    QVERIFY(sheetFiles.count(QStringLiteral("Y1L1.Log")));
}

QTEST_MAIN(TestBoxScoreKeys)
#include "tst_boxscorekeys.moc"
