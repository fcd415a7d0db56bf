#include "people/peoplelinks.h"

#include "store/linecodec.h"
#include "store/store.h"
#include "store/textfile.h"

#include <QFileInfo>

#include <algorithm>

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
    enum Kind { Link, Rejection, Unreadable } kind = Unreadable;
    int person = 0;
    PlayerKey first, second;
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
            read.person = std::stoi(f[1]);
            read.first = *key;
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
    const auto at = person_.find(key);
    return at == person_.end() ? 0 : at->second;
}

std::vector<PlayerKey> PeopleLinks::recordsOf(const PlayerKey& key) const {
    const int person = personOf(key);
    if (person == 0)
        return {key};
    std::vector<PlayerKey> records;
    for (const auto& [record, number] : person_) {
        if (number == person)
            records.push_back(record);
    }
    return records;
}

void PeopleLinks::link(const PlayerKey& a, const PlayerKey& b) {
    if (a == b)
        return;
    rejected_.erase(ordered(a, b));
    const int pa = personOf(a);
    const int pb = personOf(b);
    if (pa == 0 && pb == 0) {
        person_[a] = next_;
        person_[b] = next_;
        ++next_;
    } else if (pa == 0) {
        person_[a] = pb;
    } else if (pb == 0) {
        person_[b] = pa;
    } else if (pa != pb) {
        for (auto& entry : person_) {
            if (entry.second == pb)
                entry.second = pa;
        }
    }
}

void PeopleLinks::unlink(const PlayerKey& key) {
    const int person = personOf(key);
    if (person == 0)
        return;
    person_.erase(key);
    const auto left = std::count_if(person_.begin(), person_.end(),
                                    [person](const auto& entry) { return entry.second == person; });
    if (left == 1) {
        for (auto at = person_.begin(); at != person_.end(); ++at) {
            if (at->second == person) {
                person_.erase(at);
                break;
            }
        }
    }
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
    const int person = personOf(a);
    return person != 0 && person == personOf(b);
}

std::pair<PlayerKey, PlayerKey> PeopleLinks::ordered(const PlayerKey& a, const PlayerKey& b) {
    return b < a ? std::make_pair(b, a) : std::make_pair(a, b);
}

std::vector<std::string> PeopleLinks::lines() const {
    std::vector<std::string> out{kPeopleHeader};
    // The map is in key order, so a person's first record decides its number.
    std::map<int, int> renumbered;
    std::map<int, std::vector<PlayerKey>> people;
    for (const auto& [key, person] : person_) {
        const auto [at, added] =
            renumbered.emplace(person, static_cast<int>(renumbered.size()) + 1);
        people[at->second].push_back(key);
    }
    for (const auto& [number, keys] : people) {
        for (const PlayerKey& key : keys)
            out.push_back("P|" + std::to_string(number) + '|' + playerKeyText(key) + '|');
    }
    for (const auto& [a, b] : rejected_)
        out.push_back("N|" + playerKeyText(a) + '|' + playerKeyText(b) + '|');
    return out;
}

PeopleLinks PeopleLinks::parse(const std::vector<std::string>& lines) {
    PeopleLinks people;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const PeopleLine read = readLine(lines[i]);
        if (read.kind == PeopleLine::Link) {
            people.person_[read.first] = read.person;
            people.next_ = std::max(people.next_, read.person + 1);
        } else if (read.kind == PeopleLine::Rejection && read.first != read.second) {
            people.rejected_.insert(ordered(read.first, read.second));
        }
    }
    // A person of one record links nothing.
    std::map<int, int> counts;
    for (const auto& entry : people.person_)
        ++counts[entry.second];
    for (auto at = people.person_.begin(); at != people.person_.end();) {
        at = counts[at->second] < 2 ? people.person_.erase(at) : std::next(at);
    }
    return people;
}

std::vector<std::pair<int, std::string>> peopleFileProblems(
    const std::vector<std::string>& lines, const std::function<bool(const PlayerKey&)>& exists) {
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
