#include "main/main.h"

#include "common/filedialogs.h"
#include "common/icons.h"
#include "common/messages.h"
#include "entry/game.h"
#include "entry/player.h"
#include "entry/team.h"
#include "help/helpviewer.h"
#include "import/importcommand.h"
#include "main/about.h"
#include "main/exporttable.h"
#include "main/importroster.h"
#include "main/list.h"
#include "main/msg.h"
#include "main/name.h"
#include "main/publishsite.h"
#include "main/selection.h"
#include "notes/notes.h"
#include "notes/notescommand.h"
#include "notes/radio.h"
#include "print/backup.h"
#include "print/print.h"
#include "schedule/field.h"
#include "schedule/generator.h"
#include "schedule/make.h"
#include "store/codepage.h"
#include "store/filecommit.h"
#include "store/linecodec.h"
#include "views/catalogues.h"
#include "views/fontchooser.h"
#include "views/leadersform.h"
#include "views/psort.h"
#include "views/setup.h"
#include "views/ssort.h"
#include "views/tableview.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kTabCaptions[] = {"Teams",    "Players",  "Hitting", "Running",
                                    "Pitching", "Fielding", "Custom",  "Schedule"};

}  // namespace

TMainForm::TMainForm(const QString& dataFolder, QWidget* parent)
    : QWidget(parent), store_(std::make_unique<pny::Store>(dataFolder)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Pennantry"));
    setWindowIcon(icons::application());
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    createButtonPanel();
    createTable();
    createBottomTab();
    createPopupMenu();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buttonPanel_);
    layout->addWidget(table_, 1);
    layout->addWidget(bottomTab_);

    // Escape opens the File menu, Enter runs Update, from anywhere in the window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TMainForm::FileButtonClick);
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, &TMainForm::UpdateButtonClick);
    }

    // The dialogs live for the whole run and keep their choices between uses. The number-and-name
    // dialog comes before the list picker, which uses it.
    aboutForm_ = new TAboutForm(this);
    backupForm_ = new TBackupForm(this);
    fieldForm_ = new TFieldForm(this);
    gameForm_ = new TGameForm(this);
    nameForm_ = new TNameForm(this);
    listForm_ = new TListForm(*nameForm_, this);
    listForm_->setMainWindow(this);
    makeForm_ = new TMakeForm(this);
    noteForm_ = new TNoteForm(this);
    playerForm_ = new TPlayerForm(this);
    printForm_ = new TPrintForm(this);
    playerSortForm_ = new TPlayerSortForm(this);
    radioNoteForm_ = new TRadioNoteForm(this);
    scheduleSortForm_ = new TScheduleSortForm(this);
    teamForm_ = new TTeamForm(this);
    msgForm_ = new TMsgForm(this);
    setupForm_ = new TSetupForm(this);
    leadersForm_ = new TLeadersForm(this);

    // The game dialog's Make fills the schedule from the fields' free time slots.
    gameForm_->makeSchedule = [this] {
        return MakeSchedule(gameForm_, *store_, *fieldForm_, *makeForm_);
    };

    SelectionCommands::Hooks hooks;
    hooks.buildHeaders = [this] { BuildHeaders(); };
    hooks.refreshTable = [this] { RefreshTable(); };
    hooks.clearStatsCache = [this] { clearStatsCache(); };
    hooks.openNotes = [this](const QString& heading, const std::string& reference) {
        noteForm_->OpenNotes(*store_, windowTitle(), heading, reference);
    };
    selection_ = std::make_unique<SelectionCommands>(*store_, *listForm_, hooks);

    store_->onFileError = [this](const QString& message) { fileErrors_.append(message); };
    commitTimer_ = new QTimer(this);
    commitTimer_->setSingleShot(true);
    commitTimer_->setInterval(500);
    connect(commitTimer_, &QTimer::timeout, this, [this] {
        commitChanges();
        reportFileErrors();
    });
    store_->onLeagueRead = [this](const pny::LeagueRecord& league) { applyLeagueFont(league); };

    resize(556, 365);
}

TMainForm::~TMainForm() = default;

QToolButton* TMainForm::addButton(const QString& name, const QString& caption, const QString& icon,
                                  int width, void (TMainForm::*slot)()) {
    auto* button = new QToolButton(buttonPanel_);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(icons::button(icon));
    button->setIconSize(QSize(22, 22));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setMinimumWidth(width);
    button->setFixedHeight(49);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, slot);
    buttonPanel_->layout()->addWidget(button);
    return button;
}

void TMainForm::createButtonPanel() {
    buttonPanel_ = new QFrame(this);
    buttonPanel_->setObjectName(QStringLiteral("ButtonPanel"));
    buttonPanel_->setAutoFillBackground(true);
    QPalette palette = buttonPanel_->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    buttonPanel_->setPalette(palette);
    auto* row = new QHBoxLayout(buttonPanel_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    fileButton_ = addButton("FileButton", "&File", "file", 40, &TMainForm::FileButtonClick);
    addButton("YearButton", "&Year", "year", 42, &TMainForm::YearButtonClick);
    addButton("LeagueButton", "&League", "league", 56, &TMainForm::LeagueButtonClick);
    addButton("TeamButton", "&Team", "team", 48, &TMainForm::TeamButtonClick);
    addButton("PlayerButton", "&Player", "player", 50, &TMainForm::PlayerButtonClick);
    updateButton_ =
        addButton("UpdateButton", "&Update", "update", 56, &TMainForm::UpdateButtonClick);
    setupButton_ = addButton("SetupButton", "&Setup", "setup", 48, &TMainForm::SetupButtonClick);
    noteButton_ = addButton("NoteButton", "&Notes", "notes", 48, &TMainForm::NoteButtonClick);
    fontButton_ = addButton("FontButton", "F&ont", "font", 40, &TMainForm::FontButtonClick);
    printButton_ = addButton("PrintButton", "P&rint", "print", 48, &TMainForm::PrintButtonClick);
    addButton("HelpButton", "&Help", "help", 40, &TMainForm::HelpButtonClick);
    addButton("QuitButton", "E&xit", "exit", 40, &TMainForm::ExitClick);

    // The panel's own caption shows right of the buttons when the window is wide enough.
    auto* caption = new QLabel(QStringLiteral("PNY "), buttonPanel_);
    caption->setObjectName(QStringLiteral("PanelCaption"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(32);
    font.setBold(true);
    caption->setFont(font);
    caption->setStyleSheet(QStringLiteral("color: grey;"));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setMinimumWidth(0);
    caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(caption, 1);
}

void TMainForm::createTable() {
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("Table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(17);
    table_->verticalHeader()->setMinimumSectionSize(8);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->horizontalHeader()->setMinimumSectionSize(0);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideNone);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette palette = table_->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    table_->setPalette(palette);
    QFont font = table_->font();
    font.setBold(true);
    font.setPixelSize(13);
    table_->setFont(font);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { UpdateButtonClick(); });
    connect(table_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { TableSelectCell(row, column); });
    connect(table_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMenu_->popup(table_->viewport()->mapToGlobal(at)); });
}

void TMainForm::createBottomTab() {
    bottomTab_ = new QTabBar(this);
    bottomTab_->setObjectName(QStringLiteral("BottomTab"));
    bottomTab_->setShape(QTabBar::RoundedSouth);
    bottomTab_->setExpanding(false);
    bottomTab_->setFocusPolicy(Qt::NoFocus);
    for (const char* caption : kTabCaptions)
        bottomTab_->addTab(QString::fromLatin1(caption));
    connect(bottomTab_, &QTabBar::currentChanged, this, &TMainForm::BottomTabClick);
}

void TMainForm::createPopupMenu() {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu"));
    auto add = [this](const char* name, const QString& caption, const QKeySequence& key,
                      void (TMainForm::*slot)()) {
        auto* action = popupMenu_->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);  // so that the shortcut works while the menu is closed
        return action;
    };
    add("BackupItem", "&Backup All", QKeySequence(Qt::CTRL | Qt::Key_B),
        &TMainForm::BackupItemClick);
    add("ImportItem", "&Import PZS", QKeySequence(Qt::CTRL | Qt::Key_I),
        &TMainForm::ImportItemClick);
    add("SaveItem", "&Save Data", QKeySequence(Qt::CTRL | Qt::Key_S), &TMainForm::SaveItemClick);
    add("ExportItem", "&Export Table...", QKeySequence(Qt::CTRL | Qt::Key_E),
        &TMainForm::ExportItemClick);
    add("LeadersItem", "League &Leaders", QKeySequence(Qt::CTRL | Qt::Key_L),
        &TMainForm::LeadersItemClick);
    add("RosterItem", "Import &Roster...", QKeySequence(), &TMainForm::RosterItemClick);
    add("PublishItem", "&Publish League Website...", QKeySequence(), &TMainForm::PublishItemClick);
    popupMenu_->addSeparator();
    add("HelpItem", "&Help", QKeySequence(Qt::Key_F1), &TMainForm::HelpItemClick);
    add("AboutItem", "&About", QKeySequence(Qt::Key_F2), &TMainForm::AboutItemClick);
    add("QuitItem", "E&xit", QKeySequence(Qt::Key_F3), &TMainForm::ExitClick);
}

int TMainForm::currentTab() const {
    return bottomTab_->currentIndex();
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TMainForm::FormShow() {
    // A save that a crash interrupted is completed (or undone) before anything is read.
    QString report;
    QString error;
    if (!pny::finishUnfinishedCommit(store_->dataFolder(), report, error))
        fileErrors_.append(error);
    store_->loadYears();
    const pny::YearsHeader& header = store_->header;
    QSize size = this->size();
    if (!header.height.empty() && pny::toNumber(header.height) > 0) {
        size.setHeight(pny::toNumber(header.height));
    }
    if (!header.width.empty() && pny::toNumber(header.width) > 0) {
        size.setWidth(pny::toNumber(header.width));
    }
    resize(size);

    int tab = pny::toNumber(header.tab);
    if (tab < 0 || tab >= bottomTab_->count())
        tab = 0;
    {
        const QSignalBlocker blocker(bottomTab_);
        bottomTab_->setCurrentIndex(tab);
    }
    BottomTabClick(tab);
}

void TMainForm::BottomTabClick(int index) {
    if (index < 0)
        return;
    BuildHeaders();
    store_->header.tab = pny::numberText(index);
    finishCommand();
}

void TMainForm::BuildHeaders() {
    // The view builder makes the header row of the tab's catalogue and then the rows.
    RefreshTable();
}

void TMainForm::RefreshTable() {
    msgForm_->start();
    grid_ = pny::buildTable(*store_, viewState_, currentTab(),
                            [this](int value, int maximum) { msgForm_->advance(value, maximum); });
    showGrid(grid_);
    msgForm_->finish();
    // A game whose date cannot be read stops the schedule there; the table is complete anyway.
    if (!grid_.error.empty())
        Messages::error(this, pny::fromCodePage(grid_.error));
}

void TMainForm::showGrid(const pny::ViewGrid& grid) {
    building_ = true;
    table_->clear();
    table_->setColumnCount(grid.columnCount());
    table_->setRowCount(static_cast<int>(grid.rows.size()));
    QStringList headers;
    for (const std::string& text : grid.headers)
        headers << pny::fromCodePage(text);
    table_->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < static_cast<int>(grid.rows.size()); ++r) {
        const std::vector<std::string>& cells = grid.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            table_->setItem(
                r, c, new QTableWidgetItem(pny::fromCodePage(cells[static_cast<std::size_t>(c)])));
        }
    }
    // Until a year and league are chosen the caption would be blank: keep the program's name.
    const QString caption = pny::fromCodePage(grid.caption);
    setWindowTitle(caption.trimmed().isEmpty() ? QStringLiteral("Pennantry") : caption);
    sizeColumns();

    const pny::CommandStates states = pny::commandStates(*store_, grid);
    setupButton_->setEnabled(states.setup);
    fontButton_->setEnabled(states.font);
    updateButton_->setEnabled(states.update);
    noteButton_->setEnabled(states.notes);
    printButton_->setEnabled(states.print);
    // The row of the current record is selected; moving there changes no record.
    if (grid.currentRow > 0 && states.focusColumn > 0) {
        table_->setCurrentCell(grid.currentRow - 1, states.focusColumn);
    } else if (grid.hasRecords()) {
        table_->setCurrentCell(0, 0);
    } else {
        table_->setCurrentCell(-1, -1);  // the one blank row is no record to select
    }
    table_->setFocus();
    building_ = false;
}

void TMainForm::sizeColumns() {
    const int count = table_->columnCount();
    if (count == 0)
        return;
    const std::vector<int> widths =
        pny::sizeColumns(count, grid_.wideColumns, table_->viewport()->width());
    for (int c = 0; c < count && c < static_cast<int>(widths.size()); ++c) {
        table_->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    }
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    sizeColumns();
    // Only the normal size is remembered, so the next start restores the last normal size.
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        store_->header.height = pny::numberText(height()).substr(0, 5);
        store_->header.width = pny::numberText(width()).substr(0, 5);
    }
}

void TMainForm::TableSelectCell(int row, int column) {
    if (building_ || column <= 0 || row < 0)
        return;
    const QTableWidgetItem* key = table_->item(row, 0);
    if (!key || key->text().isEmpty())
        return;
    pny::selectRecord(*store_, currentTab(), key->text().toStdString());
    commitTimer_->start();
}

void TMainForm::FileButtonClick() {
    popupMenu_->popup(fileButton_->mapToGlobal(QPoint(5, fileButton_->height() + 2)));
}

void TMainForm::YearButtonClick() {
    selection_->YearButtonClick();
    finishCommand();
}

void TMainForm::LeagueButtonClick() {
    selection_->LeagueButtonClick();
    finishCommand();
}

void TMainForm::TeamButtonClick() {
    selection_->TeamButtonClick();
    finishCommand();
}

void TMainForm::PlayerButtonClick() {
    selection_->PlayerButtonClick();
    finishCommand();
}

void TMainForm::UpdateButtonClick() {
    // A missing item is asked for first; when it is still missing, no dialog opens.
    const int tab = currentTab();
    if (tab == 0) {
        if (!store_->hasTeam())
            selection_->TeamButtonClick();
        if (store_->hasTeam() && teamForm_->EnterTeamResult(*store_) != EntryResult::Cancelled) {
            RefreshTable();
        }
    } else if (tab >= 1 && tab <= 6) {
        if (!store_->hasPlayer())
            selection_->PlayerButtonClick();
        if (store_->hasPlayer()) {
            const EntryResult result = playerForm_->EnterPlayerStatistics(*store_);
            if (result != EntryResult::Cancelled)
                clearStatsCache();
            if (result == EntryResult::Rebuild)
                BuildHeaders();
            if (result == EntryResult::Refresh)
                RefreshTable();
        }
    } else {
        if (!store_->hasLeague())
            selection_->LeagueButtonClick();
        if (store_->hasLeague() &&
            gameForm_->EnterGame(*store_, *listForm_, grid_.hasRecords()) != EntryResult::Cancelled)
            RefreshTable();
    }
    finishCommand();
}

void TMainForm::SetupButtonClick() {
    // Each tab has its own settings dialog; every one of them stores into the league.
    const int tab = currentTab();
    bool rebuild = false;
    if (tab == 0) {
        rebuild = setupForm_->Execute(*store_);
        if (rebuild)
            clearStatsCache();  // the innings per game change every ERA
    } else if (tab >= 1 && tab <= 6) {
        rebuild = playerSortForm_->Execute(*store_, tab, bottomTab_->tabText(tab));
    } else {
        rebuild = scheduleSortForm_->Execute(*store_, *listForm_);
    }
    if (rebuild)
        BuildHeaders();
    finishCommand();
}
void TMainForm::NoteButtonClick() {
    runNoteCommand(*store_, currentTab(), *radioNoteForm_, *noteForm_, windowTitle(), this);
    finishCommand();
}
void TMainForm::FontButtonClick() {
    chooseTableFont(this, *store_, table_);
    finishCommand();
}
void TMainForm::PrintButtonClick() {
    printForm_->PrintTable(table_, windowTitle());
    finishCommand();
}
void TMainForm::BackupItemClick() {
    // A backup holds what the user sees: whatever is still in memory is saved first.
    if (!store_->saveAll()) {
        fileErrors_.append(QStringLiteral(
            "The backup did not start: your latest changes could not be saved, and a backup "
            "without them would not be what you see."));
        finishCommand();
        return;
    }
    backupForm_->BackupAll(store_->dataFolder());
    finishCommand();
}
void TMainForm::ImportItemClick() {
    if (runImport(this, *store_, msgForm_))
        BuildHeaders();
    finishCommand();
}

void TMainForm::LeadersItemClick() {
    if (!store_->hasLeague())
        selection_->LeagueButtonClick();
    // A double-clicked leader is shown in his team's row on a player tab.
    if (store_->hasLeague() && leadersForm_->ShowLeaders(*store_)) {
        if (pny::isPlayerTab(currentTab()))
            RefreshTable();
        else
            bottomTab_->setCurrentIndex(pny::kFirstPlayerTab);
    }
    finishCommand();
}

void TMainForm::RosterItemClick() {
    if (!store_->hasTeam())
        selection_->TeamButtonClick();
    if (store_->hasTeam() && importRoster(this, *store_)) {
        clearStatsCache();
        if (pny::isPlayerTab(currentTab()))
            RefreshTable();
        else
            bottomTab_->setCurrentIndex(pny::kFirstPlayerTab);
    }
    finishCommand();
}

void TMainForm::PublishItemClick() {
    if (!store_->hasLeague())
        selection_->LeagueButtonClick();
    if (store_->hasLeague())
        publishSite(this, *store_);
    finishCommand();
}

void TMainForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Contents"));
}

void TMainForm::HelpItemClick() {
    HelpButtonClick();
}

void TMainForm::AboutItemClick() {
    aboutForm_->exec();
    finishCommand();
}

void TMainForm::SaveItemClick() {
    store_->saveAll();
    finishCommand();
}

void TMainForm::ExportItemClick() {
    exportTable(this, *store_, grid_, currentTab() == 7);
    finishCommand();
}

void TMainForm::ExitClick() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool TMainForm::FormCloseQuery() {
    for (;;) {
        fileErrors_.clear();
        if (store_->saveAll())
            return true;
        const QString text =
            QStringLiteral(
                "Your data could not be saved:\n\n%1\n\n"
                "Retry to try again, Cancel to stay in Pennantry with your changes "
                "kept, or Discard to close and lose the changes not yet saved.")
                .arg(fileErrors_.join(QLatin1Char('\n')));
        fileErrors_.clear();
        const auto answer = Messages::ask(
            this, QMessageBox::Critical, text,
            QMessageBox::Retry | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Retry);
        if (answer == QMessageBox::Discard)
            return true;
        if (answer != QMessageBox::Retry)
            return false;
    }
}

void TMainForm::finishCommand() {
    commitChanges();
    reportFileErrors();
    table_->setFocus();
}

void TMainForm::commitChanges() {
    commitTimer_->stop();
    store_->commit();
}

void TMainForm::reportFileErrors() {
    if (fileErrors_.isEmpty())
        return;
    const QString text = fileErrors_.join(QLatin1Char('\n'));
    fileErrors_.clear();
    Messages::error(this, text);
}

void TMainForm::clearStatsCache() {
    viewState_.clearStatsCache();
}

void TMainForm::applyLeagueFont(const pny::LeagueRecord& league) {
    // Fields left empty keep what the table has, so it keeps the design font until one is stored.
    QFont font = table_->font();
    QPalette palette = table_->palette();
    if (!league.fontColor.empty()) {
        const int value = pny::toNumber(league.fontColor);
        palette.setColor(QPalette::Text,
                         QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF));
    }
    if (!league.fontName.empty())
        font.setFamily(pny::fromCodePage(league.fontName));
    if (!league.fontSize.empty() && pny::toNumber(league.fontSize) > 0) {
        font.setPointSize(pny::toNumber(league.fontSize));
    }
    if (league.bold == "1") {
        font.setBold(true);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
    }
    if (league.italic == "1")
        font.setItalic(true);
    table_->setFont(font);
    table_->setPalette(palette);
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
}
