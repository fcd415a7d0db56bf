#include "people/peoplelinks.h"

#include "store/linecodec.h"
#include "store/store.h"
#include "store/textfile.h"

#include <QFileInfo>

namespace pny {

const char* const kPeopleFileName = "Pennantry.People";
const char* const kPeopleHeader = "People|";

namespace {

// The fields of a line and whether it ended with its separator.
std::vector<std::string> fieldsOf(const std::string& line, bool& closed) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t bar = line.find(kSeparator); bar != std::string::npos;
         bar = line.find(kSeparator, start)) {
        fields.push_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    closed = start == line.size();
    return fields;
}

bool isPersonNumber(const std::string& text) {
    return !text.empty() && text.size() <= 5 && text[0] != '0' &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

// One line read: a link of a record to a person or a pair of different people.
struct PeopleLine {
    enum Kind { Link, Rejection, LeagueLink, Unreadable } kind = Unreadable;
    int group = 0;  // the person or league number
    PlayerKey first, second;
    LeagueKey league;
    std::string problem;
};

PeopleLine readLine(const std::string& line) {
    PeopleLine read;
    bool closed = false;
    const std::vector<std::string> f = fieldsOf(line, closed);
    if (!closed) {
        read.problem = "the line does not end with a separator (a cut line?)";
        return read;
    }
    if (f.size() == 3 && f[0] == "P") {
        const std::optional<PlayerKey> key = parsePlayerKey(f[2]);
        if (!isPersonNumber(f[1])) {
            read.problem = "person \"" + f[1] + "\" is not a number from 1 to 99999";
        } else if (!key) {
            read.problem = "\"" + f[2] + "\" does not name a player record such as Y1L1T1P1";
        } else {
            read.kind = PeopleLine::Link;
            read.group = std::stoi(f[1]);
            read.first = *key;
        }
        return read;
    }
    if (f.size() == 3 && f[0] == "L") {
        const std::optional<LeagueKey> key = parseLeagueKey(f[2]);
        if (!isPersonNumber(f[1])) {
            read.problem = "league \"" + f[1] + "\" is not a number from 1 to 99999";
        } else if (!key) {
            read.problem = "\"" + f[2] + "\" does not name a league such as Y1L1";
        } else {
            read.kind = PeopleLine::LeagueLink;
            read.group = std::stoi(f[1]);
            read.league = *key;
        }
        return read;
    }
    if (f.size() == 3 && f[0] == "N") {
        const std::optional<PlayerKey> a = parsePlayerKey(f[1]);
        const std::optional<PlayerKey> b = parsePlayerKey(f[2]);
        if (!a || !b) {
            read.problem =
                "\"" + (a ? f[2] : f[1]) + "\" does not name a player record such as Y1L1T1P1";
        } else {
            read.kind = PeopleLine::Rejection;
            read.first = *a;
            read.second = *b;
        }
        return read;
    }
    read.problem =
        "neither a link (P|person|record|) nor a pair of different people "
        "(N|record|record|)";
    return read;
}

}  // namespace

int PeopleLinks::personOf(const PlayerKey& key) const {
    return people_.groupOf(key);
}

std::vector<PlayerKey> PeopleLinks::recordsOf(const PlayerKey& key) const {
    return people_.membersOf(key);
}

void PeopleLinks::link(const PlayerKey& a, const PlayerKey& b) {
    rejected_.erase(ordered(a, b));
    people_.link(a, b);
}

void PeopleLinks::unlink(const PlayerKey& key) {
    people_.unlink(key);
}

std::vector<LeagueKey> PeopleLinks::leaguesWith(const LeagueKey& league) const {
    return leagues_.membersOf(league);
}

void PeopleLinks::linkLeagues(const LeagueKey& a, const LeagueKey& b) {
    leagues_.link(a, b);
}

void PeopleLinks::unlinkLeague(const LeagueKey& league) {
    leagues_.unlink(league);
}

void PeopleLinks::reject(const PlayerKey& a, const PlayerKey& b) {
    if (a == b)
        return;
    if (isLinked(a, b))
        unlink(b);
    rejected_.insert(ordered(a, b));
}

bool PeopleLinks::isRejected(const PlayerKey& a, const PlayerKey& b) const {
    return rejected_.count(ordered(a, b)) > 0;
}

bool PeopleLinks::isLinked(const PlayerKey& a, const PlayerKey& b) const {
    return people_.linked(a, b);
}

std::pair<PlayerKey, PlayerKey> PeopleLinks::ordered(const PlayerKey& a, const PlayerKey& b) {
    return b < a ? std::make_pair(b, a) : std::make_pair(a, b);
}

std::vector<std::string> PeopleLinks::lines() const {
    std::vector<std::string> out{kPeopleHeader};
    int number = 0;
    for (const std::vector<PlayerKey>& person : people_.groups()) {
        ++number;
        for (const PlayerKey& key : person)
            out.push_back("P|" + std::to_string(number) + '|' + playerKeyText(key) + '|');
    }
    for (const auto& [a, b] : rejected_)
        out.push_back("N|" + playerKeyText(a) + '|' + playerKeyText(b) + '|');
    number = 0;
    for (const std::vector<LeagueKey>& league : leagues_.groups()) {
        ++number;
        for (const LeagueKey& key : league)
            out.push_back("L|" + std::to_string(number) + '|' + leagueKeyText(key) + '|');
    }
    return out;
}

PeopleLinks PeopleLinks::parse(const std::vector<std::string>& lines) {
    PeopleLinks people;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const PeopleLine read = readLine(lines[i]);
        if (read.kind == PeopleLine::Link) {
            people.people_.assign(read.first, read.group);
        } else if (read.kind == PeopleLine::LeagueLink) {
            people.leagues_.assign(read.league, read.group);
        } else if (read.kind == PeopleLine::Rejection && read.first != read.second) {
            people.rejected_.insert(ordered(read.first, read.second));
        }
    }
    // A person or a league of one record links nothing.
    people.people_.dropSingles();
    people.leagues_.dropSingles();
    return people;
}

std::vector<std::pair<int, std::string>> peopleFileProblems(
    const std::vector<std::string>& lines, const std::function<bool(const PlayerKey&)>& exists,
    const std::function<bool(const LeagueKey&)>& leagueExists) {
    std::vector<std::pair<int, std::string>> problems;
    if (lines.empty() || lines[0] != kPeopleHeader) {
        problems.emplace_back(1, "the header line is \"" + (lines.empty() ? "" : lines[0]) +
                                     "\", not \"" + kPeopleHeader + "\"");
    }
    std::map<PlayerKey, int> seen;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        if (lines[i].size() > 255) {
            problems.emplace_back(lineNo, "the line is " + std::to_string(lines[i].size()) +
                                              " characters long, more than 255");
        }
        const PeopleLine read = readLine(lines[i]);
        if (read.kind == PeopleLine::Unreadable) {
            problems.emplace_back(lineNo, read.problem + ": the line is never read");
            continue;
        }
        if (read.kind == PeopleLine::LeagueLink) {
            if (!leagueExists(read.league)) {
                problems.emplace_back(lineNo, leagueKeyText(read.league) +
                                                  " is no league: the link points at nothing");
            }
            continue;
        }
        std::vector<PlayerKey> keys{read.first};
        if (read.kind == PeopleLine::Rejection)
            keys.push_back(read.second);
        for (const PlayerKey& key : keys) {
            if (!exists(key)) {
                problems.emplace_back(
                    lineNo, playerKeyText(key) + " is no player: the link points at nothing");
            }
        }
        if (read.kind == PeopleLine::Link) {
            const auto [at, added] = seen.emplace(read.first, lineNo);
            if (!added) {
                problems.emplace_back(lineNo, playerKeyText(read.first) + " is linked on line " +
                                                  std::to_string(at->second) +
                                                  " already: this line is the one read");
            }
        }
    }
    return problems;
}

QString peoplePath(const Store& store) {
    return store.dataFolder() + QString::fromLatin1(kPeopleFileName);
}

bool readPeople(const Store& store, PeopleLinks& people, QString& error) {
    people = PeopleLinks();
    const QString path = peoplePath(store);
    if (!QFileInfo::exists(path))
        return true;
    std::vector<std::string> lines;
    if (!readTextLines(path, lines, error))
        return false;
    people = PeopleLinks::parse(lines);
    return true;
}

void stagePeople(Store& store, const PeopleLinks& people) {
    store.stageFile(peoplePath(store), people.lines());
}

}  // namespace pny
