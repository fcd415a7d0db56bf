#include "main/importroster.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/rosterpreview.h"
#include "roster/roster.h"
#include "roster/rosterplan.h"
#include "store/filekind.h"
#include "store/store.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>

bool importRoster(QWidget* parent, pny::Store& store) {
    static QString lastFolder = QDir::homePath();
    const QString path =
        FileDialogs::openFileName(parent, QStringLiteral("Import Roster"), lastFolder,
                                  QStringLiteral("Spreadsheet files (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return false;
    lastFolder = QFileInfo(path).absolutePath();
    // A FIFO would hang the window until something wrote into it.
    if (const QString kind = pny::nonOrdinaryKind(path); !kind.isEmpty()) {
        Messages::error(parent, QStringLiteral("\"%1\" cannot be read: it is %2, not an ordinary "
                                               "file.")
                                    .arg(QDir::toNativeSeparators(path), kind));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Messages::error(parent, QStringLiteral("\"%1\" cannot be read: %2")
                                    .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    const pny::RosterFile roster = pny::readRoster(file.readAll());
    if (!roster.error.isEmpty()) {
        Messages::error(parent, QStringLiteral("\"%1\" is not a roster: %2")
                                    .arg(QDir::toNativeSeparators(path), roster.error));
        return false;
    }
    if (!store.ensurePlayers())
        return false;
    // The user sees the team and every row before anything is added.
    const pny::RosterPlan plan = pny::planRoster(store, roster);
    RosterPreview preview(plan, QFileInfo(path).fileName(), parent);
    if (preview.exec() != QDialog::Accepted)
        return false;
    const int added = pny::applyRosterPlan(store, plan);
    if (added > 0)
        store.commit();  // on failure the store has said why; the players stay for the next save
    return added > 0;
}