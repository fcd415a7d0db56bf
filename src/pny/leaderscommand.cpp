#include "leaderscommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"
#include "printoutput.h"

#include "store/store.h"
#include "views/leaders.h"
#include "views/leadersexport.h"
#include "views/leadersettings.h"

#include <optional>

namespace pny::cli {

const char* const kLeadersUsage =
    "  leaders [--folder DIR] [--year N] [--league N] [--top N] [--format tsv|csv|html]\n"
    "            print the league's leaders in every category across all its teams, one\n"
    "            block per category with its qualification rule; nothing is written.\n"
    "            --year, --league  a line index in the years or leagues file, in place\n"
    "                    of the current year or league stored in the files\n"
    "            --top N list N places (default: the league's own, 10 unless changed in\n"
    "                    the League Leaders window)\n"
    "            tsv     (default), csv or html, as for export\n";

namespace {

const QString kCommand = QStringLiteral("leaders");

}  // namespace

int runLeaders(const QStringList& arguments) {
    const CommandLine syntax{"leaders",
                             "leaders [OPTIONS]",
                             kLeadersUsage,
                             {{"--folder", "--year", "--league", "--top", "--format"}, {}, 0}};
    CommandArguments args;
    std::optional<int> top;
    QString format;
    if (const auto status = readCommandLine(arguments, syntax, args, [&](const auto& read) {
            const QString problem = readPlaces(read, top);
            return problem.isEmpty() ? readTableFormat(read, format) : problem;
        }))
        return *status;
    const SelectionOptions& selection = args.selection;

    CommandStore data(args.dataFolder());
    if (!openForReading(data, kCommand, selection, false))
        return exitStatus(Outcome::Failure);
    Store& store = data.store;

    LeaderSettings settings;
    QString error;
    if (!readLeaderSettings(leaderSettingsPath(store), settings, error))
        return failure(kCommand, error);
    if (top)
        settings.places = *top;
    LeagueLeaders leaders;
    if (!buildLeagueLeaders(store, settings, leaders, error))
        return failure(kCommand, error);

    if (format == QLatin1String("csv"))
        return printOutput(kCommand, exportLeadersCsv(leaders));
    if (format == QLatin1String("html"))
        return printOutput(kCommand, exportLeadersHtml(leaders));
    return printOutput(kCommand, exportLeadersTsv(leaders));
}

}  // namespace pny::cli
