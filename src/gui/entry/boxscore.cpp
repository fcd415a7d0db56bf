#include "entry/boxscore.h"

#include "common/dialogbutton.h"
#include "common/messages.h"
#include "entry/boxscoregrid.h"
#include "entry/groupcaptionbar.h"
#include "gamelog/boxscorewarnings.h"
#include "gamelog/gamelog.h"
#include "gamelog/nightentry.h"
#include "gamelog/nightnames.h"
#include "gamelog/scorerline.h"
#include "gamelog/sheetchoice.h"
#include "entry/sheetcolumns.h"
#include "help/helpviewer.h"
#include "pitching/eligibility.h"
#include "pitching/pitchrulesfile.h"
#include "pitching/pitchsheet.h"
#include "common/recordpicker.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// "yyyymmdd" as the sheet shows it.
QString dateText(const std::string& date) {
    const QDate day = QDate::fromString(QString::fromStdString(date), QStringLiteral("yyyyMMdd"));
    return day.isValid() ? day.toString(QStringLiteral("yyyy-MM-dd"))
                         : QString::fromStdString(date);
}

}  // namespace

TBoxScoreForm::TBoxScoreForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BoxScoreForm"));
    setModal(true);
    setSizeGripEnabled(true);
    setWindowTitle(QStringLiteral("Box Score"));

    dateEdit_ = new QDateEdit(this);
    dateEdit_->setObjectName(QStringLiteral("DateEdit"));
    dateEdit_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateEdit_->setCalendarPopup(true);
    auto* dateLabel = new QLabel(QStringLiteral("&Date"), this);
    dateLabel->setBuddy(dateEdit_);
    captionLabel_ = new QLabel(this);
    captionLabel_->setObjectName(QStringLiteral("CaptionLabel"));
    captionLabel_->setTextFormat(Qt::PlainText);
    QFont large = captionLabel_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.2);
    captionLabel_->setFont(large);
    nightLabel_ = new QLabel(this);
    nightLabel_->setObjectName(QStringLiteral("NightLabel"));
    nightLabel_->setTextFormat(Qt::PlainText);
    allStatisticsCheck_ = new QCheckBox(QStringLiteral("All &statistics"), this);
    allStatisticsCheck_->setObjectName(QStringLiteral("AllStatisticsCheck"));
    allStatisticsCheck_->setToolTip(
        QStringLiteral("Every stored statistic (PA, 1B, IP and thirds...) in place of the box "
                       "score columns"));
    auto* top = new QHBoxLayout;
    top->addWidget(dateLabel);
    top->addWidget(dateEdit_);
    top->addSpacing(16);
    top->addWidget(nightLabel_, 1);
    top->addWidget(allStatisticsCheck_);
    columnsButton_ = dialogButton(this, QStringLiteral("ColumnsButton"),
                                  QStringLiteral("C&olumns..."), QStyle::SP_FileDialogDetailedView);
    columnsButton_->setToolTip(QStringLiteral("The columns this league's box scores show"));
    top->addWidget(columnsButton_);

    QWidget* homePart =
        buildTeamPart(home_, QStringLiteral("Home"), QStringLiteral("&Home Team..."));
    QWidget* awayPart =
        buildTeamPart(away_, QStringLiteral("Away"), QStringLiteral("A&way Team..."));

    addButton_ = dialogButton(this, QStringLiteral("AddButton"), QStringLiteral("&Add to Season"),
                              QStyle::SP_DialogApplyButton);
    addButton_->setToolTip(QStringLiteral("Ctrl+Enter"));
    removeButton_ = dialogButton(this, QStringLiteral("RemoveButton"),
                                 QStringLiteral("&Remove Night"), QStyle::SP_TrashIcon);
    auto* helpButton = dialogButton(this, QStringLiteral("HelpButton"), QStringLiteral("Help"),
                                    QStyle::SP_DialogHelpButton);
    auto* cancelButton = dialogButton(this, QStringLiteral("CancelButton"),
                                      QStringLiteral("&Cancel"), QStyle::SP_DialogCancelButton);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(removeButton_);
    buttons->addStretch(1);
    buttons->addWidget(helpButton);
    buttons->addWidget(cancelButton);

    // The visitors first, as a box score has them: they bat first.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(captionLabel_);
    layout->addLayout(top);
    layout->addWidget(awayPart, 1);
    layout->addWidget(homePart, 1);
    layout->addLayout(buttons);

    const QList<QWidget*> keyboardOrder{dateEdit_,     allStatisticsCheck_, away_.pickButton,
                                        away_.grid,    away_.score,         home_.pickButton,
                                        home_.grid,    home_.score,         addButton_,
                                        removeButton_, helpButton,          cancelButton};
    for (int i = 1; i < keyboardOrder.size(); ++i)
        setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);

    connect(addButton_, &QPushButton::clicked, this, &TBoxScoreForm::AddButtonClick);
    connect(removeButton_, &QPushButton::clicked, this, &TBoxScoreForm::RemoveButtonClick);
    connect(helpButton, &QPushButton::clicked, this, &TBoxScoreForm::HelpButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &TBoxScoreForm::reject);
    connect(home_.pickButton, &QPushButton::clicked, this, &TBoxScoreForm::HomeButtonClick);
    connect(away_.pickButton, &QPushButton::clicked, this, &TBoxScoreForm::AwayButtonClick);
    connect(dateEdit_, &QDateEdit::dateChanged, this, [this] {
        typed_ = true;
        showHeading(typedNight());
    });
    connect(allStatisticsCheck_, &QCheckBox::clicked, this, &TBoxScoreForm::AllStatisticsClick);
    connect(columnsButton_, &QPushButton::clicked, this, &TBoxScoreForm::ColumnsButtonClick);
    // Enter in a team's runs goes on, as it does from a grid's last row.
    home_.score->installEventFilter(this);
    away_.score->installEventFilter(this);

    // Room for two teams of a dozen players on a 1280 by 800 screen.
    QSize size(1240, 740);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(20, 40));
    resize(size);
}

QWidget* TBoxScoreForm::buildTeamPart(TeamPart& part, const QString& prefix,
                                      const QString& caption) {
    auto* box = new QWidget(this);
    box->setObjectName(prefix + QStringLiteral("Part"));
    part.pickButton = dialogButton(this, prefix + QStringLiteral("Button"), caption,
                                   QStyle::SP_FileDialogListView);
    part.name = new QLabel(box);
    part.name->setObjectName(prefix + QStringLiteral("Name"));
    part.name->setTextFormat(Qt::PlainText);
    QFont bold = part.name->font();
    bold.setBold(true);
    part.name->setFont(bold);
    part.grid = new BoxScoreGrid(box);
    part.grid->setObjectName(prefix + QStringLiteral("Grid"));
    part.captions = new GroupCaptionBar(part.grid, box);
    part.captions->setObjectName(prefix + QStringLiteral("Captions"));
    part.warnings = new QLabel(box);
    part.warnings->setObjectName(prefix + QStringLiteral("Warnings"));
    part.warnings->setTextFormat(Qt::PlainText);
    part.warnings->setWordWrap(true);
    part.warnings->setStyleSheet(QStringLiteral("color: #a00000;"));
    part.score = new QLineEdit(box);
    part.score->setObjectName(prefix + QStringLiteral("Score"));
    part.score->setMaxLength(3);
    part.score->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[0-9]{0,3}$")), part.score));
    part.score->setFixedWidth(part.score->fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                              16);
    auto* scoreLabel = new QLabel(prefix + QStringLiteral(" team's runs"), box);
    scoreLabel->setBuddy(part.score);
    part.warnings->hide();

    // The runs stand beside the team's name; Tab reaches them from the grid's last cell.
    auto* head = new QHBoxLayout;
    head->addWidget(part.pickButton);
    head->addWidget(part.name, 1);
    head->addWidget(scoreLabel);
    head->addWidget(part.score);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(head);
    layout->addWidget(part.captions);
    layout->addWidget(part.grid, 1);
    layout->addWidget(part.warnings);

    connect(part.grid, &BoxScoreGrid::cellsEdited, this, &TBoxScoreForm::markTyped);
    connect(part.grid, &BoxScoreGrid::passedLastRow, this, [&part] {
        part.score->setFocus();
        part.score->selectAll();
    });
    connect(part.score, &QLineEdit::textEdited, this, &TBoxScoreForm::markTyped);
    return box;
}

bool TBoxScoreForm::begin(pny::Store& store) {
    store_ = &store;
    night_ = 0;
    game_ = 0;
    if (!store.ensureTeams())
        return false;
    // A league with pitch rules types NP and S in place of ST and BT, and is warned of pitchers
    // who may not pitch.
    QString error;
    if (!pny::readPitchRules(pny::pitchRulesPath(store), pitchRules_, error))
        Messages::error(parentWidget(), error);
    pitchLog_ = pny::GameLog();
    if (pitchRules_ && !pitchLog_.read(store, error))
        pitchLog_ = pny::GameLog();
    store.ensureFields();
    // The league's own choice of columns, else a printed box score's.
    std::optional<std::vector<std::string>> chosen;
    if (!pny::readSheetColumns(pny::sheetColumnsPath(store), chosen, error))
        Messages::error(parentWidget(), error);
    scorerColumns_ =
        pny::chosenSheetColumns(pny::scorerColumns(store.league), chosen,
                                pny::defaultScorerColumns(store.league, pitchRules_.has_value()));
    columns_ = scorerColumns_;
    allStatisticsCheck_->setChecked(false);
    return true;
}

EntryResult TBoxScoreForm::EnterGameNight(pny::Store& store, RecordPicker& listForm, int game) {
    if (!begin(store) || !store.ensureGames() || !store.games.isValidRecord(game))
        return EntryResult::Cancelled;
    pny::GameLog log;
    QString error;
    if (!log.read(store, error)) {
        Messages::error(parentWidget(), error);
        return EntryResult::Cancelled;
    }
    const pny::GameRecord record = pny::GameRecord::parse(store.games.line(game));
    const int home = pny::toNumber(record.home);
    const int away = pny::toNumber(record.away);
    if (!store.teams.isValidRecord(home) || !store.teams.isValidRecord(away) || home == away) {
        Messages::error(parentWidget(),
                        QStringLiteral("This game needs a home team and an away team before its "
                                       "box score can be typed: choose them with Update."));
        return EntryResult::Cancelled;
    }
    night_ = pny::nightOfGame(log, game);
    if (night_ > 0) {
        if (const std::optional<pny::Night> night = pny::nightOf(log, night_)) {
            showNight(*night);
            return run(store, listForm);
        }
        night_ = 0;
    }
    pny::Night night;
    night.date = record.date;
    night.time = record.time;
    night.game = game;
    night.home.team = home;
    night.away.team = away;
    // Scores typed earlier in the game dialog are offered; they count once the night is added.
    if (!record.homeScore.empty() && !record.awayScore.empty()) {
        night.home.score = pny::toNumber(record.homeScore);
        night.away.score = pny::toNumber(record.awayScore);
    }
    showNight(night);
    return run(store, listForm);
}

EntryResult TBoxScoreForm::EnterNewNight(pny::Store& store, RecordPicker& listForm) {
    if (!begin(store))
        return EntryResult::Cancelled;
    pny::Night night;
    night.date = QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString();
    showNight(night);
    return run(store, listForm);
}

EntryResult TBoxScoreForm::CorrectNight(pny::Store& store, RecordPicker& listForm, int night) {
    if (!begin(store))
        return EntryResult::Cancelled;
    pny::GameLog log;
    QString error;
    if (!log.read(store, error)) {
        Messages::error(parentWidget(), error);
        return EntryResult::Cancelled;
    }
    const std::optional<pny::Night> past = pny::nightOf(log, night);
    if (!past) {
        Messages::error(parentWidget(),
                        QStringLiteral("This night was removed from the season; there is nothing "
                                       "to correct."));
        return EntryResult::Cancelled;
    }
    night_ = night;
    showNight(*past);
    return run(store, listForm);
}

EntryResult TBoxScoreForm::run(pny::Store& store, RecordPicker& listForm) {
    store_ = &store;
    listForm_ = &listForm;
    // A night of the schedule or of the log keeps its date and teams.
    const bool free = game_ == 0 && night_ == 0;
    dateEdit_->setEnabled(free);
    home_.pickButton->setVisible(free);
    away_.pickButton->setVisible(free);
    removeButton_->setVisible(night_ > 0);
    typed_ = false;
    doneText_.clear();
    doneGame_ = 0;
    updateSheet();
    showHeading(typedNight());
    if (free) {
        dateEdit_->setFocus();
    } else {
        away_.grid->setFocus();
        away_.grid->setCurrentCell(0, 0);
    }
    const int result = exec();
    store_ = nullptr;
    listForm_ = nullptr;
    return result == QDialog::Accepted ? EntryResult::Refresh : EntryResult::Cancelled;
}

void TBoxScoreForm::showNight(const pny::Night& night) {
    game_ = night.game;
    time_ = night.time;
    {
        const QSignalBlocker blocker(dateEdit_);
        const QDate date =
            QDate::fromString(QString::fromStdString(night.date), QStringLiteral("yyyyMMdd"));
        dateEdit_->setDate(date.isValid() ? date : QDate::currentDate());
    }
    // A past night opens in the box score columns when they show every line of it exactly, and
    // else with all statistics, so that nothing it holds is hidden.
    columns_ = scorerColumns_;
    bool shown = true;
    for (const pny::BoxScoreTeam* team : {&night.home, &night.away}) {
        for (const pny::BoxScoreLine& line : team->lines) {
            std::vector<std::string> cells;
            shown = shown && pny::scorerCells(columns_, line.values, cells);
        }
    }
    if (!shown)
        columns_ = allColumns();
    allStatisticsCheck_->setChecked(!shown);
    for (const auto& [part, team] :
         {std::pair<TeamPart*, const pny::BoxScoreTeam*>{&home_, &night.home},
          std::pair<TeamPart*, const pny::BoxScoreTeam*>{&away_, &night.away}}) {
        std::vector<int> keep;
        for (const pny::BoxScoreLine& line : team->lines)
            keep.push_back(line.player);
        setTeam(*part, team->team, keep);
        fillLines(*part, *team);
        part->score->setText(team->score ? QString::number(*team->score) : QString());
    }
    QString what;
    if (night_ > 0) {
        what = QStringLiteral("Correcting the night of %1").arg(dateText(night.date));
        if (!shown)
            what += QStringLiteral(" (it holds statistics the box score columns do not show)");
    } else if (game_ == 0) {
        what = QStringLiteral("A night not in the schedule: choose its date and both teams");
    }
    // A new night of the schedule needs no words: the caption names its game.
    nightLabel_->setText(what);
}

void TBoxScoreForm::showHeading(const pny::Night& night) {
    QString heading = QStringLiteral("Box Score");
    if (store_ && night.home.team > 0 && night.away.team > 0)
        heading += QStringLiteral(": ") + pny::nightHeading(*store_, night);
    setWindowTitle(heading);
    captionLabel_->setText(heading);
}

std::vector<pny::BoxScoreColumn> TBoxScoreForm::allColumns() const {
    return store_ ? pny::sheetColumns(pny::boxScoreColumns(store_->league), pitchRules_.has_value())
                  : std::vector<pny::BoxScoreColumn>();
}

void TBoxScoreForm::ColumnsButtonClick() {
    if (!store_)
        return;
    const auto namesOf = [](const std::vector<pny::BoxScoreColumn>& columns) {
        std::vector<std::string> names;
        for (const pny::BoxScoreColumn& column : columns)
            names.push_back(column.name);
        return names;
    };
    const std::vector<pny::BoxScoreColumn> available = pny::scorerColumns(store_->league);
    const std::vector<pny::BoxScoreColumn> defaults =
        pny::defaultScorerColumns(store_->league, pitchRules_.has_value());
    const std::optional<std::vector<std::string>> chosen =
        ChooseColumns(available, namesOf(scorerColumns_), namesOf(defaults), this);
    if (!chosen)
        return;
    QString error;
    if (!pny::writeSheetColumns(pny::sheetColumnsPath(*store_),
                                pny::sheetChoiceToKeep(*chosen, namesOf(defaults)), error)) {
        Messages::error(this, error);
        return;
    }
    scorerColumns_ = pny::chosenSheetColumns(available, chosen, defaults);
    if (allStatisticsCheck_->isChecked())
        return;
    QString reason;
    if (!showColumns(scorerColumns_, reason)) {
        // What was typed stays: shown with every statistic until it fits the new columns.
        showColumns(allColumns(), error);
        allStatisticsCheck_->setChecked(true);
        Messages::error(this, reason);
    }
}

void TBoxScoreForm::AllStatisticsClick() {
    const bool all = allStatisticsCheck_->isChecked();
    QString reason;
    if (!showColumns(all ? allColumns() : scorerColumns_, reason)) {
        allStatisticsCheck_->setChecked(!all);
        Messages::error(this, reason);
    }
}

bool TBoxScoreForm::hasTypedSomething() const {
    return home_.grid->hasTypedCells() || away_.grid->hasTypedCells() ||
           !home_.score->text().isEmpty() || !away_.score->text().isEmpty();
}

bool TBoxScoreForm::checkBeforeAdding() {
    if (home_.team <= 0 || away_.team <= 0) {
        Messages::error(this, QStringLiteral("Choose the home team and the away team first."));
        return false;
    }
    if (home_.team == away_.team) {
        Messages::error(this, QStringLiteral("The home team and the away team are the same team: "
                                             "choose two teams."));
        return false;
    }
    // A new night needs something in it; a corrected one may be emptied.
    if (night_ == 0 && !hasTypedSomething()) {
        Messages::error(this, QStringLiteral("Nothing was typed: type the night's numbers or its "
                                             "score first."));
        return false;
    }
    return true;
}

void TBoxScoreForm::AddButtonClick() {
    if (!store_)
        return;
    home_.grid->finishEditing();
    away_.grid->finishEditing();
    if (!checkBeforeAdding())
        return;
    const QString problem = firstLineProblem();
    if (!problem.isEmpty()) {
        Messages::error(this, QStringLiteral("Nothing was added: %1.").arg(problem));
        return;
    }
    const pny::Night night = typedNight();
    const pny::NightOutcome outcome =
        night_ > 0 ? pny::changeNight(*store_, night_, night) : pny::addNight(*store_, night);
    if (!outcome.accepted) {
        // Nothing was changed: the sheet stays open for a correction.
        Messages::error(this, outcome.refusal);
        return;
    }
    doneText_ = (night_ > 0 ? QStringLiteral("Corrected: ") : QStringLiteral("Added: ")) +
                pny::nightSummary(*store_, night);
    doneGame_ = night.game;
    typed_ = false;
    accept();
}

void TBoxScoreForm::RemoveButtonClick() {
    if (!store_ || night_ <= 0)
        return;
    if (!Messages::question(this, QStringLiteral("Remove this night from the season? Every "
                                                 "total, result and score it added is taken "
                                                 "back.")))
        return;
    const pny::Night night = typedNight();
    const pny::NightOutcome outcome = pny::removeNight(*store_, night_);
    if (!outcome.accepted) {
        Messages::error(this, outcome.refusal);
        return;
    }
    doneText_ = QStringLiteral("Removed: ") + pny::nightSummary(*store_, night);
    doneGame_ = night.game;
    typed_ = false;
    accept();
}

void TBoxScoreForm::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Enter adds the night from wherever the focus is; the grids and boxes pass it on.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ControlModifier)) {
        AddButtonClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TBoxScoreForm::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == home_.score || watched == away_.score) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && key->modifiers() == Qt::NoModifier) {
            // On to the other team's grid, or from the last team's runs to Add to Season.
            if (watched == away_.score) {
                home_.grid->setFocus();
            } else {
                addButton_->setFocus();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TBoxScoreForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Box_Score"));
}

void TBoxScoreForm::HomeButtonClick() {
    pickTeam(home_);
}

void TBoxScoreForm::AwayButtonClick() {
    pickTeam(away_);
}

void TBoxScoreForm::pickTeam(TeamPart& part) {
    if (!store_ || !listForm_)
        return;
    if (part.grid->hasTypedCells() &&
        !Messages::question(this, QStringLiteral("Another team takes the place of %1, and the "
                                                 "numbers typed for it are dropped. Go on?")
                                      .arg(part.name->text())))
        return;
    bool changed = false;
    const std::string chosen = listForm_->pickRecord(
        store_->teams, "Team", part.team > 0 ? pny::numberText(part.team) : std::string(), changed);
    if (changed)
        store_->changed.teams = true;
    const int team = pny::toNumber(chosen);
    if (team != part.team) {
        setTeam(part, team);
        typed_ = true;
        updateSheet();
        showHeading(typedNight());
    }
    part.grid->setFocus();
}

void TBoxScoreForm::reject() {
    home_.grid->finishEditing();
    away_.grid->finishEditing();
    if (typed_ && hasTypedSomething() &&
        !Messages::question(this, QStringLiteral("Close the box score and drop the numbers you "
                                                 "typed?")))
        return;
    typed_ = false;
    QDialog::reject();
}
