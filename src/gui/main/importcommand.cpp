#include "main/importcommand.h"

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
    return importStatisticsFile(parent, store, path, progressWindow, true);
}

bool importStatisticsFile(QWidget* parent, pny::Store& store, const QString& path,
                          TMsgForm* progressWindow, bool tellSummary) {
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
    const auto import = [&](bool again) {
        if (progressWindow)
            progressWindow->start();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        pny::ImportResult result = pny::importLegacyFile(store, path, progress, again);
        QApplication::restoreOverrideCursor();
        if (progressWindow)
            progressWindow->finish();
        return result;
    };
    pny::ImportResult result = import(false);
    if (result.earlier) {
        // The same file again would make the same seasons twice: only when the user means it.
        const auto answer = Messages::ask(
            parent, QMessageBox::Question,
            result.error + QStringLiteral("\n\nImport it again, adding its seasons once more?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
        result = import(true);
    }

    bool saved = false;
    if (!result.ok())
        Messages::error(parent, result.error);
    else if (result.counts.seasons > 0 && !store.commit())
        Messages::error(parent, QStringLiteral("The imported seasons could not be saved. They "
                                               "stay in memory; Save Data tries again."));
    else
        saved = true;
    QStringList told;
    if (saved && tellSummary)
        told << pny::importSummary(result.counts, QFileInfo(path).fileName()) + QLatin1Char('.');
    if (result.ok() && result.counts.cleaned > 0)
        told << pny::cleanedTextsReport(result.counts);
    if (!told.isEmpty())
        Messages::information(parent, told.join(QLatin1Char('\n')));
    if (!result.warnings.isEmpty()) {
        Messages::warning(parent, QStringLiteral("Some notes could not be copied:\n") +
                                      result.warnings.join(QLatin1Char('\n')));
    }
    return result.counts.seasons > 0;
}
