#include "print/reportengine.h"

#include "common/messages.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

namespace {

const char* const kNoPrinters = "No printers are defined, aborting print job.";

}  // namespace

TReportEngine::TReportEngine(QWidget* messageParent)
    : QObject(messageParent),
      messageParent_(messageParent),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    printer_->setDocName(Title);
    printer_->setFullPage(true);
    font_.setPointSizeF(10);
    x_ = MarginLeft;
    y_ = MarginTop;
}

TReportEngine::~TReportEngine() = default;

void TReportEngine::setOutputPdf(const QString& fileName) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(fileName);
}

QPrinter* TReportEngine::device() const {
    return active_ ? active_ : printer_.get();
}

double TReportEngine::dpiX() const {
    return device()->logicalDpiX();
}

double TReportEngine::dpiY() const {
    return device()->logicalDpiY();
}

QRectF TReportEngine::toDevice(const QRectF& r) const {
    return QRectF(r.x() * dpiX(), r.y() * dpiY(), r.width() * dpiX(), r.height() * dpiY());
}

bool TReportEngine::RunReport() {
    return RunReport(printer_.get(), true);
}

bool TReportEngine::RunReport(QPrinter* printer, bool checkPrinters) {
    // Nowhere to print: no printer defined, and no PDF file chosen instead.
    const bool toFile =
        printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty();
    if (checkPrinters && !toFile && QPrinterInfo::availablePrinters().isEmpty()) {
        Messages::error(messageParent_, QString::fromLatin1(kNoPrinters));
        return false;
    }
    printer->setDocName(Title);
    printer->setFullPage(true);
    QPainter painter;
    if (!painter.begin(printer)) {
        const QString where = printer->outputFileName().isEmpty()
                                  ? QStringLiteral("the printer")
                                  : QStringLiteral("\"%1\"").arg(printer->outputFileName());
        Messages::error(messageParent_,
                        QStringLiteral("Cannot print to %1, aborting print job.").arg(where));
        return false;
    }
    active_ = printer;
    painter_ = &painter;
    Job job;
    job.title = Title;
    if (painter.paintEngine()->type() == QPaintEngine::Pdf)
        job.outputFile = printer->outputFileName();
    jobs_.append(job);
    for (int page = 1;; ++page) {
        jobs_.last().pages.append(DrawnPage());
        tabIndex_ = 0;
        x_ = MarginLeft;
        y_ = MarginTop;
        line_ = DrawnLine();
        line_.top = y_;
        const bool more = OnPrintPage ? OnPrintPage(page) : false;
        flushLine();
        if (!more)
            break;
        printer->newPage();
    }
    painter.end();
    painter_ = nullptr;
    active_ = nullptr;
    return true;
}

void TReportEngine::ResetTabs() {
    tabs_.clear();
    tabIndex_ = 0;
}

void TReportEngine::SelectFont(const QString& name, double points) {
    if (points <= 0)
        return;
    QFont font(name);
    font.setPointSizeF(points);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font_ = font;
    bold_ = false;
}

void TReportEngine::AddTab(double position, int justify, double width, int margin, int boxLines,
                           int shade) {
    TabStop tab;
    if (position == kAfterPreviousTab)
        position = tabs_.isEmpty() ? MarginLeft : tabs_.last().position + tabs_.last().width;
    tab.position = position;
    tab.justify = justify;
    tab.width = std::max(0.0, width);
    tab.margin = margin;
    tab.boxLines = boxLines & 15;
    tab.shade = std::clamp(shade, 0, 100);
    tabs_.append(tab);
}

double TReportEngine::PageWidth() const {
    return device()->pageLayout().fullRect(QPageLayout::Inch).width();
}

double TReportEngine::PageHeight() const {
    return device()->pageLayout().fullRect(QPageLayout::Inch).height();
}

void TReportEngine::flushLine() {
    if (!active_ || jobs_.isEmpty() || jobs_.last().pages.isEmpty())
        return;
    if (!line_.texts.isEmpty() || !line_.cells.isEmpty())
        jobs_.last().pages.last().lines.append(line_);
    line_ = DrawnLine();
    line_.top = y_;
}

void TReportEngine::GoToTop() {
    flushLine();
    x_ = MarginLeft;
    y_ = MarginTop;
    tabIndex_ = 0;
    line_.top = y_;
}

void TReportEngine::SetBold(bool on) {
    bold_ = on;
}

QFont TReportEngine::currentFont() const {
    QFont font = font_;
    font.setBold(bold_);
    return font;
}

double TReportEngine::LineHeight() const {
    const QFontMetricsF metrics(currentFont(), device());
    return metrics.lineSpacing() / dpiY();
}

double TReportEngine::TextWidth(const QString& text) const {
    const QFontMetricsF metrics(currentFont(), device());
    return metrics.horizontalAdvance(text) / dpiX();
}

QString TReportEngine::fittingText(const QString& text, double width) const {
    const QFontMetricsF metrics(currentFont(), device());
    const double room = width * dpiX();
    if (metrics.horizontalAdvance(text) <= room)
        return text;
    // The widths of the starts grow with their length: find the longest that fits.
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(middle)) <= room) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    // A character made of two code units is never cut in half.
    if (low > 0 && low < text.size() && text.at(low - 1).isHighSurrogate())
        --low;
    return text.left(low);
}

void TReportEngine::drawText(double x, double y, const QString& text) {
    if (!painter_)
        return;
    const QFontMetricsF metrics(currentFont(), device());
    painter_->setFont(currentFont());
    painter_->setPen(Qt::black);
    painter_->drawText(QPointF(x * dpiX(), y * dpiY() + metrics.ascent()), text);
}

void TReportEngine::PrintCentered(const QString& text, double x) {
    const double width = TextWidth(text);
    const QRectF rect(x - width / 2, y_, width, LineHeight());
    drawText(rect.left(), y_, text);
    line_.texts.append({rect, text, bold_});
}

void TReportEngine::EndLine() {
    // A blank line is still a line of the page, so it is kept in the record.
    if (active_ && !jobs_.isEmpty() && !jobs_.last().pages.isEmpty())
        jobs_.last().pages.last().lines.append(line_);
    y_ += LineHeight();
    x_ = MarginLeft;
    tabIndex_ = 0;
    line_ = DrawnLine();
    line_.top = y_;
}

void TReportEngine::drawCell(const TabStop& tab, const QString& text) {
    const QRectF cell(tab.position, y_, tab.width, LineHeight());
    const int shade = tab.shade != 0 ? tab.shade : tabShade_;
    const double margin = tab.margin / 100.0;
    // The text goes where its justification puts it; one too wide for the cell starts at the
    // left and is cut at the right edge.
    const QString shown = fittingText(text, std::max(0.0, cell.width() - 2 * margin));
    const double width = TextWidth(shown);
    double left = cell.left() + (cell.width() - width) / 2;
    if (tab.justify == JustifyLeft || shown.size() < text.size())
        left = cell.left() + margin;
    else if (tab.justify == JustifyRight)
        left = cell.right() - margin - width;
    const QRectF textRect(left, cell.top(), width, cell.height());
    if (painter_) {
        const QRectF box = toDevice(cell);
        painter_->save();
        if (shade > 0) {
            const int grey = 255 - (255 * shade + 50) / 100;
            painter_->fillRect(box, QColor(grey, grey, grey));
        }
        QPen pen(Qt::black);
        pen.setWidthF(0.01 * dpiX());
        painter_->setPen(pen);
        if (tab.boxLines & BoxLeft)
            painter_->drawLine(box.topLeft(), box.bottomLeft());
        if (tab.boxLines & BoxRight)
            painter_->drawLine(box.topRight(), box.bottomRight());
        if (tab.boxLines & BoxTop)
            painter_->drawLine(box.topLeft(), box.topRight());
        if (tab.boxLines & BoxBottom)
            painter_->drawLine(box.bottomLeft(), box.bottomRight());
        painter_->restore();
        drawText(textRect.left(), textRect.top(), shown);
    }
    line_.cells.append({cell, shown, textRect, shade, tab.boxLines, bold_});
}

void TReportEngine::PrintTabbed(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('\t'));
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        if (i > 0 && tabIndex_ < tabs_.size()) {
            const TabStop& tab = tabs_.at(tabIndex_++);
            drawCell(tab, part);
            x_ = tab.position + tab.width;
            continue;
        }
        // Text before the first tab character, or past the last tab stop: at the cursor.
        if (part.isEmpty())
            continue;
        const double width = TextWidth(part);
        drawText(x_, y_, part);
        line_.texts.append({QRectF(x_, y_, width, LineHeight()), part, bold_});
        x_ += width;
    }
}

void TReportEngine::PrintFooter(const QString& left, const QString& right) {
    if (!active_ || jobs_.isEmpty() || jobs_.last().pages.isEmpty())
        return;
    // Halfway down the bottom margin, clear of the last line of the page.
    const double top = PageHeight() - MarginBottom + (MarginBottom - LineHeight()) / 2;
    const double rightWidth = TextWidth(right);
    const double rightLeft = PageWidth() - MarginRight - rightWidth;
    drawText(MarginLeft, top, left);
    drawText(rightLeft, top, right);
    QList<DrawnText>& footer = jobs_.last().pages.last().footer;
    footer.append({QRectF(MarginLeft, top, TextWidth(left), LineHeight()), left, bold_});
    footer.append({QRectF(rightLeft, top, rightWidth, LineHeight()), right, bold_});
}

int TReportEngine::RemainingLines() const {
    const double height = LineHeight();
    if (height <= 0)
        return 0;
    const double room = PageHeight() - MarginBottom - y_;
    return std::max(0, static_cast<int>(std::floor(room / height + 1e-9)));
}

void TReportEngine::SetTabShade(int percent) {
    tabShade_ = std::clamp(percent, 0, 100);
}

void TReportEngine::ExportPrinterSettings() {
    printer_->setDocName(Title);
    printer_->setFullPage(true);
    printer_->setCopyCount(1);
}

int TReportEngine::ImportPrinterSettings() {
    const int copies = std::max(1, printer_->copyCount());
    printer_->setCopyCount(1);
    printer_->setFullPage(true);
    return copies;
}
