#pragma once

#include "print/printsection.h"

#include <QDialog>
#include <QFont>
#include <QGroupBox>
#include <QList>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TReportEngine;
struct TPrintColumnTexts;

// A group box of radio buttons chosen by their position.
class TPrintRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TPrintRadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);
    int checkedIndex() const;
    void setCheckedIndex(int index);
    // Gives the focus to the checked button.
    void focusChecked();

private:
    QButtonGroup* buttons_ = nullptr;
};

// The print dialog: prints the main window's table with a title line and the header row on every
// page, with the chosen lines, shading and number of copies. It also prints several tables of the
// same columns one after the other, each with its own headings and header row.
class TPrintForm : public QDialog {
    Q_OBJECT
public:
    // Choices of "Lines" and "Shading".
    enum Lines { LinesNone, LinesHorizontal, LinesVertical, LinesBoth };
    enum Shading { ShadingNone, ShadingRows, ShadingColumns, ShadingBoth };

    explicit TPrintForm(QWidget* parent = nullptr);
    ~TPrintForm() override;

    // Takes the table's texts, column widths and font, and shows the dialog modally with
    // `caption` as its caption and title line. `fileName` is the name a PDF file is offered
    // under when there is no printer.
    void PrintTable(const QTableWidget* table, const QString& caption,
                    const QString& fileName = QString());
    // Takes the table's texts, column widths and font without showing the dialog.
    void setTable(const QTableWidget* table, const QString& caption,
                  const QString& fileName = QString());

    // Prints several tables that share their columns: `columnWidths` are the columns' widths in
    // pixels (column 0 included) and `screenWidth` the pixels they take together on screen.
    void PrintSections(const QString& caption, const QList<TPrintSection>& sections,
                       const QList<int>& columnWidths, int screenWidth, const QFont& font);
    // The same without showing the dialog.
    void setSections(const QString& caption, const QList<TPrintSection>& sections,
                     const QList<int>& columnWidths, int screenWidth, const QFont& font);

    TReportEngine* Report() const { return report_; }
    // The smallest size the table font shrinks to so that the column headers fit, in points.
    static constexpr double kSmallestFontSize = 6;
    // Prints into PDF files instead of a printer: `fileName` for one copy, and for several copies
    // the name with "-1", "-2", ... before its suffix.
    void setOutputFileForTesting(const QString& fileName);

public slots:
    void OkButtonClick();
    void SetupButtonClick();
    void PreviewButtonClick();
    void HelpButtonClick();

private:
    // The page handler: prints the title line, then from where the last page stopped each table's
    // headings (where it starts), its header row and as many data rows as fit.
    bool PrintPage(int page);
    void takeFont(const QFont& font, double dpiY);
    // Prints one copy as one job into `fileName` (empty: where the printer is set to print).
    bool printCopy(const QString& fileName);
    // The largest size, from the table's font size down to the smallest, at which every column
    // header fits its column when the columns share `printedWidth` inches, and so does every
    // cell of a column that shows all its texts whole on screen.
    double fittingFontSize(double printedWidth);
    // Turns the paper to landscape when the headers fit there in a larger font, unless the
    // orientation was chosen in the printer setup.
    void chooseOrientation(QPrinter* printer);
    // True when the pages go to a printer or to a PDF file chosen in the printer setup; false
    // when no printer is installed and OK asks for a PDF file.
    bool hasOutput() const;
    // Shows "OK" or, with nowhere to print, "Save as PDF...".
    void updateOkButton();
    // Asks for the PDF file to save the pages into; empty when the user cancels.
    QString askPdfFileName();

    TReportEngine* report_ = nullptr;
    QPushButton* okButton_ = nullptr;
    TPrintRadioGroup* radioLines_ = nullptr;
    TPrintRadioGroup* radioShading_ = nullptr;
    QSpinBox* spinCopies_ = nullptr;

    // What is printed, taken from the table.
    QString caption_;
    QList<TPrintSection> sections_;
    QList<int> columnWidths_;              // pixels
    QList<TPrintColumnTexts> wholeTexts_;  // per column, the texts that must print whole
    int screenWidth_ = 0;                  // the pixels the columns take on screen
    QString fontName_;
    double fontSize_ = 0;             // points
    QString fileName_;                // the name a PDF file is offered under
    QString pdfFolder_;               // where the last PDF file was saved
    bool orientationChosen_ = false;  // in the printer setup, which then decides it

    int section_ = 0;       // the table being printed in the current copy
    int printedRows_ = 0;   // its data rows printed so far
    bool stalled_ = false;  // a page had no room for a single data row
};
