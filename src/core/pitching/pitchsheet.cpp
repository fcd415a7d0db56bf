#include "pitching/pitchsheet.h"

#include <algorithm>

namespace pny {

std::vector<BoxScoreColumn> sheetColumns(std::vector<BoxScoreColumn> columns, bool pitchCounts) {
    if (!pitchCounts)
        return columns;
    for (BoxScoreColumn& column : columns) {
        // ST comes first in the pitching group: its place takes NP, BT's place takes S.
        if (column.stat == StatST) {
            column.stat = StatBT;
            column.caption = "NP";
        } else if (column.stat == StatBT) {
            column.stat = StatST;
            column.caption = "S";
        }
    }
    return columns;
}

bool isPitchesColumn(const BoxScoreColumn& column) {
    return column.stat == StatBT && column.caption == "NP";
}

long long sheetValue(const BoxScoreColumn& column, const StatValues& values) {
    if (isPitchesColumn(column))
        return values[StatST] + values[StatBT];
    return values[column.stat];
}

void storeTypedPitches(const std::vector<BoxScoreColumn>& columns, StatValues& values) {
    if (std::any_of(columns.begin(), columns.end(), isPitchesColumn))
        values[StatBT] -= values[StatST];
}

}  // namespace pny
