// The box score sheet's team parts: the grids' rows and columns, the lines as typed, the totals
// and the warnings.
#include "entry/boxscore.h"

#include "common/messages.h"
#include "entry/boxscoregrid.h"
#include "entry/groupcaptionbar.h"
#include "gamelog/boxscorewarnings.h"
#include "gamelog/scorerline.h"
#include "pitching/eligibility.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

// The letter that goes to a part of a row; the user columns belong to batting.
QChar partLetter(pny::EntryGroup group) {
    switch (group) {
        case pny::EntryGroup::Pitching:
            return QLatin1Char('P');
        case pny::EntryGroup::Defense:
            return QLatin1Char('F');
        default:
            return QLatin1Char('B');
    }
}

// How a column is typed. In the scorer's terms a batter's or pitcher's count stays under 10 in a
// game, so one digit is enough and moves on (F2 opens the cell for more, and the proofs show a
// number that went wrong); pitches, fielding and the user columns take more digits.
BoxScoreGrid::CellKind cellKind(const pny::BoxScoreColumn& column, bool scorerTerms) {
    switch (column.cell) {
        case pny::SheetCell::Innings:
            return BoxScoreGrid::CellKind::Innings;
        case pny::SheetCell::Decision:
            return BoxScoreGrid::CellKind::Decision;
        case pny::SheetCell::Pitches:
            return BoxScoreGrid::CellKind::Number;
        default:
            break;
    }
    const bool oneDigit = column.group == pny::EntryGroup::Offense ||
                          (column.group == pny::EntryGroup::Pitching && column.stat != pny::StatST);
    return scorerTerms && oneDigit ? BoxScoreGrid::CellKind::Digit : BoxScoreGrid::CellKind::Number;
}

bool inScorerTerms(const std::vector<pny::BoxScoreColumn>& columns) {
    return std::any_of(columns.begin(), columns.end(), [](const pny::BoxScoreColumn& column) {
        return column.cell != pny::SheetCell::Count && column.cell != pny::SheetCell::Pitches;
    });
}

}  // namespace

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
    shapeGrid(part);
}

void TBoxScoreForm::shapeGrid(TeamPart& part) {
    QStringList rowCaptions;
    for (const pny::BoxScoreRow& row : part.rows) {
        rowCaptions << QStringLiteral("%1  %2").arg(pny::fromCodePage(row.number).trimmed(),
                                                    pny::fromCodePage(row.name));
    }
    QStringList columnCaptions;
    QList<GroupCaptionBar::Group> groups;
    QList<BoxScoreGrid::CellKind> kinds;
    QList<QPair<QChar, int>> parts;
    const bool scorerTerms = inScorerTerms(columns_);
    for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
        const pny::BoxScoreColumn& column = columns_[static_cast<std::size_t>(c)];
        columnCaptions << pny::fromCodePage(column.caption);
        kinds << cellKind(column, scorerTerms);
        const QString group = QString::fromLatin1(pny::groupCaption(column.group));
        if (groups.isEmpty() || groups.last().caption != group)
            groups.append({c, 0, group});
        ++groups.last().columnCount;
        const QChar letter = partLetter(column.group);
        if (std::none_of(parts.begin(), parts.end(),
                         [letter](const QPair<QChar, int>& p) { return p.first == letter; }))
            parts.append({letter, c});
    }
    part.grid->setShape(rowCaptions, columnCaptions);
    for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
        part.grid->horizontalHeaderItem(c)->setToolTip(
            pny::fromCodePage(pny::columnDescription(columns_[static_cast<std::size_t>(c)])));
    }
    part.grid->setColumnKinds(kinds);
    part.grid->setParts(parts);
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

pny::BoxScoreTeam TBoxScoreForm::typedTeam(const TeamPart& part, std::vector<int>* rowOfLine,
                                           std::vector<QString>* problems) const {
    pny::BoxScoreTeam team;
    team.team = part.team;
    for (int r = 0; r < part.grid->playerRows() && r < static_cast<int>(part.rows.size()); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < static_cast<int>(columns_.size()); ++c)
            cells.push_back(part.grid->cellText(r, c).toStdString());
        const pny::ScorerLine typed = pny::scorerLine(columns_, cells);
        if (!typed.typed)
            continue;
        pny::BoxScoreLine line;
        line.player = part.rows[static_cast<std::size_t>(r)].player;
        line.values = typed.values;
        team.lines.push_back(line);
        if (rowOfLine)
            rowOfLine->push_back(r);
        if (problems)
            problems->push_back(typed.problem);
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

QString TBoxScoreForm::firstLineProblem() const {
    for (const TeamPart* part : {&home_, &away_}) {
        std::vector<int> rows;
        std::vector<QString> problems;
        typedTeam(*part, &rows, &problems);
        for (std::size_t k = 0; k < problems.size(); ++k) {
            if (!problems[k].isEmpty()) {
                return part->grid->verticalHeaderItem(rows[k])->text().simplified() +
                       QStringLiteral(" (") + part->name->text() + QStringLiteral("): ") +
                       problems[k];
            }
        }
    }
    return {};
}

bool TBoxScoreForm::showColumns(const std::vector<pny::BoxScoreColumn>& columns, QString& reason) {
    // Every typed line is taken over through its stored counts, so that nothing typed is lost.
    struct Moved {
        TeamPart* part;
        int row;
        std::vector<std::string> cells;
    };
    std::vector<Moved> moved;
    for (TeamPart* part : {&home_, &away_}) {
        part->grid->finishEditing();
        std::vector<int> rows;
        std::vector<QString> problems;
        const pny::BoxScoreTeam team = typedTeam(*part, &rows, &problems);
        for (std::size_t k = 0; k < team.lines.size(); ++k) {
            const QString player = part->grid->verticalHeaderItem(rows[k])->text().simplified();
            if (!problems[k].isEmpty()) {
                reason = QStringLiteral("%1: %2. Correct the line first.").arg(player, problems[k]);
                return false;
            }
            Moved line{part, rows[k], {}};
            if (!pny::scorerCells(columns, team.lines[k].values, line.cells)) {
                reason = QStringLiteral(
                             "The line of %1 holds statistics these columns do not "
                             "show; it stays in all statistics.")
                             .arg(player);
                return false;
            }
            moved.push_back(std::move(line));
        }
    }
    columns_ = columns;
    for (TeamPart* part : {&home_, &away_})
        shapeGrid(*part);
    for (const Moved& line : moved) {
        for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
            line.part->grid->setCellText(
                line.row, c, QString::fromStdString(line.cells[static_cast<std::size_t>(c)]));
        }
    }
    updateSheet();
    return true;
}

void TBoxScoreForm::markTyped() {
    typed_ = true;
    updateSheet();
}

void TBoxScoreForm::updateSheet() {
    pny::Night night = typedNight();
    std::vector<int> homeRows;
    std::vector<int> awayRows;
    std::vector<QString> homeProblems;
    std::vector<QString> awayProblems;
    night.home = typedTeam(home_, &homeRows, &homeProblems);
    night.away = typedTeam(away_, &awayRows, &awayProblems);
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
    // A line that cannot be added says why on its row first.
    for (bool home : {true, false}) {
        const std::vector<QString>& problems = home ? homeProblems : awayProblems;
        for (std::size_t k = 0; k < problems.size(); ++k) {
            if (!problems[k].isEmpty()) {
                warnings.push_back({pny::BoxScoreProblem::LineNotConverted, home,
                                    static_cast<int>(k), problems[k], true});
            }
        }
    }
    if (store_ && home_.team > 0 && away_.team > 0) {
        const bool fieldingShown = std::any_of(
            columns_.begin(), columns_.end(),
            [](const pny::BoxScoreColumn& column) { return column.stat == pny::StatPO; });
        for (pny::BoxScoreWarning& warning : pny::boxScoreWarnings(*store_, night, fieldingShown))
            warnings.push_back(std::move(warning));
    }
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
