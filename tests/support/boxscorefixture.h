#pragma once

#include "common/filedialogs.h"
#include "common/messages.h"
#include "entry/boxscore.h"
#include "entry/boxscoregrid.h"
#include "entry/playerentry.h"
#include "gamelog/boxscorecolumns.h"
#include "gamelog/gamelog.h"
#include "gamelog/night.h"
#include "main/main.h"
#include "store/records.h"
#include "store/store.h"

#include "leaguefolder.h"
#include "modalscript.h"
#include "schedulefolder.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>
#include <memory>
#include <functional>

// The league folder of a night of two games (the Eagles, Tigers and Owls), the helpers that type
// into the box score sheet and the main window the sheet is opened from.
namespace boxscorefixture {

using namespace pny;
using testsupport::listFile;
using testsupport::playerLine;
using testsupport::readFile;

using Stats = std::map<PlayerStat, long long>;

// The Eagles (team 1): Adams bats second, Baker first, Clark has no batting order and a total of
// 9999 runs batted in. The Tigers (team 2): Dunn and Evans. The Owls (team 3): twelve players.
inline const QByteArray kAdams = playerLine("7", "Adams", {{6, "10"}, {7, "2"}, {22, "2"}});
inline const QByteArray kBaker = playerLine("4", "Baker", {{22, "1"}});
inline const QByteArray kClark = playerLine("9", "Clark", {{17, "9999"}});
inline const QByteArray kDunn = playerLine("1", "Dunn");
inline const QByteArray kEvans = playerLine("2", "Evans", {{4, "3"}});

inline QByteArray gameLine(const char* home, const char* away) {
    GameRecord game = GameRecord::parse("");
    game.flag.clear();
    game.date = "20240603";
    game.time = "1900";
    game.home = home;
    game.away = away;
    return QByteArray::fromStdString(game.build());
}

inline void writeNightFolder(const QString& dir, const char* tab = "7") {
    testsupport::writeScheduleFolder(
        dir, {gameLine("1", "2"), gameLine("3", "1")}, {}, {},
        [](LeagueRecord& league) {
            league.innings = "7";
            league.currentTeam = "1";
            league.currentGame = "1";
        },
        tab);
    testsupport::writeFile(dir + "/Y1L1T1.Players", listFile("P|", {kAdams, kBaker, kClark}));
    testsupport::writeFile(dir + "/Y1L1T2.Players", listFile("P|", {kDunn, kEvans}));
    QList<QByteArray> owls;
    for (int i = 1; i <= 12; ++i)
        owls << playerLine(QByteArray::number(i), "Owl" + QByteArray::number(i));
    testsupport::writeFile(dir + "/Y1L1T3.Players", listFile("P|", owls));
}

// Every file of the folder but the game log and the lock.
inline std::map<QString, QByteArray> folderBytes(const QString& dir) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(dir).entryList(QDir::Files)) {
        if (!name.endsWith(".Log") && name != "Pennantry.Lock")
            files[name] = readFile(dir + '/' + name);
    }
    return files;
}

// The grid column of a statistic.
inline int columnOf(PlayerStat stat) {
    const std::vector<BoxScoreColumn> columns = boxScoreColumns(LeagueRecord::parse(""));
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].stat == stat)
            return static_cast<int>(c);
    }
    qFatal("no column");
}

// A player line with a night added to its totals, as the player dialog adds.
inline std::string withNight(const QByteArray& line, const Stats& night) {
    PlayerRecord player = PlayerRecord::parse(line.toStdString());
    for (const auto& [stat, value] : night)
        player.stat(stat) = countText(player.value(stat) + value);
    return player.build();
}

// Line `line` of team `team`'s players file on the disk.
inline PlayerRecord playerOnDisk(const QString& dir, int team, int line) {
    const QList<QByteArray> lines =
        readFile(QStringLiteral("%1/Y1L1T%2.Players").arg(dir).arg(team)).split('\n');
    return PlayerRecord::parse(lines.value(line).trimmed().toStdString());
}

inline QByteArray playersFile(const std::vector<std::string>& lines) {
    QByteArray text = "P|\r\n";
    for (const std::string& line : lines)
        text += QByteArray::fromStdString(line) + "\r\n";
    return text;
}

inline BoxScoreGrid* grid(QWidget* dialog, const char* name) {
    return dialog->findChild<BoxScoreGrid*>(QLatin1String(name));
}

inline QLineEdit* edit(QWidget* dialog, const char* name) {
    return dialog->findChild<QLineEdit*>(QLatin1String(name));
}

inline QString warnings(QWidget* dialog, const char* name) {
    return dialog->findChild<QLabel*>(QLatin1String(name))->text();
}

// Types into a cell as the user would: moves there, then types.
inline void typeInto(BoxScoreGrid* grid, int row, PlayerStat stat, const QString& text) {
    grid->setFocus();
    // Arriving from another cell, so that typing replaces what the cell holds.
    grid->setCurrentCell(row, columnOf(stat) == 0 ? 1 : 0);
    grid->setCurrentCell(row, columnOf(stat));
    if (text.isEmpty())
        QTest::keyClick(grid, Qt::Key_Delete);
    else
        QTest::keyClicks(grid, text);
}

inline void typeScore(QLineEdit* score, const QString& text) {
    score->selectAll();
    QTest::keyClick(score, Qt::Key_Delete);
    QTest::keyClicks(score, text);
}

// The night the tests add: the Eagles (home) win 5 to 3 over the Tigers, each team's batting
// what the other's pitcher allowed. Rows in grid order.
inline const std::vector<Stats> kEaglesNight = {
    {{StatPA, 4}, {Stat1B, 2}, {StatRBI, 1}, {StatRS, 1}, {StatG, 1}},  // Baker
    {{StatPA, 3},
     {StatHR, 1},
     {StatRBI, 2},
     {StatRS, 2},
     {StatG, 1},
     {StatGP, 1},
     {StatIP, 7},
     {StatHA, 3},
     {StatRA, 3},
     {StatER, 2},
     {StatWon, 1}},                                       // Adams
    {{StatPA, 3}, {StatBB, 1}, {StatRS, 2}, {StatG, 1}},  // Clark
};
inline const std::vector<Stats> kTigersNight = {
    {{StatPA, 4},
     {Stat1B, 1},
     {Stat2B, 1},
     {StatRS, 2},
     {StatG, 1},
     {StatGP, 1},
     {StatIP, 7},
     {StatHA, 3},
     {StatWA, 1},
     {StatRA, 5},
     {StatER, 4},
     {StatLost, 1}},                                                    // Dunn
    {{StatPA, 4}, {Stat3B, 1}, {StatRBI, 1}, {StatRS, 1}, {StatG, 1}},  // Evans
};

// A step of a ModalScript in the list picker: the team whose row holds `name`, then OK.
inline ModalScript::Action chooseTeamNamed(const QString& name) {
    return [name](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>("ListBox");
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->text().contains(name))
                list->setCurrentRow(i);
        }
        dialog->findChild<QAbstractButton*>("OkButton")->click();
    };
}

// A step that presses a button opening the list picker once the script's step is over.
inline ModalScript::Action clickLater(const char* button) {
    return [button](QWidget* dialog) {
        QPointer<QAbstractButton> b = dialog->findChild<QAbstractButton*>(button);
        QTimer::singleShot(0, [b] {
            if (b)
                b->click();
        });
    };
}

// The main window on the night folder, and the sheet opened through its menu command.
class BoxScoreFixture {
protected:
    TMainForm& openMain(const char* tab = "7");
    // Opens the sheet through its menu command and runs `steps` in it. Unless `scorerTerms`, the
    // sheet is first switched to all statistics, where each column is a stored statistic.
    void runSheet(const std::function<void(QWidget*)>& steps, bool scorerTerms = false);
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TMainForm> main_;
};

inline TMainForm& BoxScoreFixture::openMain(const char* tab) {
    writeNightFolder(dir_->path(), tab);
    main_ = std::make_unique<TMainForm>(dir_->path());
    main_->show();
    // Everything the start changed (the window's size) is saved, so that a night's commit holds
    // only the night.
    main_->SaveItemClick();
    return *main_;
}

inline void BoxScoreFixture::runSheet(const std::function<void(QWidget*)>& steps,
                                      bool scorerTerms) {
    ModalScript script;
    script.then("BoxScoreForm", [steps, scorerTerms](QWidget* d) {
        auto* all = d->findChild<QCheckBox*>("AllStatisticsCheck");
        if (!scorerTerms && !all->isChecked())
            all->click();
        steps(d);
        // A step that failed half-way leaves the sheet open: it is closed without questions.
        if (d->isVisible())
            qobject_cast<QDialog*>(d)->done(QDialog::Rejected);
    });
    script.start();
    main_->findChild<QAction*>("BoxScoreItem")->trigger();
    QVERIFY(script.finished());
}

}  // namespace boxscorefixture
