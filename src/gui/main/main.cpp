#include "main/main.h"

#include "common/exporttable.h"
#include "common/icons.h"
#include "common/messages.h"
#include "help/helpviewer.h"
#include "main/about.h"
#include "main/buttonpanel.h"
#include "main/commitcycle.h"
#include "main/confirmation.h"
#include "main/entrycommands.h"
#include "main/list.h"
#include "main/maintable.h"
#include "main/msg.h"
#include "main/name.h"
#include "main/reportcommands.h"
#include "main/savequestions.h"
#include "main/seasonfilecommands.h"
#include "main/selection.h"
#include "main/setupcommands.h"
#include "main/startguide.h"
#include "main/windowplacement.h"
#include "notes/notes.h"
#include "print/print.h"
#include "store/codepage.h"
#include "store/filecommit.h"
#include "store/linecodec.h"
#include "views/catalogues.h"
#include "views/fontchooser.h"
#include "views/tableview.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
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

}  // namespace

TMainForm::TMainForm(const QString& dataFolder, QWidget* parent)
    : QWidget(parent),
      store_(std::make_unique<pny::Store>(dataFolder)),
      selection_([this] { return makeSelection(); }),
      entry_([this] {
          return std::make_unique<EntryCommands>(commandHost(),
                                                 [this]() -> TNoteForm& { return noteForm(); });
      }),
      reports_([this] { return std::make_unique<ReportCommands>(commandHost()); }),
      seasonFiles_([this] {
          return std::make_unique<SeasonFileCommands>(
              commandHost(), [this](const QString& message) { commits_->addError(message); });
      }),
      setup_([this] { return std::make_unique<SetupCommands>(commandHost()); }) {
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
    layout->addWidget(confirmation_ = new ConfirmationLine(table_, this));
    layout->addWidget(bottomTab_);

    createShortcuts();

    // The progress window shows while the first table is built, so it is made at once; the
    // other dialogs wait for their first use.
    msgForm_ = new TMsgForm(this);

    commits_ = std::make_unique<CommitCycle>(*store_, this);
    store_->onFileError = [this](const QString& message) { commits_->addError(message); };
    store_->onConflict = [this](const QStringList& files) {
        const auto choice = savequestions::askOnConflict(this, files);
        // What the table shows came from the files dropped: built again once the commit is over.
        if (choice == pny::Store::ConflictChoice::ReloadTheirs) {
            confirmation_->dismiss();  // what the command did is dropped with our files
            QTimer::singleShot(0, this, [this] {
                clearStatsCache();
                BuildHeaders();
            });
        }
        return choice;
    };
    store_->onLeagueRead = [this](const pny::LeagueRecord& league) {
        maintable::applyLeagueFont(*table_, league);
    };

    setSampleSeason(QDir(QCoreApplication::applicationDirPath())
                        .filePath(QStringLiteral("examples/Riverbend.PZS")));
    resize(designedSize());
}

TMainForm::~TMainForm() = default;

TAboutForm& TMainForm::aboutForm() {
    return madeOnFirstUse(aboutForm_, [this] { return new TAboutForm(this); });
}
TListForm& TMainForm::listForm() {
    return madeOnFirstUse(listForm_, [this] {
        auto* form = new TListForm(nameForm(), this);
        form->setMainWindow(this);
        return form;
    });
}
TNameForm& TMainForm::nameForm() {
    return madeOnFirstUse(nameForm_, [this] { return new TNameForm(this); });
}
TNoteForm& TMainForm::noteForm() {
    return madeOnFirstUse(noteForm_, [this] { return new TNoteForm(this); });
}
TPrintForm& TMainForm::printForm() {
    return madeOnFirstUse(printForm_, [this] { return new TPrintForm(this); });
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

CommandHost TMainForm::commandHost() {
    CommandHost host(*store_);
    host.window = this;
    host.listForm = [this]() -> TListForm& { return listForm(); };
    host.progress = msgForm_;
    host.askLeague = [this] { selection().LeagueButtonClick(); };
    host.askTeam = [this] { selection().TeamButtonClick(); };
    host.askPlayer = [this] { selection().PlayerButtonClick(); };
    host.currentTab = [this] { return currentTab(); };
    host.tabCaption = [this](int tab) { return bottomTab_->tabText(tab); };
    host.showTab = [this](int tab) { bottomTab_->setCurrentIndex(tab); };
    host.grid = [this]() -> const pny::ViewGrid& { return grid_; };
    host.buildHeaders = [this] { BuildHeaders(); };
    host.refreshTable = [this] { RefreshTable(); };
    host.clearStatsCache = [this] { clearStatsCache(); };
    host.confirm = [this](const QString& text) { confirmation_->confirm(text); };
    return host;
}

QToolButton* TMainForm::addButton(const QString& name, const QString& caption, const QString& icon,
                                  int width, void (TMainForm::*slot)()) {
    auto* button = buttonpanel::addButton(buttonPanel_, name, caption, icon, width);
    connect(button, &QToolButton::clicked, this, slot);
    return button;
}

void TMainForm::createButtonPanel() {
    buttonPanel_ = buttonpanel::make(this);
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

    buttonpanel::addCaption(buttonPanel_);
}

void TMainForm::createTable() {
    table_ = maintable::make(this);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { UpdateButtonClick(); });
    connect(table_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { TableSelectCell(row, column); });
    connect(table_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMenu_->popup(table_->viewport()->mapToGlobal(at)); });
}

void TMainForm::createBottomTab() {
    bottomTab_ = maintable::makeTabRow(this);
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
        commits_->addError(error);
    store_->loadYears();
    windowplacement::applyStoredSize(*this, store_->header);
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
    startGuide_->placeOver(table_->viewport()->rect());
    startGuide_->show();
}

void TMainForm::OpenSampleClick() {
    seasonFiles_->OpenSampleClick(sampleSeason_);
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
    maintable::fill(*table_, grid);
    // Until a year and league are chosen the caption would be blank: keep the program's name.
    const QString caption = pny::fromCodePage(grid.caption);
    setWindowTitle(caption.trimmed().isEmpty() ? QStringLiteral("Pennantry") : caption);
    maintable::sizeColumns(*table_, grid_);

    const pny::CommandStates states = pny::commandStates(*store_, grid);
    setupButton_->setEnabled(states.setup);
    fontButton_->setEnabled(states.font);
    updateButton_->setEnabled(states.update);
    noteButton_->setEnabled(states.notes);
    printButton_->setEnabled(states.print);
    gameLogItem_->setEnabled(pny::isPlayerTab(currentTab()) && states.notes);
    // The row of the current record is selected; moving there changes no record.
    maintable::selectCurrentRow(*table_, grid, states.focusColumn);
    if (!bottomTab_->hasFocus())
        table_->setFocus();
    building_ = false;
    updateStartGuide();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    maintable::sizeColumns(*table_, grid_);
    windowplacement::rememberSize(*this, store_->header);
    if (startGuide_ && startGuide_->isVisible())
        updateStartGuide();
}

void TMainForm::TableSelectCell(int row, int /*column*/) {
    // The record is the highlighted row's wherever the cursor sits in it, the key column
    // included (Ctrl+Home and the arrows move along it); only the table's own filling moves the
    // cursor without choosing a record.
    if (building_ || row < 0)
        return;
    const QTableWidgetItem* key = table_->item(row, 0);
    if (!key || key->text().isEmpty())
        return;
    pny::selectRecord(*store_, currentTab(), key->text().toStdString());
    commits_->commitSoon();
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
    entry_->UpdateButtonClick();
    finishCommand();
}

void TMainForm::SetupButtonClick() {
    setup_->SetupButtonClick();
    finishCommand();
}

void TMainForm::NoteButtonClick() {
    entry_->NoteButtonClick();
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
    if (!seasonFiles_->BackupItemClick()) {
        commits_->reportErrors();
        return;
    }
    finishCommand();
}

void TMainForm::ImportItemClick() {
    seasonFiles_->ImportItemClick();
    finishCommand();
}

void TMainForm::LeadersItemClick() {
    reports_->LeadersItemClick();
    finishCommand();
}

void TMainForm::CareerItemClick() {
    if (reports_->CareerItemClick())
        finishCommand();
}

void TMainForm::LinkPlayersItemClick() {
    seasonFiles_->LinkPlayersItemClick();
    finishCommand();
}

void TMainForm::HistoryItemClick() {
    reports_->HistoryItemClick();
    finishCommand();
}

void TMainForm::PitchersItemClick() {
    reports_->PitchersItemClick();
    finishCommand();
}

void TMainForm::BoxScoreItemClick() {
    entry_->BoxScoreItemClick();
    finishCommand();
}

void TMainForm::GameLogItemClick() {
    if (entry_->GameLogItemClick())
        finishCommand();
}

void TMainForm::RosterItemClick() {
    seasonFiles_->RosterItemClick();
    finishCommand();
}

void TMainForm::PublishItemClick() {
    seasonFiles_->PublishItemClick();
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
    commits_->saveNow();
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
    windowplacement::rememberSize(*this, store_->header);
    windowplacement::rememberMaximised(store_->dataFolder(), isMaximized());
    return commits_->saveBeforeClosing();
}

void TMainForm::finishCommand() {
    confirmation_->commandEnded(commits_->commit());
    commits_->reportErrors();
    if (!bottomTab_->hasFocus())
        table_->setFocus();
}

void TMainForm::clearStatsCache() {
    viewState_.clearStatsCache();
}
