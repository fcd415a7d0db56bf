#include "main/reportcommands.h"

#include "people/careerform.h"
#include "people/historyform.h"
#include "views/catalogues.h"
#include "views/eligiblepitchersform.h"
#include "views/leadersform.h"

#include <QWidget>

#include <utility>

ReportCommands::ReportCommands(CommandHost host) : host_(std::move(host)) {}

TLeadersForm& ReportCommands::leadersForm() {
    return madeOnFirstUse(leadersForm_, [this] { return new TLeadersForm(host_.window); });
}

bool ReportCommands::haveLeague() {
    if (!host_.store.hasLeague())
        host_.askLeague();
    return host_.store.hasLeague();
}

void ReportCommands::LeadersItemClick() {
    if (!haveLeague() || !leadersForm().ShowLeaders(host_.store))
        return;
    if (pny::isPlayerTab(host_.currentTab()))
        host_.refreshTable();
    else
        host_.showTab(pny::kFirstPlayerTab);
}

bool ReportCommands::CareerItemClick() {
    const int tab = host_.currentTab();
    if (!pny::isPlayerTab(tab))
        return false;
    if (!host_.store.hasPlayer())
        host_.askPlayer();
    if (host_.store.hasPlayer())
        windowDialog<TCareerForm>(host_.window).ShowCareer(host_.store, tab, host_.tabCaption(tab));
    return true;
}

void ReportCommands::HistoryItemClick() {
    if (haveLeague())
        windowDialog<THistoryForm>(host_.window).ShowHistory(host_.store);
}

void ReportCommands::PitchersItemClick() {
    if (haveLeague())
        windowDialog<TEligiblePitchersForm>(host_.window).ShowPitchers(host_.store);
}
