#pragma once

#include <QString>

#include <functional>

namespace pny {

// Where the programs keep their data when no folder is named. A program folder the user can
// write (the folder the run script installs into) holds the data beside the program files, as it
// always did. An installed program cannot write its folder, and a system-wide installation (the
// program in a bin folder beside share/pennantry) is shared by every user even when root could
// write it, so those keep the data in the user's own Pennantry folder under HOME.
struct DataFolderPlaces {
    QString programFolder;  // the folder of the program file
    QString homeFolder;     // the user's home folder
    // Whether this user may write into a folder; the real check unless a test decides.
    std::function<bool(const QString& folder)> canWrite;
};

// The places of the running program: its folder, $HOME and the file system's own answer.
DataFolderPlaces runningProgramPlaces();

// Whether the program folder is a system-wide installation: a bin folder beside
// share/pennantry.
bool isSharedInstallation(const QString& programFolder);

// The data folder the rule chooses (not yet made), as an absolute path.
QString defaultDataFolder(const DataFolderPlaces& places);

// The data folder to use: `named` when the user named one (pny --folder, pennantry FOLDER),
// else the rule's; the user's Pennantry folder is made when missing. `error` tells why it could
// not be made; the folder is returned anyway, so that the caller names it in its message.
QString chooseDataFolder(const QString& named, const DataFolderPlaces& places, QString& error);

// The folder of the sample season installed with the program: examples/ beside the program
// files, or share/pennantry/examples of a system-wide installation.
QString installedExamplesFolder(const QString& programFolder);

}  // namespace pny
