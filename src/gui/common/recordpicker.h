#pragma once

#include <string>

namespace pny {
class RecordList;
}

// Chooses a record of a list for a dialog that needs one (a game's field, team or umpire), so
// that the entry and view dialogs do not depend on the main window's list picker itself.
class RecordPicker {
public:
    virtual ~RecordPicker() = default;
    // Lets the user choose a record of `list`, starting at `currentIndex`, and returns the chosen
    // index text; `changed` tells whether a record was added, renamed, deleted or restored.
    virtual std::string pickRecord(pny::RecordList& list, const std::string& kind,
                                   const std::string& currentIndex, bool& changed) = 0;
};
