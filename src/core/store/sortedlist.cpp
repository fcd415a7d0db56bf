#include "store/sortedlist.h"

#include "store/codepage.h"

#include <QLocale>

namespace pny {

SortedList::SortedList() : collator_(QLocale()) {
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    collator_.setNumericMode(false);
    collator_.setIgnorePunctuation(false);
}

int SortedList::compare(const std::string& a, const std::string& b) const {
    return collator_.compare(fromCodePage(a), fromCodePage(b));
}

std::size_t SortedList::lowerBound(const std::string& line) const {
    std::size_t low = 0;
    std::size_t high = lines_.size();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (compare(lines_[mid], line) < 0) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return low;
}

bool SortedList::insert(const std::string& line) {
    const std::size_t at = lowerBound(line);
    if (at < lines_.size() && compare(lines_[at], line) == 0)
        return false;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
    return true;
}

bool SortedList::contains(const std::string& line) const {
    const std::size_t at = lowerBound(line);
    return at < lines_.size() && compare(lines_[at], line) == 0;
}

void SortedList::removeAt(int index) {
    if (index >= 0 && index < size())
        lines_.erase(lines_.begin() + index);
}

}  // namespace pny
