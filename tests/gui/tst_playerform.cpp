#include "common/messages.h"
#include "entry/player.h"
#include "entry/playerentry.h"
#include "gamelog/gamelog.h"
#include "gamelog/logline.h"
#include "help/helpviewer.h"
#include "store/codepage.h"
#include "store/records.h"
#include "store/store.h"
#include "dialogtest.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace pny;
using testsupport::recordLines;
using testsupport::whenShown;

namespace {

QLineEdit* edit(QWidget* dialog, const QString& name) {
    auto* e = dialog->findChild<QLineEdit*>(name);
    if (!e)
        qWarning("no edit %s", qPrintable(name));
    return e;
}

void click(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
    if (button)
        button->click();
}

}  // namespace

class TestPlayerForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithStoredTexts();
    void okAddsTheAddColumn();
    void enterKeyConfirms();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void headerChangeRebuilds_data();
    void headerChangeRebuilds();
    void refusedTotalKeepsDialogOpen();
    void separatorInPositionRefused();
    void helpKeepsDialogOpen();
    void keyboardOrder();
    void noPlayerNoDialog();
    void countBoxesRefuseLetters_data();
    void countBoxesRefuseLetters();
    void addBoxTakesTheNegativeOfAnyTotal();
    void escapeWithTypedNumbersAsks();
    void okWritesAnEntryToTheGameLog();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Store> store_;
    TPlayerForm* form_ = nullptr;
};

void TestPlayerForm::initTestCase() {
    testsupport::pinLocale();
}

void TestPlayerForm::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    const QString folder = dir_->path() + '/';

    YearRecord year;
    year.number = "2026";
    year.name = "Summer";
    year.currentLeague = "1";
    testsupport::writeFile(folder + "Baseball.Years", recordLines({"Y|2||1|||", year.build()}));

    LeagueRecord league = LeagueRecord::parse("");
    league.flag.clear();
    league.number = "1";
    league.name = "Majors";
    league.currentTeam = "1";
    league.userHeaders = {"Hustle", "", "Runs", "X"};
    testsupport::writeFile(folder + "Y1.Leagues", recordLines({"L|", league.build()}));
    testsupport::writeFile(folder + "Y1L1.Teams", recordLines({"T|", "|12|Tigers|5|3||2|"}));

    PlayerRecord smith = PlayerRecord::parse("|23|Smith|");
    smith.stat(StatG) = "05";
    smith.stat(StatPA) = "12";
    smith.stat(StatHR) = "9999";
    smith.stat(StatIP) = "5";
    smith.stat(StatIP3) = "2";
    smith.stat(StatBO) = "3";
    smith.stat(StatPos) = "CF";
    testsupport::writeFile(folder + "Y1L1T1.Players",
                           recordLines({"P|", "|7|Jones|", smith.build(), "|9|Brown|1|"}));

    store_ = std::make_unique<Store>(folder);
    store_->loadYears();
    QVERIFY(store_->ensurePlayers());
    QCOMPARE(store_->player.name, std::string("Smith"));
    QVERIFY(!store_->changed.players);
    form_ = new TPlayerForm;
    Messages::presetAnswers({});
}

void TestPlayerForm::cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    delete form_;
    form_ = nullptr;
    store_.reset();
    dir_.reset();
}

void TestPlayerForm::opensWithStoredTexts() {
    QString caption, addPA, totalG, totalIP3, bo, pos, user1, user2;
    bool focusOnAdd = false;
    whenShown([&](QDialog* d) {
        caption = d->windowTitle();
        addPA = edit(d, "AddPA")->text();
        totalG = edit(d, "EditG")->text();
        totalIP3 = edit(d, "Edit3IP")->text();
        bo = edit(d, "EditBO")->text();
        pos = edit(d, "EditPos")->text();
        user1 = edit(d, "User1")->text();
        user2 = edit(d, "User2")->text();
        focusOnAdd = d->focusWidget() == edit(d, "AddPA");
        click(d, "CancelButton");
    });
    // Something typed last time is gone when the dialog opens again.
    edit(form_, "AddPA")->setText("8");
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Cancelled);
    QCOMPARE(caption, QStringLiteral("Smith"));
    QCOMPARE(addPA, QString());
    QCOMPARE(totalG, QStringLiteral("05"));
    QCOMPARE(totalIP3, QStringLiteral("2"));
    QCOMPARE(bo, QStringLiteral("3"));
    QCOMPARE(pos, QStringLiteral("CF"));
    QCOMPARE(user1, QStringLiteral("Hustle"));
    QCOMPARE(user2, QString());
    QVERIFY(focusOnAdd);
    // Every statistic has its Add, Total and label, with the caption shown.
    for (const PlayerEntryRow& row : playerEntryRows()) {
        const QString abbreviation = QString::fromLatin1(row.abbreviation);
        QVERIFY(edit(form_, "Add" + abbreviation));
        QCOMPARE(edit(form_, "Edit" + abbreviation)->maxLength(), row.maxLength);
        if (row.group != EntryGroup::Custom) {
            auto* label = form_->findChild<QLabel*>("Label" + abbreviation);
            QVERIFY(label);
            QCOMPARE(label->text(), QString::fromLatin1(row.caption));
        }
    }
}

void TestPlayerForm::okAddsTheAddColumn() {
    whenShown([](QDialog* d) {
        edit(d, "AddPA")->setText("3");
        edit(d, "Add1B")->setText("-1");
        edit(d, "Add3IP")->setText("2");
        edit(d, "AddC2")->setText("4");
        edit(d, "EditBO")->setText("1");
        edit(d, "EditPos")->setText("SS");
        click(d, "OkButton");
    });
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Refresh);
    QVERIFY(store_->changed.players);
    QVERIFY(!store_->changed.leagues);
    const PlayerRecord stored = PlayerRecord::parse(store_->players.line(2));
    QCOMPARE(stored.name, std::string("Smith"));
    QCOMPARE(stored.stat(StatPA), std::string("15"));
    QCOMPARE(stored.stat(Stat1B), std::string("-1"));
    QCOMPARE(stored.stat(StatG), std::string("5"));  // rewritten from its number
    QCOMPARE(stored.stat(StatHR), std::string("9999"));
    QCOMPARE(stored.stat(StatIP), std::string("6"));
    QCOMPARE(stored.stat(StatIP3), std::string("1"));
    QCOMPARE(stored.stat(StatC2), std::string("4"));
    QCOMPARE(stored.stat(StatBO), std::string("1"));
    QCOMPARE(stored.stat(StatPos), std::string("SS"));
    // The other players stay as they were.
    QCOMPARE(store_->players.line(1), std::string("|7|Jones|"));
    QCOMPARE(store_->players.line(3), std::string("|9|Brown|1|"));
    // And the file gets the new line when the players are saved.
    QVERIFY(store_->commit());
    const QByteArray file = testsupport::readFile(dir_->path() + "/Y1L1T1.Players");
    QVERIFY(file.contains(QByteArray::fromStdString(stored.build()) + "\r\n"));
}

void TestPlayerForm::enterKeyConfirms() {
    whenShown([](QDialog* d) {
        edit(d, "AddHA")->setText("2");
        QTest::keyClick(edit(d, "AddHA"), Qt::Key_Return);
    });
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Refresh);
    QCOMPARE(PlayerRecord::parse(store_->players.line(2)).stat(StatHA), std::string("2"));
}

void TestPlayerForm::cancelWritesNothing_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void TestPlayerForm::cancelWritesNothing() {
    QFETCH(int, how);
    // Something was typed: the dialog asks, and Yes drops it.
    Messages::presetAnswers({QMessageBox::Yes});
    const int shown = Messages::shownTexts().size();
    const std::vector<std::string> players = store_->players.lines();
    const std::vector<std::string> leagues = store_->leagues.lines();
    whenShown([how](QDialog* d) {
        edit(d, "AddPA")->setText("3");
        edit(d, "EditPos")->setText("P");
        edit(d, "User1")->setText("Other");
        if (how == 0)
            click(d, "CancelButton");
        if (how == 1)
            QTest::keyClick(edit(d, "AddPA"), Qt::Key_Escape);
        if (how == 2)
            d->close();
    });
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Cancelled);
    QVERIFY(store_->players.lines() == players);
    QVERIFY(store_->leagues.lines() == leagues);
    QVERIFY(!store_->changed.players);
    QVERIFY(!store_->changed.leagues);
    QCOMPARE(store_->league.userHeaders[0], std::string("Hustle"));
    QCOMPARE(Messages::shownTexts().size(), shown + 1);
}

void TestPlayerForm::headerChangeRebuilds_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::newRow("unchanged") << "User1"
                               << "Hustle" << int(EntryResult::Refresh);
    QTest::newRow("second named") << "User2"
                                  << "Bunts" << int(EntryResult::Rebuild);
    QTest::newRow("case only") << "User1"
                               << "hustle" << int(EntryResult::Rebuild);
    QTest::newRow("code page") << "User3" << QStringLiteral("Läufe") << int(EntryResult::Rebuild);
}

void TestPlayerForm::headerChangeRebuilds() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, result);
    const std::string playerLine = store_->players.line(2);
    whenShown([&](QDialog* d) {
        edit(d, name)->setText(text);
        click(d, "OkButton");
    });
    QCOMPARE(int(form_->EnterPlayerStatistics(*store_)), result);
    const LeagueRecord league = LeagueRecord::parse(store_->leagues.line(1));
    const std::size_t column = static_cast<std::size_t>(name.right(1).toInt() - 1);
    std::string bytes;
    QVERIFY(toCodePage(text, bytes));
    QCOMPARE(league.userHeaders[column], bytes);
    QCOMPARE(store_->changed.leagues, result == int(EntryResult::Rebuild));
    // The player line is rewritten with only its counts renormalised ("05" becomes "5").
    QVERIFY(store_->changed.players);
    PlayerRecord expected = PlayerRecord::parse(playerLine);
    expected.stat(StatG) = "5";
    QCOMPARE(store_->players.line(2), expected.build());
}

void TestPlayerForm::refusedTotalKeepsDialogOpen() {
    const std::vector<std::string> players = store_->players.lines();
    const int before = Messages::shownTexts().size();
    // The refusal, then Cancel asks whether to drop what was typed.
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Yes});
    bool stillOpen = false;
    whenShown([&stillOpen](QDialog* d) {
        edit(d, "AddHR")->setText("1");  // 9999 + 1 no longer fits
        edit(d, "AddPA")->setText("2");
        click(d, "OkButton");
        stillOpen = d->isVisible() && QApplication::activeModalWidget() == d;
        click(d, "CancelButton");
    });
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Cancelled);
    QVERIFY(stillOpen);
    const QStringList shown = Messages::shownTexts();
    QCOMPARE(shown.size(), before + 2);
    QVERIFY(shown[before].contains("HR: Home Runs"));
    QVERIFY(shown[before].contains("-999"));
    QVERIFY(shown[before].contains("9999"));
    QVERIFY(store_->players.lines() == players);
    QVERIFY(!store_->changed.players);
}

void TestPlayerForm::separatorInPositionRefused() {
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Ok});
    const int before = Messages::shownTexts().size();
    whenShown([](QDialog* d) {
        edit(d, "EditPos")->setText("1|B");
        click(d, "OkButton");
        // A character outside the code page cannot be stored either.
        edit(d, "EditPos")->setText(QStringLiteral("Ω"));
        click(d, "OkButton");
        // Corrected, the entry goes through.
        edit(d, "EditPos")->setText("1B");
        click(d, "OkButton");
    });
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Refresh);
    const QStringList shown = Messages::shownTexts();
    QCOMPARE(shown.size(), before + 2);
    QVERIFY(shown[before].contains("Pos: Field Position"));
    QVERIFY(shown[before + 1].contains("Pos: Field Position"));
    QCOMPARE(PlayerRecord::parse(store_->players.line(2)).stat(StatPos), std::string("1B"));
}

void TestPlayerForm::helpKeepsDialogOpen() {
    bool stillOpen = false;
    whenShown([&stillOpen](QDialog* d) {
        click(d, "HelpButton");
        stillOpen = d->isVisible();
        click(d, "CancelButton");
    });
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Cancelled);
    QVERIFY(stillOpen);
    QCOMPARE(HelpViewer::lastTopic(), QStringLiteral("Update_Button"));
    // The manual is open at the topic, which is there to read.
    QTextBrowser* browser = nullptr;
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("HelpWindow"))
            window = w;
    }
    QVERIFY(window);
    browser = window->findChild<QTextBrowser*>("HelpBrowser");
    QVERIFY(browser);
    QCOMPARE(browser->source().fragment(), QStringLiteral("Update_Button"));
    QVERIFY(browser->toPlainText().contains("Entering results"));
    window->close();
}

void TestPlayerForm::keyboardOrder() {
    // Each group: its Add column, then its Total column (then the headers); then BO, Pos and
    // the buttons.
    QStringList expected;
    for (EntryGroup group :
         {EntryGroup::Offense, EntryGroup::Pitching, EntryGroup::Defense, EntryGroup::Custom}) {
        QStringList adds, totals;
        for (const PlayerEntryRow& row : playerEntryRows()) {
            if (row.group != group)
                continue;
            adds << "Add" + QString::fromLatin1(row.abbreviation);
            totals << "Edit" + QString::fromLatin1(row.abbreviation);
        }
        expected << adds << totals;
    }
    expected << "User1"
             << "User2"
             << "User3"
             << "User4"
             << "EditBO"
             << "EditPos"
             << "OkButton"
             << "HelpButton"
             << "CancelButton";

    QStringList chain;
    QWidget* start = edit(form_, "AddPA");
    QWidget* w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && form_->isAncestorOf(w))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start && chain.size() < 200);
    QCOMPARE(chain, expected);
}

void TestPlayerForm::noPlayerNoDialog() {
    // A deleted current player is no player to enter for.
    store_->player.flag = "X";
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Cancelled);
    QVERIFY(!store_->changed.players);
}

void TestPlayerForm::countBoxesRefuseLetters_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("add") << "AddPA"
                         << "1a2"
                         << "12";
    QTest::newRow("total") << "EditRBI"
                           << "x7"
                           << "7";
    QTest::newRow("minus in front only") << "Add1B"
                                         << "-3-"
                                         << "-3";
    QTest::newRow("no blanks") << "AddBB"
                               << "1 2"
                               << "12";
    QTest::newRow("thirds") << "Edit3IP"
                            << "q1"
                            << "1";
    QTest::newRow("position is text") << "EditPos"
                                      << "SS"
                                      << "SS";
}

void TestPlayerForm::countBoxesRefuseLetters() {
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QString text;
    whenShown([&](QDialog* d) {
        QLineEdit* e = edit(d, box);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, keys);
        text = e->text();
        click(d, "OkButton");
    });
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Refresh);
    QCOMPARE(text, shown);
}

void TestPlayerForm::addBoxTakesTheNegativeOfAnyTotal() {
    // HR stands at 9999: -9999 takes it back to nothing.
    QString typed;
    int addLength = 0;
    whenShown([&](QDialog* d) {
        QTest::keyClicks(edit(d, "AddHR"), "-99999");
        typed = edit(d, "AddHR")->text();
        addLength = edit(d, "Add3IP")->maxLength();
        click(d, "OkButton");
    });
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Refresh);
    QCOMPARE(typed, QStringLiteral("-9999"));
    QCOMPARE(addLength, 5);
    QCOMPARE(PlayerRecord::parse(store_->players.line(2)).stat(StatHR), std::string());
}

void TestPlayerForm::escapeWithTypedNumbersAsks() {
    Messages::presetAnswers({QMessageBox::No, QMessageBox::Yes});
    const int before = Messages::shownTexts().size();
    bool openAfterNo = false;
    QString keptAfterNo;
    whenShown([&](QDialog* d) {
        QTest::keyClicks(edit(d, "AddPA"), "4");
        QTest::keyClick(edit(d, "AddPA"), Qt::Key_Escape);
        openAfterNo = d->isVisible();
        keptAfterNo = edit(d, "AddPA")->text();
        QTest::keyClick(edit(d, "AddPA"), Qt::Key_Escape);
    });
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Cancelled);
    QVERIFY(openAfterNo);
    QCOMPARE(keptAfterNo, QStringLiteral("4"));
    QCOMPARE(Messages::shownTexts().size(), before + 2);
    QVERIFY(Messages::shownTexts().last().contains("Smith"));
    QVERIFY(!store_->changed.players);

    // Nothing typed: Escape closes without a question.
    whenShown([](QDialog* d) { QTest::keyClick(edit(d, "AddPA"), Qt::Key_Escape); });
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Cancelled);
    QCOMPARE(Messages::shownTexts().size(), before + 2);
}

void TestPlayerForm::okWritesAnEntryToTheGameLog() {
    whenShown([](QDialog* d) {
        edit(d, "AddPA")->setText("3");
        edit(d, "EditRBI")->setText("6");  // typed over the total: a correction
        click(d, "OkButton");
    });
    QCOMPARE(form_->EnterPlayerStatistics(*store_), EntryResult::Refresh);
    QVERIFY(store_->commit());
    Store disk(dir_->path() + '/');
    disk.loadYears();
    QVERIFY(disk.ensurePlayers());
    GameLog log;
    QString error;
    QVERIFY2(log.read(disk, error), qPrintable(error));
    // The log adds up to Smith's totals: his baseline, the entry and the correction.
    const StatValues sum = log.playerSum(1, 2);
    QCOMPARE(sum[StatPA], 15LL);
    QCOMPARE(sum[StatRBI], 6LL);
    QCOMPARE(sum[StatHR], 9999LL);
    bool entry = false, correction = false;
    for (const LogLine& line : log.lines()) {
        entry = entry || (line.kind == LogKind::Entry && line.values[StatPA] == 3);
        correction = correction || (line.kind == LogKind::Total && line.values[StatRBI] == 6);
    }
    QVERIFY(entry);
    QVERIFY(correction);
}

QTEST_MAIN(TestPlayerForm)
#include "tst_playerform.moc"
