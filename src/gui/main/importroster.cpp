#include "main/importroster.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "roster/roster.h"
#include "store/codepage.h"
#include "store/store.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>

namespace {

constexpr int kListedLines = 15;  // more would not fit a message box

}  // namespace

bool importRoster(QWidget* parent, pny::Store& store) {
    static QString lastFolder = QDir::homePath();
    const QString path =
        FileDialogs::openFileName(parent, QStringLiteral("Import Roster"), lastFolder,
                                  QStringLiteral("Spreadsheet files (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return false;
    lastFolder = QFileInfo(path).absolutePath();
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
    const pny::RosterResult result = pny::addRoster(store, roster);
    if (result.added > 0 && !store.commit())
        return true;  // the store has said why; the players stay in memory for the next save

    QString text =
        QStringLiteral("Added %1 %2 to %3; skipped %4.")
            .arg(result.added)
            .arg(result.added == 1 ? QStringLiteral("player") : QStringLiteral("players"))
            .arg(pny::fromCodePage(store.team.name).trimmed())
            .arg(result.skipped.size());
    for (std::size_t i = 0; i < result.skipped.size() && i < kListedLines; ++i) {
        text += QStringLiteral("\nLine %1: %2")
                    .arg(result.skipped[i].line)
                    .arg(result.skipped[i].reason);
    }
    if (result.skipped.size() > kListedLines)
        text += QStringLiteral("\n... and %1 more").arg(result.skipped.size() - kListedLines);
    Messages::information(parent, text);
    return result.added > 0;
}
