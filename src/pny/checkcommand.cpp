#include "checkcommand.h"

#include "arguments.h"
#include "exitstatus.h"

#include "store/datacheck.h"

#include <QFileInfo>
#include <QTextStream>

namespace pny::cli {

const char* const kCheckUsage =
    "  check [--folder DIR]\n"
    "            read every data file and print one line per problem, as FILE:LINE: what;\n"
    "            exits 1 when it found anything. Writes nothing.\n";

int runCheck(const QStringList& arguments) {
    const QString command = QStringLiteral("check");
    if (asksForHelp(arguments))
        return showHelp(QStringLiteral("Usage: pny check [--folder DIR]\n") + kCheckUsage);
    CommandArguments args;
    if (const QString problem = readArguments(arguments, {{"--folder"}, {}, 0}, args);
        !problem.isEmpty())
        return usageError(command, problem);
    const QString folder = args.dataFolder();
    if (!QFileInfo(folder).isDir())
        return failure(command, QStringLiteral("no data folder \"%1\"").arg(folder));
    QTextStream out(stdout);
    const std::vector<pny::CheckFinding> findings = pny::checkDataFolder(folder);
    for (const pny::CheckFinding& finding : findings)
        out << QString::fromLatin1(finding.text().c_str()) << "\n";
    if (findings.empty()) {
        out << "The data folder " << folder << " is sound.\n";
        return exitStatus(Outcome::Success);
    }
    out << findings.size() << (findings.size() == 1 ? " problem" : " problems") << " found in "
        << folder << ".\n";
    return exitStatus(Outcome::Failure);
}

}  // namespace pny::cli
