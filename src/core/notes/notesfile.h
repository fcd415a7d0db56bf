#pragma once

#include <QString>

#include <string>
#include <vector>

namespace pny {

// A notes file is plain text in the code page, one line per line of the note, every line ended
// by CR LF. There is no size limit: a note of any length opens and saves.

// Reads the lines of a note. Returns false with a message naming the file and the reason when the
// file exists but cannot be read; a missing file gives no lines.
bool loadNoteLines(const QString& path, std::vector<std::string>& lines, QString& error);

// Replaces the notes file atomically with the lines: on failure the old file stays as it was and
// `error` names the file and the reason.
bool saveNoteLines(const QString& path, const std::vector<std::string>& lines, QString& error);

// The editor's text of a note's lines: the lines joined with line feeds.
QString noteText(const std::vector<std::string>& lines);

// The lines of the editor's text in the code page. Returns false, with the first character the
// code page cannot hold in `refused`, when the text has one; nothing is then converted. An empty
// text has no lines.
bool noteLines(const QString& text, std::vector<std::string>& lines, QString& refused);

// The message shown when a note holds a character the code page cannot hold.
QString refusedCharacterMessage(const QString& path, const QString& refused);

}  // namespace pny
