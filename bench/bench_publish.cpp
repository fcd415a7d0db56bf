// Times the league's website: a league of 20 teams of 25 players with 200 nights in its game log
// (about 740 pages), built in memory, then written into an empty folder, then written again over
// itself, when no file changes. Prints the median of a few runs of each.
#include "gamelog/nightentry.h"
#include "publish/leaguesite.h"
#include "publish/sitewriter.h"
#include "store/store.h"
#include "views/leadersettings.h"

#include "benchseason.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimeZone>

#include <algorithm>
#include <vector>

namespace {

constexpr int kTeams = 20;
constexpr int kPlayers = 25;
constexpr int kRuns = 5;

qint64 median(std::vector<qint64> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const int nights = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 200;
    QTemporaryDir dir(parent + QStringLiteral("/pny-bench-XXXXXX"));
    QTemporaryDir out(parent + QStringLiteral("/pny-bench-site-XXXXXX"));
    pny::Store store(dir.path());
    bench::makeSeason(store, kTeams, kPlayers);
    store.ensureGames();
    for (int g = 0; g < nights; ++g) {
        const int home = 1 + (g % kTeams);
        const int away = 1 + ((g + 1 + g / kTeams) % kTeams);
        const QDate day = QDate(2026, 5, 1).addDays(g / 10);
        store.game = pny::GameRecord::parse(
            "|" + day.toString(QStringLiteral("yyyyMMdd")).toStdString() + "|1800||" +
            std::to_string(home) + "|" + std::to_string(away == home ? home % kTeams + 1 : away) +
            "|||||||");
        store.addGame();
    }
    if (!store.saveAll())
        return 1;
    for (int g = 1; g <= nights; ++g) {
        const pny::GameRecord game = pny::GameRecord::parse(store.games.line(g));
        pny::Night night;
        night.date = game.date;
        night.time = game.time;
        night.game = g;
        night.home = bench::nightSide(std::stoi(game.home), 5 + g % 3, g, kPlayers);
        night.away = bench::nightSide(std::stoi(game.away), 3 + g % 5, g, kPlayers);
        const pny::NightOutcome outcome = pny::addNight(store, night);
        if (!outcome.accepted) {
            QTextStream(stderr) << "night " << g << " refused: " << outcome.refusal << '\n';
            return 1;
        }
    }
    if (!store.commit())
        return 1;

    std::vector<qint64> build, first, again;
    std::vector<pny::SiteFile> files;
    QString error;
    for (int run = 0; run < kRuns; ++run) {
        const QString site = out.path() + QStringLiteral("/site-%1").arg(run);
        QElapsedTimer timer;
        timer.start();
        if (!pny::buildLeagueSite(store, pny::LeaderSettings(), QDate(2026, 9, 1), QTimeZone("UTC"),
                                  files, error)) {
            QTextStream(stderr) << error << '\n';
            return 1;
        }
        build.push_back(timer.nsecsElapsed() / 1000);
        timer.restart();
        if (!pny::writeSite(site, dir.path(), files, error)) {
            QTextStream(stderr) << error << '\n';
            return 1;
        }
        first.push_back(timer.nsecsElapsed() / 1000);
        timer.restart();
        if (!pny::writeSite(site, dir.path(), files, error))
            return 1;
        again.push_back(timer.nsecsElapsed() / 1000);
    }
    QTextStream(stdout) << "a site of " << files.size() << " files (" << kTeams << " teams of "
                        << kPlayers << " players, " << nights << " nights) in " << parent
                        << ": built in " << median(build) / 1000 << " ms, written into an empty "
                        << "folder in " << median(first) / 1000 << " ms, written again unchanged "
                        << "in " << median(again) / 1000 << " ms; publishing in all "
                        << (median(build) + median(first)) / 1000 << " ms (median of " << kRuns
                        << " runs)\n";
    return 0;
}
