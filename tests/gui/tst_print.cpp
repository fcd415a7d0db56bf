#include "common/filedialogs.h"
#include "common/messages.h"
#include "help/helpviewer.h"
#include "print/print.h"
#include "print/reportengine.h"

#include "printfixture.h"
#include "testsupport.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QHeaderView>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace printfixture;

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        testsupport::pinLocale();
        // The help pages are resources of the static windows library.
        Q_INIT_RESOURCE(resources);
    }
    void cleanup();
    void threeCopiesAreThreeJobs();
    void boxLines_data();
    void boxLines();
    void pagesRepeatTitleAndHeader();
    void zebraRestartsOnEveryPage();
    void columnZeroIsNeverPrinted();
    void widthsFollowTheScreen();
    void onlyVisibleWidthCounts();
    void shading_data();
    void shading();
    void emptyDataRow();
    void tablesKeepHeadingsWithTheirRows();
    void tabShadeIsClamped();
    void headersFitByShrinkingAndTurning_data();
    void headersFitByShrinkingAndTurning();
    void cellTextsAreCutAtTheirRightEdge();
    void everyPageHasAFooter();
};

void TestPrint::cleanup() {
    Messages::presetAnswers({});
    FileDialogs::presetNames({});
    Messages::clearShown();
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

void TestPrint::threeCopiesAreThreeJobs() {
    Fixture f;
    auto table = makeTable({0, 60, 60}, 5);
    f.choose(TPrintForm::LinesBoth, TPrintForm::ShadingRows, 3);
    f.print(*table);
    const QList<Engine::Job>& jobs = f.report()->jobs();
    QCOMPARE(jobs.size(), 3);
    for (int copy = 1; copy <= 3; ++copy) {
        const Engine::Job& job = jobs.at(copy - 1);
        QCOMPARE(job.title, QString("Pennantry Report"));
        QCOMPARE(job.outputFile, f.dir.filePath(QString("out-%1.pdf").arg(copy)));
        QVERIFY(testsupport::readFile(job.outputFile).startsWith("%PDF"));
        QCOMPARE(pdfPages(job.outputFile), 1);
        QCOMPARE(job.pages.size(), 1);
        const Engine::DrawnPage& page = job.pages.first();
        const Engine::DrawnPage& first = jobs.first().pages.first();
        QCOMPARE(page.lines.size(), first.lines.size());
        for (int l = 0; l < page.lines.size(); ++l) {
            QCOMPARE(page.lines[l].cells.size(), first.lines[l].cells.size());
            for (int c = 0; c < page.lines[l].cells.size(); ++c) {
                QCOMPARE(page.lines[l].cells[c].text, first.lines[l].cells[c].text);
                QCOMPARE(page.lines[l].cells[c].shade, first.lines[l].cells[c].shade);
                QCOMPARE(page.lines[l].cells[c].rect, first.lines[l].cells[c].rect);
            }
        }
    }
    QVERIFY(!QFile::exists(f.dir.filePath("out.pdf")));
    QCOMPARE(f.form.result(), int(QDialog::Accepted));
}

void TestPrint::boxLines_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("bits");
    QTest::newRow("None") << int(TPrintForm::LinesNone) << 0;
    QTest::newRow("Horizontal") << int(TPrintForm::LinesHorizontal)
                                << (Engine::BoxTop | Engine::BoxBottom);
    QTest::newRow("Vertical") << int(TPrintForm::LinesVertical)
                              << (Engine::BoxLeft | Engine::BoxRight);
    QTest::newRow("Both") << int(TPrintForm::LinesBoth) << 15;
}

void TestPrint::boxLines() {
    QFETCH(int, lines);
    QFETCH(int, bits);
    Fixture f;
    auto table = makeTable({0, 50, 70, 30}, 4);
    f.choose(lines, TPrintForm::ShadingNone);
    f.print(*table);
    QCOMPARE(f.report()->jobs().size(), 1);
    int cells = 0;
    for (const Engine::DrawnLine& line : f.report()->jobs().first().pages.first().lines) {
        for (const Engine::DrawnCell& cell : line.cells) {
            QCOMPARE(cell.boxLines, bits);
            ++cells;
        }
    }
    QCOMPARE(cells, 3 * 5);  // header and four rows, three printed columns
}

void TestPrint::pagesRepeatTitleAndHeader() {
    Fixture f;
    auto table = makeTable({0, 60, 60, 60}, 100);
    f.paperFor(40, *table);
    f.print(*table);
    const Engine::Job& job = f.report()->jobs().first();
    QCOMPARE(rowsPerPage(job), (QList<int>{40, 40, 20}));
    QCOMPARE(pdfPages(job.outputFile), 3);
    int row = 0;
    for (const Engine::DrawnPage& page : job.pages) {
        QCOMPARE(page.lines[0].texts.size(), 1);
        QCOMPARE(page.lines[0].texts[0].text, QString("1999 Majors"));
        QVERIFY(page.lines[0].texts[0].bold);
        // Centred on the page.
        QVERIFY(qAbs(page.lines[0].texts[0].rect.center().x() - 4.25) < 0.01);
        QVERIFY(page.lines[1].texts.isEmpty() && page.lines[1].cells.isEmpty());
        QCOMPARE(page.lines[2].cells.size(), 3);
        QCOMPARE(page.lines[2].cells[0].text, QString("H1"));
        QCOMPARE(page.lines[2].cells[2].text, QString("H3"));
        QVERIFY(page.lines[2].cells[0].bold);
        QVERIFY(qAbs(page.lines[0].top - 0.5) < 1e-9);
        for (int l = 3; l < page.lines.size(); ++l) {
            ++row;
            QCOMPARE(page.lines[l].cells[1].text, QString("r%1c2").arg(row));
            QVERIFY(!page.lines[l].cells[1].bold);
        }
        // Nothing below the bottom margin.
        const Engine::DrawnCell& last = page.lines.last().cells.last();
        QVERIFY(last.rect.bottom() <= f.report()->PageHeight() - 0.5 + 1e-9);
    }
    QCOMPARE(row, 100);
}

void TestPrint::zebraRestartsOnEveryPage() {
    Fixture f;
    auto table = makeTable({0, 60, 60}, 7);
    f.paperFor(3, *table);
    f.choose(TPrintForm::LinesNone, TPrintForm::ShadingRows);
    f.print(*table);
    const Engine::Job& job = f.report()->jobs().first();
    QCOMPARE(rowsPerPage(job), (QList<int>{3, 3, 1}));
    for (const Engine::DrawnPage& page : job.pages) {
        QList<int> shades;
        for (int l = 3; l < page.lines.size(); ++l)
            shades << page.lines[l].cells[0].shade;
        QCOMPARE(shades, (QList<int>{0, 8, 0}.mid(0, shades.size())));
    }
}

void TestPrint::tablesKeepHeadingsWithTheirRows() {
    // Three tables of the same columns: two headings and 5 rows, one heading and none, one heading
    // and 4 rows. The paper holds the title, the blank line and about 6 further lines.
    Fixture f;
    auto table = makeTable({0, 60, 60}, 1);
    f.paperFor(5, *table);
    QList<TPrintSection> sections;
    const QList<int> sizes{5, 0, 4};
    for (int s = 0; s < sizes.size(); ++s) {
        TPrintSection section;
        section.headings << QString("T%1").arg(s);
        if (s == 0)
            section.headings << "rule";
        section.headers = QStringList{"", QString("H%1").arg(s), "V"};
        for (int r = 0; r < sizes[s]; ++r)
            section.rows << QStringList{"KEY", QString("s%1r%2").arg(s).arg(r), "v"};
        sections << section;
    }
    f.form.setSections("Leaders", sections, {0, 60, 60}, 120, table->font());
    Messages::presetAnswers({QMessageBox::Ok});  // where the pages went
    f.form.findChild<QPushButton*>("OkButton")->click();
    const Engine::Job& job = f.report()->jobs().first();
    QVERIFY(job.pages.size() >= 3);

    // What every page shows, line by line: a text, or the first cell of a row of cells.
    QStringList all;
    for (const Engine::DrawnPage& page : job.pages) {
        QStringList lines;
        for (const Engine::DrawnLine& line : page.lines) {
            if (!line.texts.isEmpty())
                lines << line.texts.first().text;
            else if (!line.cells.isEmpty())
                lines << line.cells.first().text;
        }
        QCOMPARE(lines.first(), QString("Leaders"));
        // A page never ends with a heading or a header row whose table has rows still to come.
        QVERIFY2(!lines.last().startsWith('T') && lines.last() != "rule" && lines.last() != "H0" &&
                     lines.last() != "H2",
                 qPrintable(lines.join(',')));
        // A table going on from the last page starts with its header row again.
        QVERIFY2(lines.value(1) == "H0" || lines.value(1) == "H2" || lines.value(1).startsWith('T'),
                 qPrintable(lines.join(',')));
        all << lines.mid(1);
    }
    all.removeAll("H0");
    all.removeAll("H2");
    QCOMPARE(all, (QStringList{"T0", "rule", "s0r0", "s0r1", "s0r2", "s0r3", "s0r4", "T1", "H1",
                               "T2", "s2r0", "s2r1", "s2r2", "s2r3"}));
    // The first heading of a table is bold, its rule line is not.
    for (const Engine::DrawnLine& line : job.pages.first().lines) {
        if (!line.texts.isEmpty() && line.texts.first().text == "rule")
            QVERIFY(!line.texts.first().bold);
        if (!line.texts.isEmpty() && line.texts.first().text == "T0")
            QVERIFY(line.texts.first().bold);
    }
}

void TestPrint::columnZeroIsNeverPrinted() {
    Fixture f;
    auto table = makeTable({40, 60, 60}, 3);
    f.print(*table);
    const Engine::DrawnPage& page = f.report()->jobs().first().pages.first();
    QVERIFY(qAbs(page.lines[2].cells[0].rect.left() - 0.5) < 1e-9);
    for (const Engine::DrawnLine& line : page.lines) {
        for (const Engine::DrawnCell& cell : line.cells)
            QVERIFY2(!cell.text.startsWith("KEY"), qPrintable(cell.text));
        if (!line.cells.isEmpty())
            QCOMPARE(line.cells.size(), 2);
    }
    // The key column's share of the screen is left blank on the right.
    const double right = page.lines[2].cells[1].rect.right();
    QVERIFY(qAbs(right - (0.5 + 120.0 / 160.0 * (f.report()->PageWidth() - 0.9))) < 1e-6);
}

void TestPrint::widthsFollowTheScreen() {
    auto widths = [](const QList<int>& screen) {
        Fixture f;
        auto table = makeTable(screen, 2);
        f.print(*table);
        QList<double> printed;
        double x = 0.5;
        for (const Engine::DrawnCell& cell :
             f.report()->jobs().first().pages.first().lines[2].cells) {
            // Each column starts where the previous one ends.
            if (qAbs(cell.rect.left() - x) > 1e-9)
                return QList<double>();
            printed << cell.rect.width();
            x = cell.rect.right();
        }
        return printed;
    };
    const QList<double> even = widths({0, 80, 80, 80});
    const QList<double> wide = widths({0, 80, 160, 80});
    QCOMPARE(even.size(), 3);
    QCOMPARE(wide.size(), 3);
    const double total = TPrintForm().Report()->PageWidth() - 0.9;
    QVERIFY(qAbs(even[0] + even[1] + even[2] - total) < 1e-6);
    QVERIFY(qAbs(wide[0] + wide[1] + wide[2] - total) < 1e-6);
    QVERIFY(qAbs(even[1] - total / 3) < 1e-6);
    QVERIFY(qAbs(wide[1] - 2 * wide[0]) < 1e-6);
    QVERIFY(qAbs(wide[2] - wide[0]) < 1e-6);
}

void TestPrint::onlyVisibleWidthCounts() {
    // Columns running past the visible part of the table run past the printed width too.
    Fixture f;
    auto table = makeTable({0, 100, 100, 100}, 2, 200);
    QCOMPARE(table->viewport()->width(), 200);
    f.print(*table);
    const QList<Engine::DrawnCell>& cells = f.report()->jobs().first().pages.first().lines[2].cells;
    QVERIFY(qAbs(cells[0].rect.width() - (f.report()->PageWidth() - 0.9) / 2) < 1e-6);
    QVERIFY(qAbs(cells[1].rect.right() - (f.report()->PageWidth() - 0.4)) < 1e-6);
}

void TestPrint::shading_data() {
    QTest::addColumn<int>("shading");
    QTest::addColumn<QList<int>>("expected");  // header row, then data rows, three columns each
    QTest::newRow("None") << int(TPrintForm::ShadingNone)
                          << QList<int>{8, 8, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("Rows") << int(TPrintForm::ShadingRows)
                          << QList<int>{16, 16, 16, 0, 0, 0, 8, 8, 8, 0, 0, 0, 8, 8, 8};
    QTest::newRow("Columns") << int(TPrintForm::ShadingColumns)
                             << QList<int>{8, 8, 8, 8, 0, 8, 8, 0, 8, 8, 0, 8, 8, 0, 8};
    QTest::newRow("Both") << int(TPrintForm::ShadingBoth)
                          << QList<int>{8, 16, 8, 8, 0, 8, 8, 8, 8, 8, 0, 8, 8, 8, 8};
}

void TestPrint::shading() {
    QFETCH(int, shading);
    QFETCH(QList<int>, expected);
    Fixture f;
    auto table = makeTable({0, 50, 50, 50}, 4);
    f.choose(TPrintForm::LinesNone, shading);
    f.print(*table);
    QList<int> shades;
    for (const Engine::DrawnLine& line : f.report()->jobs().first().pages.first().lines)
        for (const Engine::DrawnCell& cell : line.cells)
            shades << cell.shade;
    QCOMPARE(shades, expected);
}

void TestPrint::emptyDataRow() {
    Fixture f;
    QTableWidget table(1, 3);
    table.resize(300, 100);
    table.show();
    f.print(table);
    const Engine::Job& job = f.report()->jobs().first();
    QCOMPARE(job.pages.size(), 1);
    QCOMPARE(job.pages.first().lines.size(), 4);
    QCOMPARE(job.pages.first().lines[3].cells.size(), 2);
    QCOMPARE(job.pages.first().lines[3].cells[0].text, QString());
}

void TestPrint::tabShadeIsClamped() {
    Engine engine;
    engine.SetTabShade(140);
    QCOMPARE(engine.TabShade(), 100);
    engine.SetTabShade(-5);
    QCOMPARE(engine.TabShade(), 0);
    engine.AddTab(1.0, Engine::JustifyLeft, 1.0, 0, 0, 0);
    engine.AddTab(Engine::kAfterPreviousTab, Engine::JustifyCenter, 0.5, 0, 0, 0);
    QCOMPARE(engine.tabs().at(1).position, 2.0);
    engine.ResetTabs();
    engine.AddTab(Engine::kAfterPreviousTab, Engine::JustifyCenter, 0.5, 0, 0, 0);
    QCOMPARE(engine.tabs().at(0).position, 0.5);
    const QFont before = engine.font();
    engine.SelectFont("DejaVu Serif", 0);
    QCOMPARE(engine.font(), before);
}

void TestPrint::headersFitByShrinkingAndTurning_data() {
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("shrunk");
    QTest::addColumn<bool>("whole");  // every header printed whole
    QTest::newRow("fits") << QList<int>{0, 100, 100, 100} << QStringList{"H1", "H2", "H3"} << false
                          << false << true;
    // The schedule's twenty columns in a window of 556 pixels: 19 pixels for an ordinary one.
    QList<int> schedule{0};
    QStringList scheduleHeaders;
    for (int c = 1; c <= 20; ++c) {
        const bool name = c == 3 || c == 8 || c == 10 || (c >= 14 && c % 2 == 0);
        schedule << (name ? 39 : 19);
        scheduleHeaders << (name ? " Field Name" : " Game");
    }
    QTest::newRow("twenty columns") << schedule << scheduleHeaders << true << true << true;
    // No paper helps: the smallest font, upright, the header cut.
    QTest::newRow("cannot fit") << QList<int>{0, 2, 300} << QStringList{" Game", " Name"} << false
                                << true << false;
}

void TestPrint::headersFitByShrinkingAndTurning() {
    QFETCH(QList<int>, widths);
    QFETCH(QStringList, headers);
    QFETCH(bool, landscape);
    QFETCH(bool, shrunk);
    QFETCH(bool, whole);
    Fixture f;
    auto table = makeTable(widths, 2, 0, headers);
    f.print(*table);
    const double size = f.report()->font().pointSizeF();
    QVERIFY2(size >= TPrintForm::kSmallestFontSize, qPrintable(QString::number(size)));
    QCOMPARE(size < 10, shrunk);
    QCOMPARE(f.report()->PageWidth() > f.report()->PageHeight(), landscape);
    const Engine::DrawnLine& header = f.report()->jobs().first().pages.first().lines[2];
    QCOMPARE(header.cells.size(), headers.size());
    bool allWhole = true;
    for (int c = 0; c < headers.size(); ++c) {
        const Engine::DrawnCell& cell = header.cells[c];
        allWhole = allWhole && cell.text == headers[c];
        QVERIFY(headers[c].startsWith(cell.text));
        QVERIFY(cell.textRect.left() >= cell.rect.left() &&
                cell.textRect.right() <= cell.rect.right() + 1e-9);
    }
    QCOMPARE(allWhole, whole);
    // The columns keep their proportions and fill the page less 0.9 inch.
    QVERIFY(qAbs(header.cells.last().rect.right() - (f.report()->PageWidth() - 0.4)) < 1e-6);
}

void TestPrint::cellTextsAreCutAtTheirRightEdge() {
    Fixture f;
    auto table = makeTable({0, 30, 300}, 1);
    const QString text = " Riverside Park North Field by the river";
    table->item(0, 1)->setText(text);
    table->item(0, 2)->setText(text);
    f.print(*table);
    const Engine::DrawnLine& row = f.report()->jobs().first().pages.first().lines[3];
    const Engine::DrawnCell& narrow = row.cells[0];
    const Engine::DrawnCell& wide = row.cells[1];
    QVERIFY(!narrow.text.isEmpty() && narrow.text.size() < text.size());
    QVERIFY(text.startsWith(narrow.text));
    // From the cell's left, up to its right edge and no further; the next cell's text after it.
    QVERIFY(qAbs(narrow.textRect.left() - (narrow.rect.left() + 0.02)) < 1e-9);
    QVERIFY(narrow.textRect.right() <= narrow.rect.right() - 0.02 + 1e-9);
    QVERIFY(narrow.textRect.right() <= wide.textRect.left());
    QCOMPARE(wide.text, text);
    // The next character would not have fitted.
    TReportEngine probe;
    probe.printer()->setResolution(f.report()->printer()->resolution());
    probe.SelectFont(f.report()->font().family(), f.report()->font().pointSizeF());
    QVERIFY(probe.TextWidth(text.left(narrow.text.size() + 1)) > narrow.rect.width() - 0.04);
}

void TestPrint::everyPageHasAFooter() {
    Fixture f;
    auto table = makeTable({0, 60, 60}, 100);
    f.paperFor(40, *table);
    f.print(*table);
    const QString today = QDate::currentDate().toString("yyyy/MM/dd");
    const Engine::Job& job = f.report()->jobs().first();
    QCOMPARE(job.pages.size(), 3);
    for (int p = 0; p < job.pages.size(); ++p) {
        const Engine::DrawnPage& page = job.pages[p];
        QCOMPARE(page.footer.size(), 2);
        QCOMPARE(page.footer[0].text, today);
        QCOMPARE(page.footer[1].text, QString("Page %1").arg(p + 1));
        QVERIFY(qAbs(page.footer[0].rect.left() - 0.5) < 1e-9);
        QVERIFY(qAbs(page.footer[1].rect.right() - (f.report()->PageWidth() - 0.5)) < 1e-9);
        // In the bottom margin: below the last row, on the paper.
        const double top = page.footer[0].rect.top();
        QVERIFY(top >= page.lines.last().top + f.report()->LineHeight() - 1e-9);
        QVERIFY(page.footer[0].rect.bottom() <= f.report()->PageHeight());
    }
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
