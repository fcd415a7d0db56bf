#include "store/recordlist.h"

#include "store/textfile.h"

#include <QFileInfo>

namespace pny {

RecordList::RecordList(char headerLetter) : letter_(headerLetter) {
    reset();
}

const std::string& RecordList::line(int index) const {
    if (index < 0 || index >= size())
        return lines_.front();
    return lines_[static_cast<std::size_t>(index)];
}

void RecordList::setLine(int index, const std::string& text) {
    if (isValidRecord(index))
        lines_[static_cast<std::size_t>(index)] = text;
}

int RecordList::append(const std::string& text) {
    lines_.push_back(text);
    return size() - 1;
}

void RecordList::reset() {
    lines_.assign(1, headerLine());
    unreadable_ = false;
    unreadablePath_.clear();
}

void RecordList::setLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    // A file without even a header line still gets one, so that index 0 always exists.
    if (lines_.empty())
        lines_.push_back(headerLine());
}

bool RecordList::load(const QString& path, QString& error) {
    reset();
    loadNotice_.clear();
    if (!QFileInfo::exists(path))
        return true;
    std::vector<std::string> lines;
    if (!readTextLines(path, lines, error, loadNotice_)) {
        markUnreadable(path);
        return false;
    }
    setLines(std::move(lines));
    return true;
}

void RecordList::markUnreadable(const QString& path) {
    reset();
    unreadable_ = true;
    unreadablePath_ = path;
}

bool RecordList::mayReplace(const QString& path, QString& error) const {
    if (unreadable_ && path == unreadablePath_) {
        error = QStringLiteral("\"%1\" could not be read, so it is not overwritten.").arg(path);
        return false;
    }
    return true;
}

}  // namespace pny
