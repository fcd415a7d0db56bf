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

// The print dialog itself: pages saved as PDF without a printer, the choices it keeps, its
// preview, setup and help.
class TestPrintDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        testsupport::pinLocale();
        // The help pages are resources of the static windows library.
        Q_INIT_RESOURCE(resources);
    }
    void cleanup();
    void savesAsPdfWithoutAPrinter();
    void dialogKeepsChoicesAndCaption();
    void previewShowsThePages();
    void setupAndHelp();
    void sampleForTheEye();
};

void TestPrintDialog::cleanup() {
    Messages::presetAnswers({});
    FileDialogs::presetNames({});
    Messages::clearShown();
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

void TestPrintDialog::savesAsPdfWithoutAPrinter() {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has printers");
    QTemporaryDir dir;
    TPrintForm form;
    auto table = makeTable({0, 60, 60}, 3);
    const QString pdf = dir.filePath("Majors.pdf");
    // The first file dialog is cancelled, the second given a name without an extension.
    FileDialogs::presetNames({QString(), dir.filePath("Majors")});
    Messages::presetAnswers({QMessageBox::Ok});
    QString okText;
    bool openAfterCancel = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        auto* ok = modal->findChild<QPushButton*>("OkButton");
        okText = ok->text();
        ok->click();
        openAfterCancel = modal->isVisible() && !QFile::exists(pdf);
        ok->click();
    });
    form.PrintTable(table.get(), "1999 Majors", "1999 Majors Teams");
    QCOMPARE(okText, QString("Save as &PDF..."));
    QVERIFY(openAfterCancel);
    // Offered in the documents folder, never in the program's folder.
    QCOMPARE(FileDialogs::lastStart(),
             QDir(FileDialogs::documentsFolder()).filePath("1999 Majors Teams.pdf"));
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(pdfPages(pdf), 1);
    QCOMPARE(form.Report()->jobs().size(), 1);
    QCOMPARE(form.Report()->jobs().first().outputFile, pdf);
    QCOMPARE(Messages::shownTexts(),
             QStringList{"The pages were saved in:\n" + QDir::toNativeSeparators(pdf)});
    // The next PDF is offered in the folder of this one.
    FileDialogs::presetNames({QString()});
    QTimer::singleShot(0, this, [&] {
        QApplication::activeModalWidget()->findChild<QPushButton*>("OkButton")->click();
        QApplication::activeModalWidget()->findChild<QPushButton*>("CancelButton")->click();
    });
    form.PrintTable(table.get(), "1999 Majors", "1999 Majors Hitting");
    QCOMPARE(FileDialogs::lastStart(), dir.filePath("1999 Majors Hitting.pdf"));
}

void TestPrintDialog::dialogKeepsChoicesAndCaption() {
    Fixture f;
    auto table = makeTable({0, 60, 60}, 2);
    f.choose(TPrintForm::LinesVertical, TPrintForm::ShadingColumns, 1);
    QString caption;
    QTimer::singleShot(0, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        caption = modal->windowTitle();
        modal->findChild<QPushButton*>("OkButton")->click();
    });
    Messages::presetAnswers({QMessageBox::Ok});  // where the pages went
    f.form.PrintTable(table.get(), "2001 Eastern League");
    QCOMPARE(caption, QString("2001 Eastern League"));
    QCOMPARE(f.report()->jobs().size(), 1);
    QCOMPARE(f.report()->jobs().first().pages.first().lines[0].texts[0].text,
             QString("2001 Eastern League"));

    QTimer::singleShot(0, this, [&] {
        QApplication::activeModalWidget()->findChild<QPushButton*>("CancelButton")->click();
    });
    f.report()->clearJobs();
    f.form.PrintTable(table.get(), "2001 Eastern League");
    QVERIFY(f.report()->jobs().isEmpty());
    QCOMPARE(f.form.findChild<TPrintRadioGroup*>("RadioLines")->checkedIndex(),
             int(TPrintForm::LinesVertical));
    QCOMPARE(f.form.findChild<TPrintRadioGroup*>("RadioShading")->checkedIndex(),
             int(TPrintForm::ShadingColumns));
}

void TestPrintDialog::previewShowsThePages() {
    Fixture f;
    auto table = makeTable({0, 60, 60}, 100);
    f.paperFor(40, *table);
    f.form.setTable(table.get(), "1999 Majors");
    bool sawPreview = false;
    QTimer::singleShot(0, this, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        sawPreview = preview != nullptr;
        if (preview) {
            QTRY_VERIFY(!f.report()->jobs().isEmpty());
            preview->reject();
        }
    });
    f.form.findChild<QPushButton*>("PreviewButton")->click();
    QVERIFY(sawPreview);
    QVERIFY(!f.report()->jobs().isEmpty());
    QCOMPARE(rowsPerPage(f.report()->jobs().last()), (QList<int>{40, 40, 20}));
    QVERIFY(f.report()->jobs().last().outputFile.isEmpty());
    QVERIFY(!QFile::exists(f.dir.filePath("out.pdf")));
}

void TestPrintDialog::setupAndHelp() {
    TPrintForm form;
    form.findChild<QPushButton*>("HelpButton")->click();
    QCOMPARE(HelpViewer::lastTopic(), QString("Print_Button"));
    QVERIFY(HelpViewer::urlOfTopic("Print_Button").endsWith("#Print_Button"));
    bool sawSetup = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        sawSetup = dialog != nullptr;
        if (dialog)
            dialog->reject();
    });
    form.findChild<QPushButton*>("SetupButton")->click();
    QVERIFY(sawSetup);
    QCOMPARE(form.findChild<QSpinBox*>("SpinCopies")->value(), 1);
}

void TestPrintDialog::sampleForTheEye() {
    // PNY_SAMPLE_PDF=file keeps a small printed table for a look.
    Fixture f;
    auto table = makeTable({0, 120, 40, 40, 40, 60}, 12);
    f.choose(TPrintForm::LinesBoth, TPrintForm::ShadingBoth);
    f.print(*table);
    const QString sample = qEnvironmentVariable("PNY_SAMPLE_PDF");
    if (!sample.isEmpty()) {
        QFile::remove(sample);
        QVERIFY(QFile::copy(f.dir.filePath("out.pdf"), sample));
    }
    QCOMPARE(pdfPages(f.dir.filePath("out.pdf")), 1);
}

QTEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"
