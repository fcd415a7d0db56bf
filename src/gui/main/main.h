#pragma once

#include "common/madeonfirstuse.h"
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
class QTimer;
class QTableWidget;
class QToolButton;
class SelectionCommands;
class TAboutForm;
class TBackupForm;
class TBoxScoreForm;
class TPrintForm;
class TListForm;
class TMsgForm;
class TFieldForm;
class TGameForm;
class TGameLogForm;
class TLeadersForm;
class TMakeForm;
class TNameForm;
class TPlayerSortForm;
class TScheduleSortForm;
class TSetupForm;
class TNoteForm;
class TRadioNoteForm;
class TPlayerForm;
class TStartGuide;
class TTeamForm;

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
    void applyLeagueFont(const pny::LeagueRecord& league);
    void showGrid(const pny::ViewGrid& grid);
    void sizeColumns();
    // Saves everything; on failure asks whether to retry. Returns true when the window may close.
    bool FormCloseQuery();
    // Every command ends here: file errors gathered meanwhile are reported, the table gets the
    // focus (the tab row keeps it while the keyboard works there).
    void finishCommand();
    void reportFileErrors();
    // Commits what the last command changed, so that a confirmed change is on the disk at once.
    void commitChanges();
    // Sets the size stored in the years header, at most the screen's, and places the whole
    // window on the screen.
    void applyStoredSize();
    // Writes the window's normal size into the years header.
    void rememberSize();
    // The guide shows over the empty table while the folder has no season.
    void updateStartGuide();
    // "season league tab", the name a printed or exported table is offered under.
    QString tableFileName() const;

    // The dialogs are made on first use, so that the window appears without waiting for them;
    // once made, they live for the whole run and keep their choices.
    TAboutForm& aboutForm();
    TBackupForm& backupForm();
    TFieldForm& fieldForm();
    TGameForm& gameForm();
    TListForm& listForm();
    TMakeForm& makeForm();
    TNameForm& nameForm();
    TNoteForm& noteForm();
    TPlayerForm& playerForm();
    TPlayerSortForm& playerSortForm();
    TRadioNoteForm& radioNoteForm();
    TScheduleSortForm& scheduleSortForm();
    TSetupForm& setupForm();
    TTeamForm& teamForm();
    TLeadersForm& leadersForm();
    TBoxScoreForm& boxScoreForm();
    TGameLogForm& gameLogForm();
    // After a night was added, changed or removed: every view shows it.
    void nightChanged();
    SelectionCommands& selection();
    std::unique_ptr<SelectionCommands> makeSelection();

    std::unique_ptr<pny::Store> store_;
    pny::ViewState viewState_;
    pny::ViewGrid grid_;  // the view the table shows
    QStringList fileErrors_;
    // Moving through the rows changes the current record of a list; those changes are committed
    // together a moment after the last move instead of once per row.
    QTimer* commitTimer_ = nullptr;
    bool shown_ = false;
    bool building_ = false;  // while the table is filled, moving its cursor changes no record

    QString sampleSeason_;

    QFrame* buttonPanel_ = nullptr;
    QTableWidget* table_ = nullptr;
    TStartGuide* startGuide_ = nullptr;
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
    TPlayerForm* playerForm_ = nullptr;
    TPrintForm* printForm_ = nullptr;
    TGameForm* gameForm_ = nullptr;
    TFieldForm* fieldForm_ = nullptr;
    TMakeForm* makeForm_ = nullptr;
    TSetupForm* setupForm_ = nullptr;
    TPlayerSortForm* playerSortForm_ = nullptr;
    TScheduleSortForm* scheduleSortForm_ = nullptr;
    TNoteForm* noteForm_ = nullptr;
    TRadioNoteForm* radioNoteForm_ = nullptr;
    TBackupForm* backupForm_ = nullptr;
    TTeamForm* teamForm_ = nullptr;
    TLeadersForm* leadersForm_ = nullptr;
    TBoxScoreForm* boxScoreForm_ = nullptr;
    TGameLogForm* gameLogForm_ = nullptr;
    QAction* gameLogItem_ = nullptr;
    // The Year, League, Team and Player commands; every command that asks for a missing level
    // reaches them through here, so they exist whichever command comes first.
    MadeOnFirstUse<SelectionCommands> selection_;
};
