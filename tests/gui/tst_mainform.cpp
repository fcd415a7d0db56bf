#include "common/messages.h"
#include "main/main.h"

#include "about/programversion.h"
#include "store/records.h"

#include "modalscript.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using testsupport::readFile;
using testsupport::writeFile;

namespace {

// The sample season of the repository, which the program installs beside itself.
QString samplePath() {
    return QDir::cleanPath(testsupport::dataPath("../../examples/Riverbend.PZS"));
}

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void cleanup();
    void firstStartInEmptyFolder();
    void headerSelectsTabAndSizeAndKeepsUnknownFields();
    void maximisedWindowStoresLastNormalSize();
    void escapeOpensThePopupMenu();
    void tabChoiceIsRemembered();
    void saveDataWritesTheYearsFile();
    void failedSaveOnCloseKeepsTheWindowOpen();
    void damagedFolderStarts_data();
    void damagedFolderStarts();
    void keysSwitchTabs_data();
    void keysSwitchTabs();
    void tabRowTakesTheFocus();
    void ctrlQQuits();
    void firstStartShowsEveryTabAndStoresItsSize();
    void storedSizeIsCutToTheScreen_data();
    void storedSizeIsCutToTheScreen();
    void emptyFolderShowsTheGuide();
    void guideStartsASeason();
    void guideOpensTheSample();
    void dialogsAreMadeOnFirstUse();
    void aboutNamesTheProgramAndVersion();

private:
    // A folder with one season, one league and two teams, the Teams tab shown.
    static void writeLeague(const QString& folder);
};

void TestMainForm::cleanup() {
    Messages::presetAnswers({});
    Messages::clearShown();
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

void TestMainForm::firstStartInEmptyFolder() {
    QTemporaryDir dir;
    {
        TMainForm form(dir.path());
        form.show();
        QCOMPARE(form.findChild<QTabBar*>("BottomTab")->currentIndex(), 0);
        QCOMPARE(form.windowTitle(), QString("Pennantry"));
        auto* table = form.findChild<QTableWidget*>("Table");
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 1);
        QVERIFY(form.close());
    }
    // The tab, the window size and an empty current year.
    const QByteArray years = readFile(dir.filePath("Baseball.Years"));
    QVERIFY2(QRegularExpression("^Y\\|0\\|\\|\\|[1-9][0-9]*\\|[1-9][0-9]*\\|\\|\r\n$")
                 .match(QString::fromLatin1(years))
                 .hasMatch(),
             years.constData());
    QCOMPARE(years.count("\r\n"), 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Baseball.Years"});
}

void TestMainForm::headerSelectsTabAndSizeAndKeepsUnknownFields() {
    QTemporaryDir dir;
    writeFile(dir.filePath("Baseball.Years"), "Y|3|17|2|480|640|keep|\r\n|1|One||\r\n|2|Two||\r\n");
    {
        TMainForm form(dir.path());
        form.show();
        QCOMPARE(form.currentTab(), 3);
        QCOMPARE(form.findChild<QTabBar*>("BottomTab")->tabText(3), QString("Running"));
        QCOMPARE(form.size(), QSize(640, 480));
        QCOMPARE(form.store().year.name, std::string("Two"));
        QVERIFY(form.close());
    }
    QVERIFY(readFile(dir.filePath("Baseball.Years")).startsWith("Y|3|17|2|480|640|keep|\r\n"));
}

void TestMainForm::maximisedWindowStoresLastNormalSize() {
    QTemporaryDir dir;
    {
        TMainForm form(dir.path());
        form.show();
        form.resize(600, 400);
        QTRY_COMPARE(form.store().header.width, std::string("600"));
        form.showMaximized();
        QTRY_VERIFY(form.isMaximized());
        QVERIFY(form.close());
    }
    QVERIFY(readFile(dir.filePath("Baseball.Years")).startsWith("Y|0|||400|600||"));
}

void TestMainForm::escapeOpensThePopupMenu() {
    QTemporaryDir dir;
    TMainForm form(dir.path());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QTRY_VERIFY(form.isActiveWindow());
    auto* menu = form.findChild<QMenu*>("PopupMenu");
    QVERIFY(menu);
    QTest::keyClick(&form, Qt::Key_Escape);
    QTRY_VERIFY(menu->isVisible());
    QStringList captions;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            captions << action->text() + "=" + action->shortcut().toString();
    }
    QCOMPARE(captions,
             (QStringList{"B&ox Score...=Ctrl+B", "&Game Log...=Ctrl+G", "&Backup All=Ctrl+Shift+B",
                          "&Import PZS=Ctrl+I", "&Save Data=Ctrl+S", "&Export Table...=Ctrl+E",
                          "League &Leaders=Ctrl+L", "&Career=Ctrl+K", "Lin&k Players...=",
                          "League His&tory=", "Eligible Pitc&hers...=", "Import &Roster...=",
                          "&Publish League Website...=", "&Help=F1", "&About=F2", "E&xit=F3"}));
    menu->close();
}

void TestMainForm::tabChoiceIsRemembered() {
    QTemporaryDir dir;
    {
        TMainForm form(dir.path());
        form.show();
        form.findChild<QTabBar*>("BottomTab")->setCurrentIndex(7);
        QCOMPARE(form.store().header.tab, std::string("7"));
        QVERIFY(form.close());
    }
    TMainForm again(dir.path());
    again.show();
    QCOMPARE(again.currentTab(), 7);
}

void TestMainForm::saveDataWritesTheYearsFile() {
    QTemporaryDir dir;
    TMainForm form(dir.path());
    form.show();
    form.findChild<QAction*>("SaveItem")->trigger();
    QVERIFY(QFile::exists(dir.filePath("Baseball.Years")));
    QVERIFY(Messages::shownTexts().isEmpty());
    QVERIFY(form.close());
}

void TestMainForm::failedSaveOnCloseKeepsTheWindowOpen() {
    QTemporaryDir dir;
    // A folder where the years file belongs: it cannot be read, and must not be replaced.
    QVERIFY(QDir(dir.path()).mkdir("Baseball.Years"));
    TMainForm form(dir.path());
    Messages::presetAnswers({QMessageBox::Ok});  // the read error reported at start
    form.show();
    QCOMPARE(Messages::shownTexts().size(), 1);
    QVERIFY(Messages::shownTexts().first().contains("Baseball.Years"));

    Messages::presetAnswers({QMessageBox::Cancel});
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    QCOMPARE(Messages::shownTexts().size(), 2);
    QVERIFY(Messages::shownTexts().last().contains("could not be saved"));

    // Retry fails again, then the user chooses to close anyway.
    Messages::presetAnswers({QMessageBox::Retry, QMessageBox::Discard});
    QVERIFY(form.close());
    QCOMPARE(Messages::shownTexts().size(), 4);
    QVERIFY(QFileInfo(dir.filePath("Baseball.Years")).isDir());
}

void TestMainForm::damagedFolderStarts_data() {
    QTest::addColumn<QByteArray>("years");
    QTest::addColumn<QByteArray>("leagues");
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 7919) % 256));
    QTest::newRow("binary junk") << junk << junk;
    QTest::newRow("very long lines")
        << QByteArray("Y|0||1|||\r\n|1|") + QByteArray(100000, 'x') + "|1|"
        << QByteArray("L|\r\n") + QByteArray(100000, '|');
    QTest::newRow("indexes past the end")
        << QByteArray("Y|9||1|99999|-5|\r\n|1|One|42|\r\n") << QByteArray("L|\r\n|1|M|77|-3|\r\n");
    QTest::newRow("no header line") << QByteArray("|1|One|1|\r\n") << QByteArray("|1|M|1|\r\n");
}

void TestMainForm::damagedFolderStarts() {
    QFETCH(QByteArray, years);
    QFETCH(QByteArray, leagues);
    QTemporaryDir dir;
    writeFile(dir.filePath("Baseball.Years"), years);
    writeFile(dir.filePath("Y1.Leagues"), leagues);
    // A file cut short by a NUL is reported; every message is answered.
    Messages::presetAnswers(QList<QMessageBox::StandardButton>(10, QMessageBox::Ok));
    TMainForm form(dir.path());
    form.show();
    for (int tab = 0; tab < 8; ++tab)
        form.findChild<QTabBar*>("BottomTab")->setCurrentIndex(tab);
    QVERIFY(form.findChild<QTableWidget*>("Table")->rowCount() >= 1);
    QVERIFY(form.close());
}

void TestMainForm::writeLeague(const QString& folder) {
    writeFile(folder + "/Baseball.Years", "Y|0||1|||\r\n|2024|Season|1|\r\n");
    writeFile(folder + "/Y1.Leagues", "L|\r\n|1|Majors|1|\r\n");
    writeFile(folder + "/Y1L1.Teams", "T|\r\n|7|Tigers|6|2|||\r\n|3|Lions|3|1|||\r\n");
}

void TestMainForm::keysSwitchTabs_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");
    const int ctrl = Qt::ControlModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+Tab") << 2 << int(Qt::Key_Tab) << ctrl << 3;
    QTest::newRow("Ctrl+Tab round") << 7 << int(Qt::Key_Tab) << ctrl << 0;
    QTest::newRow("Ctrl+Shift+Tab") << 2 << int(Qt::Key_Tab) << ctrlShift << 1;
    QTest::newRow("Ctrl+Shift+Backtab") << 0 << int(Qt::Key_Backtab) << ctrlShift << 7;
    QTest::newRow("Ctrl+PgDown") << 6 << int(Qt::Key_PageDown) << ctrl << 7;
    QTest::newRow("Ctrl+PgUp") << 1 << int(Qt::Key_PageUp) << ctrl << 0;
}

void TestMainForm::keysSwitchTabs() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);
    QTemporaryDir dir;
    writeLeague(dir.path());
    TMainForm form(dir.path());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QTRY_VERIFY(form.isActiveWindow());
    auto* tabs = form.findChild<QTabBar*>("BottomTab");
    tabs->setCurrentIndex(from);
    auto* table = form.findChild<QTableWidget*>("Table");
    QTest::keyClick(table, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(form.currentTab(), to);
    // The view follows and the choice is remembered.
    QCOMPARE(form.store().header.tab, std::to_string(to));
    QCOMPARE(table->horizontalHeaderItem(1)->text() == " Place", to == 0);
    QVERIFY(form.close());
}

void TestMainForm::tabRowTakesTheFocus() {
    QTemporaryDir dir;
    writeLeague(dir.path());
    TMainForm form(dir.path());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QTRY_VERIFY(form.isActiveWindow());
    auto* tabs = form.findChild<QTabBar*>("BottomTab");
    auto* table = form.findChild<QTableWidget*>("Table");
    QTRY_VERIFY(table->hasFocus());
    // Tab leaves the table for the tab row, whose arrow keys walk along the tabs and keep the
    // focus there.
    QTest::keyClick(table, Qt::Key_Tab);
    QTRY_VERIFY(tabs->hasFocus());
    QTest::keyClick(tabs, Qt::Key_Right);
    QTest::keyClick(tabs, Qt::Key_Right);
    QCOMPARE(form.currentTab(), 2);
    QVERIFY(tabs->hasFocus());
    QVERIFY(form.close());
}

void TestMainForm::ctrlQQuits() {
    QTemporaryDir dir;
    TMainForm form(dir.path());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QTRY_VERIFY(form.isActiveWindow());
    QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!form.isVisible());
    // Quitting saves, as Exit does.
    QVERIFY(QFile::exists(dir.filePath("Baseball.Years")));
}

void TestMainForm::firstStartShowsEveryTabAndStoresItsSize() {
    QTemporaryDir dir;
    QSize first;
    {
        TMainForm form(dir.path());
        form.show();
        first = form.size();
        QVERIFY(first.width() >= 556 && first.height() >= 365);
        QCOMPARE(first, form.designedSize());
        QVERIFY(form.close());
    }
    const pny::YearsHeader header = pny::YearsHeader::parse(
        readFile(dir.filePath("Baseball.Years")).split('\r').first().toStdString());
    QCOMPARE(QSize(std::stoi(header.width), std::stoi(header.height)), first);

    TMainForm again(dir.path());
    again.show();
    QCOMPARE(again.size(), first);
    // All eight tabs, and the whole button row, each at the width its caption needs.
    auto* tabs = again.findChild<QTabBar*>("BottomTab");
    QVERIFY(tabs->width() >= tabs->sizeHint().width());
    QVERIFY(tabs->tabRect(7).right() < tabs->width());
    auto* panel = again.findChild<QWidget*>("ButtonPanel");
    for (const char* name :
         {"FileButton", "YearButton", "LeagueButton", "TeamButton", "PlayerButton", "UpdateButton",
          "SetupButton", "NoteButton", "FontButton", "PrintButton", "HelpButton", "QuitButton"}) {
        auto* button = again.findChild<QToolButton*>(name);
        QVERIFY2(button->width() >= button->sizeHint().width(), name);
        QVERIFY2(button->geometry().right() < panel->width(), name);
    }
    QVERIFY(again.close());
}

void TestMainForm::storedSizeIsCutToTheScreen_data() {
    QTest::addColumn<QByteArray>("height");
    QTest::addColumn<QByteArray>("width");
    QTest::newRow("5000 by 5000") << QByteArray("5000") << QByteArray("5000");
    QTest::newRow("too wide") << QByteArray("400") << QByteArray("99999");
    QTest::newRow("too high") << QByteArray("9000") << QByteArray("600");
}

void TestMainForm::storedSizeIsCutToTheScreen() {
    QFETCH(QByteArray, height);
    QFETCH(QByteArray, width);
    QTemporaryDir dir;
    writeFile(dir.filePath("Baseball.Years"), "Y|0|||" + height + "|" + width + "||\r\n");
    TMainForm form(dir.path());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect screen = form.screen()->availableGeometry();
    QVERIFY2(screen.contains(form.frameGeometry()),
             qPrintable(QString("%1,%2 %3x%4")
                            .arg(form.frameGeometry().x())
                            .arg(form.frameGeometry().y())
                            .arg(form.frameGeometry().width())
                            .arg(form.frameGeometry().height())));
    // A size that fits is kept as it was stored.
    if (height.toInt() <= screen.height())
        QCOMPARE(form.height(), height.toInt());
    QVERIFY(form.close());
}

void TestMainForm::emptyFolderShowsTheGuide() {
    QTemporaryDir dir;
    TMainForm form(dir.path());
    form.setSampleSeason(dir.filePath("no such sample.PZS"));
    form.show();
    auto* guide = form.findChild<QWidget*>("StartGuide");
    QVERIFY(guide && guide->isVisible());
    auto* table = form.findChild<QTableWidget*>("Table");
    QVERIFY(table->viewport()->rect().contains(guide->geometry()));
    QVERIFY(guide->findChild<QPushButton*>("StartSeasonButton")->isVisible());
    // Without the sample installed, the guide does not offer it.
    QVERIFY(!guide->findChild<QPushButton*>("OpenSampleButton")->isVisible());
    form.setSampleSeason(samplePath());
    QVERIFY(guide->findChild<QPushButton*>("OpenSampleButton")->isVisible());
    QVERIFY(form.close());

    // A folder with a season shows no guide.
    writeLeague(dir.path());
    TMainForm league(dir.path());
    league.show();
    auto* none = league.findChild<QWidget*>("StartGuide");
    QVERIFY(!none || !none->isVisible());
}

void TestMainForm::guideStartsASeason() {
    QTemporaryDir dir;
    TMainForm form(dir.path());
    form.show();
    ModalScript script;
    script.then("NameForm", ModalScript::typeNumberAndName("2026", "Summer"))
        .then("ListForm", ModalScript::click("OkButton"));
    script.start();
    form.findChild<QPushButton*>("StartSeasonButton")->click();
    QVERIFY(script.finished());
    QCOMPARE(form.store().years.size(), 2);
    QCOMPARE(form.store().year.number, std::string("2026"));
    QVERIFY(!form.findChild<QWidget*>("StartGuide")->isVisible());
    QVERIFY(form.close());
}

void TestMainForm::guideOpensTheSample() {
    QTemporaryDir dir;
    TMainForm form(dir.path());
    form.setSampleSeason(samplePath());
    form.show();
    form.findChild<QPushButton*>("OpenSampleButton")->click();
    QVERIFY(Messages::shownTexts().isEmpty());
    QCOMPARE(form.store().years.size(), 2);
    QVERIFY2(form.windowTitle().contains("Riverbend"), qPrintable(form.windowTitle()));
    QCOMPARE(form.findChild<QTableWidget*>("Table")->rowCount(), 6);  // the standings
    QVERIFY(!form.findChild<QWidget*>("StartGuide")->isVisible());
    QVERIFY(form.close());
}

void TestMainForm::dialogsAreMadeOnFirstUse() {
    QTemporaryDir dir;
    TMainForm form(dir.path());
    form.show();
    // Only the progress window of the first table is made at start.
    QStringList made;
    for (const QDialog* dialog : form.findChildren<QDialog*>())
        made << dialog->objectName();
    QCOMPARE(made, QStringList{"MsgForm"});
    QVERIFY(form.close());
}

void TestMainForm::aboutNamesTheProgramAndVersion() {
    QTemporaryDir dir;
    TMainForm form(dir.path());
    form.show();
    QString title;
    QString product;
    QTimer::singleShot(0, this, [&] {
        QWidget* about = QApplication::activeModalWidget();
        QVERIFY(about);
        title = about->windowTitle();
        product = about->findChild<QLabel*>("ProductName")->text();
        about->findChild<QPushButton*>("OKButton")->click();
    });
    form.findChild<QAction*>("AboutItem")->trigger();
    QCOMPARE(title, QString("About Pennantry"));
    QCOMPARE(product, "Pennantry " + pny::programVersion());
    QVERIFY(QRegularExpression("^Pennantry \\d+\\.\\d+\\.\\d+$").match(product).hasMatch());
    QVERIFY(form.close());
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
