#include "cli.h"

#include "backupcommand.h"
#include "checkcommand.h"
#include "exportcommand.h"
#include "generatecommand.h"
#include "importcommand.h"
#include "leaderscommand.h"
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
    "Commands:\n"
    "  backup DEST [--folder DIR]  copy every data and notes file into DEST\n"
    "  check [--folder DIR]        report what is wrong in the data files, exit 1 if anything\n"
    "  import FILE [--folder DIR]  add the seasons of an older .PZS statistics file\n";

const char* const kHelpLine = "  --help      show this text\n";

const char* const kExamples =
    "\n"
    "Examples:\n"
    "  pny export --folder ~/Pennantry --tab Hitting --format html --output hitting.html\n"
    "  pny export --tab teams --league 2 --format csv\n"
    "  pny leaders --top 5 --format html > leaders.html\n"
    "  pny publish --output ~/league-site\n";

}  // namespace

int run(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() < 2 || arguments.at(1) == QLatin1String("--help") ||
        arguments.at(1) == QLatin1String("-h")) {
        out << kUsage << kExportUsage << kGenerateUsage << kLeadersUsage << kPublishUsage
            << kRosterUsage << kHelpLine << kExamples;
        return arguments.size() < 2 ? 2 : 0;
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
    if (arguments.at(1) == QLatin1String("publish"))
        return runPublish(arguments.mid(2));
    if (arguments.at(1) == QLatin1String("roster"))
        return runRoster(arguments.mid(2));
    err << "pny: unknown command \"" << arguments.at(1) << "\"; see pny --help\n";
    return 2;
}

}  // namespace pny::cli
