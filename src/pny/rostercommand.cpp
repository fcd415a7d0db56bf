#include "rostercommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"
#include "folderaccess.h"

#include "roster/roster.h"
#include "roster/rosterplan.h"
#include "store/codepage.h"
#include "store/datafiles.h"
#include "store/filecommit.h"
#include "store/filekind.h"
#include "store/linecodec.h"
#include "store/store.h"

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

const QString kCommand = QStringLiteral("roster");

int fail(const QString& message) {
    return failure(kCommand, message);
}

// Opens the years file, chooses the year and league the options give and the team, in memory,
// and loads the team's players. Returns what is wrong.
QString chooseTeam(CommandStore& data, const SelectionOptions& selection) {
    const QString chosen = data.openSelection(selection, false);
    if (!chosen.isEmpty())
        return chosen;
    Store& store = data.store;
    store.ensureTeams();
    const int team = *selection.team;
    if (!data.fileError().isEmpty())
        return data.fileError();
    if (!store.teams.isValidRecord(team) ||
        !TeamRecord::parse(store.teams.line(team)).flag.empty()) {
        return QStringLiteral("there is no team %1 in \"%2\"")
            .arg(team)
            .arg(fromCodePage(store.year.number + ' ' + store.league.name));
    }
    store.league.currentTeam = numberText(team);
    store.readTeam(team);
    store.ensurePlayers();
    return data.fileError();
}

int importRoster(const CommandArguments& args) {
    const SelectionOptions& selection = args.selection;
    const QString folder = args.dataFolder();
    const QString file = args.plain.at(1);
    const bool dryRun = args.flag(QStringLiteral("--dry-run"));
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
    if (dryRun) {
        if (!prepareForReading(folder, "roster"))
            return exitStatus(Outcome::Failure);
    } else if (const int status = lockForWriting(lock, "roster")) {
        return status;
    }
    CommandStore data(folder);
    Store& store = data.store;
    const QString problem = chooseTeam(data, selection);
    if (!problem.isEmpty())
        return fail(problem);

    const RosterPlan plan = planRoster(store, roster);
    QTextStream out(stdout);
    out << "Team " << *selection.team << ": " << plan.team << '\n';
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
    if (dryRun) {
        out << "Would add " << count << ' ' << players << " to " << plan.teamName << "; skip "
            << plan.skips.size() << ". Nothing was written (--dry-run).\n";
        return exitStatus(Outcome::Success);
    }

    applyRosterPlan(store, plan);
    // The year given here is for this run only: the selection stored in the years file stays.
    store.header.currentYear = data.storedYear();
    QString saveError;
    store.onFileError = [&saveError](const QString& message) { saveError = message; };
    if (count > 0 && !store.commit())
        return fail(saveError.isEmpty() ? QStringLiteral("the players could not be saved")
                                        : saveError);
    out << "Added " << count << ' ' << players << " to " << plan.teamName << "; skipped "
        << plan.skips.size() << ".\n";
    return exitStatus(Outcome::Success);
}

int exportRosterFile(const CommandArguments& args) {
    const SelectionOptions& selection = args.selection;
    const QString output = args.value(QStringLiteral("--output"));
    if (!output.isEmpty()) {
        if (const QString refused = refuseOutputPath(output); !refused.isEmpty())
            return fail(refused);
    }
    if (!prepareForReading(args.dataFolder(), "roster"))
        return exitStatus(Outcome::Failure);
    CommandStore data(args.dataFolder());
    const QString problem = chooseTeam(data, selection);
    if (!problem.isEmpty())
        return fail(problem);
    const QByteArray bytes = exportRoster(data.store);
    QString error;
    if (!output.isEmpty()) {
        if (!writeFileAtomically(output, bytes, error))
            return fail(error);
        return exitStatus(Outcome::Success);
    }
    const auto size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
        return fail(QStringLiteral("cannot write to standard output"));
    return exitStatus(Outcome::Success);
}

}  // namespace

int runRoster(const QStringList& arguments) {
    // The action comes first; the CSV file to import follows it.
    const CommandLine syntax{
        "roster",
        "roster import|export [OPTIONS]",
        kRosterUsage,
        {{"--folder", "--team", "--year", "--league", "--output"}, {"--dry-run"}, 2}};
    const QString action = arguments.value(0);
    const bool importing = action == QLatin1String("import");
    CommandArguments args;
    if (const auto status = readCommandLine(arguments, syntax, args, [&](const auto& read) {
            if (!importing && action != QLatin1String("export"))
                return QStringLiteral("say import or export");
            if (!read.selection.team)
                return QStringLiteral("give the team with --team N");
            if (importing && read.plain.size() != 2)
                return QStringLiteral("name the CSV file to import");
            if (!importing && read.plain.size() > 1)
                return QStringLiteral("unexpected argument \"%1\"").arg(read.plain.at(1));
            return QString();
        }))
        return *status;
    if (!QFileInfo(args.dataFolder()).isDir())
        return fail(QStringLiteral("no data folder \"%1\"").arg(args.dataFolder()));
    return importing ? importRoster(args) : exportRosterFile(args);
}

}  // namespace pny::cli
