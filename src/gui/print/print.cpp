#include "print/print.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "help/helpviewer.h"
#include "print/printcolumns.h"
#include "print/reportengine.h"
#include "store/datafiles.h"

#include <QButtonGroup>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The room between a cell's edges and its text, in hundredths of an inch.
constexpr int kCellMargin = 2;
// The date in the page footer, in the program's order of year, month and day.
const char* const kFooterDateFormat = "yyyy/MM/dd";

}  // namespace

TPrintRadioGroup::TPrintRadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        buttons_->addButton(button, i);
        layout->addWidget(button);
    }
    setCheckedIndex(0);
}

int TPrintRadioGroup::checkedIndex() const {
    return buttons_->checkedId();
}

void TPrintRadioGroup::setCheckedIndex(int index) {
    if (QAbstractButton* button = buttons_->button(index))
        button->setChecked(true);
}

void TPrintRadioGroup::focusChecked() {
    if (QAbstractButton* button = buttons_->checkedButton())
        button->setFocus();
}

TPrintForm::TPrintForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrintForm"));
    report_ = new TReportEngine(this);
    report_->setObjectName(QStringLiteral("Report"));
    report_->OnPrintPage = [this](int page) { return PrintPage(page); };

    radioLines_ = new TPrintRadioGroup(QStringLiteral("Lines"),
                                       {"None", "Horizontal", "Vertical", "Both"}, this);
    radioLines_->setObjectName(QStringLiteral("RadioLines"));
    radioShading_ =
        new TPrintRadioGroup(QStringLiteral("Shading"), {"None", "Rows", "Columns", "Both"}, this);
    radioShading_->setObjectName(QStringLiteral("RadioShading"));

    spinCopies_ = new QSpinBox(this);
    spinCopies_->setObjectName(QStringLiteral("SpinCopies"));
    spinCopies_->setRange(1, 99);
    spinCopies_->setValue(1);
    auto* copiesLabel = new QLabel(QStringLiteral("Copies"), this);
    copiesLabel->setBuddy(spinCopies_);

    okButton_ = new QPushButton(QStringLiteral("&OK"), this);
    okButton_->setObjectName(QStringLiteral("OkButton"));
    okButton_->setDefault(true);
    auto* okButton = okButton_;
    auto* setupButton = new QPushButton(QStringLiteral("&Setup"), this);
    setupButton->setObjectName(QStringLiteral("SetupButton"));
    auto* previewButton = new QPushButton(QStringLiteral("Pre&view"), this);
    previewButton->setObjectName(QStringLiteral("PreviewButton"));
    auto* helpButton = new QPushButton(QStringLiteral("&Help"), this);
    helpButton->setObjectName(QStringLiteral("HelpButton"));
    auto* cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(okButton, &QPushButton::clicked, this, &TPrintForm::OkButtonClick);
    connect(setupButton, &QPushButton::clicked, this, &TPrintForm::SetupButtonClick);
    connect(previewButton, &QPushButton::clicked, this, &TPrintForm::PreviewButtonClick);
    connect(helpButton, &QPushButton::clicked, this, &TPrintForm::HelpButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(radioLines_);
    groups->addWidget(radioShading_);
    auto* copies = new QHBoxLayout;
    copies->addWidget(copiesLabel);
    copies->addWidget(spinCopies_);
    copies->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(groups);
    left->addLayout(copies);
    auto* right = new QVBoxLayout;
    for (QPushButton* button : {okButton, setupButton, previewButton, helpButton, cancelButton})
        right->addWidget(button);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
}

TPrintForm::~TPrintForm() = default;

void TPrintForm::setTable(const QTableWidget* table, const QString& caption,
                          const QString& fileName) {
    caption_ = caption;
    fileName_ = fileName;
    TPrintSection section;
    columnWidths_.clear();
    const int columns = table->columnCount();
    for (int c = 0; c < columns; ++c) {
        const QTableWidgetItem* item = table->horizontalHeaderItem(c);
        section.headers << (item ? item->text() : QString());
        columnWidths_ << table->columnWidth(c);
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < columns; ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            row << (item ? item->text() : QString());
        }
        section.rows << row;
    }
    sections_ = {section};
    // The columns' width on screen: the right edge of the last column, at most what is visible.
    screenWidth_ = 0;
    if (columns > 0) {
        const QHeaderView* header = table->horizontalHeader();
        const int right =
            header->sectionViewportPosition(columns - 1) + header->sectionSize(columns - 1);
        screenWidth_ = std::min(right, table->viewport()->width());
    }
    takeFont(table->font(), table->logicalDpiY());
    wholeTexts_ = textsToPrintWhole(sections_, columnWidths_, table->font());
}

void TPrintForm::setSections(const QString& caption, const QList<TPrintSection>& sections,
                             const QList<int>& columnWidths, int screenWidth, const QFont& font) {
    caption_ = caption;
    sections_ = sections;
    columnWidths_ = columnWidths;
    screenWidth_ = screenWidth;
    takeFont(font, logicalDpiY());
    wholeTexts_ = textsToPrintWhole(sections_, columnWidths_, font);
}

void TPrintForm::PrintSections(const QString& caption, const QList<TPrintSection>& sections,
                               const QList<int>& columnWidths, int screenWidth, const QFont& font) {
    setSections(caption, sections, columnWidths, screenWidth, font);
    setWindowTitle(caption);
    radioLines_->focusChecked();
    exec();
}

void TPrintForm::takeFont(const QFont& font, double dpiY) {
    fontName_ = font.family();
    fontSize_ = font.pointSizeF();
    if (fontSize_ <= 0 && font.pixelSize() > 0)
        fontSize_ = font.pixelSize() * 72.0 / dpiY;
}

void TPrintForm::PrintTable(const QTableWidget* table, const QString& caption,
                            const QString& fileName) {
    setTable(table, caption, fileName);
    setWindowTitle(caption);
    updateOkButton();
    radioLines_->focusChecked();
    exec();
}

void TPrintForm::setOutputFileForTesting(const QString& fileName) {
    report_->setOutputPdf(fileName);
}

bool TPrintForm::PrintPage(int page) {
    TReportEngine* report = report_;
    const int lines = radioLines_->checkedIndex();
    const int shading = radioShading_->checkedIndex();
    const bool rowShading = shading == ShadingRows || shading == ShadingBoth;
    const int columns = static_cast<int>(columnWidths_.size());

    // The tab stops are built on the first page of a copy and serve all its pages.
    if (page == 1) {
        report->ResetTabs();
        static const int kBoxLines[] = {0, 12, 3, 15};
        const int boxLines = kBoxLines[std::clamp(lines, 0, 3)];
        const bool columnShading = shading == ShadingColumns || shading == ShadingBoth;
        // The columns keep their proportions and together take the page width less 0.9 inch.
        // Texts start at the left of their cells, as on screen, so that a cut falls at the
        // right edge.
        const double printedWidth = report->PageWidth() - 0.9;
        report->SelectFont(fontName_, fittingFontSize(printedWidth));
        for (int c = 1; c < columns; ++c) {
            const double width =
                screenWidth_ > 0 ? columnWidths_.at(c) * printedWidth / screenWidth_ : 0.0;
            report->AddTab(TReportEngine::kAfterPreviousTab, TReportEngine::JustifyLeft, width,
                           kCellMargin, boxLines, columnShading && c % 2 == 1 ? 8 : 0);
        }
    }

    report->GoToTop();
    report->SetBold(true);
    report->PrintCentered(caption_, report->PageWidth() * 0.5);
    report->EndLine();
    report->EndLine();
    report->SetBold(false);

    auto tabbed = [columns](const QStringList& cells) {
        QString text;
        for (int c = 1; c < columns; ++c)
            text += QLatin1Char('\t') + cells.value(c);
        return text;
    };
    bool printedAny = false;  // a table (its header at least) is on this page
    bool progressed = false;  // a data row is printed or a table finished on this page
    while (section_ < sections_.size()) {
        const TPrintSection& section = sections_.at(section_);
        // A table starting here keeps its headings, its header row and its first row together,
        // after an empty line when another table came before it on the page.
        const bool headings = printedRows_ == 0 && !section.headings.isEmpty();
        const int headingLines =
            headings ? static_cast<int>(section.headings.size()) + (printedAny ? 1 : 0) : 0;
        if (report->RemainingLines() < headingLines + 1 + (section.rows.isEmpty() ? 0 : 1))
            break;
        if (headings) {
            if (printedAny)
                report->EndLine();
            for (int h = 0; h < section.headings.size(); ++h) {
                report->SetBold(h == 0);
                report->PrintCentered(section.headings.at(h), report->PageWidth() * 0.5);
                report->EndLine();
            }
        }
        report->SetBold(true);
        report->SetTabShade(rowShading ? 16 : 8);
        report->PrintTabbed(tabbed(section.headers));
        report->EndLine();
        report->SetBold(false);
        while (report->RemainingLines() > 0 && printedRows_ < section.rows.size()) {
            // Zebra shading: the first data row under every header row is plain.
            report->SetTabShade(rowShading && report->TabShade() == 0 ? 8 : 0);
            report->PrintTabbed(tabbed(section.rows.at(printedRows_++)));
            report->EndLine();
            progressed = true;
        }
        printedAny = true;
        if (printedRows_ < section.rows.size())
            break;  // the page is full
        ++section_;
        printedRows_ = 0;
        progressed = true;
    }
    report->PrintFooter(QLocale().toString(QDate::currentDate(), kFooterDateFormat),
                        QStringLiteral("Page %1").arg(page));
    // A page without room for a single row would be followed by endless pages just like it.
    if (!progressed && section_ < sections_.size()) {
        stalled_ = true;
        return false;
    }
    return section_ < sections_.size();
}

bool TPrintForm::printCopy(const QString& fileName) {
    // A PDF goes through the same check as every file the user names: never over a data file,
    // never into a FIFO or through a link.
    if (const QString refused = fileName.isEmpty() ? QString() : pny::refuseOutputPath(fileName);
        !refused.isEmpty()) {
        Messages::error(this, refused);
        return false;
    }
    QPrinter* printer = report_->printer();
    const QString saved = printer->outputFileName();
    const QPrinter::OutputFormat savedFormat = printer->outputFormat();
    if (!fileName.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(fileName);
    }
    section_ = 0;
    printedRows_ = 0;
    stalled_ = false;
    const bool ok = report_->RunReport();
    printer->setOutputFormat(savedFormat);
    printer->setOutputFileName(saved);
    if (ok && stalled_) {
        Messages::error(this, QStringLiteral("The page has no room for a single row of the "
                                             "table in this font; the print job was cut short."));
        return false;
    }
    return ok;
}

double TPrintForm::fittingFontSize(double printedWidth) {
    TReportEngine* report = report_;
    const double margins = 2 * kCellMargin / 100.0;
    auto allFit = [&](const QStringList& texts, double width) {
        return std::all_of(texts.begin(), texts.end(), [&](const QString& text) {
            return report->TextWidth(text) + margins <= width;
        });
    };
    double size = fontSize_;
    for (; size > kSmallestFontSize; size -= 0.5) {
        report->SelectFont(fontName_, size);
        bool fits = true;
        for (int c = 1; c < wholeTexts_.size() && fits; ++c) {
            const double width =
                screenWidth_ > 0 ? columnWidths_.at(c) * printedWidth / screenWidth_ : 0.0;
            report->SetBold(true);  // the header row is bold
            fits = allFit(wholeTexts_.at(c).headers, width);
            report->SetBold(false);
            fits = fits && allFit(wholeTexts_.at(c).cells, width);
        }
        if (fits)
            return size;
    }
    return std::min(fontSize_, kSmallestFontSize);
}

void TPrintForm::chooseOrientation(QPrinter* printer) {
    if (orientationChosen_)
        return;
    printer->setPageOrientation(QPageLayout::Portrait);
    const double portrait = fittingFontSize(report_->PageWidth() - 0.9);
    if (portrait >= fontSize_)
        return;
    printer->setPageOrientation(QPageLayout::Landscape);
    const double landscape = fittingFontSize(report_->PageWidth() - 0.9);
    if (landscape <= portrait)
        printer->setPageOrientation(QPageLayout::Portrait);
}

bool TPrintForm::hasOutput() const {
    const QPrinter* printer = report_->printer();
    const bool toFile =
        printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty();
    return toFile || !QPrinterInfo::availablePrinters().isEmpty();
}

void TPrintForm::updateOkButton() {
    okButton_->setText(hasOutput() ? QStringLiteral("&OK") : QStringLiteral("Save as &PDF..."));
}

QString TPrintForm::askPdfFileName() {
    QString folder = pdfFolder_;
    if (folder.isEmpty())
        folder = FileDialogs::documentsFolder();
    const QString base = fileName_.isEmpty() ? caption_.trimmed() : fileName_;
    const QString suggested = QDir(folder).filePath(
        (base.isEmpty() ? QStringLiteral("Pennantry") : base) + QStringLiteral(".pdf"));
    QString name = FileDialogs::saveFileName(this, QStringLiteral("Save as PDF"), suggested,
                                             QStringLiteral("PDF files (*.pdf)"));
    if (name.isEmpty())
        return {};
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".pdf");
    pdfFolder_ = QFileInfo(name).absolutePath();
    return name;
}

void TPrintForm::OkButtonClick() {
    report_->clearJobs();
    QPrinter* printer = report_->printer();
    // Where the pages go: the printer, the PDF file chosen in the printer setup, or with no
    // printer installed a PDF file asked for now.
    QString file;
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        file = printer->outputFileName();
    } else if (!hasOutput()) {
        file = askPdfFileName();
        if (file.isEmpty()) {
            radioLines_->focusChecked();
            return;
        }
    }
    chooseOrientation(printer);
    const int copies = spinCopies_->value();
    const QFileInfo info(file);
    QStringList written;
    for (int copy = 1; copy <= copies; ++copy) {
        // Every copy is a job of its own; into files, each gets a file of its own.
        QString name = file;
        if (!file.isEmpty() && copies > 1) {
            const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
            name = info.dir().filePath(info.completeBaseName() + QStringLiteral("-%1").arg(copy) +
                                       suffix);
        }
        if (!printCopy(name))
            return;
        if (!name.isEmpty())
            written << QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath());
    }
    accept();
    if (!written.isEmpty()) {
        Messages::information(
            parentWidget() ? parentWidget() : this,
            (written.size() == 1 ? QStringLiteral("The pages were saved in:\n")
                                 : QStringLiteral("The copies were saved in:\n")) +
                written.join(QLatin1Char('\n')));
    }
}

void TPrintForm::SetupButtonClick() {
    report_->ExportPrinterSettings();
    QPrintDialog dialog(report_->printer(), this);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() == QDialog::Accepted) {
        orientationChosen_ = true;
        const int copies = report_->ImportPrinterSettings();
        if (copies > 1)
            spinCopies_->setValue(std::min(copies, spinCopies_->maximum()));
    } else {
        report_->ImportPrinterSettings();
    }
    updateOkButton();
    radioLines_->focusChecked();
}

void TPrintForm::PreviewButtonClick() {
    // The preview shows the pages that OK prints: the same paper, orientation and font.
    chooseOrientation(report_->printer());
    QPrintPreviewDialog dialog(report_->printer(), this);
    dialog.setObjectName(QStringLiteral("PreviewDialog"));
    dialog.setWindowTitle(caption_);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        section_ = 0;
        printedRows_ = 0;
        stalled_ = false;
        report_->RunReport(printer, false);
    });
    dialog.exec();
    radioLines_->focusChecked();
}

void TPrintForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Print_Button"));
    radioLines_->focusChecked();
}
