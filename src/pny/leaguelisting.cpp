#include "leaguelisting.h"

#include "arguments.h"
#include "exitstatus.h"
#include "printoutput.h"

namespace pny::cli {

std::optional<int> LeagueListing::open(const QStringList& arguments, const char* name,
                                       const char* usage, const char* help) {
    const CommandLine syntax{
        name, usage, help, {{"--folder", "--year", "--league", "--top", "--format"}, {}, 0}};
    CommandArguments args;
    std::optional<int> top;
    if (const auto status = readCommandLine(arguments, syntax, args, [&](const auto& read) {
            const QString problem = readPlaces(read, top);
            return problem.isEmpty() ? readTableFormat(read, format_) : problem;
        }))
        return status;

    command_ = QString::fromLatin1(name);
    data_ = std::make_unique<CommandStore>(args.dataFolder());
    if (!openForReading(*data_, command_, args.selection, false))
        return exitStatus(Outcome::Failure);
    QString error;
    if (!readLeaderSettings(leaderSettingsPath(data_->store), settings, error))
        return fail(error);
    if (top)
        settings.places = *top;
    return std::nullopt;
}

int LeagueListing::print(const std::function<QString()>& tsv, const std::function<QString()>& csv,
                         const std::function<QString()>& html) const {
    if (format_ == QLatin1String("csv"))
        return printOutput(command_, csv());
    if (format_ == QLatin1String("html"))
        return printOutput(command_, html());
    return printOutput(command_, tsv());
}

int LeagueListing::fail(const QString& error) const {
    return failure(command_, error);
}

}  // namespace pny::cli
