#include "store/datacheck.h"

#include "gamelog/gamelogcheck.h"
#include "gamelog/logline.h"
#include "gamelog/sheetchoice.h"

#include "store/filecommit.h"
#include "store/filekind.h"
#include "store/folderlock.h"
#include "store/savecheck.h"

#include "import/importrecords.h"
#include "people/peoplelinks.h"
#include "pitching/pitchrulesfile.h"
#include "schedule/gametime.h"
#include "store/linecodec.h"
#include "store/recordlayouts.h"
#include "store/records.h"
#include "store/textfile.h"
#include "views/leadersettings.h"
#include "views/settingssections.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <map>
#include <set>

namespace pny {
namespace {

using namespace recordlayouts;

constexpr std::size_t kMaxLine = 255;

class Checker {
public:
    explicit Checker(const QString& folder) : dir_(folder) {}

    std::vector<CheckFinding> run();

private:
    struct File {
        std::string name;
        bool exists = false;
        bool readable = true;
        std::vector<std::string> lines;  // with a header line even when the file has none
    };

    File read(const std::string& name);
    void report(const std::string& file, int line, const std::string& message) {
        findings_.push_back({file, line, message});
    }
    // Checks one line against its layout; returns its fields (as far as they are stored).
    std::vector<std::string> checkLine(const File& file, int index, const Layout& layout,
                                       const std::string& what,
                                       const std::vector<const Target*>& targets);
    Target targetOf(const File& file) const {
        return {file.name, static_cast<int>(file.lines.size()), file.readable};
    }
    void checkTimes(const File& times, const Target& fields);
    void notesName(const std::string& name) { notes_.insert(cutTo(name, 20)); }
    void checkNotes();
    // `leagueLine` is the league's record, whose user columns the sheet may show.
    void checkLeaderSettings(const std::string& leagueName, const std::string& leagueLine);
    void checkGameLog(const std::string& leagueName, const File& teams,
                      const std::map<int, std::vector<std::string>>& players);
    void checkOrphanLeaderSettings();
    void checkPeople();
    void checkImports(int seasons);
    void checkOrphanDataFiles();
    void checkDuplicateRecords(const File& list, const char* kind);
    void checkDuplicateGames(const File& games);

    QDir dir_;
    std::vector<CheckFinding> findings_;
    std::set<std::string> notes_;
    std::set<std::string> leagues_;  // the base names of every league read
    std::set<std::string> read_;     // every data file the years file leads to
    std::set<std::string> unread_;   // name prefixes of the files below lists that cannot be read
    std::map<std::string, int> playerLines_;  // each players file read with its line count
};

Checker::File Checker::read(const std::string& name) {
    read_.insert(name);
    File file;
    file.name = name;
    file.lines.push_back({});  // the header line; replaced below when the file has one
    const QString path =
        dir_.filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return file;
    file.exists = true;
    QFile f(path);
    const QString kind = nonOrdinaryKind(path);
    if (!kind.isEmpty()) {
        file.readable = false;
        report(name, 0, "cannot be read: it is " + kind.toStdString());
        return file;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        file.readable = false;
        report(name, 0, "cannot be read: " + f.errorString().toStdString());
        return file;
    }
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        file.readable = false;
        report(name, 0, "cannot be read: " + f.errorString().toStdString());
        return file;
    }
    const qsizetype nul = bytes.indexOf('\0');
    std::vector<std::string> lines = splitLines(bytes);
    // Text after the last line break is a line of its own, so a NUL there is on that line.
    const qsizetype end = nul < 0 ? bytes.size() : nul;
    const bool open = end > 0 && bytes[end - 1] != '\r' && bytes[end - 1] != '\n';
    if (nul >= 0 && bytes.size() > nul + 1) {
        report(name, static_cast<int>(lines.size()) + (open ? 0 : 1),
               "a NUL character ends the text here: the " + std::to_string(bytes.size() - nul - 1) +
                   " bytes after it are never read");
    }
    if (!lines.empty())
        file.lines = std::move(lines);
    return file;
}

std::vector<std::string> Checker::checkLine(const File& file, int index, const Layout& layout,
                                            const std::string& what,
                                            const std::vector<const Target*>& targets) {
    const std::string& line = file.lines[static_cast<std::size_t>(index)];
    const int lineNo = index + 1;
    if (line.size() > kMaxLine) {
        report(file.name, lineNo,
               what + "the line is " + std::to_string(line.size()) +
                   " characters long, more than 255");
    }
    std::string rest;
    std::vector<std::string> fields = splitFields(line, rest);
    if (!rest.empty()) {
        report(file.name, lineNo,
               what + "the line does not end with a separator: " + asShown(rest) +
                   " is never read (a cut line?)");
    }
    if (fields.size() > layout.size()) {
        report(file.name, lineNo,
               what + std::to_string(fields.size()) + " fields where the record has " +
                   std::to_string(layout.size()) + ": the extra ones are never read");
    }
    for (std::size_t k = 0; k < fields.size() && k < layout.size(); ++k) {
        const FieldSpec& field = layout[k];
        const std::string& text = fields[k];
        const std::string fieldWhat = what + field.name + " ";
        if (text.size() > field.width) {
            report(file.name, lineNo,
                   fieldWhat + asShown(text) + " is " + std::to_string(text.size()) +
                       " characters long, wider than its " + std::to_string(field.width));
        }
        if (field.kind == Kind::Text)
            continue;
        const std::string cut = cutTo(text, field.width);
        long long value = 0;
        if (!isNumber(cut, value)) {
            report(file.name, lineNo, fieldWhat + asShown(cut) + " is not a number");
            continue;
        }
        if (field.kind != Kind::Index)
            continue;
        const Target* target = targets.at(static_cast<std::size_t>(field.target));
        if (value < 0) {
            report(file.name, lineNo, fieldWhat + std::to_string(value) + " is negative");
        } else if (target && target->known && value >= target->size) {
            report(file.name, lineNo,
                   fieldWhat + std::to_string(value) + " is past the end of " + target->file +
                       " (" + std::to_string(target->size - 1) +
                       (target->size == 2 ? " record)" : " records)"));
        }
    }
    return fields;
}

void Checker::checkTimes(const File& times, const Target& fields) {
    std::set<std::string> seen;
    // The times file has no header line: every line is a slot.
    for (std::size_t i = 0; i < times.lines.size(); ++i) {
        const std::string& line = times.lines[i];
        const int lineNo = static_cast<int>(i) + 1;
        if (i == 0 && line.empty() && times.lines.size() == 1)
            break;  // an empty file
        if (!seen.insert(line).second) {
            report(times.name, lineNo,
                   "slot " + asShown(line) + " is a duplicate of an earlier line");
            continue;
        }
        const std::string date = line.substr(0, 8);
        const std::string time = line.size() > 8 ? line.substr(8, 4) : std::string();
        if (!readGameDateTime(date, time)) {
            report(times.name, lineNo,
                   "slot " + asShown(line) + ": " + invalidDateTimeMessage(date, time));
            continue;
        }
        const std::string key = line.size() > 12 ? line.substr(12, 5) : std::string();
        long long value = 0;
        if (!isNumber(key, value) || key.empty()) {
            report(times.name, lineNo,
                   "slot " + asShown(line) + ": the field " + asShown(key) + " is not a number");
        } else if (value < 1 || (fields.known && value >= fields.size)) {
            report(times.name, lineNo,
                   "slot " + asShown(line) + ": field " + std::to_string(value) +
                       " is past the end of " + fields.file + " (" +
                       std::to_string(fields.size - 1) +
                       (fields.size == 2 ? " record)" : " records)"));
        }
    }
}

void Checker::checkNotes() {
    const QStringList names =
        dir_.entryList({QStringLiteral("*.Notes")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        const QByteArray base = name.left(name.size() - 6).toLatin1();
        if (notes_.count(std::string(base.constData(), static_cast<std::size_t>(base.size()))) == 0)
            report(name.toStdString(), 0, "notes that belong to no record");
    }
}

void Checker::checkLeaderSettings(const std::string& leagueName, const std::string& leagueLine) {
    leagues_.insert(leagueName);
    const File settings = read(leagueName + kLeadersExtension);
    if (!settings.exists || !settings.readable)
        return;
    // The leader settings are the first two lines; the league's other settings follow.
    const std::vector<std::string> leaderLines(
        settings.lines.begin(),
        settings.lines.begin() + std::min<std::size_t>(2, settings.lines.size()));
    for (const auto& [line, message] : leaderSettingsProblems(leaderLines))
        report(settings.name, line, message);
    for (const auto& [line, message] : unknownSectionProblems(settings.lines))
        report(settings.name, line, message);
    for (const auto& [line, message] : pitchRulesProblems(settings.lines))
        report(settings.name, line, message);
    const std::vector<BoxScoreColumn> columns = scorerColumns(LeagueRecord::parse(leagueLine));
    for (const auto& [line, message] : sheetColumnsProblems(settings.lines, columns))
        report(settings.name, line, message);
}

void Checker::checkGameLog(const std::string& leagueName, const File& teams,
                           const std::map<int, std::vector<std::string>>& players) {
    const File log = read(leagueName + kLogExtension);
    if (!log.exists || !log.readable || !teams.readable)
        return;
    for (const auto& [line, message] : gameLogProblems(log.lines, teams.lines, players))
        report(log.name, line, message);
}

void Checker::checkOrphanLeaderSettings() {
    const QString extension = QString::fromLatin1(kLeadersExtension);
    const QStringList names =
        dir_.entryList({QStringLiteral("*") + extension}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        const QByteArray base = name.left(name.size() - extension.size()).toLatin1();
        if (leagues_.count(base.toStdString()) == 0)
            report(name.toStdString(), 0, "leader settings that belong to no league");
    }
}

void Checker::checkPeople() {
    const File people = read(kPeopleFileName);
    if (!people.exists || !people.readable)
        return;
    const auto exists = [this](const PlayerKey& key) {
        const auto at = playerLines_.find(key.playersBaseName());
        return at != playerLines_.end() && key.player < at->second;
    };
    const auto leagueExists = [this](const LeagueKey& key) {
        return leagues_.count(leagueKeyText(key)) > 0;
    };
    for (const auto& [line, message] : peopleFileProblems(people.lines, exists, leagueExists))
        report(people.name, line, message);
}

// `seasons` is the years file's line count, -1 when it could not be read.
void Checker::checkImports(int seasons) {
    const File imports = read(kImportsFileName);
    if (!imports.exists || !imports.readable || seasons < 0)
        return;
    for (const auto& [line, message] : importRecordProblems(imports.lines, seasons))
        report(imports.name, line, message);
}

void Checker::checkOrphanDataFiles() {
    static const QStringList kinds{"*.Years",  "*.Leagues", "*.Teams", "*.Players", "*.Games",
                                   "*.Fields", "*.Umpires", "*.Times", "Y*L*.Log"};
    const QStringList names = dir_.entryList(kinds, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        const std::string file = name.toStdString();
        // Below a list that could not be read nothing can be judged.
        const bool unjudged =
            std::any_of(unread_.begin(), unread_.end(),
                        [&](const std::string& p) { return file.compare(0, p.size(), p) == 0; });
        if (read_.count(file) == 0 && !unjudged)
            report(file, 0, "a data file that belongs to no record");
    }
}

void Checker::checkDuplicateRecords(const File& list, const char* kind) {
    // The same number and name twice in one list: a retried import or a record typed twice.
    std::map<std::pair<std::string, std::string>, int> seen;
    for (int i = 1; i < static_cast<int>(list.lines.size()); ++i) {
        std::string rest;
        const std::vector<std::string> f =
            splitFields(list.lines[static_cast<std::size_t>(i)], rest);
        if (f.size() < 3 || !f[0].empty() || f[2].empty())
            continue;  // deleted, or no name to know it by
        const auto [at, added] = seen.emplace(std::make_pair(f[1], f[2]), i);
        if (!added) {
            report(list.name, i + 1,
                   std::string(kind) + " " + std::to_string(i) + ": the same number and name as " +
                       kind + " " + std::to_string(at->second) + " (" + asShown(f[2]) + ")");
        }
    }
}

void Checker::checkDuplicateGames(const File& games) {
    // The same date, time, field and teams twice: a schedule generated twice.
    std::map<std::vector<std::string>, int> seen;
    for (int g = 1; g < static_cast<int>(games.lines.size()); ++g) {
        std::string rest;
        const std::vector<std::string> f =
            splitFields(games.lines[static_cast<std::size_t>(g)], rest);
        if (f.size() < 6 || !f[0].empty() || f[1].empty())
            continue;  // deleted, or not scheduled yet
        const auto [at, added] =
            seen.emplace(std::vector<std::string>(f.begin() + 1, f.begin() + 6), g);
        if (!added) {
            report(games.name, g + 1,
                   "game " + std::to_string(g) + ": the same date, time, field and teams as game " +
                       std::to_string(at->second));
        }
    }
}

std::vector<CheckFinding> Checker::run() {
    const std::vector<CheckFinding> leftovers = checkSaveLeftovers(dir_.path());
    findings_.insert(findings_.end(), leftovers.begin(), leftovers.end());
    const File years = read("Baseball.Years");
    if (!years.readable)
        unread_.insert("Y");
    const Target yearsTarget = targetOf(years);
    if (years.exists && years.readable)
        checkLine(years, 0, headerLayout(), "header: ", {&yearsTarget});
    for (int y = 1; y < static_cast<int>(years.lines.size()); ++y) {
        const std::string yName = "Y" + numberText(y);
        notesName(yName);
        const File leagues = read(yName + ".Leagues");
        if (!leagues.readable)
            unread_.insert(yName + "L");
        checkDuplicateRecords(leagues, "league");
        const Target leaguesTarget = targetOf(leagues);
        checkLine(years, y, yearLayout(), "year " + std::to_string(y) + ": ", {&leaguesTarget});
        for (int l = 1; l < static_cast<int>(leagues.lines.size()); ++l) {
            const std::string lName = yName + "L" + numberText(l);
            notesName(lName);
            checkLeaderSettings(lName, leagues.lines[static_cast<std::size_t>(l)]);
            const File teams = read(lName + ".Teams");
            if (!teams.readable)
                unread_.insert(lName + "T");
            const File games = read(lName + ".Games");
            const File fields = read(lName + ".Fields");
            const File umpires = read(lName + ".Umpires");
            const File times = read(lName + ".Times");
            const Target teamsTarget = targetOf(teams);
            const Target gamesTarget = targetOf(games);
            const Target fieldsTarget = targetOf(fields);
            const Target umpiresTarget = targetOf(umpires);
            checkLine(leagues, l, leagueLayout(), "league " + std::to_string(l) + ": ",
                      {&teamsTarget, &gamesTarget});
            checkDuplicateRecords(teams, "team");
            checkDuplicateRecords(fields, "field");
            checkDuplicateRecords(umpires, "umpire");
            checkDuplicateGames(games);
            std::map<int, std::vector<std::string>> teamPlayers;
            for (int t = 1; t < static_cast<int>(teams.lines.size()); ++t) {
                const std::string tName = lName + "T" + numberText(t);
                notesName(tName);
                const File players = read(tName + ".Players");
                if (players.readable)
                    teamPlayers[t] = players.lines;
                playerLines_[tName] = static_cast<int>(players.lines.size());
                checkDuplicateRecords(players, "player");
                const Target playersTarget = targetOf(players);
                checkLine(teams, t, teamLayout(), "team " + std::to_string(t) + ": ",
                          {&playersTarget});
                for (int p = 1; p < static_cast<int>(players.lines.size()); ++p) {
                    notesName(tName + "P" + numberText(p));
                    checkLine(players, p, playerLayout(), "player " + std::to_string(p) + ": ",
                              {nullptr});
                }
            }
            checkGameLog(lName, teams, teamPlayers);
            for (int g = 1; g < static_cast<int>(games.lines.size()); ++g) {
                notesName(lName + "G" + numberText(g));
                const std::string what = "game " + std::to_string(g) + ": ";
                const std::vector<std::string> f = checkLine(
                    games, g, gameLayout(), what, {&fieldsTarget, &teamsTarget, &umpiresTarget});
                const std::string date = f.size() > 1 ? cutTo(f[1], 8) : std::string();
                const std::string time = f.size() > 2 ? cutTo(f[2], 4) : std::string();
                // A game without a date is a game not yet scheduled; one with a date must read.
                if ((!date.empty() || !time.empty()) && !readGameDateTime(date, time)) {
                    report(games.name, g + 1, what + invalidDateTimeMessage(date, time));
                }
            }
            for (int f = 1; f < static_cast<int>(fields.lines.size()); ++f) {
                notesName(lName + "F" + numberText(f));
                checkLine(fields, f, namedLayout(), "field " + std::to_string(f) + ": ", {});
            }
            for (int u = 1; u < static_cast<int>(umpires.lines.size()); ++u) {
                notesName(lName + "U" + numberText(u));
                checkLine(umpires, u, namedLayout(), "umpire " + std::to_string(u) + ": ", {});
            }
            if (times.exists && times.readable)
                checkTimes(times, fieldsTarget);
        }
    }
    checkNotes();
    checkOrphanLeaderSettings();
    checkPeople();
    checkImports(years.readable ? static_cast<int>(years.lines.size()) : -1);
    checkOrphanDataFiles();
    return std::move(findings_);
}

}  // namespace

std::string CheckFinding::text() const {
    if (line <= 0)
        return file + ": " + message;
    return file + ":" + std::to_string(line) + ": " + message;
}

std::vector<CheckFinding> checkDataFolder(const QString& folder) {
    return Checker(folder).run();
}

}  // namespace pny
