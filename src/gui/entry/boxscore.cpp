#include "entry/boxscore.h"

#include "common/dialogbutton.h"
#include "common/messages.h"
#include "entry/boxscoregrid.h"
#include "entry/groupcaptionbar.h"
#include "gamelog/boxscorewarnings.h"
#include "gamelog/gamelog.h"
#include "gamelog/nightentry.h"
#include "gamelog/scorerline.h"
#include "help/helpviewer.h"
#include "pitching/eligibility.h"
#include "pitching/pitchrulesfile.h"
#include "pitching/pitchsheet.h"
#include "common/recordpicker.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

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

QString groupCaption(pny::EntryGroup group) {
    switch (group) {
        case pny::EntryGroup::Offense:
            return QStringLiteral("Batting");
        case pny::EntryGroup::Pitching:
            return QStringLiteral("Pitching");
        case pny::EntryGroup::Defense:
            return QStringLiteral("Fielding");
        case pny::EntryGroup::Custom:
            return QStringLiteral("User");
    }
    return {};
}

// "yyyymmdd" as the sheet shows it.
QString dateText(const std::string& date) {
    const QDate day = QDate::fromString(QString::fromStdString(date), QStringLiteral("yyyyMMdd"));
    return day.isValid() ? day.toString(QStringLiteral("yyyy-MM-dd"))
                         : QString::fromStdString(date);
}

QString timeText(const std::string& time) {
    if (time.size() != 4)
        return QString::fromStdString(time);
    return QString::fromStdString(time.substr(0, 2) + ':' + time.substr(2, 2));
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
    nightLabel_ = new QLabel(this);
    nightLabel_->setObjectName(QStringLiteral("NightLabel"));
    nightLabel_->setTextFormat(Qt::PlainText);
    auto* top = new QHBoxLayout;
    top->addWidget(dateLabel);
    top->addWidget(dateEdit_);
    top->addSpacing(16);
    top->addWidget(nightLabel_, 1);

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

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(homePart, 1);
    layout->addWidget(awayPart, 1);
    layout->addLayout(buttons);

    const QList<QWidget*> keyboardOrder{
        dateEdit_,   home_.pickButton, home_.grid,    home_.score, away_.pickButton, away_.grid,
        away_.score, addButton_,       removeButton_, helpButton,  cancelButton};
    for (int i = 1; i < keyboardOrder.size(); ++i)
        setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);

    connect(addButton_, &QPushButton::clicked, this, &TBoxScoreForm::AddButtonClick);
    connect(removeButton_, &QPushButton::clicked, this, &TBoxScoreForm::RemoveButtonClick);
    connect(helpButton, &QPushButton::clicked, this, &TBoxScoreForm::HelpButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &TBoxScoreForm::reject);
    connect(home_.pickButton, &QPushButton::clicked, this, &TBoxScoreForm::HomeButtonClick);
    connect(away_.pickButton, &QPushButton::clicked, this, &TBoxScoreForm::AwayButtonClick);
    connect(dateEdit_, &QDateEdit::dateChanged, this, [this] { typed_ = true; });

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
    columns_ = pny::sheetColumns(pny::boxScoreColumns(store.league), pitchRules_.has_value());
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
    setWindowTitle(
        QStringLiteral("%1 %2 Box Score")
            .arg(pny::fromCodePage(store.year.number), pny::fromCodePage(store.league.name))
            .simplified());
    typed_ = false;
    updateSheet();
    if (free) {
        dateEdit_->setFocus();
    } else {
        home_.grid->setFocus();
        home_.grid->setCurrentCell(0, 0);
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
    } else if (game_ > 0) {
        what =
            QStringLiteral("The game of %1 at %2").arg(dateText(night.date), timeText(night.time));
    } else {
        what = QStringLiteral("A night not in the schedule: choose its date and both teams");
    }
    nightLabel_->setText(what);
}

void TBoxScoreForm::setTeam(TeamPart& part, int team, const std::vector<int>& keep) {
    part.team = team;
    part.rows.clear();
    if (store_ && store_->teams.isValidRecord(team)) {
        const pny::TeamRecord record = pny::TeamRecord::parse(store_->teams.line(team));
        part.name->setText(pny::fromCodePage(record.name));
        QString error;
        // A team whose players cannot be read shows none, after saying why.
        if (!pny::readBoxScoreRows(*store_, team, part.rows, error, keep))
            Messages::error(this, error);
    } else {
        part.team = 0;
        part.name->setText(QStringLiteral("(no team chosen)"));
    }
    QStringList rowCaptions;
    for (const pny::BoxScoreRow& row : part.rows) {
        rowCaptions << QStringLiteral("%1  %2").arg(pny::fromCodePage(row.number).trimmed(),
                                                    pny::fromCodePage(row.name));
    }
    QStringList columnCaptions;
    QList<GroupCaptionBar::Group> groups;
    for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
        const pny::BoxScoreColumn& column = columns_[static_cast<std::size_t>(c)];
        columnCaptions << pny::fromCodePage(column.caption);
        if (groups.isEmpty() || groups.last().caption != groupCaption(column.group)) {
            groups.append({c, 0, groupCaption(column.group)});
        }
        ++groups.last().columnCount;
    }
    part.grid->setShape(rowCaptions, columnCaptions);
    part.captions->setGroups(groups);
    // Both grids' columns line up under each other.
    int captionWidth = 0;
    for (const TeamPart* each : {&home_, &away_}) {
        each->grid->verticalHeader()->setMinimumWidth(0);
        each->grid->verticalHeader()->setMaximumWidth(QWIDGETSIZE_MAX);
        captionWidth = std::max(captionWidth, each->grid->verticalHeader()->sizeHint().width());
    }
    for (const TeamPart* each : {&home_, &away_})
        each->grid->verticalHeader()->setFixedWidth(captionWidth);
}

void TBoxScoreForm::fillLines(TeamPart& part, const pny::BoxScoreTeam& team) {
    for (const pny::BoxScoreLine& line : team.lines) {
        const auto row =
            std::find_if(part.rows.begin(), part.rows.end(),
                         [&](const pny::BoxScoreRow& r) { return r.player == line.player; });
        if (row == part.rows.end())
            continue;
        const int r = static_cast<int>(row - part.rows.begin());
        std::vector<std::string> cells;
        pny::scorerCells(columns_, line.values, cells);
        for (int c = 0; c < static_cast<int>(columns_.size()); ++c)
            part.grid->setCellText(r, c,
                                   QString::fromStdString(cells[static_cast<std::size_t>(c)]));
    }
}

pny::BoxScoreTeam TBoxScoreForm::typedTeam(const TeamPart& part,
                                           std::vector<int>* rowOfLine) const {
    pny::BoxScoreTeam team;
    team.team = part.team;
    for (int r = 0; r < part.grid->playerRows() && r < static_cast<int>(part.rows.size()); ++r) {
        pny::BoxScoreLine line;
        line.player = part.rows[static_cast<std::size_t>(r)].player;
        std::vector<std::string> cells;
        for (int c = 0; c < static_cast<int>(columns_.size()); ++c)
            cells.push_back(part.grid->cellText(r, c).toStdString());
        const pny::ScorerLine typed = pny::scorerLine(columns_, cells);
        if (!typed.typed)
            continue;
        line.values = typed.values;
        team.lines.push_back(line);
        if (rowOfLine)
            rowOfLine->push_back(r);
    }
    if (!part.score->text().isEmpty())
        team.score = part.score->text().toLongLong();
    return team;
}

pny::Night TBoxScoreForm::typedNight() const {
    pny::Night night;
    night.date = dateEdit_->date().toString(QStringLiteral("yyyyMMdd")).toStdString();
    night.time = time_;
    night.game = game_;
    night.home = typedTeam(home_, nullptr);
    night.away = typedTeam(away_, nullptr);
    return night;
}

void TBoxScoreForm::markTyped() {
    typed_ = true;
    updateSheet();
}

void TBoxScoreForm::updateSheet() {
    pny::Night night = typedNight();
    std::vector<int> homeRows;
    std::vector<int> awayRows;
    night.home = typedTeam(home_, &homeRows);
    night.away = typedTeam(away_, &awayRows);
    for (const auto& [part, team] :
         {std::pair<TeamPart*, const pny::BoxScoreTeam*>{&home_, &night.home},
          std::pair<TeamPart*, const pny::BoxScoreTeam*>{&away_, &night.away}}) {
        const pny::StatValues totals = pny::boxScoreTotals(team->lines);
        QStringList texts;
        for (const pny::BoxScoreColumn& column : columns_)
            texts << QString::fromStdString(pny::totalsCell(column, totals));
        part->grid->setTotals(texts);
    }

    std::vector<pny::BoxScoreWarning> warnings;
    if (store_ && home_.team > 0 && away_.team > 0)
        warnings = pny::boxScoreWarnings(*store_, night);
    if (store_ && pitchRules_ && home_.team > 0 && away_.team > 0) {
        // Under the team's grid: the text names the pitcher.
        for (const pny::PitchWarning& pitch :
             pny::pitchWarnings(*store_, pitchLog_, *pitchRules_, night, night_)) {
            warnings.push_back(
                {pny::BoxScoreProblem::PitchCount, pitch.team == night.home.team, -1, pitch.text});
        }
    }
    for (TeamPart* part : {&home_, &away_}) {
        const std::vector<int>& rowOfLine = part == &home_ ? homeRows : awayRows;
        QStringList strip;
        QList<QString> rowTexts(part->grid->playerRows());
        for (const pny::BoxScoreWarning& warning : warnings) {
            if (warning.home != (part == &home_))
                continue;
            const bool onRow =
                warning.line >= 0 && warning.line < static_cast<int>(rowOfLine.size());
            if (!onRow) {
                strip << warning.text;
                continue;
            }
            const int row = rowOfLine[static_cast<std::size_t>(warning.line)];
            QString& text = rowTexts[row];
            text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + warning.text;
            // Under the grid the warning names its player.
            strip << part->grid->verticalHeaderItem(row)->text().simplified() +
                         QStringLiteral(": ") + warning.text;
        }
        for (int r = 0; r < part->grid->playerRows(); ++r)
            part->grid->setRowWarning(r, rowTexts.at(r));
        part->warnings->setText(strip.join(QLatin1Char('\n')));
        part->warnings->setVisible(!strip.isEmpty());
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
    const pny::Night night = typedNight();
    const pny::NightOutcome outcome =
        night_ > 0 ? pny::changeNight(*store_, night_, night) : pny::addNight(*store_, night);
    if (!outcome.accepted) {
        // Nothing was changed: the sheet stays open for a correction.
        Messages::error(this, outcome.refusal);
        return;
    }
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
    const pny::NightOutcome outcome = pny::removeNight(*store_, night_);
    if (!outcome.accepted) {
        Messages::error(this, outcome.refusal);
        return;
    }
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
