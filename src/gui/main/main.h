#pragma once

#include "common/madeonfirstuse.h"
#include "main/commandhost.h"
#include "store/store.h"
#include "views/grid.h"
#include "views/viewstate.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class QAction;
class QFrame;
class QMenu;
class QTabBar;
class QTableWidget;
class QToolButton;
class CommitCycle;
class ConfirmationLine;
class EntryCommands;
class ReportCommands;
class SeasonFileCommands;
class SelectionCommands;
class SetupCommands;
class TAboutForm;
class TPrintForm;
class TListForm;
class TMsgForm;
class TNameForm;
class TNoteForm;
class TStartGuide;

// The main window: the button row, the table and the tab row. It only wires commands to the
// units that do the work; the data live in the store, the views are built by the core.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    // `dataFolder` holds the data files; the program passes the folder of its program file.
    explicit TMainForm(const QString& dataFolder, QWidget* parent = nullptr);
    ~TMainForm() override;

    pny::Store& store() { return *store_; }
    int currentTab() const;

    // The sample season the start guide opens; by default the one installed with the program,
    // examples/Riverbend.PZS in the folder of the program file.
    void setSampleSeason(const QString& path);
    // The size the window opens at when no size is stored: the designed size, or larger where
    // the program's font needs it to show the whole button row and all eight tabs.
    QSize designedSize() const;
    // The print dialog, made on first use like every dialog.
    TPrintForm& printForm();

    // Rebuilds the header row and then the table for the current tab.
    void BuildHeaders();
    // Rebuilds the rows of the current tab and the command states.
    void RefreshTable();

public slots:
    void FormShow();
    void BottomTabClick(int index);
    void FileButtonClick();
    void YearButtonClick();
    void LeagueButtonClick();
    void TeamButtonClick();
    void PlayerButtonClick();
    void UpdateButtonClick();
    void SetupButtonClick();
    void NoteButtonClick();
    void FontButtonClick();
    void PrintButtonClick();
    void HelpButtonClick();
    void ExitClick();
    void SaveItemClick();
    void ExportItemClick();
    void BackupItemClick();
    void ImportItemClick();
    void LeadersItemClick();
    void CareerItemClick();
    void LinkPlayersItemClick();
    void HistoryItemClick();
    void PitchersItemClick();
    // The box score sheet: the selected game on the Schedule tab, else a date and two teams.
    void BoxScoreItemClick();
    // The current player's game log, on the player tabs.
    void GameLogItemClick();
    void PublishItemClick();
    void RosterItemClick();
    void HelpItemClick();
    void AboutItemClick();
    void TableSelectCell(int row, int column);
    // Shows the next or the previous tab, going round at the ends.
    void NextTabClick();
    void PreviousTabClick();
    void OpenSampleClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createButtonPanel();
    void createTable();
    void createBottomTab();
    void createPopupMenu();
    void createShortcuts();
    QToolButton* addButton(const QString& name, const QString& caption, const QString& icon,
                           int width, void (TMainForm::*slot)());
    // Forgets the derived player statistics, so the next player view computes them again.
    void clearStatsCache();
    void showGrid(const pny::ViewGrid& grid);
    // Saves everything; on failure asks whether to retry. Returns true when the window may close.
    bool FormCloseQuery();
    // Every command ends here: file errors gathered meanwhile are reported, the table gets the
    // focus (the tab row keeps it while the keyboard works there), an earlier confirmation goes.
    void finishCommand();
    // The guide shows over the empty table while the folder has no season.
    void updateStartGuide();
    // "season league tab", the name a printed or exported table is offered under.
    QString tableFileName() const;

    // The dialogs are made on first use, so that the window appears without waiting for them;
    // once made, they live for the whole run and keep their choices. The dialogs the command
    // units open are theirs; these few are shared or the window's own.
    TAboutForm& aboutForm();
    TListForm& listForm();
    TNameForm& nameForm();
    TNoteForm& noteForm();
    SelectionCommands& selection();
    std::unique_ptr<SelectionCommands> makeSelection();
    // The store, the dialogs' parent and the table's hooks, as every command unit gets them.
    CommandHost commandHost();

    std::unique_ptr<pny::Store> store_;
    pny::ViewState viewState_;
    pny::ViewGrid grid_;  // the view the table shows
    // Commits what each command changed and reports the file errors gathered meanwhile.
    std::unique_ptr<CommitCycle> commits_;
    bool shown_ = false;
    bool building_ = false;  // while the table is filled, moving its cursor changes no record

    QString sampleSeason_;

    QFrame* buttonPanel_ = nullptr;
    QTableWidget* table_ = nullptr;
    TStartGuide* startGuide_ = nullptr;
    ConfirmationLine* confirmation_ = nullptr;  // what the last command did, under the table
    QTabBar* bottomTab_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QToolButton* fileButton_ = nullptr;
    QToolButton* updateButton_ = nullptr;
    QToolButton* setupButton_ = nullptr;
    QToolButton* noteButton_ = nullptr;
    QToolButton* fontButton_ = nullptr;
    QToolButton* printButton_ = nullptr;

    TAboutForm* aboutForm_ = nullptr;
    TListForm* listForm_ = nullptr;
    TNameForm* nameForm_ = nullptr;
    TMsgForm* msgForm_ = nullptr;
    TPrintForm* printForm_ = nullptr;
    TNoteForm* noteForm_ = nullptr;
    QAction* gameLogItem_ = nullptr;
    // The Year, League, Team and Player commands; every command that asks for a missing level
    // reaches them through here, so they exist whichever command comes first.
    MadeOnFirstUse<SelectionCommands> selection_;
    // The other commands by theme, each with the dialogs it opens.
    MadeOnFirstUse<EntryCommands> entry_;
    MadeOnFirstUse<ReportCommands> reports_;
    MadeOnFirstUse<SeasonFileCommands> seasonFiles_;
    MadeOnFirstUse<SetupCommands> setup_;
};
