#pragma once

#include "store/records.h"

#include <string>
#include <vector>

namespace pny {

// The three families of table views and their fixed catalogues of possible columns. A league's
// ColumnMask says which catalogue columns a tab shows; the shown ones close up in catalogue order.

constexpr int kTeamsTab = 0;
constexpr int kFirstPlayerTab = 1;
constexpr int kLastPlayerTab = 6;
constexpr int kScheduleTab = 7;
constexpr int kTabCount = 8;

constexpr int kTeamColumns = 8;
constexpr int kPlayerColumns = 61;
constexpr int kScheduleColumns = 20;

// Widest text a cell holds.
constexpr std::size_t kCellWidth = 40;

inline bool isPlayerTab(int tab) {
    return tab >= kFirstPlayerTab && tab <= kLastPlayerTab;
}

struct CatalogueColumn {
    const char* header;     // header text; empty for the player user columns (from the league)
    const char* setupItem;  // text of the column in the display settings
    bool nameColumn;        // a wide name column
};

// The catalogue of a tab (0 teams, 1 to 6 players, 7 schedule); empty for any other tab.
const std::vector<CatalogueColumn>& catalogueOf(int tab);

// The header of catalogue position `position` (from 1) on `tab`; the player user columns 58 to 61
// take the league's user headers as stored.
std::string catalogueHeader(const LeagueRecord& league, int tab, int position);

// Whether catalogue position `position` (from 1) is shown on `tab` by the league's ColumnMasks.
bool columnShown(const LeagueRecord& league, int tab, int position);

// The shown flags of every catalogue position of `tab`, index 0 = position 1.
std::vector<bool> shownColumns(const LeagueRecord& league, int tab);

}  // namespace pny
