#include "rostercommand.h"

#include "folderaccess.h"
#include "folderarguments.h"

#include "roster/roster.h"
#include "roster/rosterplan.h"
#include "store/codepage.h"
#include "store/datafiles.h"
#include "store/filecommit.h"
#include "store/filekind.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace pny::cli {

const char* const kRosterUsage =
    "  roster import FILE.csv --team N [--dry-run] [--folder DIR] [--year N] [--league N]\n"
    "            add a team's players from a spreadsheet's CSV file: the number and name\n"
    "            columns found by their headers (No, Number or #; Name or Player, or First\n"
    "            and Last), UTF-8 or Windows-1252. The team and every row are listed: the\n"
    "            rows added, and those skipped with the reason (a row that cannot be taken, a\n"
    "            number already on the team; 07 and 7 are the same number).\n"
    "            --dry-run   list what would be done and write nothing\n"
    "  roster export --team N [--output FILE] [--folder DIR] [--year N] [--league N]\n"
    "            write the team's players as such a CSV file (standard output by default)\n"
    "            N       a line index in the teams, years or leagues file\n";

namespace {

const char* const kUsageLine =
    "Usage: pny roster import FILE.csv --team N [--dry-run] [--folder DIR] [--year N] [--league "
    "N]\n"
    "       pny roster export --team N [--output FILE] [--folder DIR] [--year N] [--league N]\n";

struct RosterOptions {
    std::optional<int> team;
    std::optional<int> year;
    std::optional<int> league;
    QString output;
    bool dryRun = false;
};

int fail(const QString& message, int code = 1) {
    QTextStream(stderr) << "pny roster: " << message << '\n';
    return code;
}

// Takes this command's options out of `arguments`, leaving the file and the folder.
QString takeOptions(const QStringList& arguments, RosterOptions& options, QStringList& rest) {
    for (int i = 0; i < arguments.size(); ++i) {
        QString option = arguments.at(i);
        QString value;
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        if (equals > 0) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        }
        if (option == QLatin1String("--dry-run") && equals <= 0) {
            options.dryRun = true;
            continue;
        }
        const bool ours = option == QLatin1String("--team") || option == QLatin1String("--year") ||
                          option == QLatin1String("--league") ||
                          option == QLatin1String("--output");
        if (!ours) {
            rest << arguments.at(i);
            continue;
        }
        if (equals <= 0) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("option %1 needs a value").arg(option);
            value = arguments.at(++i);
        }
        if (option == QLatin1String("--output")) {
            options.output = value;
            continue;
        }
        const std::optional<int> index = lineIndexArgument(value);
        if (!index) {
            return QStringLiteral("%1 takes a line index (0 or more), not \"%2\"")
                .arg(option, value);
        }
        if (option == QLatin1String("--team"))
            options.team = index;
        else
            (option == QLatin1String("--year") ? options.year : options.league) = index;
    }
    if (!options.team)
        return QStringLiteral("give the team with --team N");
    return {};
}

// Chooses the league and the team in memory and loads the team's players. Returns what is wrong.
QString chooseTeam(Store& store, const RosterOptions& options) {
    const QString chosen = chooseLeague(store, options.year, options.league);
    if (!chosen.isEmpty())
        return chosen;
    QString fileError;
    store.onFileError = [&fileError](const QString& message) {
        if (fileError.isEmpty())
            fileError = message;
    };
    store.ensureTeams();
    const int team = *options.team;
    if (!fileError.isEmpty())
        return fileError;
    if (!store.teams.isValidRecord(team) ||
        !TeamRecord::parse(store.teams.line(team)).flag.empty()) {
        return QStringLiteral("there is no team %1 in \"%2\"")
            .arg(team)
            .arg(fromCodePage(store.year.number + ' ' + store.league.name));
    }
    store.league.currentTeam = numberText(team);
    store.readTeam(team);
    store.ensurePlayers();
    return fileError;
}

int importRoster(const QString& folder, const QString& file, const RosterOptions& options) {
    if (const QString kind = nonOrdinaryKind(file); !kind.isEmpty())
        return fail(QStringLiteral("\"%1\" is %2, not a CSV file").arg(file, kind));
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        return fail(QStringLiteral("cannot read \"%1\": %2").arg(file, input.errorString()));
    }
    const RosterFile roster = readRoster(input.readAll());
    if (!roster.error.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(file, roster.error));

    // A dry run only reads: it needs no lock, so it also works while the window has the folder.
    FolderLock lock(folder);
    if (options.dryRun) {
        if (!prepareForReading(folder, "roster"))
            return 1;
    } else if (const int status = lockForWriting(lock, "roster")) {
        return status;
    }
    Store store(QDir(folder).absolutePath());
    // The year given here is for this run only: the selection stored in the years file stays.
    store.loadYears();
    const std::string storedYear = store.header.currentYear;
    const QString problem = chooseTeam(store, options);
    if (!problem.isEmpty())
        return fail(problem);

    const RosterPlan plan = planRoster(store, roster);
    QTextStream out(stdout);
    out << "Team " << *options.team << ": " << plan.team << '\n';
    std::vector<std::pair<int, QString>> rows;
    for (const RosterPlayer& player : plan.adds)
        rows.emplace_back(player.line, rosterAddText(player));
    for (const RosterProblem& skipped : plan.skips)
        rows.emplace_back(skipped.line, rosterSkipText(skipped));
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& row : rows)
        out << row.second << '\n';
    const int count = static_cast<int>(plan.adds.size());
    const QString players = count == 1 ? QStringLiteral("player") : QStringLiteral("players");
    if (options.dryRun) {
        out << "Would add " << count << ' ' << players << " to " << plan.teamName << "; skip "
            << plan.skips.size() << ". Nothing was written (--dry-run).\n";
        return 0;
    }

    applyRosterPlan(store, plan);
    store.header.currentYear = storedYear;
    QString saveError;
    store.onFileError = [&saveError](const QString& message) { saveError = message; };
    if (count > 0 && !store.commit())
        return fail(saveError.isEmpty() ? QStringLiteral("the players could not be saved")
                                        : saveError);
    out << "Added " << count << ' ' << players << " to " << plan.teamName << "; skipped "
        << plan.skips.size() << ".\n";
    return 0;
}

int exportRosterFile(const QString& folder, const RosterOptions& options) {
    if (!options.output.isEmpty()) {
        if (const QString refused = refuseOutputPath(options.output); !refused.isEmpty())
            return fail(refused);
    }
    if (!prepareForReading(folder, "roster"))
        return 1;
    Store store(QDir(folder).absolutePath());
    const QString problem = chooseTeam(store, options);
    if (!problem.isEmpty())
        return fail(problem);
    const QByteArray bytes = exportRoster(store);
    QString error;
    if (!options.output.isEmpty()) {
        if (!writeFileAtomically(options.output, bytes, error))
            return fail(error);
        return 0;
    }
    const auto size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
        return fail(QStringLiteral("cannot write to standard output"));
    return 0;
}

}  // namespace

int runRoster(const QStringList& arguments) {
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        QTextStream(stdout) << kUsageLine << kRosterUsage;
        return 0;
    }
    const QString action = arguments.value(0);
    if (action != QLatin1String("import") && action != QLatin1String("export")) {
        QTextStream(stderr) << "pny roster: say import or export\n" << kUsageLine;
        return 2;
    }
    RosterOptions options;
    QStringList rest;
    const QString problem = takeOptions(arguments.mid(1), options, rest);
    if (!problem.isEmpty()) {
        QTextStream(stderr) << "pny roster: " << problem << '\n' << kUsageLine;
        return 2;
    }
    const bool importing = action == QLatin1String("import");
    FolderArguments folder;
    if (!readFolderArguments(rest, importing ? 1 : 0, "roster", kUsageLine, folder))
        return 2;
    if (importing && folder.plain.size() != 1) {
        QTextStream(stderr) << "pny roster: name the CSV file to import\n" << kUsageLine;
        return 2;
    }
    if (!QFileInfo(folder.folder).isDir())
        return fail(QStringLiteral("no data folder \"%1\"").arg(folder.folder));
    return importing ? importRoster(folder.folder, folder.plain.front(), options)
                     : exportRosterFile(folder.folder, options);
}

}  // namespace pny::cli
