#pragma once

// What the main window must do after an entry dialog closed.
enum class EntryResult {
    Cancelled,  // nothing was written
    Refresh,    // records were written: refresh the table
    Rebuild     // a user column header changed too: rebuild the headers, then the table
};
