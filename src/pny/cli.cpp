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

}  // namespace

int run(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() < 2 || arguments.at(1) == QLatin1String("--help") ||
        arguments.at(1) == QLatin1String("-h")) {
        (arguments.size() < 2 ? err : out)
            << kUsage << kBackupUsage << kBoxScoreUsage << kCareerUsage << kCheckUsage
            << kExportUsage << kGenerateUsage << kHistoryUsage << kImportUsage << kLeadersUsage
            << kListUsage << kLogUsage << kPitchersUsage << kPublishUsage << kRosterUsage
            << kHelpLine << kExamples;
        return exitStatus(arguments.size() < 2 ? Outcome::UsageError : Outcome::Success);
    }
    if (arguments.at(1) == QLatin1String("--version")) {
        out << "pny (Pennantry) " << programVersion() << '\n';
        return exitStatus(Outcome::Success);
    }
    if (arguments.at(1) == QLatin1String("export"))
        return runExport(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("check"))
        return runCheck(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("backup"))
        return runBackup(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("generate"))
        return runGenerate(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("import"))
        return runImport(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("leaders"))
        return runLeaders(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("career"))
        return runCareer(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("history"))
        return runHistory(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("list"))
        return runList(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("publish"))
        return runPublish(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("boxscore"))
        return runBoxScore(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("log"))
        return runLog(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("pitchers"))
        return runPitchers(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("roster"))
        return runRoster(arguments.mid(2));
    err << "pny: unknown command \"" << arguments.at(1) << "\"; see pny --help\n";
    return exitStatus(Outcome::UsageError);
}

}  // namespace pny::cli
