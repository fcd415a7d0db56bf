#pragma once

#include <QByteArray>
#include <QString>

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

// The bytes of a text file of these lines, each ended by CR LF.
QByteArray joinLines(const std::vector<std::string>& lines);

// Replaces a text file atomically with the lines, each ended by CR LF: every write is checked and
// synced, and a failure at any point leaves the old file as it was. Returns false with a message
// naming the file and the reason.
bool writeTextLines(const QString& path, const std::vector<std::string>& lines, QString& error);

}  // namespace pny
