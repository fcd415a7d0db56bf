#include "importcommand.h"

#include "arguments.h"
#include "exitstatus.h"
#include "folderaccess.h"

#include "import/legacyimport.h"
#include "store/store.h"

#include <QFileInfo>
#include <QTextStream>

namespace pny::cli {

const char* const kImportUsage =
    "  import FILE [--again] [--folder DIR]\n"
    "            add the seasons of an older .PZS statistics file, with its .PZN notes.\n"
    "            A file imported into the folder before is refused, naming the seasons it\n"
    "            made; --again imports it once more.\n";

int runImport(const QStringList& arguments) {
    const QString command = QStringLiteral("import");
    const CommandLine syntax{"import",
                             "import FILE [--again] [--folder DIR]",
                             kImportUsage,
                             {{"--folder"}, {"--again"}, 1}};
    CommandArguments args;
    if (const auto status = readCommandLine(arguments, syntax, args, [](const auto& read) {
            return read.plain.isEmpty() ? QStringLiteral("give the .PZS file to import")
                                        : QString();
        }))
        return *status;
    QTextStream out(stdout);
    const QString folder = args.dataFolder();
    const QString file = args.plain.value(0);
    if (!QFileInfo(folder).isDir())
        return failure(command, QStringLiteral("no data folder \"%1\"").arg(folder));
    if (!pny::hasLegacyExtension(file)) {
        return failure(command,
                       QStringLiteral("The File Extension Must be .PZS (\"%1\")").arg(file));
    }

    pny::FolderLock lock(folder);
    if (const int status = lockForWriting(lock, "import"))
        return status;
    pny::Store store(folder);
    bool fileError = false;
    store.onFileError = [&](const QString& message) {
        reportProblem(command, message);
        fileError = true;
    };
    store.loadYears();
    if (fileError)
        return exitStatus(Outcome::Failure);  // never save over a years file that could not be read
    const pny::ImportResult result =
        pny::importLegacyFile(store, file, {}, args.flag(QStringLiteral("--again")));
    for (const QString& warning : result.warnings)
        reportProblem(command, warning);
    if (result.earlier) {
        return failure(command,
                       result.error + QStringLiteral(" Nothing was imported; give --again to "
                                                     "import it once more."));
    }
    if (!result.ok())
        return failure(command, result.error);
    // The whole import is one commit: it reaches the disk whole or not at all.
    if (!store.saveAll() || fileError)
        return failure(command, QStringLiteral("nothing was imported"));
    const pny::ImportCounts& c = result.counts;
    out << pny::importSummary(c, file) << "\n";
    if (c.cleaned > 0)
        out << pny::cleanedTextsReport(c) << "\n";
    return exitStatus(result.warnings.isEmpty() ? Outcome::Success : Outcome::Failure);
}

}  // namespace pny::cli
