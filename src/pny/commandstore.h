#pragma once

#include "arguments.h"

#include "store/store.h"

#include <QString>

#include <optional>
#include <string>

namespace pny::cli {

// The store of a command's data folder. The choose functions move the selection in memory only
// and check the index against its list; each returns what is wrong, naming the indexes that are
// valid, and an empty text when the level has a usable record.
class CommandStore {
public:
    explicit CommandStore(const QString& folder);

    Store store;

    // Loads the years file. Fails when the folder does not exist, when `needYearsFile` and it has
    // no years file, or when a file cannot be read.
    QString open(bool needYearsFile);
    QString chooseYear(std::optional<int> index);
    QString chooseLeague(std::optional<int> index);
    QString chooseTeam(std::optional<int> index);
    // Opens the years file and chooses the year and league (and the team, when `withTeam`) the
    // options give; returns the first thing wrong.
    QString openSelection(const SelectionOptions& selection, bool withTeam);
    // The current year as the years file holds it: a writing command puts it back before it
    // commits, so that a year given on the command line is for that run only.
    const std::string& storedYear() const { return storedYear_; }

    // The data folder as the command line gave it.
    const QString& folder() const { return folder_; }

    // The first file that could not be read or written since the store was opened, or empty.
    const QString& fileError() const { return fileError_; }

private:
    QString folder_;
    QString fileError_;
    std::string storedYear_;
};

// For a command that only reads: completes a save a crash left unfinished, opens the years file
// of `data` and chooses the selection (see openSelection). On anything wrong prints it
// ("pny COMMAND: ...") and returns false.
bool openForReading(CommandStore& data, const QString& command, const SelectionOptions& selection,
                    bool withTeam);

}  // namespace pny::cli
