#include "import/importrecords.h"

#include "store/codepage.h"
#include "store/store.h"

#include <QDir>
#include <QFileInfo>

namespace pny {

const char* const kImportsFileName = "Pennantry.Imports";
const char* const kImportsHeader = "Imports|";

namespace {

bool isChecksum(const std::string& text) {
    if (text.size() != 40)
        return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

// A whole number of at most nine digits; -1 for anything else.
qint64 wholeNumber(const std::string& text, std::size_t digits) {
    if (text.empty() || text.size() > digits)
        return -1;
    qint64 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string ImportRecord::line() const {
    // A name is only shown: what the code page cannot hold, a separator or a control character
    // becomes a question mark, so that the line always reads back.
    QString shown = name;
    for (QChar& c : shown) {
        if (c == QLatin1Char('|') || c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    }
    std::string bytes;
    if (!toCodePage(shown, bytes)) {
        bytes.clear();
        for (const QChar c : shown) {
            std::string one;
            bytes += toCodePage(QString(c), one) ? one : std::string("?");
        }
    }
    return "I|" + bytes + '|' + std::to_string(size) + '|' + checksum.toStdString() + '|' +
           std::to_string(firstSeason) + '|' + std::to_string(lastSeason) + '|' +
           date.toString(Qt::ISODate).toStdString() + '|';
}

std::optional<ImportRecord> ImportRecord::parse(const std::string& line) {
    std::vector<std::string> f(1);
    for (char c : line) {
        if (c == '|')
            f.emplace_back();
        else
            f.back() += c;
    }
    // Every field ends with a separator, so the last piece is what follows the last one.
    if (f.back().empty())
        f.pop_back();
    if (f.size() < 7 || f[0] != "I" || f[1].empty() || !isChecksum(f[3]))
        return std::nullopt;
    ImportRecord record;
    record.name = fromCodePage(f[1]);
    record.size = wholeNumber(f[2], 18);
    record.checksum = QByteArray::fromStdString(f[3]);
    record.firstSeason = static_cast<int>(wholeNumber(f[4], 9));
    record.lastSeason = static_cast<int>(wholeNumber(f[5], 9));
    record.date = QDate::fromString(QString::fromStdString(f[6]), Qt::ISODate);
    if (record.size < 0 || record.firstSeason < 1 || record.lastSeason < record.firstSeason ||
        !record.date.isValid())
        return std::nullopt;
    return record;
}

QString importsPath(const Store& store) {
    return store.dataFolder() + QString::fromLatin1(kImportsFileName);
}

bool readImportRecords(Store& store, std::vector<ImportRecord>& records, QString& error) {
    records.clear();
    // Our own file, never a link to one somewhere else nor a link to nothing.
    const QString path = importsPath(store);
    if (QFileInfo(path).isSymLink()) {
        error =
            QStringLiteral("\"%1\" cannot be read: it is a symbolic link, not an ordinary file.")
                .arg(QDir::toNativeSeparators(path));
        return false;
    }
    std::vector<std::string> lines;
    if (!store.readOwnFile(importsPath(store), lines, error))
        return false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (std::optional<ImportRecord> record = ImportRecord::parse(lines[i]))
            records.push_back(*record);
    }
    return true;
}

void stageImportRecords(Store& store, std::vector<ImportRecord> records,
                        const ImportRecord& added) {
    records.push_back(added);
    std::vector<std::string> lines{kImportsHeader};
    for (const ImportRecord& record : records)
        lines.push_back(record.line());
    store.stageFile(importsPath(store), lines);
}

std::optional<ImportRecord> findImport(const std::vector<ImportRecord>& records, qint64 size,
                                       const QByteArray& checksum) {
    for (auto at = records.rbegin(); at != records.rend(); ++at) {
        if (at->size == size && at->checksum == checksum)
            return *at;
    }
    return std::nullopt;
}

QString seasonsText(int first, int last) {
    if (first == last)
        return QStringLiteral("season %1").arg(first);
    return QStringLiteral("seasons %1 to %2").arg(first).arg(last);
}

std::vector<std::pair<int, std::string>> importRecordProblems(const std::vector<std::string>& lines,
                                                              int seasons) {
    std::vector<std::pair<int, std::string>> problems;
    if (lines.empty())
        return problems;
    if (lines.front() != kImportsHeader)
        problems.emplace_back(1, std::string("the header is not \"") + kImportsHeader + "\"");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const std::optional<ImportRecord> record = ImportRecord::parse(lines[i]);
        if (!record) {
            problems.emplace_back(lineNo, "not a record of an import: the line is never read");
            continue;
        }
        if (record->lastSeason >= seasons) {
            const char* verb = record->firstSeason == record->lastSeason ? " is" : " are";
            problems.emplace_back(
                lineNo, seasonsText(record->firstSeason, record->lastSeason).toStdString() +
                            " of " + record->name.toStdString() + verb + " not in the years file");
        }
    }
    return problems;
}

}  // namespace pny
