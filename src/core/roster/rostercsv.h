#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace pny {

// A roster file as a spreadsheet saves it: comma-separated (semicolons or tabs when the header
// line has no comma, as some spreadsheets write them), cells quoted as RFC 4180 quotes them.

// The text of a file: UTF-8 with or without a byte-order mark, otherwise Windows-1252.
QString decodeRosterText(const QByteArray& bytes);

struct CsvRow {
    int line = 0;  // the file line the row starts on, from 1
    QStringList cells;
};

// The rows of a CSV text, blank lines left out.
std::vector<CsvRow> parseCsv(const QString& text);

}  // namespace pny
