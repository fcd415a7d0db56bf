#include "common/messages.h"
#include "entry/team.h"
#include "gamelog/gamelog.h"
#include "help/helpviewer.h"
#include "store/records.h"
#include "store/store.h"
#include "dialogtest.h"
#include "testsupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace pny;
using testsupport::recordLines;
using testsupport::whenShown;

namespace {

QLineEdit* edit(QWidget* dialog, const QString& name) {
    return dialog->findChild<QLineEdit*>(name);
}

void click(QWidget* dialog, const char* name) {
    if (auto* button = dialog->findChild<QPushButton*>(QLatin1String(name)))
        button->click();
}

// The choice of RadioGroup with this caption.
QRadioButton* choice(QWidget* dialog, const QString& caption) {
    auto* group = dialog->findChild<QGroupBox*>(QStringLiteral("RadioGroup"));
    if (!group)
        return nullptr;
    for (QRadioButton* button : group->findChildren<QRadioButton*>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

}  // namespace

class TestTeamForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithStoredCounts();
    void okStoresResult_data();
    void okStoresResult();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void refusedCountKeepsDialogOpen();
    void helpKeepsDialogOpen();
    void keyboardOrder();
    void okWritesTheResultToTheGameLog();

private:
    void setUpTeams(const std::string& teamLine);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Store> store_;
    TTeamForm* form_ = nullptr;
};

void TestTeamForm::initTestCase() {
    testsupport::pinLocale();
}

void TestTeamForm::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    form_ = new TTeamForm;
    Messages::presetAnswers({});
}

void TestTeamForm::setUpTeams(const std::string& teamLine) {
    const QString folder = dir_->path() + '/';
    YearRecord year;
    year.number = "2026";
    year.name = "Summer";
    year.currentLeague = "1";
    testsupport::writeFile(folder + "Baseball.Years", recordLines({"Y|0||1|||", year.build()}));
    LeagueRecord league = LeagueRecord::parse("");
    league.flag.clear();
    league.number = "1";
    league.name = "Majors";
    league.currentTeam = "2";
    testsupport::writeFile(folder + "Y1.Leagues", recordLines({"L|", league.build()}));
    testsupport::writeFile(folder + "Y1L1.Teams",
                           recordLines({"T|", "|1|Eagles|2|2|||", teamLine, "|3|Owls|||1||"}));
    store_ = std::make_unique<Store>(folder);
    store_->loadYears();
    QVERIFY(store_->ensureTeams());
    QVERIFY(!store_->changed.teams);
}

void TestTeamForm::cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    delete form_;
    form_ = nullptr;
    store_.reset();
    dir_.reset();
}

void TestTeamForm::opensWithStoredCounts() {
    setUpTeams("|12|Tigers|1000|3||4|");
    QString caption, won, lost, tied;
    bool didNotPlay = false;
    whenShown([&](QDialog* d) {
        caption = d->windowTitle();
        won = edit(d, "EditWon")->text();
        lost = edit(d, "EditLost")->text();
        tied = edit(d, "EditTied")->text();
        didNotPlay = choice(d, "Did Not Play")->isChecked();
        click(d, "OkButton");
    });
    // A choice left from last time is not kept.
    form_->setItemIndex(1);
    QCOMPARE(form_->EnterTeamResult(*store_), EntryResult::Refresh);
    QCOMPARE(caption, QStringLiteral("Tigers"));
    QCOMPARE(won, QStringLiteral("1000"));  // a 4-digit count shows whole
    QCOMPARE(lost, QStringLiteral("3"));
    QCOMPARE(tied, QString());
    QVERIFY(didNotPlay);
    QCOMPARE(store_->teams.line(2), std::string("|12|Tigers|1000|3||4|"));
}

void TestTeamForm::okStoresResult_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typedWon");  // "=" leaves the edit as opened
    QTest::addColumn<QString>("typedLost");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("line");
    QTest::newRow("first win") << "|12|Tigers||||4|"
                               << "="
                               << "="
                               << "Won"
                               << "|12|Tigers|1|0||4|";
    QTest::newRow("first tie") << "|12|Tigers||||4|"
                               << "="
                               << "="
                               << "Tied"
                               << "|12|Tigers|0|0|1|4|";
    QTest::newRow("did not play") << "|12|Tigers||||4|"
                                  << "="
                                  << "="
                                  << "Did Not Play"
                                  << "|12|Tigers||||4|";
    QTest::newRow("5-3 lost") << "|12|Tigers|5|3||4|"
                              << "="
                              << "="
                              << "Lost"
                              << "|12|Tigers|5|4||4|";
    QTest::newRow("typed 7 and won") << "|12|Tigers|5|3||4|"
                                     << "7"
                                     << "="
                                     << "Won"
                                     << "|12|Tigers|8|3||4|";
    QTest::newRow("correction") << "|12|Tigers|5|3||4|"
                                << "06"
                                << "="
                                << "Did Not Play"
                                << "|12|Tigers|6|3||4|";
    QTest::newRow("999 and won") << "|12|Tigers|999|||4|"
                                 << "="
                                 << "="
                                 << "Won"
                                 << "|12|Tigers|1000|0||4|";
    QTest::newRow("2 and -2") << "|12|Tigers|5|3||4|"
                              << "2"
                              << "-2"
                              << "Did Not Play"
                              << "|12|Tigers||||4|";
}

void TestTeamForm::okStoresResult() {
    QFETCH(QString, stored);
    QFETCH(QString, typedWon);
    QFETCH(QString, typedLost);
    QFETCH(QString, result);
    QFETCH(QString, line);
    setUpTeams(stored.toStdString());
    whenShown([&](QDialog* d) {
        if (typedWon != "=")
            edit(d, "EditWon")->setText(typedWon);
        if (typedLost != "=")
            edit(d, "EditLost")->setText(typedLost);
        choice(d, result)->setChecked(true);
        click(d, "OkButton");
    });
    QCOMPARE(form_->EnterTeamResult(*store_), EntryResult::Refresh);
    QCOMPARE(QString::fromStdString(store_->teams.line(2)), line);
    QVERIFY(store_->changed.teams);
    QCOMPARE(store_->teams.line(1), std::string("|1|Eagles|2|2|||"));
    QCOMPARE(store_->teams.line(3), std::string("|3|Owls|||1||"));
}

void TestTeamForm::cancelWritesNothing_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void TestTeamForm::cancelWritesNothing() {
    QFETCH(int, how);
    setUpTeams("|12|Tigers|5|3||4|");
    whenShown([how](QDialog* d) {
        edit(d, "EditWon")->setText("9");
        choice(d, "Won")->setChecked(true);
        if (how == 0)
            click(d, "CancelButton");
        if (how == 1)
            QTest::keyClick(edit(d, "EditWon"), Qt::Key_Escape);
        if (how == 2)
            d->close();
    });
    QCOMPARE(form_->EnterTeamResult(*store_), EntryResult::Cancelled);
    QCOMPARE(store_->teams.line(2), std::string("|12|Tigers|5|3||4|"));
    QVERIFY(!store_->changed.teams);
}

void TestTeamForm::refusedCountKeepsDialogOpen() {
    setUpTeams("|12|Tigers|9999|3||4|");
    Messages::presetAnswers({QMessageBox::Ok});
    const int before = Messages::shownTexts().size();
    bool stillOpen = false;
    whenShown([&stillOpen](QDialog* d) {
        choice(d, "Won")->setChecked(true);
        click(d, "OkButton");
        stillOpen = d->isVisible();
        // Choosing "Did Not Play" instead goes through, by Enter this time.
        choice(d, "Did Not Play")->setChecked(true);
        QTest::keyClick(edit(d, "EditLost"), Qt::Key_Return);
    });
    QCOMPARE(form_->EnterTeamResult(*store_), EntryResult::Refresh);
    QVERIFY(stillOpen);
    const QStringList shown = Messages::shownTexts();
    QCOMPARE(shown.size(), before + 1);
    QVERIFY(shown.last().contains("games won"));
    QVERIFY(shown.last().contains("10000"));
    QCOMPARE(store_->teams.line(2), std::string("|12|Tigers|9999|3||4|"));
}

void TestTeamForm::helpKeepsDialogOpen() {
    setUpTeams("|12|Tigers|5|3||4|");
    bool stillOpen = false;
    whenShown([&stillOpen](QDialog* d) {
        click(d, "HelpButton");
        stillOpen = d->isVisible();
        click(d, "CancelButton");
    });
    QCOMPARE(form_->EnterTeamResult(*store_), EntryResult::Cancelled);
    QVERIFY(stillOpen);
    QCOMPARE(HelpViewer::lastTopic(), QStringLiteral("Update_Button"));
}

void TestTeamForm::keyboardOrder() {
    QStringList chain;
    QWidget* start = choice(form_, "Did Not Play");
    QVERIFY(start);
    QWidget* w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && form_->isAncestorOf(w)) {
            auto* radio = qobject_cast<QRadioButton*>(w);
            chain << (radio ? radio->text() : w->objectName());
        }
        w = w->nextInFocusChain();
    } while (w != start && chain.size() < 50);
    QCOMPARE(chain, (QStringList{"Did Not Play", "Won", "Lost", "Tied", "EditWon", "EditLost",
                                 "EditTied", "OkButton", "HelpButton", "CancelButton"}));
    QCOMPARE(edit(form_, "EditWon")->maxLength(), 4);
}

void TestTeamForm::okWritesTheResultToTheGameLog() {
    setUpTeams("|12|Tigers|5|3|||");
    whenShown([](QDialog* d) {
        choice(d, "Won")->setChecked(true);
        click(d, "OkButton");
    });
    QCOMPARE(form_->EnterTeamResult(*store_), EntryResult::Refresh);
    QVERIFY(store_->commit());
    Store disk(dir_->path() + '/');
    disk.loadYears();
    GameLog log;
    QString error;
    QVERIFY2(log.read(disk, error), qPrintable(error));
    // The results before the log and the win add up to the team's counts; other teams have none.
    const GameLog::TeamSum sum = log.teamSum(2);
    QCOMPARE(sum.won, 6LL);
    QCOMPARE(sum.lost, 3LL);
    QCOMPARE(sum.tied, 0LL);
    QVERIFY(!log.hasLines(1, 0));
}

QTEST_MAIN(TestTeamForm)
#include "tst_teamform.moc"
