// Reads random bytes as a box score's CSV file for a small league's game, then adds what reads to
// the season in memory: whatever the file holds, the reader refuses it or gives a night whose
// lines are players of the game's teams, and adding it either refuses or succeeds whole.
#include "gamelog/boxscorecsv.h"
#include "gamelog/boxscorewarnings.h"
#include "gamelog/nightentry.h"
#include "store/store.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

// A season of one league (7 innings, user column "Pts") with the Otters at home to the Hawks.
QString folder() {
    static QTemporaryDir dir;
    static const bool written = [] {
        const QString f = dir.path();
        writeFile(f + "/Baseball.Years", "Y|7||1|||\r\n|2024|Season|1|\r\n");
        writeFile(f + "/Y1.Leagues", "L|\r\n|1|City|1|1|7|||||||||||Pts||||\r\n");
        writeFile(f + "/Y1L1.Teams", "T|\r\n|1|Otters|||||\r\n|2|Hawks|||||\r\n");
        writeFile(f + "/Y1L1T1.Players", "P|\r\n|7|Ann|||40|9|\r\n|12|Bo|\r\n|21|Cy|\r\n");
        writeFile(f + "/Y1L1T2.Players", "P|\r\n|1|Dee|\r\n|2|Eve|\r\n");
        writeFile(f + "/Y1L1.Games", "G|\r\n|20240603|1900||1|2|||||||\r\n");
        return true;
    }();
    (void)written;
    return dir.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    pny::Store store(folder());
    store.loadYears();
    if (!store.ensureTeams() || !store.ensureGames())
        std::abort();
    pny::Night night;
    QString error;
    bool namesPutouts = false;
    if (!pny::readBoxScoreCsv(store, bytes, 1, night, error, namesPutouts)) {
        if (error.isEmpty())
            std::abort();  // a refusal says why
        return 0;
    }
    for (const pny::BoxScoreTeam* side : {&night.home, &night.away}) {
        if (side->team != 1 && side->team != 2)
            std::abort();
        for (const pny::BoxScoreLine& line : side->lines) {
            if (line.player < 1 || line.player > (side->team == 1 ? 3 : 2))
                std::abort();  // only players of the team
        }
    }
    (void)pny::boxScoreWarnings(store, night, namesPutouts);
    // In memory only: the store is never committed.
    const pny::NightOutcome outcome = pny::addNight(store, night);
    if (!outcome.accepted && outcome.refusal.isEmpty())
        std::abort();
    return 0;
}
