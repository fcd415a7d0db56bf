#include "pitching/pitchsheet.h"

namespace pny {

std::vector<BoxScoreColumn> sheetColumns(std::vector<BoxScoreColumn> columns, bool pitchCounts) {
    if (!pitchCounts)
        return columns;
    for (BoxScoreColumn& column : columns) {
        // ST comes first in the pitching group: its place takes NP, BT's place takes S.
        if (column.stat == StatST) {
            column.stat = StatBT;
            column.caption = column.name = "NP";
            column.cell = SheetCell::Pitches;
        } else if (column.stat == StatBT) {
            column.stat = StatST;
            column.caption = column.name = "S";
        }
    }
    return columns;
}

}  // namespace pny
