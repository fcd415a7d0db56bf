// Writes the input, split at "\x01\x02", as the data files of one league (years, leagues, teams,
// players, games, fields, umpires, times, leader settings), then starts a store on the folder and
// builds every tab and the league leaders, and reads the pitch rules (which must write back as
// they read).
#include "fuzzsupport.h"

#include "pitching/pitchrulesfile.h"
#include "store/store.h"
#include "views/leaders.h"
#include "views/leadersexport.h"
#include "views/leadersettings.h"
#include "views/tableview.h"
#include "views/viewstate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const names[] = {"Baseball.Years", "Y1.Leagues", "Y1L1.Teams",
                                        "Y1L1T1.Players", "Y1L1.Games", "Y1L1.Fields",
                                        "Y1L1.Umpires",   "Y1L1.Times", "Y1L1.Leaders"};
    const std::vector<QByteArray> parts = fuzzsupport::splitInput(data, size, 9);
    const QString folder = fuzzsupport::freshFolder();
    for (std::size_t i = 0; i < parts.size(); ++i)
        fuzzsupport::writeFile(folder + QLatin1Char('/') + QLatin1String(names[i]), parts[i]);

    pny::Store store(folder);
    store.loadYears();
    pny::ViewState state;
    for (int tab = 0; tab < 8; ++tab)
        (void)pny::buildTable(store, state, tab);
    pny::LeaderSettings settings;
    pny::LeagueLeaders leaders;
    QString error;
    (void)pny::readLeaderSettings(pny::leaderSettingsPath(store), settings, error);
    if (pny::buildLeagueLeaders(store, settings, leaders, error))
        (void)pny::exportLeadersHtml(leaders);
    std::optional<pny::PitchRules> rules;
    if (pny::readPitchRules(pny::pitchRulesPath(store), rules, error) && rules) {
        std::string problem;
        if (pny::parsePitchRulesLine(pny::pitchRulesLine(*rules), problem) != rules)
            __builtin_trap();
    }
    (void)store.saveAll();
    return 0;
}
