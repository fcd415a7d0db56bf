#include "import/inifile.h"

#include "store/filekind.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace pny {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// [begin, end) without the blanks at both ends.
void trim(const std::string& text, std::size_t& begin, std::size_t& end) {
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
}

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = lowerAscii(c);
    return result;
}

}  // namespace

void IniFile::parse(const QByteArray& bytes) {
    // Offsets are 32 bits wide; nothing past 4 GB is read.
    const auto size = std::min<qsizetype>(bytes.size(), std::numeric_limits<std::uint32_t>::max());
    data_.assign(bytes.constData(), static_cast<std::size_t>(size));
    lower_ = data_;
    for (char& c : lower_)
        c = lowerAscii(c);
    entries_.clear();
    sections_.clear();
    sectionIndex_.clear();
    highest_.clear();

    bool inSection = false;  // false before the first section and inside a repeated one
    std::size_t pos = 0;
    const std::size_t total = data_.size();
    while (pos < total) {
        std::size_t end = pos;
        while (end < total && data_[end] != '\n' && data_[end] != '\r')
            ++end;
        std::size_t begin = pos;
        std::size_t stop = end;
        pos = end + 1;
        trim(data_, begin, stop);
        if (begin == stop)
            continue;
        if (data_[begin] == '[') {
            std::size_t close = begin + 1;
            while (close < stop && data_[close] != ']')
                ++close;
            std::size_t nameBegin = begin + 1;
            trim(data_, nameBegin, close);
            std::string name = lower_.substr(nameBegin, close - nameBegin);
            const auto index = static_cast<std::uint32_t>(sections_.size());
            inSection = sectionIndex_.emplace(name, index).second;
            if (!inSection)
                continue;  // the first section of a name is the one that counts
            const auto at = static_cast<std::uint32_t>(entries_.size());
            sections_.push_back({at, at});
            // Remember the highest counter of numbered sections ("Y1L1T12" counts under "y1l1t").
            std::size_t digits = name.size();
            while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9')
                --digits;
            const std::size_t count = name.size() - digits;
            if (count > 0 && count <= 9 && name[digits] != '0') {
                const int n = std::stoi(name.substr(digits));
                int& highest = highest_[name.substr(0, digits)];
                highest = std::max(highest, n);
            }
            continue;
        }
        if (!inSection)
            continue;
        const std::size_t equals = data_.find('=', begin);
        if (equals == std::string::npos || equals >= stop)
            continue;
        std::size_t keyBegin = begin;
        std::size_t keyEnd = equals;
        trim(data_, keyBegin, keyEnd);
        if (keyBegin == keyEnd)
            continue;
        std::size_t valueBegin = equals + 1;
        std::size_t valueEnd = stop;
        trim(data_, valueBegin, valueEnd);
        entries_.push_back({static_cast<std::uint32_t>(keyBegin),
                            static_cast<std::uint32_t>(keyEnd - keyBegin),
                            static_cast<std::uint32_t>(valueBegin),
                            static_cast<std::uint32_t>(valueEnd - valueBegin)});
        sections_.back().last = static_cast<std::uint32_t>(entries_.size());
    }

    // Each section's keys in order, the first of equal keys first, for the binary search.
    for (const Range& range : sections_) {
        std::stable_sort(entries_.begin() + range.first, entries_.begin() + range.last,
                         [this](const Entry& a, const Entry& b) { return keyOf(a) < keyOf(b); });
    }
}

bool IniFile::load(const QString& path, QString& error) {
    const QFileInfo info(path);
    if (!info.exists()) {
        error = QStringLiteral("The file \"%1\" does not exist.").arg(path);
        return false;
    }
    // A FIFO would block the read until something wrote into it: only ordinary files are read.
    const QString kind = nonOrdinaryKind(path);
    QFile file(path);
    if (!kind.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("The file \"%1\" cannot be read: %2")
                    .arg(path, kind.isEmpty()
                                   ? file.errorString()
                                   : QStringLiteral("it is %1, not an ordinary file").arg(kind));
        return false;
    }
    if (file.size() >= static_cast<qint64>(std::numeric_limits<std::uint32_t>::max())) {
        error = QStringLiteral("The file \"%1\" cannot be read: it is too large.").arg(path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("The file \"%1\" cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    loadedSize_ = bytes.size();
    loadedChecksum_ = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
    parse(bytes);
    return true;
}

IniFile::Section IniFile::section(std::string_view name) const {
    Section result;
    const auto found = sectionIndex_.find(lowered(name));
    if (found == sectionIndex_.end())
        return result;
    result.file_ = this;
    result.first_ = sections_[found->second].first;
    result.last_ = sections_[found->second].last;
    return result;
}

int IniFile::highestNumbered(std::string_view prefix) const {
    const auto found = highest_.find(lowered(prefix));
    return found == highest_.end() ? 0 : found->second;
}

std::string_view IniFile::Section::value(std::string_view key) const {
    if (!file_)
        return {};
    const std::string wanted = lowered(key);
    const auto begin = file_->entries_.begin() + first_;
    const auto end = file_->entries_.begin() + last_;
    const auto found = std::lower_bound(
        begin, end, std::string_view(wanted),
        [this](const Entry& e, std::string_view k) { return file_->keyOf(e) < k; });
    if (found == end || file_->keyOf(*found) != wanted)
        return {};
    return {file_->data_.data() + found->value, found->valueLength};
}

std::string IniFile::Section::text(std::string_view key, std::size_t width) const {
    const std::string_view v = value(key);
    return std::string(v.substr(0, width));
}

int IniFile::Section::number(std::string_view key) const {
    return toInteger(value(key));
}

int IniFile::toInteger(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (text.size() - pos > 2 && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    if (pos == text.size())
        return 0;
    long long value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return 0;
        value = value * base + digit;
        if (value > 0x100000000LL)
            return 0;  // beyond 32 bits whatever follows
    }
    if (negative)
        value = -value;
    // Hexadecimal up to 0xFFFFFFFF is a 32-bit pattern, as the older program wrote it.
    if (base == 16 && !negative && value > std::numeric_limits<int>::max() && value <= 0xFFFFFFFFLL)
        return static_cast<int>(static_cast<std::uint32_t>(value));
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(value);
}

}  // namespace pny
