#pragma once

#include "store/recordlist.h"

#include <QString>

#include <string>
#include <vector>

namespace pny {

// The texts of a choice list. An item reads: a blank, the record's number right-aligned in five
// characters, two blanks, the name, blanks up to character 69, and from character 70 on the
// record's index. The index lies beyond the visible width of the list and finds the record again.
constexpr std::size_t kListItemIndexColumn = 70;  // 1-based

std::string listItemText(const std::string& number, const std::string& name, int index);

// The number, name and index of an item text, each without surrounding blanks.
struct ListItem {
    std::string number;
    std::string name;
    std::string index;
};
ListItem parseListItem(const std::string& text);

// The items a choice list shows for `list`, sorted: the active records, or in undelete mode the
// deleted ones. `hasDeleted` tells whether any record of the list can be restored.
struct ListItems {
    std::vector<std::string> texts;
    bool hasDeleted = false;
};
ListItems listItemsOf(const RecordList& list, bool undeleteMode);

// Sorts item texts by the locale's collation, ignoring case; equal texts keep their order.
void sortListItems(std::vector<std::string>& texts);

// The line of a new record: an empty flag, the number and the name.
std::string newRecordLine(const std::string& number, const std::string& name);
// `oldLine` with a new number and name and an empty flag; every field after the name is kept
// byte for byte.
std::string renamedRecordLine(const std::string& oldLine, const std::string& number,
                              const std::string& name);
// Marks the record at `index` deleted ("X" in front of its line); false for no record.
bool markDeleted(RecordList& list, int index);
// Restores a deleted record (removes its leading "X"); false when it is not deleted.
bool markRestored(RecordList& list, int index);

// What is wrong with a text typed for a record field.
enum class TypedTextProblem {
    None,
    Separator,         // holds '|', which would split the record line
    ControlCharacter,  // a line break or another control character
    NotInCodePage,     // a character the data files cannot hold
};
// The code page bytes of `text` with surrounding blanks removed. On a problem `offending` is the
// first character at fault (two code units for a character beyond 16 bits) and `bytes` is left
// empty.
TypedTextProblem typedFieldBytes(const QString& text, std::string& bytes, QString& offending);

}  // namespace pny
