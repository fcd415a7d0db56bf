#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

// The report engine: lays out text in tab columns on printer pages, in inches from the paper's
// top left corner. It prints on a QPrinter, a real printer through the platform's print system or
// a PDF file, and records every text and cell it draws so that a layout can be inspected.
class TReportEngine : public QObject {
    Q_OBJECT
public:
    // Justification of a tab stop.
    enum Justify { JustifyCenter = 0, JustifyLeft = 1, JustifyRight = 2 };
    // Box line bits of a tab stop.
    enum BoxLine { BoxLeft = 1, BoxRight = 2, BoxTop = 4, BoxBottom = 8 };
    // A tab stop position meaning "where the previous tab stop ends" (the left margin for the
    // first).
    static constexpr double kAfterPreviousTab = -32768;

    struct TabStop {
        double position = 0;  // inches from the left paper edge
        int justify = JustifyCenter;
        double width = 0;  // inches
        int margin = 0;    // hundredths of an inch, for left and right justification
        int boxLines = 0;
        int shade = 0;  // percent; 0 means the engine's TabShade
    };

    // What was drawn, in inches.
    struct DrawnText {
        QRectF rect;
        QString text;
        bool bold = false;
    };
    struct DrawnCell {
        QRectF rect;
        QString text;     // what was printed: the part of the given text that fits the cell
        QRectF textRect;  // where that text was printed
        int shade = 0;    // the grey the cell was filled with, in percent
        int boxLines = 0;
        bool bold = false;
    };
    struct DrawnLine {
        double top = 0;
        QList<DrawnText> texts;  // text printed outside tab stops
        QList<DrawnCell> cells;
    };
    struct DrawnPage {
        QList<DrawnLine> lines;
        QList<DrawnText> footer;
    };
    struct Job {
        QString title;
        QString outputFile;  // empty unless printed into a file
        QList<DrawnPage> pages;
    };

    explicit TReportEngine(QWidget* messageParent = nullptr);
    ~TReportEngine() override;

    // Settings.
    double MarginLeft = 0.5;
    double MarginRight = 0.5;
    double MarginTop = 0.5;
    double MarginBottom = 0.5;
    QString Title = QStringLiteral("Pennantry Report");

    // The page handler: called with the page number (1, 2, ...) for every page of a job; returns
    // whether another page follows.
    std::function<bool(int)> OnPrintPage;

    // The engine's own printer, which the printer setup changes.
    QPrinter* printer() const { return printer_.get(); }
    // Sends later jobs into a PDF file instead of a printer.
    void setOutputPdf(const QString& fileName);

    // One print job on the engine's printer. Shows a message and returns false when nothing can
    // be printed (no printer defined, or the output cannot be opened).
    bool RunReport();
    // One print job on `printer`. With `checkPrinters` a native printer needs a defined printer.
    bool RunReport(QPrinter* printer, bool checkPrinters = true);

    void ResetTabs();
    // The font of later text, in plain style; a size of 0 or less changes nothing.
    void SelectFont(const QString& name, double points);
    void AddTab(double position, int justify, double width, int margin, int boxLines, int shade);
    double PageWidth() const;
    double PageHeight() const;
    void GoToTop();
    void SetBold(bool on);
    void PrintCentered(const QString& text, double x);
    void EndLine();
    // Each tab character moves to the next tab stop, fills its cell and draws its box lines; the
    // text after it is printed in that cell, cut at the cell's edge as a table on screen cuts
    // it: a text too wide for its cell is printed from the cell's left and only as far as whole
    // characters fit.
    void PrintTabbed(const QString& text);
    // Prints `left` at the left margin and `right` flush with the right margin, on a line in the
    // bottom margin of the page.
    void PrintFooter(const QString& left, const QString& right);
    // Whole lines still fitting above the bottom margin.
    int RemainingLines() const;
    int TabShade() const { return tabShade_; }
    void SetTabShade(int percent);
    // The height of a line in the current font, in inches.
    double LineHeight() const;
    // The width of `text` in the current font and weight, in inches.
    double TextWidth(const QString& text) const;

    // Around the printer setup dialog: the engine's printer is handed over, and afterwards the
    // engine keeps what the user chose. Returns the number of copies chosen there (1 if none),
    // which the engine leaves to its caller: every job prints one copy.
    void ExportPrinterSettings();
    int ImportPrinterSettings();

    const QList<TabStop>& tabs() const { return tabs_; }
    const QFont& font() const { return font_; }
    // The jobs printed since the last clearJobs(), with what they drew.
    const QList<Job>& jobs() const { return jobs_; }
    void clearJobs() { jobs_.clear(); }

private:
    QPrinter* device() const;
    double dpiX() const;
    double dpiY() const;
    QRectF toDevice(const QRectF& inches) const;
    void flushLine();
    void drawCell(const TabStop& tab, const QString& text);
    QFont currentFont() const;
    // The longest start of `text` that is at most `width` inches wide.
    QString fittingText(const QString& text, double width) const;
    // Prints a text with its top left corner at (x, y) inches.
    void drawText(double x, double y, const QString& text);

    QWidget* messageParent_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    QPrinter* active_ = nullptr;  // the printer of the running job
    QPainter* painter_ = nullptr;
    QFont font_;
    bool bold_ = false;
    QList<TabStop> tabs_;
    int tabShade_ = 0;
    double x_ = 0.5;  // the cursor, in inches
    double y_ = 0.5;  // the top of the current line
    int tabIndex_ = 0;
    DrawnLine line_;
    QList<Job> jobs_;
};
