#include "checkcommand.h"

#include "folderarguments.h"

#include "store/datacheck.h"

#include <QFileInfo>
#include <QTextStream>

namespace pny::cli {

int runCheck(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    const char* const usage = "Usage: pny check [--folder DIR]\n";
    FolderArguments args;
    if (!readFolderArguments(arguments, 0, "check", usage, args))
        return 2;
    const QString folder = args.folder;
    if (!QFileInfo(folder).isDir()) {
        err << "pny check: the data folder \"" << folder << "\" does not exist\n";
        return 2;
    }
    const std::vector<pny::CheckFinding> findings = pny::checkDataFolder(folder);
    for (const pny::CheckFinding& finding : findings)
        out << QString::fromLatin1(finding.text().c_str()) << "\n";
    if (findings.empty()) {
        out << "The data folder " << folder << " is sound.\n";
        return 0;
    }
    out << findings.size() << (findings.size() == 1 ? " problem" : " problems") << " found in "
        << folder << ".\n";
    return 1;
}

}  // namespace pny::cli
