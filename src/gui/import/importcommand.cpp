#include "import/importcommand.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/msg.h"

#include "import/legacyimport.h"
#include "store/store.h"

#include <QApplication>
#include <QFileInfo>

bool runImport(QWidget* parent, pny::Store& store, TMsgForm* progressWindow) {
    QString path = FileDialogs::openFileName(parent, QStringLiteral("Open New or Other PZS File"),
                                             store.dataFolder(),
                                             QStringLiteral("Baseball Statistics (*.PZS *.pzs)"));
    if (path.isEmpty())
        return false;
    // A name typed without an extension takes the default one.
    if (QFileInfo(path).suffix().isEmpty())
        path += QFileInfo::exists(path + QStringLiteral(".PZS")) ? QStringLiteral(".PZS")
                                                                 : QStringLiteral(".pzs");
    if (!pny::hasLegacyExtension(path)) {
        Messages::warning(parent, QStringLiteral("The File Extension Must be .PZS"));
        return false;
    }
    return importStatisticsFile(parent, store, path, progressWindow);
}

bool importStatisticsFile(QWidget* parent, pny::Store& store, const QString& path,
                          TMsgForm* progressWindow) {
    // An import is committed on its own. While an earlier change (an import whose save failed
    // among them) still waits in memory, a second import could add the same seasons twice.
    if (store.hasUnsavedChanges() && !store.commit()) {
        Messages::error(parent, QStringLiteral("Your changes could not be saved, so nothing is "
                                               "imported until they are. Try Save Data again "
                                               "when the reason is mended."));
        return false;
    }

    pny::ProgressFn progress;
    if (progressWindow) {
        progressWindow->start();
        int painted = -1;
        progress = [progressWindow, painted](int value, int maximum) mutable {
            progressWindow->advance(value, maximum);
            // Let the bar paint about a hundred times in all, never taking the user's input.
            if (maximum > 0 && value * 100LL / maximum != painted) {
                painted = static_cast<int>(value * 100LL / maximum);
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            }
        };
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const pny::ImportResult result = pny::importLegacyFile(store, path, progress);
    QApplication::restoreOverrideCursor();
    if (progressWindow)
        progressWindow->finish();

    if (!result.ok())
        Messages::error(parent, result.error);
    else if (result.counts.seasons > 0 && !store.commit())
        Messages::error(parent, QStringLiteral("The imported seasons could not be saved. They "
                                               "stay in memory; Save Data tries again."));
    if (result.ok() && result.counts.cleaned > 0)
        Messages::information(parent, pny::cleanedTextsReport(result.counts));
    if (!result.warnings.isEmpty()) {
        Messages::warning(parent, QStringLiteral("Some notes could not be copied:\n") +
                                      result.warnings.join(QLatin1Char('\n')));
    }
    return result.counts.seasons > 0;
}
