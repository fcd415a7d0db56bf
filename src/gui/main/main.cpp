#include "main/main.h"

#include "common/filedialogs.h"
#include "common/icons.h"
#include "common/messages.h"
#include "entry/boxscore.h"
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
#include "main/startguide.h"
#include "main/windowplacement.h"
#include "notes/notes.h"
#include "notes/notescommand.h"
#include "notes/radio.h"
#include "people/careerform.h"
#include "people/historyform.h"
#include "people/linkplayersform.h"
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
#include "views/gamelogform.h"
#include "views/eligiblepitchersform.h"
#include "views/leadersform.h"
#include "views/psort.h"
#include "views/setup.h"
#include "views/ssort.h"
#include "views/tableview.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The window's client size as designed; the program's font may need more.
constexpr int kDesignedWidth = 556;
constexpr int kDesignedHeight = 365;

const char* const kTabCaptions[] = {"Teams",    "Players",  "Hitting", "Running",
                                    "Pitching", "Fielding", "Custom",  "Schedule"};

}  // namespace

TMainForm::TMainForm(const QString& dataFolder, QWidget* parent)
    : QWidget(parent),
      store_(std::make_unique<pny::Store>(dataFolder)),
      selection_([this] { return makeSelection(); }) {
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

    createShortcuts();

    // The progress window shows while the first table is built, so it is made at once; the
    // other dialogs wait for their first use.
    msgForm_ = new TMsgForm(this);

    store_->onFileError = [this](const QString& message) { fileErrors_.append(message); };
    store_->onConflict = [this](const QStringList& files) {
        const auto answer = Messages::ask(
            this, QMessageBox::Warning,
            QStringLiteral("%1 %2 changed by another program since Pennantry read it.\n\n"
                           "Save to write your version over it, Discard to drop your changes not "
                           "yet saved and read the files again, or Cancel to save nothing now.")
                .arg(files.join(QStringLiteral(", ")),
                     files.size() == 1 ? QStringLiteral("was") : QStringLiteral("were")),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer == QMessageBox::Save)
            return pny::Store::ConflictChoice::KeepMine;
        if (answer != QMessageBox::Discard)
            return pny::Store::ConflictChoice::Cancel;
        // What the table shows came from the files dropped: built again once the commit is over.
        QTimer::singleShot(0, this, [this] {
            clearStatsCache();
            BuildHeaders();
        });
        return pny::Store::ConflictChoice::ReloadTheirs;
    };
    commitTimer_ = new QTimer(this);
    commitTimer_->setSingleShot(true);
    commitTimer_->setInterval(500);
    connect(commitTimer_, &QTimer::timeout, this, [this] {
        commitChanges();
        reportFileErrors();
    });
    store_->onLeagueRead = [this](const pny::LeagueRecord& league) { applyLeagueFont(league); };

    setSampleSeason(QDir(QCoreApplication::applicationDirPath())
                        .filePath(QStringLiteral("examples/Riverbend.PZS")));
    resize(designedSize());
}

TMainForm::~TMainForm() = default;

namespace {

// The dialog in `form`, made with `make` when it is not made yet.
template <class Form, class Make>
Form& madeOnFirstUse(Form*& form, Make make) {
    if (!form)
        form = make();
    return *form;
}

}  // namespace

TAboutForm& TMainForm::aboutForm() {
    return madeOnFirstUse(aboutForm_, [this] { return new TAboutForm(this); });
}
TBackupForm& TMainForm::backupForm() {
    return madeOnFirstUse(backupForm_, [this] { return new TBackupForm(this); });
}
TFieldForm& TMainForm::fieldForm() {
    return madeOnFirstUse(fieldForm_, [this] { return new TFieldForm(this); });
}
TGameForm& TMainForm::gameForm() {
    return madeOnFirstUse(gameForm_, [this] {
        auto* form = new TGameForm(this);
        // The game dialog's Make fills the schedule from the fields' free time slots.
        form->makeSchedule = [this, form] {
            return MakeSchedule(form, *store_, fieldForm(), makeForm());
        };
        return form;
    });
}
TListForm& TMainForm::listForm() {
    return madeOnFirstUse(listForm_, [this] {
        auto* form = new TListForm(nameForm(), this);
        form->setMainWindow(this);
        return form;
    });
}
TMakeForm& TMainForm::makeForm() {
    return madeOnFirstUse(makeForm_, [this] { return new TMakeForm(this); });
}
TNameForm& TMainForm::nameForm() {
    return madeOnFirstUse(nameForm_, [this] { return new TNameForm(this); });
}
TNoteForm& TMainForm::noteForm() {
    return madeOnFirstUse(noteForm_, [this] { return new TNoteForm(this); });
}
TPlayerForm& TMainForm::playerForm() {
    return madeOnFirstUse(playerForm_, [this] { return new TPlayerForm(this); });
}
TPrintForm& TMainForm::printForm() {
    return madeOnFirstUse(printForm_, [this] { return new TPrintForm(this); });
}
TPlayerSortForm& TMainForm::playerSortForm() {
    return madeOnFirstUse(playerSortForm_, [this] { return new TPlayerSortForm(this); });
}
TRadioNoteForm& TMainForm::radioNoteForm() {
    return madeOnFirstUse(radioNoteForm_, [this] { return new TRadioNoteForm(this); });
}
TScheduleSortForm& TMainForm::scheduleSortForm() {
    return madeOnFirstUse(scheduleSortForm_, [this] { return new TScheduleSortForm(this); });
}
TSetupForm& TMainForm::setupForm() {
    return madeOnFirstUse(setupForm_, [this] { return new TSetupForm(this); });
}
TTeamForm& TMainForm::teamForm() {
    return madeOnFirstUse(teamForm_, [this] { return new TTeamForm(this); });
}
TLeadersForm& TMainForm::leadersForm() {
    return madeOnFirstUse(leadersForm_, [this] { return new TLeadersForm(this); });
}
TBoxScoreForm& TMainForm::boxScoreForm() {
    return madeOnFirstUse(boxScoreForm_, [this] { return new TBoxScoreForm(this); });
}
TGameLogForm& TMainForm::gameLogForm() {
    return madeOnFirstUse(gameLogForm_, [this] { return new TGameLogForm(this); });
}

std::unique_ptr<SelectionCommands> TMainForm::makeSelection() {
    SelectionCommands::Hooks hooks;
    hooks.buildHeaders = [this] { BuildHeaders(); };
    hooks.refreshTable = [this] { RefreshTable(); };
    hooks.clearStatsCache = [this] { clearStatsCache(); };
    hooks.openNotes = [this](const QString& heading, const std::string& reference) {
        noteForm().OpenNotes(*store_, windowTitle(), heading, reference);
    };
    return std::make_unique<SelectionCommands>(*store_, listForm(), hooks);
}

SelectionCommands& TMainForm::selection() {
    return *selection_;
}

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
    table_->setTabKeyNavigation(false);  // Tab leaves the table for the tab row
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
    // Tab reaches the tab row from the table; the arrow keys then move along the tabs.
    bottomTab_->setFocusPolicy(Qt::TabFocus);
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
    // Typing a night's box score is the main job: it has Ctrl+B, and Backup All moves aside.
    add("BoxScoreItem", "B&ox Score...", QKeySequence(Qt::CTRL | Qt::Key_B),
        &TMainForm::BoxScoreItemClick);
    gameLogItem_ = add("GameLogItem", "&Game Log...", QKeySequence(Qt::CTRL | Qt::Key_G),
                       &TMainForm::GameLogItemClick);
    popupMenu_->addSeparator();
    add("BackupItem", "&Backup All", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B),
        &TMainForm::BackupItemClick);
    add("ImportItem", "&Import PZS", QKeySequence(Qt::CTRL | Qt::Key_I),
        &TMainForm::ImportItemClick);
    add("SaveItem", "&Save Data", QKeySequence(Qt::CTRL | Qt::Key_S), &TMainForm::SaveItemClick);
    add("ExportItem", "&Export Table...", QKeySequence(Qt::CTRL | Qt::Key_E),
        &TMainForm::ExportItemClick);
    add("LeadersItem", "League &Leaders", QKeySequence(Qt::CTRL | Qt::Key_L),
        &TMainForm::LeadersItemClick);
    // A career belongs to a player: the menu offers it on the player tabs only (its shortcut
    // stays enabled and does nothing elsewhere).
    QAction* careerItem = add("CareerItem", "&Career", QKeySequence(Qt::CTRL | Qt::Key_K),
                              &TMainForm::CareerItemClick);
    connect(popupMenu_, &QMenu::aboutToShow, careerItem,
            [this, careerItem] { careerItem->setEnabled(pny::isPlayerTab(currentTab())); });
    connect(popupMenu_, &QMenu::aboutToHide, careerItem, [careerItem] {
        QTimer::singleShot(0, careerItem, [careerItem] { careerItem->setEnabled(true); });
    });
    add("LinkPlayersItem", "Lin&k Players...", QKeySequence(), &TMainForm::LinkPlayersItemClick);
    add("HistoryItem", "League His&tory", QKeySequence(), &TMainForm::HistoryItemClick);
    add("PitchersItem", "Eligible Pitc&hers...", QKeySequence(), &TMainForm::PitchersItemClick);
    add("RosterItem", "Import &Roster...", QKeySequence(), &TMainForm::RosterItemClick);
    add("PublishItem", "&Publish League Website...", QKeySequence(), &TMainForm::PublishItemClick);
    popupMenu_->addSeparator();
    add("HelpItem", "&Help", QKeySequence(Qt::Key_F1), &TMainForm::HelpItemClick);
    add("AboutItem", "&About", QKeySequence(Qt::Key_F2), &TMainForm::AboutItemClick);
    add("QuitItem", "E&xit", QKeySequence(Qt::Key_F3), &TMainForm::ExitClick);
}

void TMainForm::createShortcuts() {
    const auto add = [this](const QKeySequence& keys, void (TMainForm::*slot)()) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    // Escape opens the File menu, Enter runs Update, from anywhere in the window.
    add(QKeySequence(Qt::Key_Escape), &TMainForm::FileButtonClick);
    add(QKeySequence(Qt::Key_Return), &TMainForm::UpdateButtonClick);
    add(QKeySequence(Qt::Key_Enter), &TMainForm::UpdateButtonClick);
    // The tabs, as in a browser or an office program.
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), &TMainForm::NextTabClick);
    add(QKeySequence(Qt::CTRL | Qt::Key_PageDown), &TMainForm::NextTabClick);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), &TMainForm::PreviousTabClick);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), &TMainForm::PreviousTabClick);
    add(QKeySequence(Qt::CTRL | Qt::Key_PageUp), &TMainForm::PreviousTabClick);
    // Ctrl+Q quits as in other desktop programs; F3 of the File menu stays.
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), &TMainForm::ExitClick);
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
    applyStoredSize();
    // Maximised over the stored normal size, which un-maximising brings back; once the window
    // is shown, so that the window system's first state of the new window does not undo it.
    if (windowplacement::wasMaximised(store_->dataFolder())) {
        QTimer::singleShot(0, this,
                           [this] { setWindowState(windowState() | Qt::WindowMaximized); });
    }

    int tab = pny::toNumber(store_->header.tab);
    if (tab < 0 || tab >= bottomTab_->count())
        tab = 0;
    {
        const QSignalBlocker blocker(bottomTab_);
        bottomTab_->setCurrentIndex(tab);
    }
    BottomTabClick(tab);
    // What the start did to an interrupted save (an import or a night completed here must not be
    // done again), or to a journal it could not trust, is said once.
    if (!report.isEmpty())
        Messages::information(this, report);
}

QSize TMainForm::designedSize() const {
    // The buttons and the tabs take what their captions need in the window's font; the
    // caption right of the buttons takes only what is left.
    const int width = std::max(
        {kDesignedWidth, buttonPanel_->sizeHint().width(), bottomTab_->sizeHint().width()});
    return {width, kDesignedHeight};
}

void TMainForm::applyStoredSize() {
    const pny::YearsHeader& header = store_->header;
    QSize size = this->size();
    if (pny::toNumber(header.height) > 0)
        size.setHeight(pny::toNumber(header.height));
    if (pny::toNumber(header.width) > 0)
        size.setWidth(pny::toNumber(header.width));
    // A size stored on a larger screen, or at another scale, is cut to this screen, so that the
    // whole window with its frame shows; the window is then placed on the screen.
    const QScreen* screen = this->screen();
    if (!screen) {
        resize(size);
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - this->size();
    size = size.boundedTo(available.size() - frame);
    resize(size);
    QRect placed(QPoint(0, 0), size + frame);
    placed.moveCenter(available.center());
    placed.moveTopLeft(
        QPoint(std::max(placed.left(), available.left()), std::max(placed.top(), available.top())));
    move(placed.topLeft());
}

void TMainForm::rememberSize() {
    // Only the normal size is remembered, so the next start restores the last normal size.
    QSize size = this->size();
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
        if (!store_->header.width.empty() || !normalGeometry().isValid())
            return;
        size = normalGeometry().size();
    }
    store_->header.height = pny::numberText(size.height()).substr(0, 5);
    store_->header.width = pny::numberText(size.width()).substr(0, 5);
}

void TMainForm::setSampleSeason(const QString& path) {
    sampleSeason_ = path;
    if (startGuide_)
        updateStartGuide();
}

void TMainForm::updateStartGuide() {
    bool noSeason = true;
    for (int i = 1; i < store_->years.size() && noSeason; ++i)
        noSeason = !pny::YearRecord::parse(store_->years.line(i)).flag.empty();
    if (!noSeason) {
        if (startGuide_)
            startGuide_->hide();
        return;
    }
    if (!startGuide_) {
        startGuide_ = new TStartGuide(table_->viewport());
        connect(startGuide_, &TStartGuide::startSeason, this, &TMainForm::YearButtonClick);
        connect(startGuide_, &TStartGuide::openSample, this, &TMainForm::OpenSampleClick);
    }
    startGuide_->setSampleAvailable(!sampleSeason_.isEmpty() && QFileInfo::exists(sampleSeason_));
    const QRect area = table_->viewport()->rect();
    QSize size = startGuide_->sizeHint().boundedTo(area.size());
    size.setHeight(std::max(size.height(), startGuide_->heightForWidth(size.width())));
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(area.center());
    startGuide_->setGeometry(placed);
    startGuide_->show();
}

void TMainForm::OpenSampleClick() {
    if (importStatisticsFile(this, *store_, sampleSeason_, msgForm_))
        BuildHeaders();
    finishCommand();
}

void TMainForm::NextTabClick() {
    bottomTab_->setCurrentIndex((currentTab() + 1) % bottomTab_->count());
}

void TMainForm::PreviousTabClick() {
    bottomTab_->setCurrentIndex((currentTab() + bottomTab_->count() - 1) % bottomTab_->count());
}

QString TMainForm::tableFileName() const {
    const QString caption = pny::fromCodePage(grid_.caption).simplified();
    const QString tab = bottomTab_->tabText(currentTab());
    return caption.isEmpty() ? tab : caption + QLatin1Char(' ') + tab;
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
    gameLogItem_->setEnabled(pny::isPlayerTab(currentTab()) && states.notes);
    // The row of the current record is selected; moving there changes no record.
    if (grid.currentRow > 0 && states.focusColumn > 0) {
        table_->setCurrentCell(grid.currentRow - 1, states.focusColumn);
    } else if (grid.hasRecords()) {
        table_->setCurrentCell(0, 0);
    } else {
        table_->setCurrentCell(-1, -1);  // the one blank row is no record to select
    }
    if (!bottomTab_->hasFocus())
        table_->setFocus();
    building_ = false;
    updateStartGuide();
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
    rememberSize();
    if (startGuide_ && startGuide_->isVisible())
        updateStartGuide();
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
    selection().YearButtonClick();
    finishCommand();
}

void TMainForm::LeagueButtonClick() {
    selection().LeagueButtonClick();
    finishCommand();
}

void TMainForm::TeamButtonClick() {
    selection().TeamButtonClick();
    finishCommand();
}

void TMainForm::PlayerButtonClick() {
    selection().PlayerButtonClick();
    finishCommand();
}

void TMainForm::UpdateButtonClick() {
    // A missing item is asked for first; when it is still missing, no dialog opens.
    const int tab = currentTab();
    if (tab == 0) {
        if (!store_->hasTeam())
            selection().TeamButtonClick();
        if (store_->hasTeam() && teamForm().EnterTeamResult(*store_) != EntryResult::Cancelled) {
            RefreshTable();
        }
    } else if (tab >= 1 && tab <= 6) {
        if (!store_->hasPlayer())
            selection().PlayerButtonClick();
        if (store_->hasPlayer()) {
            const EntryResult result = playerForm().EnterPlayerStatistics(*store_);
            if (result != EntryResult::Cancelled)
                clearStatsCache();
            if (result == EntryResult::Rebuild)
                BuildHeaders();
            if (result == EntryResult::Refresh)
                RefreshTable();
        }
    } else {
        if (!store_->hasLeague())
            selection().LeagueButtonClick();
        if (store_->hasLeague() &&
            gameForm().EnterGame(*store_, listForm(), grid_.hasRecords()) != EntryResult::Cancelled)
            RefreshTable();
    }
    finishCommand();
}

void TMainForm::SetupButtonClick() {
    // Each tab has its own settings dialog; every one of them stores into the league.
    const int tab = currentTab();
    bool rebuild = false;
    if (tab == 0) {
        rebuild = setupForm().Execute(*store_);
        if (rebuild)
            clearStatsCache();  // the innings per game change every ERA
    } else if (tab >= 1 && tab <= 6) {
        rebuild = playerSortForm().Execute(*store_, tab, bottomTab_->tabText(tab));
    } else {
        rebuild = scheduleSortForm().Execute(*store_, listForm());
    }
    if (rebuild)
        BuildHeaders();
    finishCommand();
}
void TMainForm::NoteButtonClick() {
    runNoteCommand(*store_, currentTab(), radioNoteForm(), noteForm(), windowTitle(), this);
    finishCommand();
}
void TMainForm::FontButtonClick() {
    chooseTableFont(this, *store_, table_);
    finishCommand();
}
void TMainForm::PrintButtonClick() {
    printForm().PrintTable(table_, windowTitle(), tableFileName());
    finishCommand();
}
void TMainForm::BackupItemClick() {
    // A backup holds what the user sees: whatever is still in memory is saved first.
    if (!store_->saveAll()) {
        fileErrors_.append(QStringLiteral(
            "The backup did not start: your latest changes could not be saved, and a backup "
            "without them would not be what you see."));
        reportFileErrors();
        return;
    }
    backupForm().BackupAll(store_->dataFolder());
    finishCommand();
}
void TMainForm::ImportItemClick() {
    if (runImport(this, *store_, msgForm_))
        BuildHeaders();
    finishCommand();
}

void TMainForm::LeadersItemClick() {
    if (!store_->hasLeague())
        selection().LeagueButtonClick();
    // A double-clicked leader is shown in his team's row on a player tab.
    if (store_->hasLeague() && leadersForm().ShowLeaders(*store_)) {
        if (pny::isPlayerTab(currentTab()))
            RefreshTable();
        else
            bottomTab_->setCurrentIndex(pny::kFirstPlayerTab);
    }
    finishCommand();
}

void TMainForm::CareerItemClick() {
    if (!pny::isPlayerTab(currentTab()))
        return;
    if (!store_->hasPlayer())
        selection().PlayerButtonClick();
    if (store_->hasPlayer()) {
        auto* form = findChild<TCareerForm*>();
        (form ? form : new TCareerForm(this))
            ->ShowCareer(*store_, currentTab(), bottomTab_->tabText(currentTab()));
    }
    finishCommand();
}

void TMainForm::LinkPlayersItemClick() {
    auto* form = findChild<TLinkPlayersForm*>();
    (form ? form : new TLinkPlayersForm(this))->LinkPlayers(*store_);
    finishCommand();
}

void TMainForm::HistoryItemClick() {
    if (!store_->hasLeague())
        selection().LeagueButtonClick();
    if (store_->hasLeague()) {
        auto* form = findChild<THistoryForm*>();
        (form ? form : new THistoryForm(this))->ShowHistory(*store_);
    }
    finishCommand();
}

void TMainForm::PitchersItemClick() {
    if (!store_->hasLeague())
        selection().LeagueButtonClick();
    if (store_->hasLeague()) {
        auto* form = findChild<TEligiblePitchersForm*>();
        (form ? form : new TEligiblePitchersForm(this))->ShowPitchers(*store_);
    }
    finishCommand();
}

void TMainForm::BoxScoreItemClick() {
    if (!store_->hasLeague())
        selection().LeagueButtonClick();
    if (store_->hasLeague()) {
        EntryResult result = EntryResult::Cancelled;
        const int game = pny::toNumber(store_->league.currentGame);
        if (currentTab() == pny::kScheduleTab && grid_.hasRecords() && game > 0) {
            result = boxScoreForm().EnterGameNight(*store_, listForm(), game);
        } else {
            result = boxScoreForm().EnterNewNight(*store_, listForm());
        }
        if (result != EntryResult::Cancelled)
            nightChanged();
    }
    finishCommand();
}

void TMainForm::GameLogItemClick() {
    if (!pny::isPlayerTab(currentTab()) || !store_->hasPlayer())
        return;
    const int night = gameLogForm().ShowGameLog(*store_, pny::toNumber(store_->league.currentTeam),
                                                pny::toNumber(store_->team.currentPlayer));
    if (night > 0 &&
        boxScoreForm().CorrectNight(*store_, listForm(), night) != EntryResult::Cancelled) {
        nightChanged();
    }
    finishCommand();
}

void TMainForm::nightChanged() {
    // A night changes players' totals, the standings and a game's score.
    clearStatsCache();
    BuildHeaders();
}

void TMainForm::RosterItemClick() {
    if (!store_->hasTeam())
        selection().TeamButtonClick();
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
        selection().LeagueButtonClick();
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
    aboutForm().exec();
    finishCommand();
}

void TMainForm::SaveItemClick() {
    // Itself the commit a command ends with: a second one would only ask its questions again.
    commitTimer_->stop();
    store_->saveAll();
    reportFileErrors();
    table_->setFocus();
}

void TMainForm::ExportItemClick() {
    exportTable(this, *store_, grid_, currentTab() == 7, tableFileName());
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
    // Even a window never resized, on a first start, leaves its size in the years file.
    rememberSize();
    windowplacement::rememberMaximised(store_->dataFolder(), isMaximized());
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
    if (!bottomTab_->hasFocus())
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
