// The Schedule tab with all twenty columns, printed into a PDF as the main window shows it: every
// header whole on paper, and no cell's text running into its neighbour's.
#include "common/messages.h"
#include "main/main.h"
#include "print/print.h"
#include "print/reportengine.h"

#include "modalscript.h"
#include "schedulefolder.h"
#include "testsupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace testsupport;
using Engine = TReportEngine;

class TestPrintSchedule : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinLocale(); }
    void cleanup() { Messages::presetAnswers({}); }
    void everyHeaderPrintsWhole();
};

void TestPrintSchedule::everyHeaderPrintsWhole() {
    QTemporaryDir dir;
    writeScheduleFolder(dir.path(),
                        {"|20260611|1830|1|1|2|1|2|3|4|12|7|", "|20260612|1000|2|3|1|4|3|2|1||",
                         "|20260618|1830|1|2|3|||||", "|20260619|2015|2|1|3|2||||3|3|"},
                        {"|1|Riverside Park|", "|2|Cooper Meadow North|"},
                        {"|1|Pat Umpire|", "|2|Lou Lineman|", "|3|Max Strikes|", "|4|Ana Balk|"});
    TMainForm form(dir.path());
    form.show();
    QCOMPARE(form.currentTab(), 7);
    auto* table = form.findChild<QTableWidget*>("Table");
    QCOMPARE(table->columnCount(), 21);
    QStringList headers;
    for (int c = 1; c < table->columnCount(); ++c)
        headers << table->horizontalHeaderItem(c)->text();

    const QString pdf = dir.filePath("schedule.pdf");
    form.printForm().setOutputFileForTesting(pdf);
    ModalScript script;
    script.then("PrintForm", ModalScript::click("OkButton"));
    script.start();
    Messages::presetAnswers({QMessageBox::Ok});
    form.findChild<QToolButton*>("PrintButton")->click();
    QVERIFY(script.finished());
    QVERIFY(form.close());

    // What the engine drew: the headers whole, every text inside its cell, left to right.
    const Engine* report = form.printForm().Report();
    QCOMPARE(report->jobs().size(), 1);
    QVERIFY(report->font().pointSizeF() >= TPrintForm::kSmallestFontSize);
    const Engine::DrawnPage& page = report->jobs().first().pages.first();
    QStringList printed;
    for (const Engine::DrawnCell& cell : page.lines[2].cells)
        printed << cell.text;
    QCOMPARE(printed, headers);
    int rows = 0;
    for (const Engine::DrawnLine& line : page.lines) {
        if (line.cells.isEmpty())
            continue;
        ++rows;
        double right = 0;
        for (const Engine::DrawnCell& cell : line.cells) {
            QVERIFY(cell.textRect.left() >= cell.rect.left() - 1e-9);
            QVERIFY(cell.textRect.right() <= cell.rect.right() + 1e-9);
            QVERIFY2(cell.textRect.left() >= right - 1e-9, qPrintable(cell.text));
            right = cell.textRect.right();
        }
    }
    QCOMPARE(rows, 5);

    const QString sample = qEnvironmentVariable("PNY_SAMPLE_PDF");
    if (!sample.isEmpty()) {
        QFile::remove(sample);
        QVERIFY(QFile::copy(pdf, sample));
    }

    // What the paper shows: the header line holds every header whole, in order.
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils, installed by scripts/deps.sh) is not installed");
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    QCOMPARE(pdftotext.exitCode(), 0);
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QStringList words;
    for (const QString& header : headers)
        words << QRegularExpression::escape(header.trimmed());
    const QRegularExpression headerLine("^\\s*" + words.join("\\s+") + "\\s*$",
                                        QRegularExpression::MultilineOption);
    QVERIFY2(headerLine.match(text).hasMatch(), qPrintable(text));
    QVERIFY2(text.contains("2024 City League"), qPrintable(text));
    QVERIFY2(text.contains("Page 1"), qPrintable(text));
}

QTEST_MAIN(TestPrintSchedule)
#include "tst_printschedule.moc"
