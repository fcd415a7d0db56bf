// A column that shows all its texts whole on screen prints them whole: the printer's font gets
// smaller until they fit (never below the smallest size), however small a part of a wide table
// the column is.
#include "common/messages.h"
#include "print/print.h"
#include "print/reportengine.h"

#include "testsupport.h"

#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using Engine = TReportEngine;

class TestPrintWhole : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void cleanup() { Messages::presetAnswers({}); }
    void wholeOnScreenPrintsWhole_data();
    void wholeOnScreenPrintsWhole();
};

void TestPrintWhole::wholeOnScreenPrintsWhole_data() {
    // Column 0 is the key column; each further column holds its texts, one per row.
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QList<QStringList>>("columns");
    QTest::addColumn<bool>("smallest");          // whether the font ends at the smallest size
    QTest::addColumn<QList<int>>("cutColumns");  // columns whose texts paper cuts

    const QStringList times{" 10:00 a", " 12:59 p", " 6:30 p"};
    const QStringList days{" Thu", " Sat", " Sun"};
    const QStringList fields{" Riverside Park", " Cooper Meadow North", " Field 3"};
    QTest::newRow("a time beside two wide columns")
        << QList<int>{40, 40, 70, 700, 600} << QList<QStringList>{days, times, fields, fields}
        << false << QList<int>();
    QTest::newRow("a time on a narrow table")
        << QList<int>{40, 40, 70, 200} << QList<QStringList>{days, times, fields} << false
        << QList<int>();
    QTest::newRow("times in the middle of many columns")
        << QList<int>{40, 40, 70, 300, 70, 300, 70}
        << QList<QStringList>{days, times, fields, times, fields, times} << false << QList<int>();
    QTest::newRow("a column cut on screen does not shrink the font")
        << QList<int>{40, 40, 30, 700} << QList<QStringList>{days, times, fields} << false
        << QList<int>{2};
    QTest::newRow("too narrow even at the smallest size")
        << QList<int>{40, 70, 4000} << QList<QStringList>{times, fields} << true << QList<int>{1};
}

void TestPrintWhole::wholeOnScreenPrintsWhole() {
    QFETCH(QList<int>, widths);
    QFETCH(QList<QStringList>, columns);
    QFETCH(bool, smallest);
    QFETCH(QList<int>, cutColumns);

    const int rows = static_cast<int>(columns.first().size());
    QTableWidget table(rows, widths.size());
    table.verticalHeader()->hide();
    table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.horizontalHeader()->setMinimumSectionSize(0);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    table.setFont(font);
    int total = 0;
    for (int c = 0; c < widths.size(); ++c) {
        table.setHorizontalHeaderItem(c, new QTableWidgetItem(c == 0 ? "" : " C"));
        table.setColumnWidth(c, widths.at(c));
        total += widths.at(c);
        for (int r = 0; r < rows; ++r)
            table.setItem(r, c, new QTableWidgetItem(c == 0 ? "key" : columns.at(c - 1).at(r)));
    }
    table.resize(total + 2 * table.frameWidth(), 300);
    table.show();

    // Which columns show every text whole, in the table's own measure.
    const QFontMetrics metrics(table.font());
    const int margins = 2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    QList<bool> whole{false};
    for (int c = 1; c < widths.size(); ++c) {
        bool fits = true;
        for (const QString& text : columns.at(c - 1))
            fits = fits && metrics.horizontalAdvance(text) + margins <= widths.at(c);
        whole << fits;
    }

    QTemporaryDir dir;
    TPrintForm form;
    form.setOutputFileForTesting(dir.filePath("out.pdf"));
    form.setTable(&table, "2024 City League");
    Messages::presetAnswers({QMessageBox::Ok});
    form.findChild<QPushButton*>("OkButton")->click();

    const Engine* report = form.Report();
    QCOMPARE(report->jobs().size(), 1);
    QCOMPARE(report->font().pointSizeF() <= TPrintForm::kSmallestFontSize, smallest);
    QList<QStringList> printed(widths.size() - 1);
    for (const Engine::DrawnLine& line : report->jobs().first().pages.first().lines) {
        if (line.cells.isEmpty() || line.cells.first().bold)
            continue;  // the title and the header row
        for (int k = 0; k < line.cells.size(); ++k)
            printed[k] << line.cells.at(k).text;
    }
    for (int c = 1; c < widths.size(); ++c) {
        const QStringList& shown = columns.at(c - 1);
        QCOMPARE(printed.at(c - 1).size(), shown.size());
        bool cut = false;
        for (int r = 0; r < rows; ++r) {
            const QString& text = printed.at(c - 1).at(r);
            QVERIFY2(shown.at(r).startsWith(text), qPrintable(text));
            cut = cut || text != shown.at(r);
        }
        // A column whole on screen is whole on paper unless even the smallest size is too big.
        QCOMPARE(cut, cutColumns.contains(c));
        QVERIFY(!cut || !whole.at(c) || smallest);
    }

    // The paper shows them so: every text of a column printed whole is found whole in the PDF.
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils, installed by scripts/deps.sh) is not installed");
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", dir.filePath("out.pdf"), "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    QCOMPARE(pdftotext.exitCode(), 0);
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (int c = 1; c < widths.size(); ++c) {
        if (cutColumns.contains(c))
            continue;
        for (const QString& cell : columns.at(c - 1)) {
            const QRegularExpression found(QRegularExpression::escape(cell.trimmed()) + "(\\s|$)");
            QVERIFY2(found.match(text).hasMatch(), qPrintable(cell + " in:\n" + text));
        }
    }
}

QTEST_MAIN(TestPrintWhole)
#include "tst_printwhole.moc"
