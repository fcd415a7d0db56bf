// The League Leaders window at any size: no table is laid over another on any page, the name
// columns hold the longest name whole, and an empty table says why it is empty.
#include "common/messages.h"
#include "store/store.h"
#include "views/leaderreasons.h"
#include "views/leaders.h"
#include "views/leadersform.h"

#include "leaguefolder.h"
#include "modalscript.h"
#include "testsupport.h"

#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

const QByteArray kLongest = "Tess Fairweather-Montgomery";

// Pitchers with innings, wins, losses and strikeouts but no save; a long name among them.
QByteArray pitcher(const QByteArray& number, const QByteArray& name, int innings) {
    const QByteArray ip = QByteArray::number(innings);
    return playerLine(
        number, name,
        {{4, "10"}, {24, ip}, {30, ip}, {31, "4"}, {33, ip}, {36, "5"}, {37, "3"}, {38, "2"}});
}

// What the window showed on one page: every part of every table, in the page's coordinates.
struct Shown {
    QList<QPair<QString, QRect>> parts;
    QRect page;
    QMap<QString, QString> reasons;  // table object name: its reason, when shown
    int playerColumn = 0;
    int teamColumn = 0;
    int room = 0;         // the width the page is seen through
    int widestTable = 0;  // the widest of its tables
    int columns = 0;      // tables side by side in the first row
};

Shown look(QWidget* dialog, int tab) {
    Shown shown;
    auto* tabs = dialog->findChild<QTabWidget*>("GroupTabs");
    auto* scroll = qobject_cast<QScrollArea*>(tabs->widget(tab));
    QWidget* page = scroll->widget();
    shown.page = page->rect();
    for (QWidget* part : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!part->isVisible())
            continue;
        shown.parts.append(
            {part->objectName(), QRect(part->mapTo(page, QPoint(0, 0)), part->size())});
        if (part->objectName().startsWith("Empty"))
            shown.reasons.insert(part->objectName(), qobject_cast<QLabel*>(part)->text());
    }
    shown.room = scroll->viewport()->width();
    for (auto* each : page->findChildren<QTableWidget*>())
        shown.widestTable = std::max(shown.widestTable, each->width());
    // The tables side by side share the top of their titles.
    int firstTop = -1;
    for (auto* title : page->findChildren<QLabel*>(QRegularExpression("^Title"))) {
        const int top = title->mapTo(page, QPoint(0, 0)).y();
        if (firstTop < 0 || top < firstTop) {
            firstTop = top;
            shown.columns = 0;
        }
        if (top == firstTop)
            ++shown.columns;
    }
    auto* table = page->findChild<QTableWidget*>("TableERA");
    if (table) {
        shown.playerColumn = table->columnWidth(2);
        shown.teamColumn = table->columnWidth(3);
    }
    return shown;
}

}  // namespace

class TestLeadersLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinLocale(); }
    void cleanup() {
        Messages::presetAnswers({});
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    }
    void pagesAtEverySize_data();
    void pagesAtEverySize();
    void paperSaysWhyATableIsEmpty_data();
    void paperSaysWhyATableIsEmpty();
};

void TestLeadersLayout::pagesAtEverySize_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("resizeFirst");  // resized before the page is shown, else after

    QTest::newRow("pitching, small") << QSize(420, 300) << 1 << true;
    QTest::newRow("pitching, as opened") << QSize() << 1 << true;
    QTest::newRow("pitching, large") << QSize(790, 790) << 1 << false;
    QTest::newRow("pitching, narrow and tall") << QSize(300, 790) << 1 << false;
    QTest::newRow("fielding, small") << QSize(420, 300) << 2 << false;
    QTest::newRow("batting, large") << QSize(790, 790) << 0 << true;
}

void TestLeadersLayout::pagesAtEverySize() {
    QFETCH(QSize, size);
    QFETCH(int, tab);
    QFETCH(bool, resizeFirst);

    QTemporaryDir dir;
    writeLeagueFolder(
        dir.path(), "|1|Majors|1|", {"|7|Tigers|6|4|||", "|3|Lions|4|6|||"},
        {pitcher("1", kLongest, 30), pitcher("2", "Al Short", 20), pitcher("3", "Bo", 9)});
    writeFile(dir.filePath("Y1L1T2.Players"), "P|\r\n" + pitcher("4", "Kim", 25) + "\r\n" +
                                                  pitcher("5", "Lou Winters", 12) + "\r\n");
    pny::Store store(dir.path());
    store.loadYears();
    store.ensureLeagues();
    store.readLeague(1);

    Shown shown;
    ModalScript script;
    script.then("LeadersForm", [&](QWidget* dialog) {
        auto* tabs = dialog->findChild<QTabWidget*>("GroupTabs");
        if (resizeFirst && size.isValid())
            dialog->resize(size);
        tabs->setCurrentIndex(tab);
        if (!resizeFirst && size.isValid())
            dialog->resize(size);
        QTest::qWait(50);
        shown = look(dialog, tab);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    script.start();
    TLeadersForm form;
    QVERIFY(!form.ShowLeaders(store));
    QVERIFY(script.finished());

    // Nothing laid over anything, and everything on the page.
    QVERIFY(!shown.parts.isEmpty());
    for (int i = 0; i < shown.parts.size(); ++i) {
        const auto& [name, rect] = shown.parts.at(i);
        QVERIFY2(shown.page.contains(rect), qPrintable(name));
        for (int j = i + 1; j < shown.parts.size(); ++j) {
            QVERIFY2(!rect.intersects(shown.parts.at(j).second),
                     qPrintable(name + " over " + shown.parts.at(j).first));
        }
    }
    // As many tables side by side as the width holds: the page scrolls sideways only when not
    // even one table fits, and a width for two shows two.
    const int layoutRoom = shown.room - 2 * 11;  // the page's margins, at most
    if (layoutRoom >= shown.widestTable)
        QVERIFY2(shown.page.width() <= shown.room, qPrintable(QString::number(shown.page.width())));
    QCOMPARE(shown.columns >= 2, layoutRoom >= 2 * shown.widestTable + 2 * 11);
    // The longest name fits its column whole, in every size of window.
    const QFontMetrics metrics(form.font());
    const int margins = 2 * (form.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    if (tab == 1) {
        QVERIFY(shown.playerColumn >= metrics.horizontalAdvance(" " + kLongest) + margins);
        QVERIFY(shown.teamColumn >= metrics.horizontalAdvance(" Tigers") + margins);
        // Nobody has a save: the table says so, and it is the only empty one.
        QCOMPARE(shown.reasons, (QMap<QString, QString>{{"EmptySv", "No pitcher has a save yet"}}));
    } else if (tab == 2) {
        QCOMPARE(shown.reasons.value("EmptyPO"), QString("No fielder has a put-out yet"));
    }
}

void TestLeadersLayout::paperSaysWhyATableIsEmpty_data() {
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QStringList>("headings");  // the lines above the table's header on paper

    QTest::newRow("no save") << QByteArray("Sv")
                             << QStringList{"Saves (Sv)", "No pitcher has a save yet"};
    QTest::newRow("no home run") << QByteArray("HR")
                                 << QStringList{"Home Runs (HR)", "No batter has a home run yet"};
    QTest::newRow("listed") << QByteArray("Won") << QStringList{"Games Won (Won)"};
    QTest::newRow("listed with its rule")
        << QByteArray("ERA")
        << QStringList{"Earned Run Average (ERA)",
                       "Qualified: 1.0 IP per team game (10.0 IP after 10 games)"};
}

void TestLeadersLayout::paperSaysWhyATableIsEmpty() {
    QFETCH(QByteArray, table);
    QFETCH(QStringList, headings);

    pny::LeaderTeam team;
    team.line = 1;
    team.name = "Tigers";
    team.games = 10;
    pny::LeaderPlayer player;
    player.line = 1;
    player.name = kLongest.toStdString();
    player.values[pny::StatIP] = 30;
    player.values[pny::StatER] = 5;
    player.values[pny::StatWon] = 3;
    team.players.push_back(player);
    std::vector<pny::LeaderTable> tables = pny::rankLeaders({team}, pny::LeaderSettings(), 9);
    pny::explainEmptyTables(tables, {team}, 9, pny::seasonUnqualifiedReason);
    const QList<TPrintSection> sections = leaderPrintSections(tables);
    QCOMPARE(sections.size(), static_cast<int>(tables.size()));
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (table != tables[i].category->id)
            continue;
        QCOMPARE(sections.at(static_cast<int>(i)).headings, headings);
        QCOMPARE(sections.at(static_cast<int>(i)).rows.isEmpty(), !tables[i].emptyReason.empty());
        return;
    }
    QFAIL("no such table");
}

QTEST_MAIN(TestLeadersLayout)
#include "tst_leaderslayout.moc"
