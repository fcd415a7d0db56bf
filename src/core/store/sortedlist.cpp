#include "store/sortedlist.h"

#include "store/codepage.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

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

void SortedList::insertAll(const std::vector<std::string>& lines) {
    // The lines already present come first so that, as with insert(), a new line equal to one of
    // them is dropped, and among equal new lines the first one stays.
    std::vector<std::string> all;
    all.reserve(lines_.size() + lines.size());
    all.insert(all.end(), lines_.begin(), lines_.end());
    all.insert(all.end(), lines.begin(), lines.end());
    std::vector<QCollatorSortKey> keys;
    keys.reserve(all.size());
    for (const std::string& line : all)
        keys.push_back(collator_.sortKey(fromCodePage(line)));
    std::vector<std::size_t> order(all.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) {
        return keys[a].compare(keys[b]) < 0;
    });
    std::vector<std::string> sorted;
    sorted.reserve(all.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k > 0 && keys[order[k - 1]].compare(keys[order[k]]) == 0)
            continue;
        sorted.push_back(std::move(all[order[k]]));
    }
    lines_ = std::move(sorted);
}

void SortedList::removeAt(int index) {
    if (index >= 0 && index < size())
        lines_.erase(lines_.begin() + index);
}

}  // namespace pny
