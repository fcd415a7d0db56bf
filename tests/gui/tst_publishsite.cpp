#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/main.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

// Publish League Website in the main window's menu writes the same site as pny publish.
class TestPublishSite : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinLocale(); }

    void cleanup() {
        Messages::presetAnswers({});
        Messages::clearShown();
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    }

    void theMenuItemPublishesIntoTheChosenFolder() {
        QTemporaryDir data;
        QTemporaryDir web;
        writeLeagueFolder(data.path(), "|1|Majors|1|", {"|7|<Tigers>|6|2|||", "|3|Lions|3|1|||"},
                          {playerLine("23", "Lee", {{6, "4"}, {7, "3"}})});
        TMainForm form(data.path());
        form.show();
        const QStringList before = QDir(data.path()).entryList(QDir::Files);

        FileDialogs::presetNames({web.path() + "/site"});
        Messages::presetAnswers({QMessageBox::Ok});
        form.findChild<QAction*>("PublishItem")->trigger();
        QCOMPARE(Messages::shownTexts().size(), 1);
        QVERIFY2(Messages::shownTexts().front().contains(QStringLiteral("(9 files)")),
                 qPrintable(Messages::shownTexts().front()));
        const QByteArray index = readFile(web.path() + "/site/index.html");
        QVERIFY(index.contains("&lt;Tigers&gt;"));
        // Lee's page, linked from his team's, with his batting line: 4 PA and 3 singles.
        QVERIFY(readFile(web.path() + "/site/team-1.html")
                    .contains("<a href=\"player-1-1.html\">Lee</a>"));
        QVERIFY(readFile(web.path() + "/site/player-1-1.html").contains(">.750<"));
        QVERIFY(QFile::exists(web.path() + "/site/feed.xml"));
        QCOMPARE(QDir(data.path()).entryList(QDir::Files), before);

        // The data folder is refused with the reason; a cancelled dialog does nothing.
        Messages::clearShown();
        FileDialogs::presetNames({data.path(), QString()});
        Messages::presetAnswers({QMessageBox::Ok});
        form.findChild<QAction*>("PublishItem")->trigger();
        form.findChild<QAction*>("PublishItem")->trigger();
        QCOMPARE(Messages::shownTexts().size(), 1);
        QVERIFY(Messages::shownTexts().front().contains(QStringLiteral("data folder")));
        QVERIFY(!QFile::exists(data.path() + "/index.html"));
        QVERIFY(form.close());
    }
};

QTEST_MAIN(TestPublishSite)
#include "tst_publishsite.moc"
