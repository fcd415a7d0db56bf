#pragma once

#include "publish/leaguesite.h"

#include <QString>

#include <vector>

namespace pny {

// Writes the site's files into `outputFolder`, creating it when missing, the changed ones in one
// commit, so that the folder holds either the whole old site or the whole new one; a file whose
// bytes are already there is left alone, so its time stays and a sync tool sends only what
// changed. Pages of ours the site no longer has (a removed night's, a deleted team's) are removed;
// nothing else in the folder is touched. A FIFO or a folder in the place of a file is refused
// before anything is written.
// Nothing is written outside the folder. Refuses (false with a message) the data folder
// `dataFolder` and any folder inside it.
bool writeSite(const QString& outputFolder, const QString& dataFolder,
               const std::vector<SiteFile>& files, QString& error);

}  // namespace pny
