#pragma once

#include "people/leaguehistory.h"
#include "people/peoplelinks.h"
#include "views/leadersettings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class TPrintForm;

namespace pny {
class Store;
}

// A league's history: every season's standings leader of the leagues that share its name or that
// the user links to it on the page "Seasons", and the all-time leaders of each category with the
// league's career qualification, which the user can change here (kept with the league's leader
// settings). Prints the page shown; exports it all.
class THistoryForm : public QDialog {
    Q_OBJECT
public:
    explicit THistoryForm(QWidget* parent = nullptr);

    // Shows the history of the store's current league modally.
    void ShowHistory(pny::Store& store);

    TPrintForm* printForm() const { return printForm_; }

public slots:
    void ApplyButtonClick();
    void CategoryChange(int index);
    void SaveLeaguesButtonClick();
    void PrintButtonClick();
    void ExportButtonClick();
    void HelpButtonClick();

private:
    void refresh();
    void showSettings();
    void fillLeagues();

    pny::Store* store_ = nullptr;
    pny::LeaderSettings settings_;
    pny::LeagueHistory history_;
    pny::PeopleLinks links_;

    // The leader settings' figures as the settings box shows them.
    struct SettingSpins {
        QSpinBox* careerPA = nullptr;
        QSpinBox* careerIP = nullptr;
        QSpinBox* careerG = nullptr;
        QSpinBox* places = nullptr;
    };
    SettingSpins spins_;
    QTabWidget* pages_ = nullptr;
    QTableWidget* championsTable_ = nullptr;
    QComboBox* categoryBox_ = nullptr;
    QLabel* ruleLabel_ = nullptr;
    QLabel* emptyLabel_ = nullptr;
    QTableWidget* leadersTable_ = nullptr;
    QListWidget* leagueList_ = nullptr;
    // Every league of every season, as the list of the page "Seasons" shows them.
    std::vector<pny::SeasonLeague> allLeagues_;
    TPrintForm* printForm_ = nullptr;
};
