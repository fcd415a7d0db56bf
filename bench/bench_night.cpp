// Times a game night from the box score sheet: two teams of 15 players added to their totals,
// both teams' results, the game's score and the game log, then the commit with its sync, on the
// disk of the folder given. The season fills up as it runs: the last nights go into a log of a
// few thousand lines. Prints the median and the slowest night.
#include "gamelog/nightentry.h"
#include "store/store.h"

#include "benchseason.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int kTeams = 12;
constexpr int kPlayers = 15;

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const int nights = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 100;
    QTemporaryDir dir(parent + QStringLiteral("/pny-bench-XXXXXX"));
    pny::Store store(dir.path());
    bench::makeSeason(store, kTeams, kPlayers);
    store.ensureGames();
    for (int g = 0; g < nights; ++g) {
        const int home = 1 + (g % kTeams);
        const int away = 1 + ((g + 1 + g / kTeams) % kTeams);
        store.game = pny::GameRecord::parse(
            "|20260601|1800||" + std::to_string(home) + "|" +
            std::to_string(away == home ? home % kTeams + 1 : away) + "|||||||");
        store.addGame();
    }
    if (!store.saveAll())
        return 1;

    std::vector<qint64> times;
    std::vector<qint64> entryTimes;  // the night in memory, before the commit
    for (int g = 1; g <= nights; ++g) {
        const pny::GameRecord game = pny::GameRecord::parse(store.games.line(g));
        pny::Night night;
        night.date = game.date;
        night.time = game.time;
        night.game = g;
        night.home = bench::nightSide(std::stoi(game.home), 5, g, kPlayers);
        night.away = bench::nightSide(std::stoi(game.away), 3, g, kPlayers);
        QElapsedTimer timer;
        timer.start();
        const pny::NightOutcome outcome = pny::addNight(store, night);
        entryTimes.push_back(timer.nsecsElapsed() / 1000);
        if (!outcome.accepted || !store.commit()) {
            QTextStream(stderr) << "night " << g << " failed: " << outcome.refusal << '\n';
            return 1;
        }
        times.push_back(timer.nsecsElapsed() / 1000);
    }
    const std::vector<qint64> all = times;
    std::sort(times.begin(), times.end());
    std::sort(entryTimes.begin(), entryTimes.end());
    QTextStream(stdout) << "a night of 2 x " << kPlayers << " players with its commit in " << parent
                        << ": median " << times[times.size() / 2] / 1000.0 << " ms, slowest "
                        << times.back() / 1000.0 << " ms, the last night " << all.back() / 1000.0
                        << " ms (" << nights << " nights); the night in memory alone: median "
                        << entryTimes[entryTimes.size() / 2] / 1000.0 << " ms\n";
    return 0;
}
