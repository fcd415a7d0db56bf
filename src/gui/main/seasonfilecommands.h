#pragma once

#include "main/commandhost.h"

#include <QString>

#include <functional>

class TBackupForm;

// The commands that bring seasons in or take them out as files: import a statistics file or
// the sample season, import a roster, publish the league's website, back up the data folder,
// and link one person's records across seasons.
class SeasonFileCommands {
public:
    // `fileError` gathers a failure for the window to report when the command ends.
    SeasonFileCommands(CommandHost host, std::function<void(const QString&)> fileError);

    void ImportItemClick();
    // Imports the sample season at `path`.
    void OpenSampleClick(const QString& path);
    void RosterItemClick();
    void PublishItemClick();
    // False when the backup did not start because the latest changes could not be saved.
    bool BackupItemClick();
    void LinkPlayersItemClick();

private:
    TBackupForm& backupForm();

    CommandHost host_;
    std::function<void(const QString&)> fileError_;
    TBackupForm* backupForm_ = nullptr;
};
