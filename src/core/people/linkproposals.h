#pragma once

#include "people/playerkey.h"

#include <QString>

#include <string>
#include <vector>

namespace pny {

class PeopleLinks;
class Store;

// Every active player record of the folder, with where he played, for linking people.
struct PlayerEntry {
    PlayerKey key;
    std::string season;  // the year's number (or name), as stored
    std::string league;  // the league's name
    std::string team;    // the team's name
    std::string number;  // as stored
    std::string name;    // as stored
};

// Reads every active player of every active team, league and season, in the order of the files.
// Returns false with a message naming the file when one cannot be read.
bool readAllPlayers(const Store& store, std::vector<PlayerEntry>& players, QString& error);

// Why two records are proposed as one person.
enum class ProposalReason {
    SameName,           // equal names (the program's collation, letter case ignored)
    SameNumberAndTeam,  // names that differ slightly, with the same number on a team of the same
                        // name in another season
};

struct LinkProposal {
    std::size_t first = 0;   // indexes into the players
    std::size_t second = 0;  // the later record
    ProposalReason reason = ProposalReason::SameName;
};

// "same name" or "same number and team".
const char* proposalReasonText(ProposalReason reason);

// Whether two names differ only slightly: the same last word, or at most two letters changed,
// added or left out (letter case ignored).
bool namesAlike(const QString& a, const QString& b);

// Links to propose: records of different teams (or seasons) that are not one person yet and that
// the user has not said are different people. Each record is proposed with the latest earlier
// record it matches, so that confirming every proposal links a chain of seasons.
std::vector<LinkProposal> proposeLinks(const std::vector<PlayerEntry>& players,
                                       const PeopleLinks& people);

}  // namespace pny
