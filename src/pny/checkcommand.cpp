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
    const CommandLine syntax{"check", "check [--folder DIR]", kCheckUsage, {{"--folder"}, {}, 0}};
    CommandArguments args;
    if (const auto status = readCommandLine(arguments, syntax, args))
        return *status;
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
