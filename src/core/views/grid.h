#pragma once

#include <string>
#include <vector>

namespace pny {

// A table view as cell texts, built by the core and shown by the main window as it stands.
// Column 0 is the key column: for each data row the line index of the record the row shows.
struct ViewGrid {
    // Row 0: the header texts, one per grid column (column 0, the key column, has an empty one).
    std::vector<std::string> headers;
    // The data rows, each with as many cells as `headers`.
    std::vector<std::vector<std::string>> rows;
    // The data row (1 = first data row) showing the current record, or 0 for none.
    int currentRow = 0;
    // Grid columns of the shown name columns, in order (at most 7).
    std::vector<int> wideColumns;
    // The main window's caption for this view.
    std::string caption;
    // A message the window shows once the table is shown (code page bytes), empty when the build
    // went through: a game whose date and time cannot be read stops the rows there.
    std::string error;

    int columnCount() const { return static_cast<int>(headers.size()); }
    // Whether the view shows at least one record: the one blank row of an empty view has no key.
    bool hasRecords() const {
        return !rows.empty() && !rows.front().empty() && !rows.front().front().empty();
    }
};

}  // namespace pny
