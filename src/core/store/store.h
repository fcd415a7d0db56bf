#pragma once

#include "store/filecommit.h"
#include "store/recordlist.h"
#include "store/records.h"
#include "store/sortedlist.h"

#include <QString>
#include <QStringList>

#include <QByteArray>

#include <functional>
#include <map>
#include <string>

namespace pny {

// The data store: the in-memory lists, which file each holds, their changed flags and one
// current-record buffer per kind. Which file a list holds follows from the current selection:
// the years header names the current year, a year its current league, a league its current team
// and game, a team its current player. The Ensure operations load the file the selection points
// to, saving the old one first; the Save operations write changed lists back.
//
// Nothing reaches the disk but through a commit, which writes every change at once or nothing;
// a commit that fails keeps every change in memory, so that it can be retried.
class Store {
public:
    explicit Store(const QString& dataFolder);

    // The folder of the data files, with its trailing separator.
    const QString& dataFolder() const { return dataFolder_; }
    QString pathOf(const std::string& baseName, const char* extension) const;
    QString yearsPath() const;

    // The lists.
    RecordList years{'Y'};
    RecordList leagues{'L'};
    RecordList teams{'T'};
    RecordList players{'P'};
    RecordList games{'G'};
    RecordList fields{'F'};
    RecordList umpires{'U'};
    SortedList times;  // field time slots: no header line, kept sorted

    // The current-record buffers; year, league, team and player together are the selection.
    YearsHeader header;
    YearRecord year;
    LeagueRecord league;
    TeamRecord team;
    PlayerRecord player;
    GameRecord game;
    FieldRecord field;
    UmpireRecord umpire;

    // Changed flags: set when a line is built for writing, cleared by a successful save.
    struct ChangedFlags {
        bool leagues = false;
        bool teams = false;
        bool players = false;
        bool games = false;
        bool fields = false;
        bool umpires = false;
        bool times = false;
    } changed;

    // The base name each list was loaded under (empty before its first load).
    struct LoadedNames {
        std::string leagues, teams, players, games, fields, umpires;
        // The league whose times list is in memory (the games' base name at its load).
        std::string times;
    } loaded;

    // Schedule filters: team and umpire indexes, empty for none; cleared when another league's
    // games are loaded.
    std::string teamFilter;
    std::string umpireFilter;

    // Called whenever a league record is read, so that the window can apply its font.
    std::function<void(const LeagueRecord&)> onLeagueRead;
    // Called with a message naming the file and the reason whenever a file cannot be read or
    // written.
    std::function<void(const QString&)> onFileError;
    // Called before a commit when files it would replace were changed by another program since
    // they were read: write ours over them, drop the changes in memory and read the files again,
    // or write nothing for now. Without it nothing is written and the commit fails.
    enum class ConflictChoice { KeepMine, ReloadTheirs, Cancel };
    std::function<ConflictChoice(const QStringList& files)> onConflict;

    // Base names that the current selection points to.
    std::string leaguesBaseName() const;
    std::string teamsBaseName() const;
    std::string playersBaseName() const;
    std::string scheduleBaseName() const;

    // Start-up load of the years list and the current year.
    void loadYears();

    // Each returns false when a save it needed failed; the old list then stays loaded.
    bool ensureLeagues();
    bool ensureTeams();
    bool ensurePlayers();
    bool ensureGames();
    void ensureFields();
    void ensureUmpires();
    // Loads the times list of the current league (under the games' base name). When the list in
    // memory already belongs to that league it is kept, unsaved changes and all.
    void loadTimes();

    // Each puts the changed lists of its level into the next commit, before another file is
    // loaded in their place. Returns false when a list may not be written (its file could not be
    // read); its changed flag then stays set.
    bool savePlayers();
    bool saveTeamLevel();
    bool saveSchedule();
    bool saveLeagueLevel();
    // Puts a file of our own (a notes file of the import) into the next commit.
    void stageFile(const QString& path, const std::vector<std::string>& lines);
    // Reads a file of our own as the next commit will leave it (staged or on disk). A missing file
    // has no lines. False, with a message naming the file and the reason, when it cannot be read.
    bool readOwnFile(const QString& path, std::vector<std::string>& lines, QString& error);

    // Writes every change in memory, the years file included, as one commit: afterwards the
    // folder holds either all of it or, when the commit fails, exactly what it held before, and
    // every change stays in memory with its changed flag. Does nothing when nothing changed but
    // the tab or the window size. Returns false, after reporting the file and the reason, when the
    // commit failed.
    bool commit();
    // The same, writing the years file even when nothing changed (Save Data and closing).
    bool saveAll();
    // A line for the user that a recovery reports should the next commit be interrupted after
    // it is complete (see FileCommit::setRecoveryNote); a successful commit clears it.
    void setRecoveryNote(const QString& note) { recoveryNote_ = note; }

    // The lines of team `team`'s players file in the current league as they stand now: the list
    // in memory when the store holds it, else as the next commit leaves the file. A missing file
    // has no lines. False, with a message naming the file and the reason, when it cannot be read.
    bool teamPlayerLines(int team, std::vector<std::string>& lines, QString& error) const;

    // Tells the user through onFileError.
    void reportError(const QString& message);

    // True when something in memory is not yet written.
    bool hasUnsavedChanges() const;
    // Drops every change not yet written and reads the years file again; the lists are read again
    // as they are next needed.
    void reloadFromDisk();

    void readYear(int index);
    void writeYear();
    void addYear();

    void readLeague(int index);
    void writeLeague();
    void addLeague();

    void readTeam(int index);
    void writeTeam();
    void addTeam();

    void readPlayer(int index);
    void writePlayer();
    void addPlayer();

    void readGame(int index);
    void writeGame();
    void addGame();

    void readField(int index);
    void readUmpire(int index);
    void addField();
    void addUmpire();

    // The selection levels: a current record with a non-empty flag means "no usable item".
    bool hasYear() const { return year.flag.empty(); }
    bool hasLeague() const { return league.flag.empty(); }
    bool hasTeam() const { return team.flag.empty(); }
    bool hasPlayer() const { return player.flag.empty(); }

private:
    // Reads a data file's lines, taking a file that waits in the next commit as it will be.
    bool readLines(const QString& path, std::vector<std::string>& lines, bool& exists,
                   QString& error, QString& notice);
    void rememberStamp(const QString& path);
    bool loadList(RecordList& list, const std::string& baseName, const char* extension);
    bool stageList(RecordList& list, bool& changedFlag, const std::string& baseName,
                   const char* extension);
    bool stageTimes();
    bool commitAll(bool withYears);
    std::vector<std::string> yearsLines() const;
    // Files of the commit that another program changed since we read or wrote them.
    QStringList changedBehindOurBack(const FileCommit& commit) const;
    bool yearsChanged() const;

    QString dataFolder_;
    // A times file that exists but could not be read: never replaced by the empty list.
    QString unreadableTimesPath_;
    // Files of lists that were replaced in memory by another file since the last commit: their
    // bytes wait here for the next commit, and a load of the same file reads them.
    std::map<QString, QByteArray> staged_;
    // Each file as we last read or wrote it, to notice another program's changes.
    std::map<QString, FileStamp> stamps_;
    // The years file as the last commit (or the load) left it.
    std::vector<std::string> committedYears_;
    QString recoveryNote_;
};

}  // namespace pny
