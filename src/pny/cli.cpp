#include "cli.h"

#include "backupcommand.h"
#include "boxscorecommand.h"
#include "careercommand.h"
#include "checkcommand.h"
#include "exportcommand.h"
#include "generatecommand.h"
#include "historycommand.h"
#include "exitstatus.h"
#include "importcommand.h"
#include "leaderscommand.h"
#include "listcommand.h"
#include "logcommand.h"
#include "pitcherscommand.h"

#include "about/programversion.h"
#include "publishcommand.h"
#include "rostercommand.h"

#include <QTextStream>

namespace pny::cli {
namespace {

const char* const kUsage =
    "Usage: pny COMMAND [OPTIONS]\n"
    "\n"
    "The command-line companion of Pennantry. It reads and writes the same data files\n"
    "as the program.\n"
    "\n"
    "Commands (pny COMMAND --help shows one):\n";

const char* const kHelpLine =
    "\n"
    "Options:\n"
    "  --help, -h  show this text\n"
    "  --version   show the version of pny\n"
    "\n"
    "\n"
    "Data folder:\n"
    "  Without --folder DIR, pny uses the data folder of the program: the folder of the\n"
    "  program file when you can write to it, otherwise ~/Pennantry (made when missing).\n"
    "\n"
    "Exit status: 0 done, 1 failed (for check: problems found), 2 a wrong command line.\n";

const char* const kExamples =
    "\n"
    "Examples:\n"
    "  pny list --year 1   (the leagues of season 1, with the indexes --league takes)\n"
    "  pny export --folder ~/Pennantry --tab Hitting --format html --output hitting.html\n"
    "  pny export --tab teams --league 2 --format csv\n"
    "  pny leaders --top 5 --format html > leaders.html\n"
    "  pny career --team 2 --player 14 --tab Pitching\n"
    "  pny pitchers --team 1 --date 2026-05-12\n"
    "  pny publish --output ~/league-site\n";

// Every command: its name, how it runs and its lines in the general help, in the order the
// help lists them.
struct Command {
    const char* name;
    int (*run)(const QStringList& arguments);
    const char* const* usage;
};

const Command kCommands[] = {
    {"backup", runBackup, &kBackupUsage},
    {"boxscore", runBoxScore, &kBoxScoreUsage},
    {"career", runCareer, &kCareerUsage},
    {"check", runCheck, &kCheckUsage},
    {"export", runExport, &kExportUsage},
    {"generate", runGenerate, &kGenerateUsage},
    {"history", runHistory, &kHistoryUsage},
    {"import", runImport, &kImportUsage},
    {"leaders", runLeaders, &kLeadersUsage},
    {"list", runList, &kListUsage},
    {"log", runLog, &kLogUsage},
    {"pitchers", runPitchers, &kPitchersUsage},
    {"publish", runPublish, &kPublishUsage},
    {"roster", runRoster, &kRosterUsage},
};

}  // namespace

int run(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() < 2 || arguments.at(1) == QLatin1String("--help") ||
        arguments.at(1) == QLatin1String("-h")) {
        QTextStream& help = arguments.size() < 2 ? err : out;
        help << kUsage;
        for (const Command& command : kCommands)
            help << *command.usage;
        help << kHelpLine << kExamples;
        return exitStatus(arguments.size() < 2 ? Outcome::UsageError : Outcome::Success);
    }
    if (arguments.at(1) == QLatin1String("--version")) {
        out << "pny (Pennantry) " << programVersion() << '\n';
        return exitStatus(Outcome::Success);
    }
    for (const Command& command : kCommands) {
        if (arguments.at(1) == QLatin1String(command.name))
            return command.run(arguments.mid(2));
    }
    err << "pny: unknown command \"" << arguments.at(1) << "\"; see pny --help\n";
    return exitStatus(Outcome::UsageError);
}

}  // namespace pny::cli
