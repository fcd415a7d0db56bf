#include "main/setupcommands.h"

#include "main/list.h"
#include "views/psort.h"
#include "views/setup.h"
#include "views/ssort.h"

#include <utility>

SetupCommands::SetupCommands(CommandHost host) : host_(std::move(host)) {}

TPlayerSortForm& SetupCommands::playerSortForm() {
    return madeOnFirstUse(playerSortForm_, [this] { return new TPlayerSortForm(host_.window); });
}
TScheduleSortForm& SetupCommands::scheduleSortForm() {
    return madeOnFirstUse(scheduleSortForm_,
                          [this] { return new TScheduleSortForm(host_.window); });
}
TSetupForm& SetupCommands::setupForm() {
    return madeOnFirstUse(setupForm_, [this] { return new TSetupForm(host_.window); });
}

void SetupCommands::SetupButtonClick() {
    const int tab = host_.currentTab();
    bool rebuild = false;
    if (tab == 0) {
        rebuild = setupForm().Execute(host_.store);
        if (rebuild)
            host_.clearStatsCache();  // the innings per game change every ERA
    } else if (tab >= 1 && tab <= 6) {
        rebuild = playerSortForm().Execute(host_.store, tab, host_.tabCaption(tab));
    } else {
        rebuild = scheduleSortForm().Execute(host_.store, host_.listForm());
    }
    if (rebuild)
        host_.buildHeaders();
}
