#include "exitstatus.h"

#include <QTextStream>

namespace pny::cli {

int exitStatus(Outcome outcome) {
    switch (outcome) {
        case Outcome::Success:
            return kExitSuccess;
        case Outcome::Failure:
            return kExitFailure;
        case Outcome::UsageError:
            return kExitUsage;
        case Outcome::Locked:
            return kExitLocked;
    }
    return kExitFailure;
}

void reportProblem(const QString& command, const QString& message) {
    QTextStream(stderr) << "pny " << command << ": " << message << '\n';
}

int failure(const QString& command, const QString& message) {
    reportProblem(command, message);
    return exitStatus(Outcome::Failure);
}

int usageError(const QString& command, const QString& message) {
    QTextStream(stderr) << "pny " << command << ": " << message << "; see pny " << command
                        << " --help\n";
    return exitStatus(Outcome::UsageError);
}

bool asksForHelp(const QStringList& arguments) {
    return arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"));
}

int showHelp(const QString& text) {
    QTextStream(stdout) << text;
    return exitStatus(Outcome::Success);
}

}  // namespace pny::cli
