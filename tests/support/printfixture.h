#pragma once

#include "common/messages.h"
#include "print/print.h"
#include "print/reportengine.h"

#include "testsupport.h"

#include <QHeaderView>
#include <QList>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

// A print dialog that prints into a PDF file of its own, and the tables and counts the print
// tests read it with.
namespace printfixture {

using Engine = TReportEngine;

// A shown table like the main window's: header items, data rows, column 0 the key column.
inline std::unique_ptr<QTableWidget> makeTable(const QList<int>& widths, int rows,
                                               int viewportWidth = 0,
                                               const QStringList& headers = {}) {
    auto table = std::make_unique<QTableWidget>(rows, widths.size());
    table->verticalHeader()->hide();
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setMinimumSectionSize(0);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    table->setFont(font);
    int total = 0;
    for (int c = 0; c < widths.size(); ++c) {
        const QString header = c == 0 ? "" : headers.value(c - 1, QString("H%1").arg(c));
        table->setHorizontalHeaderItem(c, new QTableWidgetItem(header));
        table->setColumnWidth(c, widths.at(c));
        total += widths.at(c);
        for (int r = 0; r < rows; ++r)
            table->setItem(r, c,
                           new QTableWidgetItem(c == 0 ? QString("KEY%1").arg(r + 1)
                                                       : QString("r%1c%2").arg(r + 1).arg(c)));
    }
    table->resize((viewportWidth > 0 ? viewportWidth : total + 50) + 2 * table->frameWidth(), 300);
    table->show();
    return table;
}

struct Fixture {
    QTemporaryDir dir;
    TPrintForm form;
    Fixture() { form.setOutputFileForTesting(dir.filePath("out.pdf")); }
    TReportEngine* report() { return form.Report(); }
    void choose(int lines, int shading, int copies = 1) {
        form.findChild<TPrintRadioGroup*>("RadioLines")->setCheckedIndex(lines);
        form.findChild<TPrintRadioGroup*>("RadioShading")->setCheckedIndex(shading);
        form.findChild<QSpinBox*>("SpinCopies")->setValue(copies);
    }
    void print(const QTableWidget& table) {
        form.setTable(&table, "1999 Majors");
        Messages::presetAnswers({QMessageBox::Ok});  // where the pages went
        form.findChild<QPushButton*>("OkButton")->click();
    }
    // Makes the paper just high enough for `rows` data rows below the title, blank line and header.
    void paperFor(int rows, const QTableWidget& table) {
        TReportEngine probe;
        probe.printer()->setResolution(report()->printer()->resolution());
        probe.SelectFont(table.font().family(), table.font().pointSizeF());
        const double plain = probe.LineHeight();
        probe.SetBold(true);
        const double bold = probe.LineHeight();
        const double height = 1.0 + 3 * bold + (rows + 0.5) * plain;
        report()->printer()->setPageSize(QPageSize(QSizeF(8.5, height), QPageSize::Inch));
    }
};

inline QList<int> rowsPerPage(const Engine::Job& job) {
    QList<int> counts;
    for (const Engine::DrawnPage& page : job.pages)
        counts << page.lines.size() - 3;
    return counts;
}

inline int pdfPages(const QString& path) {
    const QByteArray pdf = testsupport::readFile(path);
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?![s])")));
}

}  // namespace printfixture
