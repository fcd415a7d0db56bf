#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace pny {
class Store;
}

namespace pny::cli {

// The arguments of a command that takes plain arguments and "--folder DIR" (or "--folder=DIR"):
// the data folder defaults to the program's (see datafolder.h).
struct FolderArguments {
    QString folder;
    QStringList plain;
};

// Reads the arguments; at most `maxPlain` plain ones. On anything else prints
// "pny COMMAND: unexpected argument" and the usage to standard error and returns false.
bool readFolderArguments(const QStringList& arguments, int maxPlain, const char* command,
                         const char* usage, FolderArguments& result);

// A line index given on the command line (0 or more); nothing when the text is not one.
std::optional<int> lineIndexArgument(const QString& text);

// Loads the years of `store` and makes its year and league the ones given on the command line in
// place of those stored in the files, in memory only; then loads the leagues. Returns what is
// wrong when no usable league is chosen or a file cannot be read, empty when all is well.
QString chooseLeague(Store& store, std::optional<int> year, std::optional<int> league);

}  // namespace pny::cli
