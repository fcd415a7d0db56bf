#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace pny {

// Splits file bytes into lines: CR LF, a lone CR and a lone LF all end a line, a NUL ends the
// text, and a line break at the very end starts no further line.
std::vector<std::string> splitLines(const QByteArray& bytes);

// Reads a whole text file into lines. Returns false with a message naming the file and the reason
// when the file exists but cannot be read.
bool readTextLines(const QString& path, std::vector<std::string>& lines, QString& error);
// The same; when a NUL cuts the text short, `notice` tells which line and how much is not read
// (it would be lost at the next save of the file), and is left empty otherwise.
bool readTextLines(const QString& path, std::vector<std::string>& lines, QString& error,
                   QString& notice);

// Replaces a text file atomically with the lines, each ended by CR LF: a failure at any point
// leaves the old file as it was. Returns false with a message naming the file and the reason.
bool writeTextLines(const QString& path, const std::vector<std::string>& lines, QString& error);

// For tests of failing disks: while set, every writeTextLines asks it how many of the file's bytes
// fit on the disk; when fewer than all, only those are written and the save fails as on a full
// disk ("No space left on device"). Pass an empty function to remove it.
using DiskSpaceHook = std::function<qint64(const QString& path, qint64 size)>;
void setDiskSpaceHook(DiskSpaceHook hook);

}  // namespace pny
