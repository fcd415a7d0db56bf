#pragma once

#include "store/store.h"
#include "views/grid.h"
#include "views/viewstate.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class QFrame;
class QMenu;
class QTabBar;
class QTimer;
class QTableWidget;
class QToolButton;
class SelectionCommands;
class TAboutForm;
class TBackupForm;
class TPrintForm;
class TListForm;
class TMsgForm;
class TFieldForm;
class TGameForm;
class TLeadersForm;
class TMakeForm;
class TNameForm;
class TPlayerSortForm;
class TScheduleSortForm;
class TSetupForm;
class TNoteForm;
class TRadioNoteForm;
class TPlayerForm;
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
    void PublishItemClick();
    void RosterItemClick();
    void HelpItemClick();
    void AboutItemClick();
    void TableSelectCell(int row, int column);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createButtonPanel();
    void createTable();
    void createBottomTab();
    void createPopupMenu();
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
    // focus.
    void finishCommand();
    void reportFileErrors();
    // Commits what the last command changed, so that a confirmed change is on the disk at once.
    void commitChanges();

    std::unique_ptr<pny::Store> store_;
    pny::ViewState viewState_;
    pny::ViewGrid grid_;  // the view the table shows
    QStringList fileErrors_;
    // Moving through the rows changes the current record of a list; those changes are committed
    // together a moment after the last move instead of once per row.
    QTimer* commitTimer_ = nullptr;
    bool shown_ = false;
    bool building_ = false;  // while the table is filled, moving its cursor changes no record

    QFrame* buttonPanel_ = nullptr;
    QTableWidget* table_ = nullptr;
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
    std::unique_ptr<SelectionCommands> selection_;
};
