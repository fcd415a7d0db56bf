#pragma once

#include "entry/boxscorerows.h"
#include "entry/entryresult.h"
#include "gamelog/boxscorecolumns.h"
#include "gamelog/gamelog.h"
#include "gamelog/night.h"
#include "pitching/pitchrules.h"

#include <QDialog>

#include <optional>
#include <vector>

class BoxScoreGrid;
class GroupCaptionBar;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class RecordPicker;

namespace pny {
class Store;
}

// The box score sheet: a whole game night in one window. Both teams' players in two grids typed
// like a spreadsheet in the scorer's own terms (AB, H, IP 5.2, W/L/S, or every stored statistic
// with "All statistics"), the totals and the warnings as they are typed, each team's score, and
// "Add to Season", which puts the night into the players' totals, the standings and the schedule
// at once. A past night opens with its values for correcting, or for removing.
class TBoxScoreForm : public QDialog {
    Q_OBJECT
public:
    explicit TBoxScoreForm(QWidget* parent = nullptr);

    // Opens the sheet on the schedule's game `game`; when the game has a night in the log, that
    // night is opened for correcting.
    EntryResult EnterGameNight(pny::Store& store, RecordPicker& listForm, int game);
    // Opens the sheet for a date and two teams chosen in it.
    EntryResult EnterNewNight(pny::Store& store, RecordPicker& listForm);
    // Opens the night `night` (its entry in the game log) for correcting.
    EntryResult CorrectNight(pny::Store& store, RecordPicker& listForm, int night);

    // The night as typed so far.
    pny::Night typedNight() const;
    // What the last Add to Season or Remove Night did ("Added to the season: game 16, ..."), and
    // the schedule's game of that night (0 for none).
    QString doneText() const { return doneText_; }
    int doneGame() const { return doneGame_; }

public slots:
    void AddButtonClick();
    void RemoveButtonClick();
    void HelpButtonClick();
    void HomeButtonClick();
    void AwayButtonClick();
    // "All statistics": every stored statistic in place of the box score columns.
    void AllStatisticsClick();
    // The league's choice of box score columns, kept in its settings file.
    void ColumnsButtonClick();
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One team's part of the sheet.
    struct TeamPart {
        int team = 0;
        std::vector<pny::BoxScoreRow> rows;
        QPushButton* pickButton = nullptr;
        QLabel* name = nullptr;
        GroupCaptionBar* captions = nullptr;
        BoxScoreGrid* grid = nullptr;
        QLabel* warnings = nullptr;
        QLineEdit* score = nullptr;
    };

    // Takes the store and the league's columns; false when the teams cannot be read.
    bool begin(pny::Store& store);
    QWidget* buildTeamPart(TeamPart& part, const QString& prefix, const QString& caption);
    EntryResult run(pny::Store& store, RecordPicker& listForm);
    // Shows `night` (its teams, lines and scores) with no cell counted as typed.
    void showNight(const pny::Night& night);
    // Makes `team` the team of a part and lists its players; `keep` are players to list even
    // when deleted.
    void setTeam(TeamPart& part, int team, const std::vector<int>& keep = {});
    void pickTeam(TeamPart& part);
    void fillLines(TeamPart& part, const pny::BoxScoreTeam& lines);
    // A team's lines as typed; `rowOfLine` gets each line's grid row and `problems` why a line
    // cannot be added (empty when it can).
    pny::BoxScoreTeam typedTeam(const TeamPart& part, std::vector<int>* rowOfLine,
                                std::vector<QString>* problems = nullptr) const;
    // Shows `columns` in both grids with the typed lines kept; false (nothing changed) with the
    // reason when they cannot show a typed line.
    bool showColumns(const std::vector<pny::BoxScoreColumn>& columns, QString& reason);
    void shapeGrid(TeamPart& part);
    // The first line that cannot be added, as "player: reason"; empty when none.
    QString firstLineProblem() const;
    void showHeading(const pny::Night& night);
    // Every stored statistic, as "All statistics" shows them.
    std::vector<pny::BoxScoreColumn> allColumns() const;
    // The totals rows and the warnings, after every change.
    void updateSheet();
    void markTyped();
    bool hasTypedSomething() const;
    bool checkBeforeAdding();

    pny::Store* store_ = nullptr;
    RecordPicker* listForm_ = nullptr;
    std::vector<pny::BoxScoreColumn> columns_;        // shown
    std::vector<pny::BoxScoreColumn> scorerColumns_;  // the league's box score columns
    // The league's pitch rules and the log they are checked against; none without rules.
    std::optional<pny::PitchRules> pitchRules_;
    pny::GameLog pitchLog_;
    int game_ = 0;        // the schedule's game; 0 for a date and two teams
    int night_ = 0;       // the night being corrected; 0 for a new one
    std::string time_;    // the game's time, "hhnn"
    bool typed_ = false;  // something was typed since the sheet opened
    QString doneText_;
    int doneGame_ = 0;

    QLabel* captionLabel_ = nullptr;
    QLabel* nightLabel_ = nullptr;
    QCheckBox* allStatisticsCheck_ = nullptr;
    QPushButton* columnsButton_ = nullptr;
    QDateEdit* dateEdit_ = nullptr;
    TeamPart home_;
    TeamPart away_;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
};
