#include "about/startarguments.h"

#include <QFileInfo>

namespace pny {

StartArguments readStartArguments(const QStringList& arguments) {
    StartArguments result;
    for (const QString& arg : arguments) {
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.help = true;
        } else if (arg == QLatin1String("--version")) {
            result.version = true;
        } else if (arg.startsWith(QLatin1Char('-'))) {
            result.error = QStringLiteral("unknown option \"%1\"").arg(arg);
        } else if (QFileInfo(arg).isDir()) {
            if (!result.folder.isEmpty())
                result.error = QStringLiteral("more than one data folder: \"%1\"").arg(arg);
            else
                result.folder = arg;
        } else if (QFileInfo(arg).isFile()) {
            if (!result.importFile.isEmpty())
                result.error = QStringLiteral("more than one file to import: \"%1\"").arg(arg);
            else
                result.importFile = arg;
        } else {
            result.error = QStringLiteral("no such folder or file \"%1\"").arg(arg);
        }
        if (!result.error.isEmpty())
            break;
    }
    return result;
}

QString startUsage() {
    return QStringLiteral(
        "Usage: pennantry [FOLDER] [FILE.PZS]\n"
        "\n"
        "Pennantry keeps the statistics, standings and schedule of an amateur baseball league.\n"
        "\n"
        "Arguments:\n"
        "  FOLDER      open the data files of FOLDER instead of the usual data folder\n"
        "  FILE.PZS    offer to import the seasons of a statistics file of the older program\n"
        "              (with its .PZN notes) into the data folder\n"
        "\n"
        "Options:\n"
        "  --help, -h  show this text\n"
        "  --version   show the version of Pennantry\n"
        "\n"
        "Data folder:\n"
        "  Without FOLDER the data files live in the folder of the program file when you can\n"
        "  write to it (as when Pennantry was built and installed into a folder of your own);\n"
        "  an installed Pennantry keeps them in ~/Pennantry, made on the first start.\n"
        "  pny uses the same folder; pny --folder DIR names another.\n");
}

}  // namespace pny
