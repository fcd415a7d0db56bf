#include "gamelog/boxscorecolumns.h"

#include <algorithm>

namespace pny {

std::vector<BoxScoreColumn> boxScoreColumns(const LeagueRecord& league) {
    std::vector<BoxScoreColumn> columns;
    for (const PlayerEntryRow& row : playerEntryRows()) {
        BoxScoreColumn column{row.stat, row.group, row.abbreviation};
        if (row.group == EntryGroup::Custom) {
            std::string header = league.userHeaders[static_cast<std::size_t>(row.stat - StatC1)];
            header.erase(0, header.find_first_not_of(' '));
            header.erase(header.find_last_not_of(' ') + 1);
            if (!header.empty())
                column.caption = header;
        }
        columns.push_back(std::move(column));
    }
    return columns;
}

}  // namespace pny
