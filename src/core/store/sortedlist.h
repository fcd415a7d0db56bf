#pragma once

#include <QCollator>

#include <string>
#include <vector>

namespace pny {

// A list of text lines kept sorted at all times by the locale's collation, ignoring case, with no
// numeric reading of digits. A line comparing equal to one already present is not added.
// The collation is taken from the default QLocale when the list is created.
class SortedList {
public:
    SortedList();

    void clear() { lines_.clear(); }
    // Inserts at the sorted place; returns false when an equal line is already there.
    bool insert(const std::string& line);
    bool contains(const std::string& line) const;
    int size() const { return static_cast<int>(lines_.size()); }
    // Adds many lines at once, with the same result as inserting them one by one in order, but in
    // n log n: each line is decoded and given its collation key only once.
    void insertAll(const std::vector<std::string>& lines);
    const std::string& at(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    void removeAt(int index);
    const std::vector<std::string>& lines() const { return lines_; }
    // Compares two lines as the list does: negative, zero or positive.
    int compare(const std::string& a, const std::string& b) const;

private:
    // Position of the first line not less than `line`.
    std::size_t lowerBound(const std::string& line) const;

    QCollator collator_;
    std::vector<std::string> lines_;
};

}  // namespace pny
