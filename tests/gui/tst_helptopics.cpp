// Every topic the program opens has a page with real text, every link of the manual leads
// somewhere, and every Help button (and F1 where a dialog has it) opens its own topic.
#include "entry/boxscore.h"
#include "entry/game.h"
#include "entry/player.h"
#include "entry/team.h"
#include "help/helpkey.h"
#include "help/helpviewer.h"
#include "help/helpwindow.h"
#include "main/list.h"
#include "main/main.h"
#include "main/name.h"
#include "notes/notes.h"
#include "notes/radio.h"
#include "print/backup.h"
#include "print/print.h"
#include "schedule/field.h"
#include "schedule/make.h"
#include "views/fontchooser.h"
#include "views/gamelogform.h"
#include "views/leadersform.h"
#include "people/careerform.h"
#include "people/historyform.h"
#include "people/linkplayersform.h"
#include "views/psort.h"
#include "views/setup.h"
#include "views/ssort.h"

#include "testsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <functional>
#include <memory>

namespace {

// The topics the windows open: the Help buttons of the dialogs, the list picker's kind words
// followed by "_Button" (Year, League, Team, Player, and Field and Umpire from the game dialog),
// its undelete mode, the F1 keys of the field-time dialogs, the main window's Help, the League
// Leaders window, the careers' windows, the box score sheet and the game log.
const QStringList kProgramTopics{
    "Contents",      "Undelete",       "Year_Button",        "League_Button",  "Team_Button",
    "Player_Button", "Field_Button",   "Umpire_Button",      "Update_Button",  "Notes_Button",
    "Note_Window",   "Sort_Button",    "Player_Statistics",  "Font_Button",    "Print_Button",
    "File_Button",   "Make_Button",    "Field_Availability", "League_Leaders", "Careers",
    "Link_Players",  "League_History", "Box_Score",          "Game_Log",       "Eligible_Pitchers",
};

QString pageSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The plain text of a topic's section: from its anchor to the next anchor of the page.
QString sectionText(const QString& html, const QString& topic) {
    const QString anchor = QStringLiteral("<a name=\"%1\"></a>").arg(topic);
    const qsizetype start = html.indexOf(anchor);
    if (start < 0)
        return {};
    qsizetype end = html.indexOf(QStringLiteral("<a name=\""), start + anchor.size());
    if (end < 0)
        end = html.size();
    QString text = html.mid(start + anchor.size(), end - start - anchor.size());
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return text.simplified();
}

bool documentHasAnchor(const QTextDocument* document, const QString& name) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name))
                return true;
        }
    }
    return false;
}

QTextBrowser* helpBrowser() {
    return THelpWindow::instance()->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
}

// The button of `window` itself with that name (dialogs owned by the window have their own).
QAbstractButton* ownButton(QWidget* window, const QString& name) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>(name)) {
        if (button->window() == window)
            return button;
    }
    return nullptr;
}

}  // namespace

using DialogMaker = std::function<QWidget*()>;
Q_DECLARE_METATYPE(DialogMaker)

class TestHelpTopics : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void cleanup() { THelpWindow::instance()->close(); }
    void topicHasASection_data();
    void topicHasASection();
    void everyLinkLeadsToAnAnchor();
    void everyPageIsReachableFromTheContents();
    void helpButtonOpensItsTopic_data();
    void helpButtonOpensItsTopic();
    void listPickerTopicFollowsItsCaption_data();
    void listPickerTopicFollowsItsCaption();
    void f1PressesTheHelpButton();
    void mainWindowHelpOpensTheContents();
    void unknownTopicFallsBackToTheContents();
    void keysPageListsEveryShortcut();
};

void TestHelpTopics::topicHasASection_data() {
    QTest::addColumn<QString>("topic");
    for (const QString& topic : kProgramTopics)
        QTest::newRow(qPrintable(topic)) << topic;
}

void TestHelpTopics::topicHasASection() {
    QFETCH(QString, topic);
    const QString url = HelpViewer::urlOfTopic(topic);
    QVERIFY2(!url.isEmpty(), qPrintable("no page holds the topic " + topic));
    const QString path = QStringLiteral(":") + QUrl(url).path();

    // The browser loads the page and its document carries the anchor.
    QTextBrowser browser;
    browser.setSource(QUrl(url));
    QVERIFY(!browser.document()->toPlainText().trimmed().isEmpty());
    QVERIFY2(documentHasAnchor(browser.document(), topic), qPrintable(url));

    // The section under the anchor is real text, not a heading alone.
    const QString text = sectionText(pageSource(path), topic);
    QVERIFY2(text.split(QLatin1Char(' ')).size() >= 30,
             qPrintable(QStringLiteral("%1: \"%2\"").arg(topic, text)));
}

void TestHelpTopics::everyLinkLeadsToAnAnchor() {
    const QDir pages(QStringLiteral(":/help"));
    const QStringList names = pages.entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(names.size() >= 10);
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)#([^\"]+)\""));
    int links = 0;
    for (const QString& name : names) {
        const QString html = pageSource(pages.filePath(name));
        QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(name));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const auto match = it.next();
            const QString target = pageSource(pages.filePath(match.captured(1)));
            QVERIFY2(!target.isEmpty(), qPrintable(name + " links to " + match.captured(1)));
            QVERIFY2(target.contains(QStringLiteral("name=\"%1\"").arg(match.captured(2))),
                     qPrintable(name + " links to " + match.captured(0)));
            ++links;
        }
    }
    QVERIFY(links > 20);
}

void TestHelpTopics::everyPageIsReachableFromTheContents() {
    const QString contents = pageSource(QStringLiteral(":/help/index.html"));
    QVERIFY(contents.contains(QStringLiteral("<a name=\"Contents\"></a>")));
    const QStringList names =
        QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString& name : names) {
        if (name != QLatin1String("index.html"))
            QVERIFY2(contents.contains(QStringLiteral("href=\"%1#").arg(name)), qPrintable(name));
    }
    // Every other page leads back to the contents.
    for (const QString& name : names) {
        QVERIFY2(pageSource(QStringLiteral(":/help/") + name)
                         .contains(QStringLiteral("href=\"index.html#Contents\"")) ||
                     name == QLatin1String("index.html"),
                 qPrintable(name));
    }
}

void TestHelpTopics::f1PressesTheHelpButton() {
    HelpKey::install();
    TPrintForm dialog;
    dialog.show();
    HelpViewer::showTopic(QStringLiteral("nothing yet"));
    THelpWindow::instance()->close();
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(HelpViewer::lastTopic(), QStringLiteral("Print_Button"));
}

void TestHelpTopics::helpButtonOpensItsTopic_data() {
    using Make = DialogMaker;
    QTest::addColumn<Make>("make");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("topic");
    QTest::newRow("setup") << Make([] { return new TSetupForm; }) << "HelpButton"
                           << "Sort_Button";
    QTest::newRow("schedule sort") << Make([] { return new TScheduleSortForm; }) << "HelpButton"
                                   << "Sort_Button";
    QTest::newRow("player sort") << Make([] { return new TPlayerSortForm; }) << "HelpButton"
                                 << "Player_Statistics";
    QTest::newRow("font") << Make([] { return new TFontDialog; }) << "HelpButton"
                          << "Font_Button";
    QTest::newRow("team") << Make([] { return new TTeamForm; }) << "HelpButton"
                          << "Update_Button";
    QTest::newRow("player") << Make([] { return new TPlayerForm; }) << "HelpButton"
                            << "Update_Button";
    QTest::newRow("game") << Make([] { return new TGameForm; }) << "HelpButton"
                          << "Update_Button";
    QTest::newRow("note") << Make([] { return new TNoteForm; }) << "HelpButton"
                          << "Note_Window";
    QTest::newRow("note choice") << Make([] { return new TRadioNoteForm; }) << "HelpButton"
                                 << "Notes_Button";
    QTest::newRow("print") << Make([] { return new TPrintForm; }) << "HelpButton"
                           << "Print_Button";
    QTest::newRow("backup") << Make([] { return new TBackupForm; }) << "HelpBtn"
                            << "File_Button";
    QTest::newRow("leaders") << Make([] { return new TLeadersForm; }) << "HelpButton"
                             << "League_Leaders";
    QTest::newRow("career") << Make([] { return new TCareerForm; }) << "HelpButton"
                            << "Careers";
    QTest::newRow("link players") << Make([] { return new TLinkPlayersForm; }) << "HelpButton"
                                  << "Link_Players";
    QTest::newRow("history") << Make([] { return new THistoryForm; }) << "HelpButton"
                             << "League_History";
    QTest::newRow("box score") << Make([] { return new TBoxScoreForm; }) << "HelpButton"
                               << "Box_Score";
    QTest::newRow("game log") << Make([] { return new TGameLogForm; }) << "HelpButton"
                              << "Game_Log";
    // The field-time dialogs have no Help button; F1 opens their topics.
    QTest::newRow("make F1") << Make([] { return new TMakeForm; }) << ""
                             << "Field_Availability";
    QTest::newRow("field F1") << Make([] { return new TFieldForm; }) << ""
                              << "Make_Button";
}

void TestHelpTopics::helpButtonOpensItsTopic() {
    using Make = DialogMaker;
    QFETCH(Make, make);
    QFETCH(QString, button);
    QFETCH(QString, topic);
    std::unique_ptr<QWidget> dialog(make());
    HelpViewer::showTopic(QStringLiteral("nothing yet"));
    THelpWindow::instance()->close();
    if (button.isEmpty()) {
        QShortcut* f1 = nullptr;
        for (QShortcut* shortcut : dialog->findChildren<QShortcut*>()) {
            if (shortcut->keys().contains(QKeySequence(QKeySequence::HelpContents)))
                f1 = shortcut;
        }
        QVERIFY2(f1, "no F1 shortcut");
        emit f1->activated();
    } else {
        QAbstractButton* help = ownButton(dialog.get(), button);
        QVERIFY2(help, qPrintable("no " + button));
        help->click();
    }
    QCOMPARE(HelpViewer::lastTopic(), topic);
    const QString url = HelpViewer::urlOfTopic(topic);
    QVERIFY(!url.isEmpty());
    QVERIFY(THelpWindow::instance()->isVisible());
    QCOMPARE(helpBrowser()->source(), QUrl(url));
}

void TestHelpTopics::listPickerTopicFollowsItsCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("topic");
    for (const char* kind : {"Year", "League", "Team", "Player", "Field", "Umpire"}) {
        QTest::newRow(kind) << kind << QString(kind) + "_Button";
        QTest::newRow(qPrintable(QString("Undelete ") + kind))
            << QString("Undelete ") + kind << "Undelete";
    }
}

void TestHelpTopics::listPickerTopicFollowsItsCaption() {
    QFETCH(QString, caption);
    QFETCH(QString, topic);
    TNameForm names;
    TListForm list(names);
    list.setWindowTitle(caption);
    QAbstractButton* help = ownButton(&list, QStringLiteral("HelpButton"));
    QVERIFY(help);
    help->click();
    QCOMPARE(HelpViewer::lastTopic(), topic);
    QVERIFY(!HelpViewer::urlOfTopic(topic).isEmpty());
    QCOMPARE(helpBrowser()->source(), QUrl(HelpViewer::urlOfTopic(topic)));
}

void TestHelpTopics::mainWindowHelpOpensTheContents() {
    QTemporaryDir dir;
    TMainForm form(dir.path());
    form.show();
    QAbstractButton* help = ownButton(&form, QStringLiteral("HelpButton"));
    QVERIFY(help);
    HelpViewer::showTopic(QStringLiteral("Print_Button"));
    help->click();
    QCOMPARE(HelpViewer::lastTopic(), QStringLiteral("Contents"));
    QCOMPARE(helpBrowser()->source(), QUrl(QStringLiteral("qrc:/help/index.html#Contents")));
    THelpWindow::instance()->close();
    form.close();
}

void TestHelpTopics::keysPageListsEveryShortcut() {
    // Every key of the main window's menu and shortcuts, and of its buttons' underlined
    // letters, in the words of the page.
    QTemporaryDir dir;
    TMainForm form(dir.path());
    QList<QKeySequence> keys;
    for (const QAction* action : form.actions())
        keys << action->shortcuts();
    for (const QShortcut* shortcut : form.findChildren<QShortcut*>())
        keys << shortcut->key();
    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
        if (button->window() == &form && !QKeySequence::mnemonic(button->text()).isEmpty())
            keys << QKeySequence::mnemonic(button->text());
    }
    QVERIFY(keys.size() >= 20);
    QString page = pageSource(QStringLiteral(":/help/keys.html"));
    QVERIFY(page.contains("<a name=\"Keyboard\"></a>"));
    page = page.replace(QRegularExpression("<[^>]*>"), " ").simplified();
    for (const QKeySequence& key : keys) {
        QString text = key.toString(QKeySequence::PortableText);
        text.replace("PgDown", "Page Down").replace("PgUp", "Page Up");
        text.replace("Backtab", "Tab").replace("Return", "Enter").replace("Esc", "Escape");
        // "Alt+F, Alt+Y" and "F3, Ctrl+Q" list several keys in one cell.
        const QRegularExpression listed("(^|[ ,])" + QRegularExpression::escape(text) + "($|[ ,])");
        QVERIFY2(listed.match(page).hasMatch(), qPrintable(text));
    }
}

void TestHelpTopics::unknownTopicFallsBackToTheContents() {
    QVERIFY(HelpViewer::urlOfTopic(QStringLiteral("No_Such_Topic")).isEmpty());
    HelpViewer::showTopic(QStringLiteral("No_Such_Topic"));
    QCOMPARE(helpBrowser()->source(), QUrl(QStringLiteral("qrc:/help/index.html#Contents")));
}

QTEST_MAIN(TestHelpTopics)
#include "tst_helptopics.moc"
