#include "views/tableexport.h"

#include <QTest>

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

}  // namespace

class TestTableExport : public QObject {
    Q_OBJECT
private slots:
    void tsv();
    void csv();
    void html();
    void emptyView();
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
        page.contains("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"));
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

QTEST_APPLESS_MAIN(TestTableExport)
#include "tst_tableexport.moc"
