// Loads a RecordList from bytes (split into lines as a file is) and reads every line, and indexes
// around the ends, as every record kind.
#include "store/recordlist.h"
#include "store/records.h"
#include "store/textfile.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    pny::RecordList list('G');
    list.setLines(pny::splitLines(bytes));
    const int n = list.size();
    for (int i = -2; i <= n + 1; ++i) {
        const std::string& line = list.line(i);
        (void)pny::GameRecord::parse(line);
        (void)pny::TeamRecord::parse(line);
        (void)pny::PlayerRecord::parse(line);
        (void)pny::LeagueRecord::parse(line);
    }
    list.setLine(n, "|x|");
    list.setLine(-1, "|x|");
    list.setLine(n - 1, pny::GameRecord::parse(list.line(n - 1)).build());
    return 0;
}
