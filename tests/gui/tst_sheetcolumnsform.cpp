#include "common/messages.h"
#include "entry/sheetcolumns.h"
#include "gamelog/sheetchoice.h"
#include "help/helpviewer.h"
#include "help/helpwindow.h"

#include "dialogtest.h"
#include "testsupport.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using Names = std::vector<std::string>;

namespace {

// A league whose first user column is headed "Pts".
pny::LeagueRecord league() {
    pny::LeagueRecord record;
    record.userHeaders = {"Pts", "", "", ""};
    return record;
}

Names namesOf(const std::vector<pny::BoxScoreColumn>& columns) {
    Names names;
    for (const pny::BoxScoreColumn& column : columns)
        names.push_back(column.name);
    return names;
}

QStringList asList(const Names& names) {
    QStringList list;
    for (const std::string& name : names)
        list << QString::fromStdString(name);
    return list;
}

Names asNames(const QStringList& list) {
    Names names;
    for (const QString& name : list)
        names.push_back(name.toStdString());
    return names;
}

QListWidget* columnList(QWidget* dialog) {
    return dialog->findChild<QListWidget*>(QStringLiteral("ColumnList"));
}

QListWidgetItem* itemNamed(QListWidget* list, const QString& name) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->toolTip() == name)
            return list->item(row);
    }
    return nullptr;
}

// One step of a script: "select H", "untick P.H", "tick CI", "up", "down", "ctrl+up",
// "ctrl+down", "defaults", "ok", "cancel". Returns what went wrong, or nothing.
QString runStep(QWidget* dialog, const QString& step) {
    QListWidget* list = columnList(dialog);
    const QString verb = step.section(' ', 0, 0);
    const QString name = step.section(' ', 1);
    if (verb == "select" || verb == "untick" || verb == "tick") {
        QListWidgetItem* item = itemNamed(list, name);
        if (!item)
            return "no column " + name;
        if (verb == "select")
            list->setCurrentItem(item);
        else
            item->setCheckState(verb == "tick" ? Qt::Checked : Qt::Unchecked);
        return {};
    }
    if (verb == "ctrl+up" || verb == "ctrl+down") {
        // Shortcuts go to the active window only.
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog))
            return "the dialog never became active";
        list->setFocus();
        QTest::keyClick(list, verb == "ctrl+up" ? Qt::Key_Up : Qt::Key_Down, Qt::ControlModifier);
        return {};
    }
    const QMap<QString, QString> buttons{{"up", "UpButton"},
                                         {"down", "DownButton"},
                                         {"defaults", "DefaultsButton"},
                                         {"ok", "OkButton"},
                                         {"cancel", "CancelButton"}};
    auto* button = dialog->findChild<QPushButton*>(buttons.value(verb));
    if (!button)
        return "no step " + step;
    button->click();
    return {};
}

}  // namespace

class TestSheetColumnsForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void init() {
        Messages::presetAnswers({});
        Messages::clearShown();
    }
    void cleanup() {
        THelpWindow::instance()->close();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    }
    void listsEveryColumn();
    void choosing_data();
    void choosing();
    void nothingTickedIsRefused();
    void userColumnHeadedLikeAnother();
    void chosenColumnsKeptByTheLeague();
};

void TestSheetColumnsForm::listsEveryColumn() {
    const std::vector<pny::BoxScoreColumn> available = pny::scorerColumns(league());
    TSheetColumnsForm form;
    form.setColumns(available, {"IP", "H", "AB", "P.SO", "E"},
                    namesOf(pny::defaultScorerColumns(league(), false)));
    QListWidget* list = columnList(&form);
    QVERIFY(list);
    QCOMPARE(list->count(), static_cast<int>(available.size()));
    QStringList texts;
    QStringList ticked;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
        if (list->item(row)->checkState() == Qt::Checked)
            ticked << list->item(row)->text();
    }
    // Each group together: its chosen columns in their order, then the others as a box score
    // lists them; the pitcher's H is told apart from the batter's.
    QCOMPARE(ticked, (QStringList{"Batting: H", "Batting: AB", "Pitching: IP", "Pitching: SO",
                                  "Fielding: E"}));
    QCOMPARE(texts.mid(0, 4),
             (QStringList{"Batting: H", "Batting: AB", "Batting: R", "Batting: 2B"}));
    QVERIFY(texts.contains("User: Pts"));
    QCOMPARE(texts.indexOf("Pitching: IP"), texts.indexOf("User: C4") + 1);
    QCOMPARE(texts.mid(texts.indexOf("Pitching: IP"), 4),
             (QStringList{"Pitching: IP", "Pitching: SO", "Pitching: DEC", "Pitching: H"}));
    QCOMPARE(texts.mid(texts.indexOf("Fielding: E")),
             (QStringList{"Fielding: E", "Fielding: PO", "Fielding: A", "Fielding: PB",
                          "Fielding: Inn"}));
    QCOMPARE(form.chosenNames(), (Names{"H", "AB", "IP", "P.SO", "E"}));
    // The first row is current: it cannot go up, and the buttons say so.
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(!form.findChild<QPushButton*>("UpButton")->isEnabled());
    QVERIFY(form.findChild<QPushButton*>("DownButton")->isEnabled());
}

// A script run on the dialog shown by ChooseColumns, and what it returns.
void TestSheetColumnsForm::choosing_data() {
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("result");
    const QStringList box{"AB", "R", "H", "RBI", "DEC", "IP", "P.H", "PO", "A", "E"};
    QTest::newRow("as it was") << box << QStringList{"ok"} << true << box;
    QTest::newRow("untick and tick")
        << box << QStringList{"untick RBI", "untick PO", "tick P.SO", "tick C1", "ok"} << true
        << QStringList{"AB", "R", "H", "C1", "DEC", "IP", "P.H", "P.SO", "A", "E"};
    QTest::newRow("move up and down")
        << box << QStringList{"select H", "up", "up", "select P.H", "up", "select A", "down", "ok"}
        << true << QStringList{"H", "AB", "R", "RBI", "DEC", "P.H", "IP", "PO", "E", "A"};
    QTest::newRow("Ctrl+Up and Ctrl+Down")
        << box << QStringList{"select R", "ctrl+down", "ctrl+down", "select IP", "ctrl+up", "ok"}
        << true << QStringList{"AB", "H", "RBI", "R", "IP", "DEC", "P.H", "PO", "A", "E"};
    // A column never leaves its group: the first pitching column stays first, the last batting
    // column (the last user column, unticked) stays last, and so on.
    QTest::newRow("moves stop at the group's edge")
        << box << QStringList{"select DEC", "up",        "ctrl+up",   "select PO", "up",
                              "up",         "select C4", "down",      "ctrl+down", "tick C4",
                              "select Inn", "down",      "ctrl+down", "ok"}
        << true << QStringList{"AB", "R", "H", "RBI", "C4", "DEC", "IP", "P.H", "PO", "A", "E"};
    QTest::newRow("an unticked column moved among the ticked")
        << box << QStringList{"select SO", "up", "up", "up", "up", "up", "up", "tick SO", "ok"}
        << true << QStringList{"AB", "R", "SO", "H", "RBI", "DEC", "IP", "P.H", "PO", "A", "E"};
    QTest::newRow("defaults") << QStringList{"E", "SO"}
                              << QStringList{"select SO", "untick SO", "defaults", "ok"} << true
                              << asList(namesOf(pny::defaultScorerColumns(league(), false)));
    QTest::newRow("defaults, then changed")
        << box << QStringList{"defaults", "untick 2B", "select HR", "down", "ok"} << true
        << QStringList{"AB", "R",    "H",    "3B",   "RBI", "HR",  "BB", "SO",  "HBP",
                       "SH", "SF",   "SB",   "CS",   "C1",  "DEC", "IP", "P.H", "P.R",
                       "ER", "P.BB", "P.SO", "P.HB", "WP",  "BK",  "PO", "A",   "E"};
    QTest::newRow("cancel after changes")
        << box << QStringList{"untick AB", "select R", "up", "defaults", "cancel"} << false
        << QStringList{};
}

void TestSheetColumnsForm::choosing() {
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, script);
    QFETCH(bool, accepted);
    QFETCH(QStringList, result);
    QStringList problems;
    bool ran = false;
    testsupport::whenShown([&](QDialog* dialog) {
        ran = dialog->objectName() == "SheetColumnsForm";
        for (const QString& step : script) {
            const QString problem = runStep(dialog, step);
            if (!problem.isEmpty())
                problems << problem;
        }
        if (dialog->isVisible()) {
            problems << "the dialog stayed open";
            dialog->reject();
        }
    });
    const std::optional<Names> got =
        ChooseColumns(pny::scorerColumns(league()), asNames(chosen),
                      namesOf(pny::defaultScorerColumns(league(), false)));
    QVERIFY(ran);
    QCOMPARE(problems, QStringList());
    QCOMPARE(got.has_value(), accepted);
    if (got)
        QCOMPARE(asList(*got).join(' '), result.join(' '));
    QCOMPARE(Messages::shownTexts(), QStringList());
}

void TestSheetColumnsForm::nothingTickedIsRefused() {
    bool openAfterOk = false;
    QString topic;
    testsupport::whenShown([&](QDialog* dialog) {
        QListWidget* list = columnList(dialog);
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setCheckState(Qt::Unchecked);
        Messages::presetAnswers({QMessageBox::Ok});
        dialog->findChild<QPushButton*>("OkButton")->click();
        openAfterOk = dialog->isVisible();
        dialog->findChild<QPushButton*>("HelpButton")->click();
        topic = HelpViewer::lastTopic();
        dialog->findChild<QPushButton*>("CancelButton")->click();
    });
    const std::optional<Names> got =
        ChooseColumns(pny::scorerColumns(league()), {"AB", "H"}, {"AB"});
    QVERIFY(openAfterOk);
    QCOMPARE(Messages::shownTexts(),
             QStringList{"Tick at least one column for the sheet to show."});
    QVERIFY(!got);
    // Help opens a topic the manual has.
    QCOMPARE(topic, QString("Sheet_Columns"));
    QVERIFY(!HelpViewer::urlOfTopic(topic).isEmpty());
}

// A user column headed "SO" is a column of its own beside the batter's SO: it goes by C1.
void TestSheetColumnsForm::userColumnHeadedLikeAnother() {
    pny::LeagueRecord record;
    record.userHeaders = {"SO", "", "", ""};
    TSheetColumnsForm form;
    form.setColumns(pny::scorerColumns(record), {"AB"}, {"AB"});
    QListWidget* list = columnList(&form);
    QStringList ticked;
    for (int row = 0; row < list->count(); ++row) {
        const QString text = list->item(row)->text();
        if (text == "Batting: SO" || text == "User: SO") {
            list->item(row)->setCheckState(Qt::Checked);
            ticked << text;
        }
    }
    QCOMPARE(ticked, (QStringList{"Batting: SO", "User: SO"}));
    QCOMPARE(form.chosenNames(), (Names{"AB", "SO", "C1"}));
}

// What the dialog returns, written for the league and read back, is what the sheet shows.
void TestSheetColumnsForm::chosenColumnsKeptByTheLeague() {
    const std::vector<pny::BoxScoreColumn> available = pny::scorerColumns(league());
    const std::vector<pny::BoxScoreColumn> defaults = pny::defaultScorerColumns(league(), false);
    testsupport::whenShown([](QDialog* dialog) {
        for (const char* step : {"untick SO", "select P.H", "up", "up", "tick C1", "ok"})
            runStep(dialog, step);
    });
    const std::optional<Names> got = ChooseColumns(available, namesOf(defaults), namesOf(defaults));
    QVERIFY(got);
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1L1.Leaders");
    QString error;
    QVERIFY2(pny::writeSheetColumns(path, got, error), qPrintable(error));
    std::optional<Names> read;
    QVERIFY2(pny::readSheetColumns(path, read, error), qPrintable(error));
    QCOMPARE(read, got);
    const Names shown = namesOf(pny::chosenSheetColumns(available, read, defaults));
    QCOMPARE(shown, *got);
    QVERIFY(std::find(shown.begin(), shown.end(), "SO") == shown.end());
    QCOMPARE(asList(shown).mid(asList(shown).indexOf("P.H") - 1, 3),
             (QStringList{"C1", "P.H", "DEC"}));
    // Back to the defaults: the league keeps no line and follows them.
    testsupport::whenShown([](QDialog* dialog) {
        for (const char* step : {"defaults", "ok"})
            runStep(dialog, step);
    });
    const std::optional<Names> back = ChooseColumns(available, *got, namesOf(defaults));
    QVERIFY(back);
    QVERIFY2(pny::writeSheetColumns(path, pny::sheetChoiceToKeep(*back, namesOf(defaults)), error),
             qPrintable(error));
    QVERIFY2(pny::readSheetColumns(path, read, error), qPrintable(error));
    QVERIFY(!read);
    QCOMPARE(testsupport::readFile(path), QByteArray("Leaders|\r\n||0.67|10|\r\n"));
}

QTEST_MAIN(TestSheetColumnsForm)
#include "tst_sheetcolumnsform.moc"
