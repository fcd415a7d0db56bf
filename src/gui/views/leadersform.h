#pragma once

#include "views/leaders.h"
#include "views/leadersettings.h"
#include "print/print.h"

#include <QDialog>
#include <QList>

class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class TPrintForm;

namespace pny {
class Store;
}

// The leader tables as sections of a printout: the title and the rule above each table.
QList<TPrintSection> leaderPrintSections(const std::vector<pny::LeaderTable>& tables);

// The league leaders: one table per category across all the league's teams, the qualification
// rule above each rate table, the league's own factors and places, Print and Export. Double-click
// on a player closes the window and shows him in the main window.
class TLeadersForm : public QDialog {
    Q_OBJECT
public:
    explicit TLeadersForm(QWidget* parent = nullptr);

    // Shows the leaders of the current league modally. Returns true when a player was
    // double-clicked: he and his team are then the current ones.
    bool ShowLeaders(pny::Store& store);

    TPrintForm* printForm() const { return printForm_; }

public slots:
    void ApplyButtonClick();
    void PrintButtonClick();
    void ExportButtonClick();
    void HelpButtonClick();
    void TableDoubleClick(int table, int row);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A page of tables: its grid holds one box (title, rule, table, reason) per table.
    struct Page {
        QScrollArea* scroll = nullptr;
        QGridLayout* grid = nullptr;
        QList<QLayout*> boxes;
        int columns = 0;  // boxes side by side
    };

    QWidget* buildPage(pny::LeaderGroup group);
    // Puts on each page as many tables side by side as its width holds, at least one, and gives
    // the page the room its tables need.
    void placeTables();
    // Builds the leaders with the settings shown and fills the tables.
    void refresh();
    void fillTable(int index);
    // The innings per game of the league shown (nine without one).
    long long leagueInnings() const;
    // Sizes the name columns to the longest name and lays the pages out for the new sizes.
    void sizeTables();
    void showSettings();
    // Reads the edit boxes; false (with a message) when a factor cannot be read.
    bool readSettings(pny::LeaderSettings& settings);

    pny::Store* store_ = nullptr;
    pny::LeaderSettings settings_;
    pny::LeagueLeaders leaders_;
    int chosenTeam_ = 0;
    int chosenPlayer_ = 0;

    QLineEdit* editBatting_ = nullptr;
    QLineEdit* editPitching_ = nullptr;
    QLineEdit* editFielding_ = nullptr;
    QSpinBox* spinPlaces_ = nullptr;
    QTabWidget* groupTabs_ = nullptr;
    // One per category, in the order of the categories.
    QList<QLabel*> titles_;
    QList<QLabel*> rules_;
    QList<QTableWidget*> tables_;
    QList<QLabel*> empties_;  // why the table lists nobody
    QList<Page> pages_;
    TPrintForm* printForm_ = nullptr;
};
