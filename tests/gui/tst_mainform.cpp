#include "common/messages.h"
#include "main/main.h"

#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readFile;
using testsupport::writeFile;

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
    const QByteArray years = readFile(dir.filePath("Baseball.Years"));
    QVERIFY2(years.startsWith("Y|0|||"), years.constData());
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
    QCOMPARE(captions, (QStringList{"&Backup All=Ctrl+B", "&Import PZS=Ctrl+I", "&Save Data=Ctrl+S",
                                    "&Export Table...=Ctrl+E", "League &Leaders=Ctrl+L",
                                    "Import &Roster...=", "&Publish League Website...=", "&Help=F1",
                                    "&About=F2", "E&xit=F3"}));
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

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
