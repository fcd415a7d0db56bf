#include "folderarguments.h"

#include "store/codepage.h"
#include "store/datafolder.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace pny::cli {

bool readFolderArguments(const QStringList& arguments, int maxPlain, const char* command,
                         const char* usage, FolderArguments& result) {
    result.folder.clear();
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
    // A folder that could not be made is named by the command's own "no data folder" message.
    QString unused;
    result.folder = chooseDataFolder(result.folder, runningProgramPlaces(), unused);
    return true;
}

std::optional<int> lineIndexArgument(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

QString chooseLeague(Store& store, std::optional<int> year, std::optional<int> league) {
    if (!QFileInfo::exists(store.yearsPath())) {
        return QStringLiteral("no \"Baseball.Years\" in \"%1\"").arg(store.dataFolder());
    }
    QString fileError;
    auto previous = store.onFileError;
    store.onFileError = [&fileError](const QString& message) {
        if (fileError.isEmpty())
            fileError = message;
    };
    store.loadYears();
    if (year) {
        store.header.currentYear = numberText(*year);
        store.readYear(*year);
    }
    QString problem;
    if (!fileError.isEmpty()) {
        problem = fileError;
    } else if (!store.hasYear() || !store.years.isValidRecord(toNumber(store.header.currentYear))) {
        problem = QStringLiteral("no usable year is chosen; give one with --year");
    } else {
        if (league)
            store.year.currentLeague = numberText(*league);
        store.ensureLeagues();
        if (!fileError.isEmpty()) {
            problem = fileError;
        } else if (!store.hasLeague() ||
                   !store.leagues.isValidRecord(toNumber(store.year.currentLeague))) {
            problem =
                QStringLiteral("no usable league is chosen in year \"%1\"; give one with --league")
                    .arg(fromCodePage(store.year.number));
        }
    }
    store.onFileError = previous;
    return problem;
}

}  // namespace pny::cli
