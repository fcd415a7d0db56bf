#include "store/listitems.h"

#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/records.h"
#include "store/sortedlist.h"

#include <algorithm>

namespace pny {
namespace {

constexpr std::size_t kNameColumnWidth = 69;  // the visible part before the index

std::string trimmedBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Characters [from, from + count) of `text`, 0-based, or less where the text is shorter.
std::string slice(const std::string& text, std::size_t from, std::size_t count) {
    if (from >= text.size())
        return {};
    return text.substr(from, count);
}

std::string flagOf(const std::string& line) {
    std::string buffer = line;
    return nextField(buffer, width::kFlag);
}

}  // namespace

std::string listItemText(const std::string& number, const std::string& name, int index) {
    const std::string shortNumber = cutTo(number, width::kNumber);
    std::string text = " ";
    text.append(width::kNumber - shortNumber.size(), ' ');
    text += shortNumber;
    text += "  ";
    text += cutTo(name, width::kName);
    text.resize(kNameColumnWidth, ' ');
    text += numberText(index);
    return text;
}

ListItem parseListItem(const std::string& text) {
    ListItem item;
    item.number = trimmedBlanks(slice(text, 1, width::kNumber));
    item.name = trimmedBlanks(slice(text, 8, width::kName));
    item.index = trimmedBlanks(slice(text, kListItemIndexColumn - 1, width::kIndex));
    return item;
}

void sortListItems(std::vector<std::string>& texts) {
    const SortedList order;
    std::stable_sort(
        texts.begin(), texts.end(),
        [&order](const std::string& a, const std::string& b) { return order.compare(a, b) < 0; });
}

ListItems listItemsOf(const RecordList& list, bool undeleteMode) {
    ListItems items;
    for (int i = 1; i < list.size(); ++i) {
        const NamedRecord record = NamedRecord::parse(list.line(i));
        const bool deleted = record.flag == "X";
        if (deleted)
            items.hasDeleted = true;
        const bool listed = undeleteMode ? deleted : record.flag.empty();
        if (listed)
            items.texts.push_back(listItemText(record.number, record.name, i));
    }
    sortListItems(items.texts);
    return items;
}

std::string newRecordLine(const std::string& number, const std::string& name) {
    return LineBuilder()
        .add(std::string(), width::kFlag)
        .add(number, width::kNumber)
        .add(name, width::kName)
        .line();
}

std::string renamedRecordLine(const std::string& oldLine, const std::string& number,
                              const std::string& name) {
    // The rest of the line starts after the third separator (flag, number, name).
    std::size_t restFrom = 0;
    int separators = 0;
    while (separators < 3) {
        const std::size_t at = oldLine.find(kSeparator, restFrom);
        if (at == std::string::npos) {
            restFrom = oldLine.size();
            break;
        }
        restFrom = at + 1;
        ++separators;
    }
    return newRecordLine(number, name) + oldLine.substr(restFrom);
}

bool markDeleted(RecordList& list, int index) {
    if (!list.isValidRecord(index))
        return false;
    list.setLine(index, "X" + list.line(index));
    return true;
}

bool markRestored(RecordList& list, int index) {
    if (!list.isValidRecord(index) || flagOf(list.line(index)) != "X")
        return false;
    list.setLine(index, list.line(index).substr(1));
    return true;
}

TypedTextProblem typedFieldBytes(const QString& text, std::string& bytes, QString& offending) {
    bytes.clear();
    offending.clear();
    const QString trimmed = text.trimmed();
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar ch = trimmed.at(i);
        if (ch == QLatin1Char(kSeparator)) {
            offending = ch;
            return TypedTextProblem::Separator;
        }
        if (ch.category() == QChar::Other_Control) {
            offending = ch;
            return TypedTextProblem::ControlCharacter;
        }
        std::string one;
        if (!toCodePage(QString(ch), one)) {
            const bool pair = ch.isHighSurrogate() && i + 1 < trimmed.size() &&
                              trimmed.at(i + 1).isLowSurrogate();
            offending = trimmed.mid(i, pair ? 2 : 1);
            return TypedTextProblem::NotInCodePage;
        }
    }
    toCodePage(trimmed, bytes);
    return TypedTextProblem::None;
}

}  // namespace pny
