#include "boxscorecommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"
#include "folderaccess.h"

#include "gamelog/boxscorecsv.h"
#include "gamelog/boxscorewarnings.h"
#include "gamelog/gamelog.h"
#include "gamelog/nightentry.h"
#include "gamelog/nightnames.h"
#include "pitching/eligibility.h"
#include "pitching/pitchrulesfile.h"
#include "store/codepage.h"
#include "store/filekind.h"
#include "store/linecodec.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace pny::cli {

const char* const kBoxScoreUsage =
    "  boxscore FILE.csv --game N [--change] [--folder DIR] [--year N] [--league N]\n"
    "            add the night of schedule game N from a CSV file, one block per team:\n"
    "            a row \"Team,NAME,Score,RUNS\", a header row (No, then the box score's\n"
    "            columns: AB R H 2B 3B HR RBI BB SO HBP SH SF SB CS, DEC (W, L or S), IP\n"
    "            as 5.2, the pitcher's H R BB SO HB as P.H P.R P.BB P.SO P.HB, ER WP BK,\n"
    "            PO A E; or the stored captions PA, 1B, ... IP and 3IP, Won ...) and a\n"
    "            row per player by number; a second header row may start the pitching.\n"
    "            Players' totals, both teams' won/lost/tied, the game's score and the\n"
    "            game log are saved at once; the sheet's warnings are printed.\n"
    "            --change replaces the night the game already has.\n"
    "            NP and S give the pitches and strikes (stored as ST = S, BT = NP - S; with\n"
    "            S empty all of NP counts as balls); pitchers who were not yet eligible\n"
    "            under the league's pitch rules or went over its daily maximum are warned of.\n";

namespace {

const QString kCommand = QStringLiteral("boxscore");

QString teamName(const Store& store, int team) {
    return fromCodePage(TeamRecord::parse(store.teams.line(team)).name).trimmed();
}

QString playerName(const Store& store, int team, int player) {
    std::vector<std::string> lines;
    QString error;
    if (!store.teamPlayerLines(team, lines, error) || player < 1 ||
        player >= static_cast<int>(lines.size())) {
        return QStringLiteral("player %1").arg(player);
    }
    return fromCodePage(PlayerRecord::parse(lines[static_cast<std::size_t>(player)]).name)
        .trimmed();
}

// The sheet's warnings; those that refuse the night are told by the refusal itself.
void printWarnings(const Store& store, const Night& night, bool fieldingShown) {
    QTextStream err(stderr);
    for (const BoxScoreWarning& warning : boxScoreWarnings(store, night, fieldingShown)) {
        if (warning.refuses)
            continue;
        const BoxScoreTeam& side = warning.home ? night.home : night.away;
        err << "warning: " << teamName(store, side.team);
        if (warning.line >= 0) {
            err << ", "
                << playerName(store, side.team,
                              side.lines[static_cast<std::size_t>(warning.line)].player);
        }
        err << ": " << warning.text << '\n';
    }
}

}  // namespace

int runBoxScore(const QStringList& arguments) {
    const CommandLine syntax{"boxscore",
                             "boxscore FILE.csv --game N [OPTIONS]",
                             kBoxScoreUsage,
                             {{"--folder", "--year", "--league", "--game"}, {"--change"}, 1}};
    CommandArguments args;
    std::optional<int> game;
    if (const auto status = readCommandLine(arguments, syntax, args, [&](const auto& read) {
            const QString problem = readIndex(read, QStringLiteral("--game"), game);
            if (problem.isEmpty() && read.plain.isEmpty())
                return QStringLiteral("give the CSV file of the night");
            if (problem.isEmpty() && !game)
                return QStringLiteral("give the schedule's game with --game N");
            return problem;
        }))
        return *status;
    const SelectionOptions& selection = args.selection;

    const QString file = args.plain.first();
    if (const QString kind = nonOrdinaryKind(file); !kind.isEmpty())
        return failure(kCommand, QStringLiteral("\"%1\" is %2, not a CSV file").arg(file, kind));
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return failure(kCommand,
                       QStringLiteral("cannot read \"%1\": %2").arg(file, input.errorString()));
    const QByteArray bytes = input.readAll();

    if (!QFileInfo(args.dataFolder()).isDir())
        return failure(kCommand, QStringLiteral("no data folder \"%1\"").arg(args.dataFolder()));
    FolderLock lock(args.dataFolder());
    if (const int status = lockForWriting(lock, "boxscore"))
        return status;
    CommandStore data(args.dataFolder());
    Store& store = data.store;
    if (const QString error = data.openSelection(selection, false); !error.isEmpty())
        return failure(kCommand, error);
    store.ensureTeams();
    store.ensureGames();
    store.ensurePlayers();
    if (!data.fileError().isEmpty())
        return failure(kCommand, data.fileError());

    Night night;
    QString error;
    bool namesPutouts = false;
    if (!readBoxScoreCsv(store, bytes, *game, night, error, namesPutouts))
        return failure(kCommand, QStringLiteral("%1: %2").arg(file, error));
    GameLog log;
    if (!log.read(store, error))
        return failure(kCommand, error);
    const int existing = nightOfGame(log, *game);
    const bool change = args.flag(QStringLiteral("--change"));
    if (existing != 0 && !change) {
        return failure(kCommand,
                       QStringLiteral("game %1 already has its night in the game log (entry %2); "
                                      "give --change to replace it")
                           .arg(*game)
                           .arg(existing));
    }
    if (existing == 0 && change)
        return failure(kCommand, QStringLiteral("game %1 has no night to change").arg(*game));

    printWarnings(store, night, namesPutouts);
    // Pitchers who were not eligible or went over the daily maximum: warned of, never refused.
    std::optional<PitchRules> rules;
    if (!readPitchRules(pitchRulesPath(store), rules, error))
        reportProblem(kCommand, error);
    if (rules) {
        QTextStream err(stderr);
        for (const PitchWarning& warning :
             pitchWarnings(store, log, *rules, night, change ? existing : 0))
            err << "warning: " << warning.text << '\n';
    }
    const NightOutcome outcome =
        change ? changeNight(store, existing, night) : addNight(store, night);
    if (!outcome.accepted)
        return failure(kCommand, outcome.refusal + QStringLiteral(" Nothing was added."));
    // A year given here is used for this run only: the selection stored in the years file stays.
    store.header.currentYear = data.storedYear();
    if (!store.commit()) {
        return failure(kCommand, data.fileError().isEmpty()
                                     ? QStringLiteral("the night could not be saved")
                                     : data.fileError());
    }
    QTextStream out(stdout);
    out << (change ? "Changed in " : "Added to ") << seasonAndLeague(store) << ": "
        << nightSummary(store, night) << '\n';
    return exitStatus(Outcome::Success);
}

}  // namespace pny::cli
