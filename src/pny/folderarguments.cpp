#include "folderarguments.h"

#include <QCoreApplication>
#include <QTextStream>

namespace pny::cli {

bool readFolderArguments(const QStringList& arguments, int maxPlain, const char* command,
                         const char* usage, FolderArguments& result) {
    result.folder = QCoreApplication::applicationDirPath();
    result.plain.clear();
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--folder") && i + 1 < arguments.size()) {
            result.folder = arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--folder="))) {
            result.folder = arg.mid(9);
        } else if (!arg.startsWith(QLatin1String("--")) && result.plain.size() < maxPlain) {
            result.plain << arg;
        } else {
            QTextStream(stderr) << "pny " << command << ": unexpected argument \"" << arg << "\"\n"
                                << usage;
            return false;
        }
    }
    return true;
}

}  // namespace pny::cli
