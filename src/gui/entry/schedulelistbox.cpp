#include "entry/schedulelistbox.h"

#include "common/recordpicker.h"
#include "store/linecodec.h"
#include "store/store.h"

namespace {

void readPicked(pny::Store& store, pny::PickList list, const std::string& reference) {
    const int index = pny::toNumber(reference);
    switch (list) {
        case pny::PickList::Fields:
            store.readField(index);
            break;
        case pny::PickList::Teams:
            store.readTeam(index);
            break;
        case pny::PickList::Umpires:
            store.readUmpire(index);
            break;
        case pny::PickList::None:
            break;
    }
}

}  // namespace

bool ScheduleListBox(pny::Store& store, RecordPicker& listForm, pny::PickSlots& picks, char code) {
    std::string* slot = picks.slot(code);
    const pny::PickList kind = pny::pickListOf(code);
    if (!slot || kind == pny::PickList::None)
        return false;
    // The lists of the current league, loaded if they are not yet.
    store.ensureTeams();
    store.ensureGames();
    store.ensureFields();
    store.ensureUmpires();

    bool changed = false;
    switch (kind) {
        case pny::PickList::Fields:
            *slot = listForm.pickRecord(store.fields, "Field", *slot, changed);
            if (changed)
                store.changed.fields = true;
            break;
        case pny::PickList::Teams:
            *slot = listForm.pickRecord(store.teams, "Team", *slot, changed);
            if (changed)
                store.changed.teams = true;
            break;
        case pny::PickList::Umpires:
            *slot = listForm.pickRecord(store.umpires, "Umpire", *slot, changed);
            if (changed)
                store.changed.umpires = true;
            break;
        case pny::PickList::None:
            break;
    }
    readPicked(store, kind, *slot);
    return changed;
}

PickedRecord pickedRecord(const pny::Store& store, char code) {
    switch (pny::pickListOf(code)) {
        case pny::PickList::Fields:
            return {store.field.number, store.field.name};
        case pny::PickList::Teams:
            return {store.team.number, store.team.name};
        case pny::PickList::Umpires:
            return {store.umpire.number, store.umpire.name};
        case pny::PickList::None:
            break;
    }
    return {};
}

void readSlotRecord(pny::Store& store, const pny::PickSlots& picks, char code) {
    pny::PickSlots copy = picks;
    if (const std::string* slot = copy.slot(code))
        readPicked(store, pny::pickListOf(code), *slot);
}
