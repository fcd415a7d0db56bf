#include "commandstore.h"

#include "exitstatus.h"
#include "folderaccess.h"

#include "store/codepage.h"
#include "store/linecodec.h"

#include <QDir>
#include <QFileInfo>

namespace pny::cli {
namespace {

// "the seasons are 1 to 3", "the only season is 1", "there are no seasons".
QString validIndexes(const RecordList& list, const QString& singular, const QString& plural) {
    const int last = list.size() - 1;
    if (last < 1)
        return QStringLiteral("there are no %1").arg(plural);
    if (last == 1)
        return QStringLiteral("the only %1 is 1").arg(singular);
    return QStringLiteral("the %1 are 1 to %2").arg(plural).arg(last);
}

// Checks the index of a level: given on the command line (`given`) or stored (`index`).
QString checkIndex(const RecordList& list, int index, bool given, bool usable,
                   const QString& option, const QString& singular, const QString& plural) {
    const QString valid = validIndexes(list, singular, plural);
    if (given && !list.isValidRecord(index))
        return QStringLiteral("%1 %2 is out of range: %3").arg(option).arg(index).arg(valid);
    if (given && !usable)
        return QStringLiteral("%1 %2 is a deleted %3; see pny list")
            .arg(option)
            .arg(index)
            .arg(singular);
    if (!usable || !list.isValidRecord(index))
        return QStringLiteral("no usable %1 is chosen; give one with %2 (%3)")
            .arg(singular, option, valid);
    return {};
}

}  // namespace

CommandStore::CommandStore(const QString& folder)
    : store(QDir(folder).absolutePath()), folder_(folder) {
    store.onFileError = [this](const QString& message) {
        if (fileError_.isEmpty())
            fileError_ = message;
    };
}

QString CommandStore::open(bool needYearsFile) {
    if (!QFileInfo(folder_).isDir())
        return QStringLiteral("no data folder \"%1\"").arg(folder_);
    if (needYearsFile && !QFileInfo::exists(store.yearsPath()))
        return QStringLiteral("no \"Baseball.Years\" in \"%1\"").arg(folder_);
    store.loadYears();
    storedYear_ = store.header.currentYear;
    return fileError_;
}

QString CommandStore::openSelection(const SelectionOptions& selection, bool withTeam) {
    QString error = open(true);
    if (error.isEmpty())
        error = chooseYear(selection.year);
    if (error.isEmpty())
        error = chooseLeague(selection.league);
    if (error.isEmpty() && withTeam)
        error = chooseTeam(selection.team);
    return error;
}

bool openForReading(CommandStore& data, const QString& command, const SelectionOptions& selection,
                    bool withTeam) {
    // A missing folder is named by open(); there is no save to complete in it.
    if (QFileInfo(data.folder()).isDir() &&
        !prepareForReading(data.folder(), command.toUtf8().constData()))
        return false;
    const QString error = data.openSelection(selection, withTeam);
    if (!error.isEmpty())
        reportProblem(command, error);
    return error.isEmpty();
}

QString CommandStore::chooseYear(std::optional<int> index) {
    if (index) {
        store.header.currentYear = numberText(*index);
        store.readYear(*index);
    }
    return checkIndex(store.years, toNumber(store.header.currentYear), index.has_value(),
                      store.hasYear(), QStringLiteral("--year"), QStringLiteral("season"),
                      QStringLiteral("seasons"));
}

QString CommandStore::chooseLeague(std::optional<int> index) {
    if (index)
        store.year.currentLeague = numberText(*index);
    store.ensureLeagues();
    if (!fileError_.isEmpty())
        return fileError_;
    store.readLeague(toNumber(store.year.currentLeague));
    return checkIndex(store.leagues, toNumber(store.year.currentLeague), index.has_value(),
                      store.hasLeague(), QStringLiteral("--league"),
                      QStringLiteral("league of season %1").arg(fromCodePage(store.year.number)),
                      QStringLiteral("leagues of season %1").arg(fromCodePage(store.year.number)));
}

QString CommandStore::chooseTeam(std::optional<int> index) {
    if (index)
        store.league.currentTeam = numberText(*index);
    store.ensureTeams();
    if (!fileError_.isEmpty())
        return fileError_;
    store.readTeam(toNumber(store.league.currentTeam));
    const QString league = fromCodePage(store.league.name);
    return checkIndex(store.teams, toNumber(store.league.currentTeam), index.has_value(),
                      store.hasTeam(), QStringLiteral("--team"),
                      QStringLiteral("team of league \"%1\"").arg(league),
                      QStringLiteral("teams of league \"%1\"").arg(league));
}

}  // namespace pny::cli
