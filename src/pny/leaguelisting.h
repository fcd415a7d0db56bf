#pragma once

#include "commandstore.h"

#include "views/leadersettings.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace pny::cli {

// What the commands that list a league's best (leaders, history) share: the command line
// "[--folder DIR] [--year N] [--league N] [--top N] [--format tsv|csv|html]", the league opened
// for reading and its leader settings, with the places "--top" gives in place of the stored ones.
class LeagueListing {
public:
    // Reads the command line of the command `name` and opens its league. Returns the exit status
    // to end with (after printing why), nothing when the command may go on.
    std::optional<int> open(const QStringList& arguments, const char* name, const char* usage,
                            const char* help);

    Store& store() { return data_->store; }
    LeaderSettings settings;

    // Prints the text of the format the command line chose: `tsv` (the default), `csv` or `html`,
    // each made only when chosen. Returns the exit status to end with.
    int print(const std::function<QString()>& tsv, const std::function<QString()>& csv,
              const std::function<QString()>& html) const;
    // Prints "pny COMMAND: error" and returns the failure status.
    int fail(const QString& error) const;

private:
    QString command_;
    QString format_;
    std::unique_ptr<CommandStore> data_;
};

}  // namespace pny::cli
