#include "checkcommand.h"

#include "store/datacheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace pny::cli {

int runCheck(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    const char* const usage = "Usage: pny check [--folder DIR]\n";
    QString folder = QCoreApplication::applicationDirPath();
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--folder") && i + 1 < arguments.size()) {
            folder = arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--folder="))) {
            folder = arg.mid(9);
        } else {
            err << "pny check: unexpected argument \"" << arg << "\"\n" << usage;
            return 2;
        }
    }
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
