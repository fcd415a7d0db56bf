#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace pny {

class Store;

// Every import of an older statistics file into a data folder, so that the same file is not
// imported twice by mistake (a retry after a completed but unreported import among them). The
// records live in a file of ours at the folder's root, "Pennantry.Imports": the header
// "Imports|", then one line per import, "I|LEAGUE96.PZS|40213|<SHA-1>|4|6|2026-12-08|": the
// file's name, size and SHA-1, the first and last season it made (lines of the years file) and
// the day. The file is written in the same commit as the seasons, so both arrive or neither.
struct ImportRecord {
    QString name;
    qint64 size = 0;
    QByteArray checksum;  // SHA-1, lower-case hexadecimal
    int firstSeason = 0;
    int lastSeason = 0;
    QDate date;

    std::string line() const;
    static std::optional<ImportRecord> parse(const std::string& line);
};

extern const char* const kImportsFileName;
extern const char* const kImportsHeader;

QString importsPath(const Store& store);

// The records as the next commit leaves them: none when the file does not exist; lines that
// cannot be read are left out. False with a message naming the file and the reason when it
// exists but cannot be read (then it must not be written over either).
bool readImportRecords(Store& store, std::vector<ImportRecord>& records, QString& error);

// Puts the records, with `added` after them, into the store's next commit.
void stageImportRecords(Store& store, std::vector<ImportRecord> records, const ImportRecord& added);

// The latest record of a file of this size and checksum, if any.
std::optional<ImportRecord> findImport(const std::vector<ImportRecord>& records, qint64 size,
                                       const QByteArray& checksum);

// "season 4" or "seasons 4 to 6".
QString seasonsText(int first, int last);

// What is wrong in the file's lines, for the data check: the line (the header is line 1) and what
// is wrong there. `seasons` is the number of lines of the years file.
std::vector<std::pair<int, std::string>> importRecordProblems(const std::vector<std::string>& lines,
                                                              int seasons);

}  // namespace pny
