#pragma once

#include "common/recordpicker.h"

#include "store/recordlist.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;
class QWidget;
class TNameForm;

// The list picker: chooses, adds, renames, deletes and restores the records of any record list
// (years, leagues, teams, players, fields, umpires).
class TListForm : public QDialog, public RecordPicker {
    Q_OBJECT
public:
    // How the dialog was closed; Cancel is also the result of Escape and the close box.
    enum Result {
        CancelResult = QDialog::Rejected,
        OkResult = QDialog::Accepted,
        NewResult,
        EditResult,
        DeleteResult,
        UndeleteResult,
        NotesResult,
    };

    // Opens the notes of an item: the heading (kind word, ": ", number, " ", name) and the item's
    // index.
    using NotesHook = std::function<void(const QString& heading, const std::string& reference)>;

    explicit TListForm(TNameForm& nameForm, QWidget* parent = nullptr);

    // Lets the user choose a record of `list`, starting at `currentIndex` (decimal index text),
    // and returns the chosen index text. `kind` is the kind word ("Year", "League", "Team",
    // "Player", "Field", "Umpire"; only its first six characters are used). `changed` tells
    // whether a record was added, renamed, deleted or restored.
    std::string ListPicker(pny::RecordList& list, const std::string& kind,
                           const std::string& currentIndex, bool& changed);
    std::string pickRecord(pny::RecordList& list, const std::string& kind,
                           const std::string& currentIndex, bool& changed) override {
        return ListPicker(list, kind, currentIndex, changed);
    }

    // The window the dialog is sized and centred against; without one, the active window.
    void setMainWindow(QWidget* window) { mainWindow_ = window; }
    // The notes editor the Notes button opens; without one, the button does nothing.
    void setOpenNotes(NotesHook hook) { openNotes_ = std::move(hook); }

    QString kindWord() const { return kind_; }
    bool undeleteMode() const { return undeleteMode_; }
    // The height of one list item in pixels.
    static constexpr int kItemHeight = 16;

public slots:
    void FormPaint();
    void HelpButtonClick();
    void ListBoxDblClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillList(const pny::RecordList& list);
    // The width that shows the longest item and every button of both rows, from their fonts.
    int neededWidth() const;
    QPushButton* makeButton(QWidget* panel, const char* name, const QString& caption);

    TNameForm& nameForm_;
    QPointer<QWidget> mainWindow_;
    NotesHook openNotes_;
    QString kind_;
    bool undeleteMode_ = false;
    std::string chosen_;
    std::vector<std::string> itemTexts_;  // code page bytes of the rows, in list order

    QWidget* TopPanel;
    QWidget* BottomPanel;
    QListWidget* ListBox;
    QPushButton* HelpButton;
    QPushButton* NoteButton;
    QPushButton* DeleteButton;
    QPushButton* UndeleteButton;
    QPushButton* OkButton;
    QPushButton* NewButton;
    QPushButton* EditButton;
    QPushButton* CancelButton;
};
