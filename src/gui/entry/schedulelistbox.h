#pragma once

#include "schedule/gameentry.h"

#include <string>

class RecordPicker;

namespace pny {
class Store;
}

// Picks a field, a team or an umpire into one of the pick slots through the list picker, for the
// game dialog and the schedule filter dialog. `code` says what:
//   "F" the field (fields list, caption "Field"),
//   "H" and "T" the home team slot, "A" the away team slot (teams list, caption "Team"),
//   "1" to "4" an umpire slot, "U" the umpire 1 slot (umpires list, caption "Umpire").
// The picker starts at the slot's reference and the reference it returns goes into the slot; the
// picked record is read into the store's field, team or umpire buffer (an empty reference reads
// the list's header line: empty number and name). When the picker added, renamed, deleted or
// restored a record, the list's changed flag is set. Returns that changed indicator.
bool ScheduleListBox(pny::Store& store, RecordPicker& listForm, pny::PickSlots& picks, char code);

// The number and name of the record the last pick with `code` read into its buffer.
struct PickedRecord {
    std::string number;
    std::string name;
};
PickedRecord pickedRecord(const pny::Store& store, char code);

// Reads the record a slot refers to into its buffer, as a pick does, without asking.
void readSlotRecord(pny::Store& store, const pny::PickSlots& picks, char code);
