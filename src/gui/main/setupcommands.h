#pragma once

#include "main/commandhost.h"

class TPlayerSortForm;
class TScheduleSortForm;
class TSetupForm;

// The Setup command: each tab has its own settings dialog, and every one of them stores into
// the league.
class SetupCommands {
public:
    explicit SetupCommands(CommandHost host);

    void SetupButtonClick();

private:
    TPlayerSortForm& playerSortForm();
    TScheduleSortForm& scheduleSortForm();
    TSetupForm& setupForm();

    CommandHost host_;
    TPlayerSortForm* playerSortForm_ = nullptr;
    TScheduleSortForm* scheduleSortForm_ = nullptr;
    TSetupForm* setupForm_ = nullptr;
};
