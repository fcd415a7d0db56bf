#include "main/seasonfilecommands.h"

#include "main/importcommand.h"
#include "main/importroster.h"
#include "main/publishsite.h"
#include "people/linkplayersform.h"
#include "print/backup.h"
#include "views/catalogues.h"

#include <utility>

SeasonFileCommands::SeasonFileCommands(CommandHost host,
                                       std::function<void(const QString&)> fileError)
    : host_(std::move(host)), fileError_(std::move(fileError)) {}

TBackupForm& SeasonFileCommands::backupForm() {
    return madeOnFirstUse(backupForm_, [this] { return new TBackupForm(host_.window); });
}

void SeasonFileCommands::ImportItemClick() {
    if (runImport(host_.window, host_.store, host_.progress))
        host_.buildHeaders();
}

void SeasonFileCommands::OpenSampleClick(const QString& path) {
    if (importStatisticsFile(host_.window, host_.store, path, host_.progress))
        host_.buildHeaders();
}

void SeasonFileCommands::RosterItemClick() {
    if (!host_.store.hasTeam())
        host_.askTeam();
    if (!host_.store.hasTeam() || !importRoster(host_.window, host_.store))
        return;
    host_.clearStatsCache();
    if (pny::isPlayerTab(host_.currentTab()))
        host_.refreshTable();
    else
        host_.showTab(pny::kFirstPlayerTab);
}

void SeasonFileCommands::PublishItemClick() {
    if (!host_.store.hasLeague())
        host_.askLeague();
    if (host_.store.hasLeague())
        publishSite(host_.window, host_.store);
}

bool SeasonFileCommands::BackupItemClick() {
    // A backup holds what the user sees: whatever is still in memory is saved first.
    if (!host_.store.saveAll()) {
        fileError_(QStringLiteral(
            "The backup did not start: your latest changes could not be saved, and a backup "
            "without them would not be what you see."));
        return false;
    }
    backupForm().BackupAll(host_.store.dataFolder());
    return true;
}

void SeasonFileCommands::LinkPlayersItemClick() {
    windowDialog<TLinkPlayersForm>(host_.window).LinkPlayers(host_.store);
}
