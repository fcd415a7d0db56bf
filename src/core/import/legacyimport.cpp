#include "import/legacyimport.h"

#include "import/inifile.h"
#include "notes/notesfiles.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "store/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>

namespace pny {
namespace {

// The legacy key of every player statistic that is copied (each cut to 4 characters).
struct StatKey {
    const char* key;
    PlayerStat stat;
};
constexpr StatKey kStatKeys[] = {
    {"G", StatG},     {"1B", Stat1B},   {"2B", Stat2B},     {"3B", Stat3B},     {"HR", StatHR},
    {"SO", StatSO},   {"BB", StatBB},   {"HP", StatHP},     {"SBnt", StatSBnt}, {"SFly", StatSFly},
    {"Err", StatErr}, {"R", StatRS},    {"RBI", StatRBI},   {"SB", StatSB},     {"CS", StatCS},
    {"BO", StatBO},   {"GP", StatGP},   {"IP", StatIP},     {"3IP", StatIP3},   {"HA", StatHA},
    {"PO", StatPO},   {"WA", StatWA},   {"HB", StatBH},     {"BSO", StatBSO},   {"RA", StatRA},
    {"ER", StatER},   {"Won", StatWon}, {"Lost", StatLost}, {"Sv", StatSv},     {"Pos", StatPos},
    {"A", StatA},
};

constexpr const char* kYearName = "Imported from PZS file";
constexpr std::size_t kNoteWidth = 8;
constexpr std::size_t kTeamSectionWidth = 8;  // "H" and "A" are cut to this before use

// A note name must name a file in the legacy file's own folder, never a path out of it.
bool isPlainFileName(const std::string& name) {
    if (name.find("..") != std::string::npos)
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20;
    });
}

std::string lowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// A field, team or umpire reference of a game: the value without its first character.
std::string withoutFirst(const std::string& value) {
    return value.empty() ? std::string() : value.substr(1);
}

// A field or umpire section, read once and copied into every league.
struct NamedSection {
    std::string number;
    std::string name;
    std::string note;
};

class Importer {
public:
    Importer(Store& store, const IniFile& ini, const QString& folder, const ProgressFn& progress,
             int maximum)
        : store_(store), ini_(ini), folder_(folder), counter_(progress, maximum) {}

    void run();
    int seasonCount() const;
    ImportResult result;

private:
    int bound(const IniFile::Section& counter, const std::string& childPrefix) const;
    IniFile::Section visit(const std::string& name);
    void readNamedSections(const char* counterName, const char* prefix,
                           std::vector<NamedSection>& into);
    bool stop();
    // A text of the file as a record may hold it: a separator, a NUL, a line break or another
    // control character would split or cut the record's line, so each becomes a space.
    std::string text(const IniFile::Section& section, std::string_view key, std::size_t width);

    void importYear(const IniFile::Section& section, int y);
    void importLeague(const IniFile::Section& section, const std::string& name);
    void importTeam(const IniFile::Section& section, const std::string& name);
    void importPlayer(const IniFile::Section& section);
    void importGame(const IniFile::Section& section, std::size_t leagueNameLength);
    void importNamed(RecordList& list, NamedRecord& buffer, void (Store::*add)(),
                     const std::vector<NamedSection>& sections, char kind, int& count);

    void copyNotes(const std::string& note, char kind, int index);
    const std::vector<std::string>* legacyNotes(const std::string& note);

    Store& store_;
    const IniFile& ini_;
    QString folder_;
    ProgressCounter counter_;
    bool stopped_ = false;

    std::vector<NamedSection> fieldSections_;
    std::vector<NamedSection> umpireSections_;
    std::unordered_map<std::string, std::optional<std::vector<std::string>>> notesCache_;
    std::optional<std::map<QString, QString>> folderFiles_;  // lower-case name -> name
};

// A count of child sections, never more than the children present: a count of two billion in a
// malformed file must not mean two billion lookups.
int Importer::bound(const IniFile::Section& counter, const std::string& childPrefix) const {
    return std::min(counter.number("Last"), ini_.highestNumbered(childPrefix));
}

IniFile::Section Importer::visit(const std::string& name) {
    counter_.step();
    return ini_.section(name);
}

bool Importer::stop() {
    stopped_ = true;
    result.error = QStringLiteral("The import stopped because a data file could not be written.");
    return false;
}

std::string Importer::text(const IniFile::Section& section, std::string_view key,
                           std::size_t width) {
    std::string value = section.text(key, width);
    bool replaced = false;
    for (char& c : value) {
        if (c == kSeparator || static_cast<unsigned char>(c) < 0x20 || c == '\x7f') {
            c = ' ';
            replaced = true;
        }
    }
    result.counts.cleaned += replaced ? 1 : 0;
    return value;
}

// The number of seasons the import adds: the year sections that have a name.
int Importer::seasonCount() const {
    const int years = bound(ini_.section("Init"), "Y");
    int count = 0;
    for (int y = 1; y <= years; ++y)
        count += ini_.section("Y" + std::to_string(y)).value("Name").empty() ? 0 : 1;
    return count;
}

void Importer::readNamedSections(const char* counterName, const char* prefix,
                                 std::vector<NamedSection>& into) {
    const int count = bound(ini_.section(counterName), prefix);
    for (int i = 1; i <= count; ++i) {
        const IniFile::Section s = ini_.section(prefix + std::to_string(i));
        into.push_back({text(s, "No", width::kNumber), text(s, "Name", width::kName),
                        text(s, "Note", kNoteWidth)});
    }
}

void Importer::run() {
    const IniFile::Section init = visit("Init");
    readNamedSections("Fields", "F", fieldSections_);
    readNamedSections("Umpires", "U", umpireSections_);
    const int years = bound(init, "Y");
    for (int y = 1; y <= years && !stopped_; ++y) {
        const IniFile::Section section = visit("Y" + std::to_string(y));
        if (section.value("Name").empty())
            continue;
        importYear(section, y);
    }
}

void Importer::importYear(const IniFile::Section& section, int y) {
    store_.year = YearRecord{};
    store_.year.number = text(section, "Name", width::kNumber);
    store_.year.name = kYearName;
    store_.addYear();
    ++result.counts.seasons;
    if (!store_.ensureLeagues()) {
        stop();
        return;
    }
    const std::string yearName = "Y" + std::to_string(y);
    const int leagues = bound(section, yearName + "L");
    for (int l = 1; l <= leagues && !stopped_; ++l) {
        const std::string name = yearName + "L" + std::to_string(l);
        const IniFile::Section league = visit(name);
        if (league.value("Name").empty())
            continue;
        importLeague(league, name);
    }
}

void Importer::importLeague(const IniFile::Section& section, const std::string& name) {
    // Everything but the name and the innings as reading a new leagues file's header gives it.
    LeagueRecord league = LeagueRecord::parse(store_.leagues.headerLine());
    league.flag.clear();
    league.name = text(section, "Name", width::kName);
    league.innings = text(section, "Inn", width::kCount);
    league.currentTeam.clear();
    league.currentGame.clear();
    store_.league = league;
    store_.addLeague();
    ++result.counts.leagues;
    if (!store_.ensureTeams()) {
        stop();
        return;
    }
    copyNotes(text(section, "Note", kNoteWidth), 'L', store_.leagues.size() - 1);

    const int teams = bound(section, name + "T");
    for (int t = 1; t <= teams && !stopped_; ++t) {
        const std::string teamName = name + "T" + std::to_string(t);
        importTeam(visit(teamName), teamName);
    }
    if (stopped_)
        return;

    if (!store_.ensureGames()) {
        stop();
        return;
    }
    const int games = bound(visit(name + "S"), name + "G");
    for (int g = 1; g <= games; ++g) {
        const IniFile::Section game = visit(name + "G" + std::to_string(g));
        if (game.value("D").empty())
            continue;
        importGame(game, name.size());
    }

    store_.ensureFields();
    counter_.step();  // the "Fields" section
    importNamed(store_.fields, store_.field, &Store::addField, fieldSections_, 'F',
                result.counts.fields);
    store_.ensureUmpires();
    counter_.step();  // the "Umpires" section
    importNamed(store_.umpires, store_.umpire, &Store::addUmpire, umpireSections_, 'U',
                result.counts.umpires);
}

void Importer::importTeam(const IniFile::Section& section, const std::string& name) {
    // Every team section keeps its place, named or not, so that the games' references hold.
    TeamRecord& team = store_.team;
    team = TeamRecord{};
    team.number = text(section, "No", width::kNumber);
    team.name = text(section, "Name", width::kName);
    team.won = text(section, "Won", width::kCount);
    team.lost = text(section, "Lost", width::kCount);
    team.tied = text(section, "Tied", width::kCount);
    store_.addTeam();
    ++result.counts.teams;
    if (team.name.empty()) {
        team.flag = "+";  // hidden for good
        store_.writeTeam();
    }
    copyNotes(text(section, "Note", kNoteWidth), 'T', store_.teams.size() - 1);
    if (!store_.ensurePlayers()) {
        stop();
        return;
    }
    const int players = bound(section, name + "P");
    for (int p = 1; p <= players; ++p) {
        const IniFile::Section player = visit(name + "P" + std::to_string(p));
        if (player.value("Name").empty())
            continue;
        importPlayer(player);
    }
}

void Importer::importPlayer(const IniFile::Section& section) {
    PlayerRecord& player = store_.player;
    player = PlayerRecord{};
    player.number = text(section, "No", width::kNumber);
    player.name = text(section, "Name", width::kName);
    for (const StatKey& k : kStatKeys)
        player.stat(k.stat) = text(section, k.key, width::kCount);
    // Plate appearances are not stored in the legacy file: at bats and the four other ways to
    // come to the plate.
    const long long pa = static_cast<long long>(section.number("AB")) +
                         toNumber(player.stat(StatBB)) + toNumber(player.stat(StatHP)) +
                         toNumber(player.stat(StatSBnt)) + toNumber(player.stat(StatSFly));
    player.stat(StatPA) = pa == 0 ? std::string() : cutTo(numberText(pa), width::kCount);
    store_.addPlayer();
    ++result.counts.players;
    copyNotes(text(section, "Note", kNoteWidth), 'P', store_.players.size() - 1);
}

void Importer::importGame(const IniFile::Section& section, std::size_t leagueNameLength) {
    // "H" and "A" name a team section ("Y1L1T3"); the team's index follows the league's section
    // name and the letter T.
    const auto teamIndex = [&](const char* key) {
        const std::string value = text(section, key, kTeamSectionWidth);
        const std::size_t start = leagueNameLength + 1;
        return start < value.size() ? value.substr(start, width::kIndex) : std::string();
    };
    GameRecord& game = store_.game;
    game = GameRecord{};
    game.date = text(section, "D", width::kDate);
    game.time = text(section, "T", width::kTime);
    game.field = withoutFirst(text(section, "F", width::kIndex));
    game.home = teamIndex("H");
    game.away = teamIndex("A");
    static const char* const umpireKeys[] = {"U1", "U2", "U3", "U4"};
    for (std::size_t i = 0; i < game.umpires.size(); ++i)
        game.umpires[i] = withoutFirst(text(section, umpireKeys[i], width::kIndex));
    game.homeScore = text(section, "HTS", width::kCount);
    game.awayScore = text(section, "ATS", width::kCount);
    store_.addGame();
    ++result.counts.games;
    copyNotes(text(section, "Note", kNoteWidth), 'G', store_.games.size() - 1);
}

void Importer::importNamed(RecordList& list, NamedRecord& buffer, void (Store::*add)(),
                           const std::vector<NamedSection>& sections, char kind, int& count) {
    for (const NamedSection& s : sections) {
        counter_.step();
        buffer = NamedRecord{};
        buffer.number = s.number;
        buffer.name = s.name;
        (store_.*add)();
        ++count;
        const int index = list.size() - 1;
        if (s.name.empty()) {
            buffer.flag = "+";  // a placeholder keeps its place, hidden for good
            list.setLine(index, buffer.build());
        }
        copyNotes(s.note, kind, index);
    }
}

const std::vector<std::string>* Importer::legacyNotes(const std::string& note) {
    const std::string key = lowerAscii(note);
    auto cached = notesCache_.find(key);
    if (cached == notesCache_.end()) {
        std::optional<std::vector<std::string>> lines;
        const QString fileName = fromCodePage(note) + QStringLiteral(".PZN");
        QString path = QDir(folder_).filePath(fileName);
        if (!QFileInfo(path).isFile()) {
            // Files copied from the older system may differ in letter case from their notes names.
            if (!folderFiles_) {
                folderFiles_.emplace();
                const QStringList names = QDir(folder_).entryList(QDir::Files | QDir::Hidden);
                for (const QString& n : names)
                    folderFiles_->emplace(n.toLower(), n);
            }
            const auto found = folderFiles_->find(fileName.toLower());
            path = found == folderFiles_->end() ? QString() : QDir(folder_).filePath(found->second);
        }
        if (!path.isEmpty()) {
            std::vector<std::string> read;
            QString error;
            if (readTextLines(path, read, error))
                lines = std::move(read);
            else
                result.warnings.append(error);
        }
        cached = notesCache_.emplace(key, std::move(lines)).first;
    }
    return cached->second ? &*cached->second : nullptr;
}

void Importer::copyNotes(const std::string& note, char kind, int index) {
    if (note.empty() || !isPlainFileName(note))
        return;
    const std::vector<std::string>* lines = legacyNotes(note);
    if (!lines)
        return;
    const std::string name = notesBaseName(store_, kind, numberText(index));
    store_.stageFile(store_.pathOf(name, ".Notes"), *lines);
    ++result.counts.notes;
}

// The seasons' numbers and names as the years file has them ("2025 Imported from PZS file").
QString seasonNames(const Store& store, int first, int last) {
    QStringList names;
    for (int y = first; y <= last && y < store.years.size(); ++y) {
        const YearRecord year = YearRecord::parse(store.years.line(y));
        names << fromCodePage(year.number + ' ' + year.name).trimmed();
    }
    return names.isEmpty() ? QStringLiteral("no longer in the years file")
                           : names.join(QStringLiteral(", "));
}

// The first file of the data folder that belongs to one of `count` years from the index `first`
// on ("Y5.Leagues", "Y5L1T2.Players", "Y5.Notes"...), or an empty text.
QString strayFileOfYears(const QString& folder, int first, int count) {
    static const QRegularExpression yearFile(QStringLiteral("^Y(\\d+)[.L]"));
    const QStringList names = QDir(folder).entryList(
        QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = yearFile.match(name);
        if (!match.hasMatch())
            continue;
        const qlonglong index = match.captured(1).toLongLong();
        if (index >= first && index < static_cast<qlonglong>(first) + count)
            return name;
    }
    return QString();
}

}  // namespace

QString importSummary(const ImportCounts& c, const QString& fileName) {
    const auto count = [](int n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    return QStringLiteral("Added %1, %2, %3, %4, %5, %6, %7 and %8 from %9")
        .arg(count(c.seasons, "season", "seasons"), count(c.leagues, "league", "leagues"),
             count(c.teams, "team", "teams"), count(c.players, "player", "players"),
             count(c.games, "game", "games"), count(c.fields, "field", "fields"),
             count(c.umpires, "umpire", "umpires"), count(c.notes, "notes file", "notes files"),
             fileName);
}

QString cleanedTextsReport(const ImportCounts& counts) {
    if (counts.cleaned == 0)
        return QString();
    return QStringLiteral("%1 %2 characters a record cannot hold; replaced by spaces.")
        .arg(counts.cleaned)
        .arg(counts.cleaned == 1 ? QStringLiteral("text held") : QStringLiteral("texts held"));
}

bool hasLegacyExtension(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("PZS"), Qt::CaseInsensitive) == 0;
}

ImportResult importLegacyFile(Store& store, const QString& path, const ProgressFn& progress,
                              bool again) {
    IniFile ini;
    QString error;
    std::vector<ImportRecord> records;
    if (!ini.load(path, error) || !readImportRecords(store, records, error)) {
        ImportResult result;
        result.error = error + QStringLiteral(" Nothing was imported.");
        return result;
    }
    const QString fileName = QFileInfo(path).fileName();
    if (const std::optional<ImportRecord> earlier =
            findImport(records, ini.loadedSize(), ini.loadedChecksum());
        earlier && !again) {
        ImportResult result;
        result.earlier = earlier;
        result.error = QStringLiteral("%1 was imported on %2 already: it made %3 (%4).")
                           .arg(fileName, earlier->date.toString(Qt::ISODate),
                                seasonsText(earlier->firstSeason, earlier->lastSeason),
                                seasonNames(store, earlier->firstSeason, earlier->lastSeason));
        return result;
    }
    const qint64 maximum = QFileInfo(path).size() / 8;
    Importer importer(store, ini, QFileInfo(path).absolutePath(), progress,
                      static_cast<int>(std::min<qint64>(maximum, 0x7fffffff)));
    // The files of the new seasons must not exist yet: one left by an interrupted import of
    // older days would be read as the new season's and the import would add to it.
    const QString stray =
        strayFileOfYears(store.dataFolder(), store.years.size(), importer.seasonCount());
    if (!stray.isEmpty()) {
        ImportResult result;
        result.error = QStringLiteral(
                           "\"%1\" already exists but belongs to no season; it may be left from "
                           "an import that was interrupted. Move it out of the data folder and "
                           "import again. Nothing was imported.")
                           .arg(QDir(store.dataFolder()).filePath(stray));
        return result;
    }
    const int firstSeason = store.years.size();
    importer.run();
    if (importer.result.ok() && importer.result.counts.seasons > 0) {
        ImportRecord record;
        record.name = fileName;
        record.size = ini.loadedSize();
        record.checksum = ini.loadedChecksum();
        record.firstSeason = firstSeason;
        record.lastSeason = store.years.size() - 1;
        record.date = QDate::currentDate();
        stageImportRecords(store, records, record);
        store.setRecoveryNote(
            QStringLiteral("An interrupted import of %1 was completed: %2")
                .arg(fileName, seasonsText(record.firstSeason, record.lastSeason)));
    }
    return importer.result;
}

}  // namespace pny
