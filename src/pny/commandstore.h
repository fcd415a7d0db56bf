#pragma once

#include "arguments.h"

#include "store/store.h"

#include <QString>

#include <optional>

namespace pny::cli {

// The year, league and team that "--year", "--league" and "--team" give by line index, in place
// of the ones stored in the files.
struct SelectionOptions {
    std::optional<int> year;
    std::optional<int> league;
    std::optional<int> team;
};

// Reads the selection options; returns what is wrong with them (a usage error), empty when
// nothing is.
QString readSelectionOptions(const CommandArguments& arguments, SelectionOptions& options);

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

    // The first file that could not be read or written since the store was opened, or empty.
    const QString& fileError() const { return fileError_; }

private:
    QString folder_;
    QString fileError_;
};

}  // namespace pny::cli
