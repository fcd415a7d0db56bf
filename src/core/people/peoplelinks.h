#pragma once

#include "people/linkgroups.h"
#include "people/playerkey.h"

#include <QString>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace pny {

class Store;

// Which player records of different seasons, leagues and teams are one person, and which leagues
// of different seasons the user made one league for its history (besides those of the same
// name). The links live in a file of ours in the data folder ("Pennantry.People"); the players
// and leagues files are never touched. A record without a link is a person of one season.
//
// The file: the header "People|", then one line per linked record, "P|person|Y1L1T3P5|", where
// records of the same person number are one person; one line per pair the user said are not the
// same person, "N|Y1L1T3P5|Y2L1T2P7|", so that it is not proposed again; and one line per linked
// league, "L|league|Y2L1|", where leagues of the same number are one league.
class PeopleLinks {
public:
    // The person number of a record, 0 when it has no link.
    int personOf(const PlayerKey& key) const;
    // Every record of the key's person in key order; the key alone when it has no link.
    std::vector<PlayerKey> recordsOf(const PlayerKey& key) const;
    // Every linked record with its person's number.
    const std::map<PlayerKey, int>& links() const { return people_.entries(); }

    // Makes the two records one person, joining the people they belong to.
    void link(const PlayerKey& a, const PlayerKey& b);
    // Takes a record out of its person; a person left with one record is no person any more.
    void unlink(const PlayerKey& key);
    // Remembers that the two records are different people (and undoes a link between them).
    void reject(const PlayerKey& a, const PlayerKey& b);
    bool isRejected(const PlayerKey& a, const PlayerKey& b) const;
    bool isLinked(const PlayerKey& a, const PlayerKey& b) const;

    // The leagues linked with `league`, itself included, in key order.
    std::vector<LeagueKey> leaguesWith(const LeagueKey& league) const;
    void linkLeagues(const LeagueKey& a, const LeagueKey& b);
    void unlinkLeague(const LeagueKey& league);

    bool operator==(const PeopleLinks& o) const { return lines() == o.lines(); }
    bool operator!=(const PeopleLinks& o) const { return !(*this == o); }

    // The file's lines, people numbered from 1 in the order of their first record.
    std::vector<std::string> lines() const;
    // The links in a file's lines; lines that cannot be read are left out.
    static PeopleLinks parse(const std::vector<std::string>& lines);

private:
    static std::pair<PlayerKey, PlayerKey> ordered(const PlayerKey& a, const PlayerKey& b);

    LinkGroups<PlayerKey> people_;
    LinkGroups<LeagueKey> leagues_;
    std::set<std::pair<PlayerKey, PlayerKey>> rejected_;
};

// The file's name in the data folder and its header line.
extern const char* const kPeopleFileName;
extern const char* const kPeopleHeader;

// What is wrong in a people file's lines, for the data check: the line (the header is line 1) and
// what is wrong there. `exists` tells whether a key names a player record, `leagueExists` whether
// one names a league.
std::vector<std::pair<int, std::string>> peopleFileProblems(
    const std::vector<std::string>& lines, const std::function<bool(const PlayerKey&)>& exists,
    const std::function<bool(const LeagueKey&)>& leagueExists);

QString peoplePath(const Store& store);

// Reads the links of the store's folder: none when the file does not exist. Returns false with a
// message naming the file and the reason when it exists but cannot be read.
bool readPeople(const Store& store, PeopleLinks& people, QString& error);

// Puts the links into the store's next commit, so that they are written with everything else.
void stagePeople(Store& store, const PeopleLinks& people);

}  // namespace pny
