#include "store/store.h"

#include "store/filecommit.h"
#include "store/linecodec.h"
#include "store/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace pny {
namespace {

constexpr const char* kLeaguesExt = ".Leagues";
constexpr const char* kTeamsExt = ".Teams";
constexpr const char* kPlayersExt = ".Players";
constexpr const char* kGamesExt = ".Games";
constexpr const char* kFieldsExt = ".Fields";
constexpr const char* kUmpiresExt = ".Umpires";
constexpr const char* kTimesExt = ".Times";

}  // namespace

Store::Store(const QString& dataFolder) : dataFolder_(dataFolder) {
    if (!dataFolder_.isEmpty() && !dataFolder_.endsWith(QLatin1Char('/'))) {
        dataFolder_ += QLatin1Char('/');
    }
    header = YearsHeader::parse(years.line(0));
    year = YearRecord::parse(years.line(0));
    league = LeagueRecord::parse(leagues.line(0));
    team = TeamRecord::parse(teams.line(0));
    player = PlayerRecord::parse(players.line(0));
    game = GameRecord::parse(games.line(0));
}

QString Store::pathOf(const std::string& baseName, const char* extension) const {
    // No path is ever cut: a cut folder path would put the data under a wrong name.
    return dataFolder_ +
           QString::fromLatin1(baseName.data(), static_cast<qsizetype>(baseName.size())) +
           QLatin1String(extension);
}

QString Store::yearsPath() const {
    return dataFolder_ + QStringLiteral("Baseball.Years");
}

std::string Store::leaguesBaseName() const {
    return "Y" + header.currentYear;
}
std::string Store::teamsBaseName() const {
    return leaguesBaseName() + "L" + year.currentLeague;
}
std::string Store::playersBaseName() const {
    return teamsBaseName() + "T" + league.currentTeam;
}
std::string Store::scheduleBaseName() const {
    return teamsBaseName();
}

void Store::reportError(const QString& message) {
    if (onFileError)
        onFileError(message);
}

void Store::rememberStamp(const QString& path) {
    stamps_[QFileInfo(path).absoluteFilePath()] = stampOf(path);
}

bool Store::readLines(const QString& path, std::vector<std::string>& lines, bool& exists,
                      QString& error, QString& notice) {
    notice.clear();
    // A file saved since the last commit is read as it will be written.
    const auto staged = staged_.find(path);
    if (staged != staged_.end()) {
        exists = true;
        lines = splitLines(staged->second);
        return true;
    }
    rememberStamp(path);
    exists = QFileInfo::exists(path);
    return !exists || readTextLines(path, lines, error, notice);
}

bool Store::loadList(RecordList& list, const std::string& baseName, const char* extension) {
    const QString path = pathOf(baseName, extension);
    std::vector<std::string> lines;
    bool exists = false;
    QString error;
    QString notice;
    if (!readLines(path, lines, exists, error, notice)) {
        list.markUnreadable(path);
        reportError(error);
        return false;
    }
    list.reset();
    if (exists)
        list.setLines(std::move(lines));
    if (!notice.isEmpty())
        reportError(notice);
    return true;
}

bool Store::stageList(RecordList& list, bool& changedFlag, const std::string& baseName,
                      const char* extension) {
    if (!changedFlag)
        return true;
    if (baseName.empty()) {
        changedFlag = false;  // never loaded: nothing of a file to write back
        return true;
    }
    const QString path = pathOf(baseName, extension);
    if (list.unreadable() && list.size() == 1) {
        // A list that stands in for a file it could not read, with no record added: the change
        // was a current index written into it, and nothing of the user's waits to be saved.
        changedFlag = false;
        return true;
    }
    QString error;
    if (!list.mayReplace(path, error)) {
        reportError(error);
        return false;
    }
    staged_[path] = joinLines(list.lines());
    changedFlag = false;
    return true;
}

void Store::stageFile(const QString& path, const std::vector<std::string>& lines) {
    staged_[path] = joinLines(lines);
}

bool Store::teamPlayerLines(int team, std::vector<std::string>& lines, QString& error) const {
    const std::string name = teamsBaseName() + "T" + numberText(team);
    if (name == loaded.players) {
        lines = players.lines();
        return true;
    }
    lines.clear();
    const QString path = pathOf(name, kPlayersExt);
    const auto staged = staged_.find(path);
    if (staged != staged_.end()) {
        lines = splitLines(staged->second);
        return true;
    }
    return !QFileInfo::exists(path) || readTextLines(path, lines, error);
}

bool Store::readOwnFile(const QString& path, std::vector<std::string>& lines, QString& error) {
    bool exists = false;
    QString notice;
    lines.clear();
    if (!readLines(path, lines, exists, error, notice))
        return false;
    if (!notice.isEmpty()) {
        // A NUL cut the text short: writing the file back would lose the rest.
        error = notice;
        return false;
    }
    return true;
}

void Store::loadYears() {
    QString error;
    rememberStamp(yearsPath());
    if (!years.load(yearsPath(), error))
        reportError(error);
    else if (!years.loadNotice().isEmpty())
        reportError(years.loadNotice());
    header = YearsHeader::parse(years.line(0));
    committedYears_ = years.lines();
    committedYears_[0] = header.build();
    readYear(toNumber(header.currentYear));
}

std::vector<std::string> Store::yearsLines() const {
    std::vector<std::string> lines = years.lines();
    lines[0] = header.build();
    return lines;
}

bool Store::yearsChanged() const {
    // The tab and the window size alone wait for the next commit of something else.
    std::vector<std::string> lines = yearsLines();
    YearsHeader now = header;
    const YearsHeader committed = YearsHeader::parse(committedYears_.front());
    now.tab = committed.tab;
    now.height = committed.height;
    now.width = committed.width;
    lines[0] = now.build();
    return lines != committedYears_;
}

bool Store::ensureLeagues() {
    const std::string name = leaguesBaseName();
    if (name == loaded.leagues)
        return true;
    if (!saveLeagueLevel())
        return false;
    loaded.leagues = name;
    loadList(leagues, name, kLeaguesExt);
    readLeague(toNumber(year.currentLeague));
    return true;
}

bool Store::ensureTeams() {
    if (!ensureLeagues())
        return false;
    const std::string name = loaded.leagues + "L" + year.currentLeague;
    if (name == loaded.teams)
        return true;
    if (!saveTeamLevel())
        return false;
    loaded.teams = name;
    loadList(teams, name, kTeamsExt);
    readTeam(toNumber(league.currentTeam));
    return true;
}

bool Store::ensurePlayers() {
    if (!ensureTeams())
        return false;
    const std::string name = loaded.teams + "T" + league.currentTeam;
    if (name == loaded.players)
        return true;
    if (!savePlayers())
        return false;
    loaded.players = name;
    loadList(players, name, kPlayersExt);
    readPlayer(toNumber(team.currentPlayer));
    return true;
}

bool Store::ensureGames() {
    if (!ensureLeagues())
        return false;
    const std::string name = loaded.leagues + "L" + year.currentLeague;
    if (name == loaded.games)
        return true;
    if (!saveSchedule())
        return false;
    loaded.games = name;
    teamFilter.clear();
    umpireFilter.clear();
    loadList(games, name, kGamesExt);
    readGame(toNumber(league.currentGame));
    return true;
}

void Store::ensureFields() {
    if (loaded.fields == loaded.games)
        return;
    loaded.fields = loaded.games;
    loadList(fields, loaded.fields, kFieldsExt);
}

void Store::ensureUmpires() {
    if (loaded.umpires == loaded.games)
        return;
    loaded.umpires = loaded.games;
    loadList(umpires, loaded.umpires, kUmpiresExt);
}

void Store::loadTimes() {
    if (!loaded.times.empty() && loaded.times == loaded.games)
        return;
    loaded.times = loaded.games;
    times.clear();
    unreadableTimesPath_.clear();
    const QString path = pathOf(loaded.games, kTimesExt);
    std::vector<std::string> lines;
    bool exists = false;
    QString error;
    QString notice;
    if (!readLines(path, lines, exists, error, notice)) {
        unreadableTimesPath_ = path;
        reportError(error);
        return;
    }
    if (!notice.isEmpty())
        reportError(notice);
    for (const std::string& line : lines)
        times.insert(line);
}

bool Store::stageTimes() {
    if (!changed.times)
        return true;
    // The list belongs to the league it was loaded for, which is the games' league unless the
    // selection moved on without a save step in between.
    const std::string& name = loaded.times.empty() ? loaded.games : loaded.times;
    if (name.empty()) {
        changed.times = false;
        return true;
    }
    const QString path = pathOf(name, kTimesExt);
    if (path == unreadableTimesPath_) {
        reportError(
            QStringLiteral("\"%1\" could not be read, so it is not overwritten.").arg(path));
        return false;
    }
    staged_[path] = joinLines(times.lines());
    changed.times = false;
    return true;
}

bool Store::savePlayers() {
    return stageList(players, changed.players, loaded.players, kPlayersExt);
}

bool Store::saveTeamLevel() {
    const bool playersSaved = savePlayers();
    const bool teamsSaved = stageList(teams, changed.teams, loaded.teams, kTeamsExt);
    return playersSaved && teamsSaved;
}

bool Store::saveSchedule() {
    bool ok = stageList(games, changed.games, loaded.games, kGamesExt);
    ok = stageList(fields, changed.fields, loaded.fields, kFieldsExt) && ok;
    ok = stageList(umpires, changed.umpires, loaded.umpires, kUmpiresExt) && ok;
    ok = stageTimes() && ok;
    return ok;
}

bool Store::saveLeagueLevel() {
    bool ok = saveTeamLevel();
    ok = saveSchedule() && ok;
    ok = stageList(leagues, changed.leagues, loaded.leagues, kLeaguesExt) && ok;
    return ok;
}

bool Store::commit() {
    return commitAll(false);
}

bool Store::saveAll() {
    return commitAll(true);
}

bool Store::commitAll(bool withYears) {
    // The lists in memory go into the commit as they are; only a commit that succeeds clears
    // their changed flags, so a failing one loses nothing.
    const ChangedFlags flags = changed;
    const std::map<QString, QByteArray> staged = staged_;
    const auto restore = [&] {
        changed = flags;
        staged_ = staged;
    };
    if (!saveLeagueLevel()) {
        restore();
        return false;
    }
    if (staged_.empty() && !withYears && !yearsChanged())
        return true;

    FileCommit commit;
    for (const auto& [path, bytes] : staged_)
        commit.add(path, bytes);
    const std::vector<std::string> lines = yearsLines();
    QString error;
    if (!years.mayReplace(yearsPath(), error)) {
        reportError(error);
        restore();
        return false;
    }
    commit.add(yearsPath(), joinLines(lines));
    // A file that cannot be replaced at all (a folder in its place) is told as such.
    for (const QString& path : commit.paths()) {
        if (!checkReplaceable(path, error)) {
            reportError(error);
            restore();
            return false;
        }
    }
    const QStringList changedElsewhere = changedBehindOurBack(commit);
    if (!changedElsewhere.isEmpty()) {
        const ConflictChoice choice =
            onConflict ? onConflict(changedElsewhere) : ConflictChoice::Cancel;
        if (choice == ConflictChoice::ReloadTheirs) {
            reloadFromDisk();
            return true;
        }
        if (choice == ConflictChoice::Cancel) {
            reportError(QStringLiteral("Nothing was saved: %1 changed by another program since "
                                       "Pennantry read it.")
                            .arg(changedElsewhere.join(QStringLiteral(", ")) +
                                 (changedElsewhere.size() == 1 ? QStringLiteral(" was")
                                                               : QStringLiteral(" were"))));
            restore();
            return false;
        }
    }
    commit.setRecoveryNote(recoveryNote_);
    if (!commit.run(error)) {
        reportError(error);
        restore();
        return false;
    }
    for (const QString& path : commit.paths())
        rememberStamp(path);
    staged_.clear();
    recoveryNote_.clear();
    years.setLines(lines);
    committedYears_ = lines;
    return true;
}

QStringList Store::changedBehindOurBack(const FileCommit& commit) const {
    QStringList changedFiles;
    for (const QString& path : commit.paths()) {
        // A file deleted meanwhile holds nothing of theirs to lose; writing ours brings it back.
        const auto known = stamps_.find(path);
        const FileStamp now = stampOf(path);
        if (known != stamps_.end() && now.exists && known->second != now)
            changedFiles << QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
    }
    return changedFiles;
}

void Store::reloadFromDisk() {
    changed = ChangedFlags{};
    staged_.clear();
    recoveryNote_.clear();  // what it described was dropped with the changes
    loaded = LoadedNames{};
    unreadableTimesPath_.clear();
    times.clear();
    loadYears();
}

bool Store::hasUnsavedChanges() const {
    return changed.leagues || changed.teams || changed.players || changed.games || changed.fields ||
           changed.umpires || changed.times || !staged_.empty() || yearsChanged();
}

void Store::readYear(int index) {
    year = YearRecord::parse(years.line(index));
}

void Store::writeYear() {
    years.setLine(toNumber(header.currentYear), year.build());
}

void Store::addYear() {
    year.flag.clear();
    header.currentYear = numberText(years.append(year.build()));
}

void Store::readLeague(int index) {
    league = LeagueRecord::parse(leagues.line(index));
    if (onLeagueRead)
        onLeagueRead(league);
}

void Store::writeLeague() {
    changed.leagues = true;
    leagues.setLine(toNumber(year.currentLeague), league.build());
}

void Store::addLeague() {
    league.flag.clear();
    changed.leagues = true;
    year.currentLeague = numberText(leagues.append(league.build()));
    writeYear();
}

void Store::readTeam(int index) {
    team = TeamRecord::parse(teams.line(index));
}

void Store::writeTeam() {
    changed.teams = true;
    teams.setLine(toNumber(league.currentTeam), team.build());
}

void Store::addTeam() {
    team.flag.clear();
    changed.teams = true;
    league.currentTeam = numberText(teams.append(team.build()));
    writeLeague();
}

void Store::readPlayer(int index) {
    player = PlayerRecord::parse(players.line(index));
}

void Store::writePlayer() {
    changed.players = true;
    players.setLine(toNumber(team.currentPlayer), player.build());
}

void Store::addPlayer() {
    player.flag.clear();
    changed.players = true;
    team.currentPlayer = numberText(players.append(player.build()));
    writeTeam();
}

void Store::readGame(int index) {
    game = GameRecord::parse(games.line(index));
}

void Store::writeGame() {
    changed.games = true;
    games.setLine(toNumber(league.currentGame), game.build());
}

void Store::addGame() {
    game.flag.clear();
    changed.games = true;
    league.currentGame = numberText(games.append(game.build()));
    writeLeague();
}

void Store::readField(int index) {
    field = NamedRecord::parse(fields.line(index));
}
void Store::readUmpire(int index) {
    umpire = NamedRecord::parse(umpires.line(index));
}

void Store::addField() {
    field.flag.clear();
    fields.append(field.build());
    changed.fields = true;
}

void Store::addUmpire() {
    umpire.flag.clear();
    umpires.append(umpire.build());
    changed.umpires = true;
}

}  // namespace pny
