#include "arguments.h"

#include "exitstatus.h"

#include "store/datafolder.h"
#include "views/catalogues.h"
#include "views/leadersettings.h"

namespace pny::cli {

QString CommandArguments::dataFolder() const {
    // A folder that could not be made is named by the command's own "no data folder" message.
    QString unused;
    return chooseDataFolder(value(QStringLiteral("--folder")), runningProgramPlaces(), unused);
}

QString readArguments(const QStringList& arguments, const ArgumentRules& rules,
                      CommandArguments& result) {
    result = CommandArguments();
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (!arg.startsWith(QLatin1String("--"))) {
            if (result.plain.size() >= rules.maxPlain)
                return QStringLiteral("unexpected argument \"%1\"").arg(arg);
            result.plain << arg;
            continue;
        }
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? arg : arg.left(equals);
        if (rules.flags.contains(name) && equals < 0) {
            result.flags << name;
        } else if (!rules.valueOptions.contains(name)) {
            return QStringLiteral("unknown option \"%1\"").arg(arg);
        } else if (equals >= 0) {
            result.values.insert(name, arg.mid(equals + 1));
        } else if (i + 1 < arguments.size()) {
            result.values.insert(name, arguments.at(++i));
        } else {
            return QStringLiteral("option %1 needs a value").arg(name);
        }
    }
    QString problem = readIndex(result, QStringLiteral("--year"), result.selection.year);
    if (problem.isEmpty())
        problem = readIndex(result, QStringLiteral("--league"), result.selection.league);
    if (problem.isEmpty())
        problem = readIndex(result, QStringLiteral("--team"), result.selection.team);
    return problem;
}

std::optional<int> readCommandLine(const QStringList& arguments, const CommandLine& line,
                                   CommandArguments& result, const ArgumentCheck& check) {
    const QString name = QString::fromLatin1(line.name);
    if (asksForHelp(arguments)) {
        return showHelp(QStringLiteral("Usage: pny %1\n").arg(QString::fromUtf8(line.usage)) +
                        QString::fromUtf8(line.help));
    }
    QString problem = readArguments(arguments, line.rules, result);
    if (problem.isEmpty() && check)
        problem = check(result);
    if (!problem.isEmpty())
        return usageError(name, problem);
    return std::nullopt;
}

QString readIndex(const CommandArguments& arguments, const QString& option,
                  std::optional<int>& index) {
    index.reset();
    if (!arguments.has(option))
        return {};
    const QString text = arguments.value(option);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        return QStringLiteral("%1 takes a line index (0 or more), not \"%2\"").arg(option, text);
    index = value;
    return {};
}

QString readPlaces(const CommandArguments& arguments, std::optional<int>& places) {
    const QString option = QStringLiteral("--top");
    places.reset();
    if (!arguments.has(option))
        return {};
    bool ok = false;
    const int value = arguments.value(option).toInt(&ok);
    if (!ok || !validPlaces(value)) {
        return QStringLiteral("--top takes a number of places from %1 to %2, not \"%3\"")
            .arg(kMinPlaces)
            .arg(kMaxPlaces)
            .arg(arguments.value(option));
    }
    places = value;
    return {};
}

std::optional<int> tabOf(const QString& name) {
    static const char* const kTabNames[kTabCount] = {"Teams",    "Players",  "Hitting", "Running",
                                                     "Pitching", "Fielding", "Custom",  "Schedule"};
    for (int t = 0; t < kTabCount; ++t) {
        if (name.compare(QLatin1String(kTabNames[t]), Qt::CaseInsensitive) == 0)
            return t;
    }
    return std::nullopt;
}

QString readTableFormat(const CommandArguments& arguments, QString& format) {
    const QString option = QStringLiteral("--format");
    format = arguments.has(option) ? arguments.value(option).toLower() : QStringLiteral("tsv");
    if (QStringList{"tsv", "csv", "html"}.contains(format))
        return {};
    return QStringLiteral("unknown format \"%1\"; use tsv, csv or html")
        .arg(arguments.value(option));
}

}  // namespace pny::cli
