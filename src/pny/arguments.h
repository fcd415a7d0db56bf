#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace pny::cli {

// What a command accepts: options that take a value ("--folder DIR" or "--folder=DIR"), flags
// ("--yes") and at most `maxPlain` plain arguments.
struct ArgumentRules {
    QStringList valueOptions;
    QStringList flags;
    int maxPlain = 0;
};

// The year, league and team that "--year", "--league" and "--team" give by line index, in place
// of the ones stored in the files.
struct SelectionOptions {
    std::optional<int> year;
    std::optional<int> league;
    std::optional<int> team;
};

// The arguments of a command, read by its rules.
struct CommandArguments {
    QStringList plain;
    SelectionOptions selection;
    QHash<QString, QString> values;  // by option name, "--folder"
    QStringList flags;

    bool has(const QString& option) const { return values.contains(option); }
    QString value(const QString& option) const { return values.value(option); }
    bool flag(const QString& option) const { return flags.contains(option); }
    // The data folder: the value of "--folder", or the one the program uses: the folder of the
    // program file when the user can write it, else ~/Pennantry (made when missing).
    QString dataFolder() const;
};

// How a command is called: its name ("leaders"), its usage after "Usage: pny " ("leaders
// [OPTIONS]"), its lines in the general help and what it accepts.
struct CommandLine {
    const char* name;
    const char* usage;
    const char* help;
    ArgumentRules rules;
};

// What a command checks in its arguments once they are read; returns what is wrong, empty when
// nothing is.
using ArgumentCheck = std::function<QString(const CommandArguments&)>;

// The reader of every command's arguments. With "--help" or "-h" prints the usage and the help
// and returns the success status. Otherwise reads `arguments` by the rules (the selection
// options among them), then runs `check`; on anything wrong prints "pny NAME: what; see pny NAME
// --help" and returns the usage error status. Returns nothing when the command may go on.
std::optional<int> readCommandLine(const QStringList& arguments, const CommandLine& line,
                                   CommandArguments& result, const ArgumentCheck& check = {});

// Reads `arguments` by `rules`, the selection options among them. Returns what is wrong with
// them, empty when nothing is.
QString readArguments(const QStringList& arguments, const ArgumentRules& rules,
                      CommandArguments& result);

// The line index given with `option`, when given. Returns what is wrong with the value (not a
// whole number of 0 or more), empty when nothing is.
QString readIndex(const CommandArguments& arguments, const QString& option,
                  std::optional<int>& index);

// The number of places "--top" gives, when given. Returns what is wrong with the value (not a
// number of places a leader list can show), empty when nothing is.
QString readPlaces(const CommandArguments& arguments, std::optional<int>& places);

// The tab of a name as the tab row shows it ("Hitting"), in any letter case.
std::optional<int> tabOf(const QString& name);

// The table format "--format" gives: tsv (the default), csv or html, in lower case. Returns what
// is wrong with the value, empty when nothing is.
QString readTableFormat(const CommandArguments& arguments, QString& format);

}  // namespace pny::cli
