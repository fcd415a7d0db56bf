#include "main/openedfile.h"

#include "common/messages.h"
#include "main/importcommand.h"
#include "main/main.h"

#include "import/legacyimport.h"

#include <QDir>
#include <QFileInfo>

bool offerImport(TMainForm& window, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (!pny::hasLegacyExtension(path)) {
        Messages::warning(&window, QStringLiteral("%1 is not a statistics file. "
                                                  "The File Extension Must be .PZS")
                                       .arg(name));
        return false;
    }
    const QString question =
        QStringLiteral(
            "Import the seasons of %1 into your data folder %2?\n\nThey are added "
            "beside the seasons already there.")
            .arg(name, QDir::toNativeSeparators(window.store().dataFolder()));
    if (Messages::ask(&window, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No,
                      QMessageBox::Yes) != QMessageBox::Yes)
        return false;
    if (!importStatisticsFile(&window, window.store(), path, nullptr))
        return false;
    window.BuildHeaders();
    return true;
}
