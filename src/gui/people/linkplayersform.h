#pragma once

#include "people/linkproposals.h"
#include "people/peoplelinks.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QTableWidget;

namespace pny {
class Store;
}

// Links the same person's player records across seasons, leagues and teams. The upper list holds
// the links the program proposes (equal names; equal numbers on teams of equal names where the
// names differ slightly), which the user links or says are different people; the lower list holds
// every player, where selected records are linked by hand or their links undone. OK saves the
// links in one commit with everything else; Cancel drops them.
class TLinkPlayersForm : public QDialog {
    Q_OBJECT
public:
    explicit TLinkPlayersForm(QWidget* parent = nullptr);

    // Shows the dialog modally. Returns true when links were changed and saved.
    bool LinkPlayers(pny::Store& store);

public slots:
    void LinkButtonClick();
    void LinkAllButtonClick();
    void RejectButtonClick();
    void JoinButtonClick();
    void UnlinkButtonClick();
    void FilterChange();
    void OkButtonClick();
    void HelpButtonClick();

private:
    // Proposes again and fills both lists.
    void refresh();
    void fillProposals();
    void fillPlayers();
    QString describe(std::size_t player) const;
    // The proposals of the selected rows of the upper list.
    std::vector<pny::LinkProposal> selectedProposals() const;
    // The players of the selected rows of the lower list.
    std::vector<std::size_t> selectedPlayers() const;

    pny::Store* store_ = nullptr;
    pny::PeopleLinks people_;
    pny::PeopleLinks saved_;
    std::vector<pny::PlayerEntry> players_;
    std::vector<pny::LinkProposal> proposals_;

    QTableWidget* proposalTable_ = nullptr;
    QTableWidget* playerTable_ = nullptr;
    QLineEdit* editFilter_ = nullptr;
};
