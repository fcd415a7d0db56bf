#pragma once

#include "main/commandhost.h"

class TLeadersForm;

// The commands that show what was recorded: the league leaders, a player's career, the league
// history and the pitchers eligible for the next date. They change no statistics.
class ReportCommands {
public:
    explicit ReportCommands(CommandHost host);

    // A double-clicked leader is shown in his team's row on a player tab.
    void LeadersItemClick();
    // A career belongs to a player: false, and nothing shown, off the player tabs.
    bool CareerItemClick();
    void HistoryItemClick();
    void PitchersItemClick();

private:
    TLeadersForm& leadersForm();
    // Asks for the league when none is chosen; true when there is one now.
    bool haveLeague();

    CommandHost host_;
    TLeadersForm* leadersForm_ = nullptr;
};
