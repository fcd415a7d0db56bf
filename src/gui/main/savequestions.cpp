#include "main/savequestions.h"

#include "common/messages.h"

namespace savequestions {

pny::Store::ConflictChoice askOnConflict(QWidget* parent, const QStringList& files) {
    const auto answer = Messages::ask(
        parent, QMessageBox::Warning,
        QStringLiteral("%1 %2 changed by another program since Pennantry read it.\n\n"
                       "Save to write your version over it, Discard to drop your changes not "
                       "yet saved and read the files again, or Cancel to save nothing now.")
            .arg(files.join(QStringLiteral(", ")),
                 files.size() == 1 ? QStringLiteral("was") : QStringLiteral("were")),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return pny::Store::ConflictChoice::KeepMine;
    if (answer != QMessageBox::Discard)
        return pny::Store::ConflictChoice::Cancel;
    return pny::Store::ConflictChoice::ReloadTheirs;
}

QMessageBox::StandardButton askAfterFailedSave(QWidget* parent, const QStringList& errors) {
    const QString text = QStringLiteral(
                             "Your data could not be saved:\n\n%1\n\n"
                             "Retry to try again, Cancel to stay in Pennantry with your changes "
                             "kept, or Discard to close and lose the changes not yet saved.")
                             .arg(errors.join(QLatin1Char('\n')));
    return Messages::ask(parent, QMessageBox::Critical, text,
                         QMessageBox::Retry | QMessageBox::Discard | QMessageBox::Cancel,
                         QMessageBox::Retry);
}

}  // namespace savequestions
