#pragma once

#include <QString>

#include <string>
#include <vector>

namespace pny {

// One data file in memory: line 0 is the list header ("Y|", "L|"...), every further line one
// record, identified everywhere by its line index. Lines are never sorted or removed.
class RecordList {
public:
    explicit RecordList(char headerLetter);

    // Line 0 of a new list.
    std::string headerLine() const { return std::string(1, letter_) + '|'; }

    int size() const { return static_cast<int>(lines_.size()); }
    // The line at `index`; an index below 0 or past the end reads the header line, so it reads as
    // "no item" instead of crashing.
    const std::string& line(int index) const;
    bool isValidRecord(int index) const { return index >= 1 && index < size(); }
    // Replaces a record line; does nothing for the header or an index past the end.
    void setLine(int index, const std::string& text);
    // Appends a record line and returns its index.
    int append(const std::string& text);

    // A list holding only its header line.
    void reset();
    // Replaces the lines with the file's, or resets the list when the file does not exist.
    // A file that exists but cannot be read resets the list too, and marks it unreadable so that
    // a later save never overwrites the file with the empty list.
    bool load(const QString& path, QString& error);
    // False, with a message, when `path` is the file this list could not read: the list in memory
    // is not what the file holds, so it must never replace it.
    bool mayReplace(const QString& path, QString& error) const;
    // Marks the list as standing in for a file that exists but could not be read.
    void markUnreadable(const QString& path);

    bool unreadable() const { return unreadable_; }
    // After a load that succeeded: what the user should know about the file (a NUL that cut its
    // text short), empty when nothing.
    const QString& loadNotice() const { return loadNotice_; }
    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines);

private:
    char letter_;
    std::vector<std::string> lines_;
    QString unreadablePath_;
    bool unreadable_ = false;
    QString loadNotice_;
};

}  // namespace pny
