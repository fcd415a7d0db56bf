#pragma once

#include <QString>
#include <QStringList>

namespace pny::cli {

// The arguments of a command that takes plain arguments and "--folder DIR" (or "--folder=DIR"):
// the data folder defaults to the folder of the pny program file, as the program's does.
struct FolderArguments {
    QString folder;
    QStringList plain;
};

// Reads the arguments; at most `maxPlain` plain ones. On anything else prints
// "pny COMMAND: unexpected argument" and the usage to standard error and returns false.
bool readFolderArguments(const QStringList& arguments, int maxPlain, const char* command,
                         const char* usage, FolderArguments& result);

}  // namespace pny::cli
