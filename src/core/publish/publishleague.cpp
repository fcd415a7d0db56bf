#include "publish/publishleague.h"

#include "publish/leaguesite.h"
#include "publish/sitewriter.h"
#include "store/store.h"
#include "views/leadersettings.h"

#include <QDate>
#include <QTimeZone>

namespace pny {

bool publishLeague(const Store& store, const QString& outputFolder, QString& error,
                   int* fileCount) {
    LeaderSettings settings;
    if (!readLeaderSettings(leaderSettingsPath(store), settings, error))
        return false;
    std::vector<SiteFile> files;
    if (!buildLeagueSite(store, settings, QDate::currentDate(), QTimeZone::systemTimeZone(), files,
                         error)) {
        return false;
    }
    if (!writeSite(outputFolder, store.dataFolder(), files, error))
        return false;
    if (fileCount)
        *fileCount = static_cast<int>(files.size());
    return true;
}

}  // namespace pny
