#pragma once

#include "store/store.h"

#include <QString>

#include <functional>
#include <string>

class TListForm;

// The Year, League, Team and Player commands of the main window: each chooses one level of the
// current selection through the list picker and stores the choice in the parent record. A level
// whose upper level has no usable item asks for that level first.
class SelectionCommands {
public:
    struct Hooks {
        std::function<void()> buildHeaders;     // rebuild the column headers and the table
        std::function<void()> refreshTable;     // refresh the table
        std::function<void()> clearStatsCache;  // forget the derived player statistics
        std::function<void(const QString& heading, const std::string& reference)> openNotes;
    };

    // When hooks.openNotes is set, it becomes the list picker's Notes command.
    SelectionCommands(pny::Store& store, TListForm& list, Hooks hooks);

    void YearButtonClick();
    void LeagueButtonClick();
    void TeamButtonClick();
    void PlayerButtonClick();

private:
    void call(const std::function<void()>& hook) const;

    pny::Store& store_;
    TListForm& list_;
    Hooks hooks_;
};
