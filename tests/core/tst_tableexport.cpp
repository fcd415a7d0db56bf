#include "views/tableexport.h"

#include "people/leaguehistory.h"
#include "views/leaders.h"
#include "views/leadersexport.h"

#include <QTest>
#include <QXmlStreamReader>

using namespace pny;

namespace {

ViewGrid sampleGrid() {
    ViewGrid grid;
    grid.caption = "2024 Caf\xe9 League";
    grid.headers = {"", " No", " Player Name", " Avg"};
    grid.rows = {{"3", " 7", " Smith, \"Jr\"", " .750"},
                 {"1", " 12", " M\xfcller <b>", "1.000"},
                 {"1", " ***", " Totals", " .800"}};
    return grid;
}

// The league's leaders after one game, where one batter and nobody else has a figure.
LeagueLeaders oneBatter() {
    LeaderTeam team;
    team.line = 1;
    team.name = "Tigers";
    team.games = 1;
    LeaderPlayer lee;
    lee.line = 1;
    lee.name = "Lee";
    lee.values[StatPA] = 4;
    lee.values[Stat1B] = 3;
    team.players.push_back(lee);
    LeagueLeaders leaders;
    leaders.caption = "2024 Majors - League Leaders";
    leaders.tables = rankLeaders({team}, LeaderSettings(), 9);
    return leaders;
}

// What is wrong with a standalone page's frame: empty when it is well-formed, in English, with
// one main landmark that holds the one first-level heading and every heading, table and text.
QString frameProblems(const QString& page) {
    QXmlStreamReader reader(page);
    int mains = 0;
    int headingsOne = 0;
    bool inMain = false;
    bool lang = false;
    int rowsInBody = 0;
    bool inBody = false;
    QStringList problems;
    while (!reader.atEnd()) {
        reader.readNext();
        const QString name = reader.name().toString();
        if (reader.isStartElement()) {
            if (name == "html")
                lang = reader.attributes().value("lang") == QLatin1String("en");
            if (name == "main") {
                ++mains;
                inMain = true;
            }
            if (name == "nav" || (name == "link" && reader.attributes().value("rel") ==
                                                        QLatin1String("stylesheet"))) {
                problems << name + " leads to the site's other files";
            }
            if (name == "h1" && ++headingsOne == 1 && !inMain)
                problems << "h1 outside main";
            if ((name == "h2" || name == "table" || name == "p") && !inMain)
                problems << name + " outside main";
            if (name == "tbody") {
                inBody = true;
                rowsInBody = 0;
            }
            if (name == "tr" && inBody)
                ++rowsInBody;
        } else if (reader.isEndElement()) {
            if (name == "main")
                inMain = false;
            if (name == "tbody") {
                inBody = false;
                if (rowsInBody == 0)
                    problems << "a table without rows";
            }
        }
    }
    if (reader.hasError())
        problems << "not well-formed: " + reader.errorString();
    if (!lang)
        problems << "no lang=\"en\"";
    if (mains != 1)
        problems << QStringLiteral("%1 main landmarks").arg(mains);
    if (headingsOne != 1)
        problems << QStringLiteral("%1 first-level headings").arg(headingsOne);
    if (!page.contains("<style>"))
        problems << "no stylesheet of its own";
    return problems.join("; ");
}

}  // namespace

Q_DECLARE_METATYPE(std::function<QString()>)

class TestTableExport : public QObject {
    Q_OBJECT
private slots:
    void tsv();
    void csv();
    void html();
    void emptyView();
    void pagesInTheFrame_data();
    void pagesInTheFrame();
};

void TestTableExport::tsv() {
    QCOMPARE(exportTsv(sampleGrid()), QString::fromUtf8(" No\t Player Name\t Avg\n"
                                                        " 7\t Smith, \"Jr\"\t .750\n"
                                                        " 12\t M\xc3\xbcller <b>\t1.000\n"
                                                        " ***\t Totals\t .800\n"));
}

void TestTableExport::csv() {
    QCOMPARE(exportCsv(sampleGrid()), QString::fromUtf8("No,Player Name,Avg\r\n"
                                                        "7,\"Smith, \"\"Jr\"\"\",.750\r\n"
                                                        "12,M\xc3\xbcller <b>,1.000\r\n"
                                                        "***,Totals,.800\r\n"));
}

void TestTableExport::html() {
    const QString page = exportHtml(sampleGrid());
    QVERIFY(page.startsWith("<!DOCTYPE html>"));
    QVERIFY(
        page.contains("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>"));
    QVERIFY(page.contains(QString::fromUtf8("<title>2024 Caf\xc3\xa9 League</title>")));
    QVERIFY(page.contains("<tr><th>No</th><th>Player Name</th><th>Avg</th></tr>"));
    QVERIFY(page.contains(QString::fromUtf8("<td>M\xc3\xbcller &lt;b&gt;</td>")));
    QVERIFY(page.contains("<td class=\"n\">.750</td>"));
    QCOMPARE(page.count("<tr>"), 4);
    QVERIFY(!page.contains(">3<"));  // the key column is never written
}

void TestTableExport::emptyView() {
    ViewGrid grid;
    grid.headers = {"", " Place", " Team Name"};
    grid.rows = {{"", "", ""}};
    QCOMPARE(exportTsv(grid), QString(" Place\t Team Name\n\t\n"));
    QCOMPARE(exportCsv(grid), QString("Place,Team Name\r\n,\r\n"));
}

void TestTableExport::pagesInTheFrame_data() {
    QTest::addColumn<std::function<QString()>>("page");
    QTest::addColumn<QStringList>("texts");  // what the page must say besides
    QTest::newRow("table") << std::function<QString()>([] { return exportHtml(sampleGrid()); })
                           << QStringList{QString::fromUtf8("<h1>2024 Caf\xc3\xa9 League</h1>")};
    QTest::newRow("empty table") << std::function<QString()>([] {
        ViewGrid grid;
        grid.caption = "2024 City League";
        grid.headers = {"", " Place", " Team Name"};
        grid.rows = {{"", "", ""}};
        return exportHtml(grid);
    }) << QStringList{"<th>Team Name</th>"};
    QTest::newRow("leaders")
        << std::function<QString()>([] { return exportLeadersHtml(oneBatter()); })
        << QStringList{"<h2>Batting Average (AVG)</h2>",
                       "<h2>Earned Run Average (ERA)</h2>\n<p class=\"rule\">Qualified: "
                       "1.0 IP per team game (1.0 IP after 1 game)</p>\n<p class=\"empty\">"
                       "Nobody qualifies yet.</p>",
                       "<h2>Doubles (2B)</h2>\n<p class=\"empty\">Nobody yet.</p>"};
    QTest::newRow("leaders of a league without players") << std::function<QString()>([] {
        LeagueLeaders leaders;
        leaders.caption = "2024 Majors - League Leaders";
        leaders.tables = rankLeaders({}, LeaderSettings(), 9);
        return exportLeadersHtml(leaders);
    }) << QStringList{"<h1>2024 Majors - League Leaders</h1>"};
    QTest::newRow("history") << std::function<QString()>([] {
        LeagueHistory history;
        history.caption = "City League - League History";
        history.leaders = oneBatter().tables;
        return exportHistoryHtml(history);
    }) << QStringList{"<h2>All-Time Leaders</h2>", "<p class=\"empty\">No champion yet.</p>"};
}

void TestTableExport::pagesInTheFrame() {
    QFETCH(std::function<QString()>, page);
    QFETCH(QStringList, texts);
    const QString html = page();
    QCOMPARE(frameProblems(html), QString());
    for (const QString& text : texts)
        QVERIFY2(html.contains(text), qPrintable(text));
}

QTEST_APPLESS_MAIN(TestTableExport)
#include "tst_tableexport.moc"
