#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pny {

// An INI-format file read once into memory: "[Section]" lines open sections, "key=value" lines
// give their values. Section and key names are compared without letter case (ASCII), blanks
// around names and values are dropped, and the first of two equal sections or keys wins. Lines
// without "=" and keys before the first section are ignored. Values are bytes exactly as stored.
//
// Lookups never touch the file again: a section is found through a hash table, a key by a binary
// search among the keys of its section, so reading every value of a large file costs time in
// proportion to its size.
class IniFile {
public:
    // A section: a handle for the lookups below; a missing section reads every key as missing.
    class Section {
    public:
        bool exists() const { return file_ != nullptr; }
        // The value of `key`, empty when missing.
        std::string_view value(std::string_view key) const;
        // The value cut to its first `width` bytes.
        std::string text(std::string_view key, std::size_t width) const;
        // The value as a number: signed decimal, or hexadecimal after "0x"; missing text, text that
        // is not a number, or a number beyond 32 bits reads as 0.
        int number(std::string_view key) const;

    private:
        friend class IniFile;
        const IniFile* file_ = nullptr;
        std::uint32_t first_ = 0;  // range of its entries in the file's entry table
        std::uint32_t last_ = 0;
    };

    IniFile() = default;
    explicit IniFile(const QByteArray& bytes) { parse(bytes); }

    // Replaces the content with the parsed bytes.
    void parse(const QByteArray& bytes);
    // Reads and parses a whole file. Returns false with a message naming the file when it does not
    // exist or cannot be read.
    bool load(const QString& path, QString& error);
    // What identifies the file that load() read: its size and its SHA-1 in hexadecimal.
    qint64 loadedSize() const { return loadedSize_; }
    const QByteArray& loadedChecksum() const { return loadedChecksum_; }

    Section section(std::string_view name) const;
    int sectionCount() const { return static_cast<int>(sections_.size()); }
    // The highest n for which the section `prefix` + n exists (n written without leading zeros),
    // 0 when there is none.
    int highestNumbered(std::string_view prefix) const;

    // Reads a number the way values are read: "0x" for hexadecimal, 0 when not a number.
    static int toInteger(std::string_view text);

private:
    struct Entry {
        std::uint32_t key, keyLength;      // offsets into lower_
        std::uint32_t value, valueLength;  // offsets into data_
    };
    std::string_view keyOf(const Entry& e) const { return {lower_.data() + e.key, e.keyLength}; }

    qint64 loadedSize_ = 0;
    QByteArray loadedChecksum_;
    std::string data_;            // the file's bytes
    std::string lower_;           // the same bytes with ASCII letters in lower case, for names
    std::vector<Entry> entries_;  // grouped by section, each group sorted by key
    struct Range {
        std::uint32_t first, last;
    };
    std::vector<Range> sections_;
    std::unordered_map<std::string, std::uint32_t> sectionIndex_;  // lower-case name -> section
    std::unordered_map<std::string, int> highest_;  // lower-case prefix -> highest number
};

}  // namespace pny
