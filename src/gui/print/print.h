#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QList>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TReportEngine;

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
// page, with the chosen lines, shading and number of copies.
class TPrintForm : public QDialog {
    Q_OBJECT
public:
    // Choices of "Lines" and "Shading".
    enum Lines { LinesNone, LinesHorizontal, LinesVertical, LinesBoth };
    enum Shading { ShadingNone, ShadingRows, ShadingColumns, ShadingBoth };

    explicit TPrintForm(QWidget* parent = nullptr);
    ~TPrintForm() override;

    // Takes the table's texts, column widths and font, and shows the dialog modally with
    // `caption` as its caption and title line.
    void PrintTable(const QTableWidget* table, const QString& caption);
    // Takes the table's texts, column widths and font without showing the dialog.
    void setTable(const QTableWidget* table, const QString& caption);

    TReportEngine* Report() const { return report_; }
    // Prints into PDF files instead of a printer: `fileName` for one copy, and for several copies
    // the name with "-1", "-2", ... before its suffix.
    void setOutputFileForTesting(const QString& fileName);

public slots:
    void OkButtonClick();
    void SetupButtonClick();
    void PreviewButtonClick();
    void HelpButtonClick();

private:
    // The page handler: prints the title line, the header row and as many data rows as fit.
    bool PrintPage(int page);
    // Prints one copy as one job into `fileName` (empty: where the printer is set to print).
    bool printCopy(const QString& fileName);

    TReportEngine* report_ = nullptr;
    TPrintRadioGroup* radioLines_ = nullptr;
    TPrintRadioGroup* radioShading_ = nullptr;
    QSpinBox* spinCopies_ = nullptr;

    // What is printed, taken from the table.
    QString caption_;
    QStringList headers_;
    QList<QStringList> rows_;
    QList<int> columnWidths_;  // pixels
    int screenWidth_ = 0;      // the pixels the columns take on screen
    QString fontName_;
    double fontSize_ = 0;  // points

    int printedRows_ = 0;   // data rows printed so far in the current copy
    bool stalled_ = false;  // a page had no room for a single data row
};
