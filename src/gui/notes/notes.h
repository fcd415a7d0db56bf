#pragma once

#include <QDialog>
#include <QString>

#include <memory>
#include <string>

class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QWidget;

namespace pny {
class Store;
}

// The notes editor: shows and edits the notes file of one item (a year, league, team, player,
// field, umpire or game), saves it, prints it and asks before a changed note is closed.
class TNoteForm : public QDialog {
    Q_OBJECT
public:
    explicit TNoteForm(QWidget* parent = nullptr);
    ~TNoteForm() override;

    // Opens the notes of an item and returns when the editor is closed. The heading's first letter
    // names the kind of item ("Y", "L", "T", "P", "F", "G" or "U"; "TEAM: 7 Tigers" and
    // "Team: 7 Tigers" name the same team), the reference is the item's index. An existing notes
    // file is loaded; otherwise the note starts with two lines, `mainCaption` and the heading, and
    // no file is written until the user saves. Opens nothing for an empty reference or an unknown
    // kind, nor when an existing file cannot be read (a message says why).
    void OpenNotes(pny::Store& store, const QString& mainCaption, const QString& heading,
                   const std::string& reference);

    // The full path of the note shown (also the window's caption).
    QString path() const { return path_; }

    // The printer the Print button prints on, shared with the table printing so that both use
    // the printer the user chose last; without one the editor keeps its own.
    void setPrinter(QPrinter* printer) { sharedPrinter_ = printer; }
    // Prints into a PDF file without showing the print dialog.
    void setOutputFileForTesting(const QString& fileName) { testOutput_ = fileName; }
    // The pages of the last print job (0 when nothing was printed).
    int printedPages() const { return printedPages_; }

public slots:
    void SaveButtonClick();
    void CutButtonClick();
    void CopyButtonClick();
    void PasteButtonClick();
    void PrintButtonClick();
    void HelpButtonClick();
    // Whether the window may close: asks to save a changed note. False keeps it open.
    bool FormCloseQuery();

    // Closing by the Exit button, Escape or the close box goes through FormCloseQuery.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool save();
    QPrinter* printer();
    bool printLines(QPrinter* printer);
    QPushButton* makeButton(const char* name, const QString& caption);

    QString path_;
    QPrinter* sharedPrinter_ = nullptr;
    std::unique_ptr<QPrinter> ownPrinter_;
    QString testOutput_;
    int printedPages_ = 0;

    QWidget* ButtonPanel;
    QPlainTextEdit* Notes;
    QPushButton* SaveButton;
    QPushButton* CutButton;
    QPushButton* CopyButton;
    QPushButton* PasteButton;
    QPushButton* PrintButton;
    QPushButton* HelpButton;
    QPushButton* CloseButton;
};
