#include "people/linkplayersform.h"

#include "common/dialogbutton.h"
#include "common/messages.h"
#include "help/helpviewer.h"
#include "store/codepage.h"
#include "store/store.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {

QTableWidget* listTable(QWidget* parent, const QString& name, const QStringList& headers) {
    auto* table = new QTableWidget(0, headers.size(), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
    return table;
}

QTableWidgetItem* cell(const QString& text, qulonglong index) {
    auto* item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, index);
    return item;
}

}  // namespace

TLinkPlayersForm::TLinkPlayersForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LinkPlayersForm"));
    setModal(true);
    setWindowTitle(QStringLiteral("Link Players"));

    auto* proposalBox = new QGroupBox(QStringLiteral("Proposed links"), this);
    proposalTable_ = listTable(
        proposalBox, QStringLiteral("ProposalTable"),
        {QStringLiteral("Player"), QStringLiteral("Same person as"), QStringLiteral("Because of")});
    auto* linkButton = dialogButton(this, QStringLiteral("LinkButton"), QStringLiteral("&Link"),
                                    QStyle::SP_DialogApplyButton);
    auto* linkAllButton = dialogButton(this, QStringLiteral("LinkAllButton"),
                                       QStringLiteral("Link &All"), QStyle::SP_DialogYesButton);
    auto* rejectButton = dialogButton(this, QStringLiteral("RejectButton"),
                                      QStringLiteral("&Not the Same"), QStyle::SP_DialogNoButton);
    auto* proposalButtons = new QHBoxLayout;
    proposalButtons->addWidget(linkButton);
    proposalButtons->addWidget(linkAllButton);
    proposalButtons->addWidget(rejectButton);
    proposalButtons->addStretch(1);
    auto* proposalLayout = new QVBoxLayout(proposalBox);
    proposalLayout->addWidget(proposalTable_, 1);
    proposalLayout->addLayout(proposalButtons);

    auto* playerBox = new QGroupBox(QStringLiteral("All players"), this);
    editFilter_ = new QLineEdit(playerBox);
    editFilter_->setObjectName(QStringLiteral("EditFilter"));
    editFilter_->setPlaceholderText(QStringLiteral("Part of a name"));
    editFilter_->setClearButtonEnabled(true);
    auto* filterLabel = new QLabel(QStringLiteral("&Find:"), playerBox);
    filterLabel->setBuddy(editFilter_);
    playerTable_ =
        listTable(playerBox, QStringLiteral("PlayerTable"),
                  {QStringLiteral("Year"), QStringLiteral("League"), QStringLiteral("Team"),
                   QStringLiteral("No"), QStringLiteral("Player Name"), QStringLiteral("Person")});
    auto* joinButton = dialogButton(this, QStringLiteral("JoinButton"),
                                    QStringLiteral("Link &Selected"), QStyle::SP_DialogApplyButton);
    auto* unlinkButton = dialogButton(this, QStringLiteral("UnlinkButton"),
                                      QStringLiteral("&Undo Link"), QStyle::SP_DialogResetButton);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(editFilter_, 1);
    auto* playerButtons = new QHBoxLayout;
    playerButtons->addWidget(joinButton);
    playerButtons->addWidget(unlinkButton);
    playerButtons->addStretch(1);
    auto* playerLayout = new QVBoxLayout(playerBox);
    playerLayout->addLayout(filterRow);
    playerLayout->addWidget(playerTable_, 1);
    playerLayout->addLayout(playerButtons);

    auto* okButton = dialogButton(this, QStringLiteral("OkButton"), QStringLiteral("OK"),
                                  QStyle::SP_DialogOkButton);
    auto* cancelButton = dialogButton(this, QStringLiteral("CancelButton"),
                                      QStringLiteral("Cancel"), QStyle::SP_DialogCancelButton);
    auto* helpButton = dialogButton(this, QStringLiteral("HelpButton"), QStringLiteral("&Help"),
                                    QStyle::SP_DialogHelpButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(proposalBox, 2);
    layout->addWidget(playerBox, 3);
    layout->addLayout(buttons);

    connect(linkButton, &QPushButton::clicked, this, &TLinkPlayersForm::LinkButtonClick);
    connect(linkAllButton, &QPushButton::clicked, this, &TLinkPlayersForm::LinkAllButtonClick);
    connect(rejectButton, &QPushButton::clicked, this, &TLinkPlayersForm::RejectButtonClick);
    connect(joinButton, &QPushButton::clicked, this, &TLinkPlayersForm::JoinButtonClick);
    connect(unlinkButton, &QPushButton::clicked, this, &TLinkPlayersForm::UnlinkButtonClick);
    connect(editFilter_, &QLineEdit::textChanged, this, &TLinkPlayersForm::FilterChange);
    connect(okButton, &QPushButton::clicked, this, &TLinkPlayersForm::OkButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, &TLinkPlayersForm::HelpButtonClick);
    resize(860, 620);
}

bool TLinkPlayersForm::LinkPlayers(pny::Store& store) {
    store_ = &store;
    QString error;
    if (!pny::readPeople(store, saved_, error) || !pny::readAllPlayers(store, players_, error)) {
        Messages::error(parentWidget(), error);
        store_ = nullptr;
        return false;
    }
    people_ = saved_;
    editFilter_->clear();
    refresh();
    const bool saved = exec() == QDialog::Accepted && people_ != saved_;
    store_ = nullptr;
    return saved;
}

QString TLinkPlayersForm::describe(std::size_t player) const {
    const pny::PlayerEntry& p = players_[player];
    return QStringLiteral("%1 %2, %3: %4 %5")
        .arg(pny::fromCodePage(p.season).trimmed(), pny::fromCodePage(p.league).trimmed(),
             pny::fromCodePage(p.team).trimmed(), pny::fromCodePage(p.number).trimmed(),
             pny::fromCodePage(p.name).trimmed());
}

void TLinkPlayersForm::refresh() {
    proposals_ = pny::proposeLinks(players_, people_);
    fillProposals();
    fillPlayers();
}

void TLinkPlayersForm::fillProposals() {
    proposalTable_->clearContents();
    proposalTable_->setRowCount(static_cast<int>(proposals_.size()));
    for (int r = 0; r < static_cast<int>(proposals_.size()); ++r) {
        const pny::LinkProposal& proposal = proposals_[static_cast<std::size_t>(r)];
        const auto index = static_cast<qulonglong>(r);
        proposalTable_->setItem(r, 0, cell(describe(proposal.second), index));
        proposalTable_->setItem(r, 1, cell(describe(proposal.first), index));
        proposalTable_->setItem(
            r, 2, cell(QString::fromLatin1(pny::proposalReasonText(proposal.reason)), index));
    }
    proposalTable_->resizeColumnsToContents();
}

void TLinkPlayersForm::fillPlayers() {
    const QString filter = editFilter_->text().trimmed();
    playerTable_->clearContents();
    playerTable_->setRowCount(0);
    int row = 0;
    for (std::size_t i = 0; i < players_.size(); ++i) {
        const pny::PlayerEntry& p = players_[i];
        const QString name = pny::fromCodePage(p.name).trimmed();
        if (!filter.isEmpty() && !name.contains(filter, Qt::CaseInsensitive))
            continue;
        const int person = people_.personOf(p.key);
        playerTable_->insertRow(row);
        const QStringList texts{pny::fromCodePage(p.season).trimmed(),
                                pny::fromCodePage(p.league).trimmed(),
                                pny::fromCodePage(p.team).trimmed(),
                                pny::fromCodePage(p.number).trimmed(),
                                name,
                                person == 0 ? QString() : QString::number(person)};
        for (int c = 0; c < texts.size(); ++c)
            playerTable_->setItem(row, c, cell(texts.at(c), static_cast<qulonglong>(i)));
        ++row;
    }
    playerTable_->resizeColumnsToContents();
}

std::vector<pny::LinkProposal> TLinkPlayersForm::selectedProposals() const {
    std::set<int> rows;
    for (const QTableWidgetItem* item : proposalTable_->selectedItems())
        rows.insert(item->row());
    std::vector<pny::LinkProposal> chosen;
    for (int row : rows)
        chosen.push_back(proposals_[static_cast<std::size_t>(row)]);
    return chosen;
}

std::vector<std::size_t> TLinkPlayersForm::selectedPlayers() const {
    std::set<std::size_t> chosen;
    for (const QTableWidgetItem* item : playerTable_->selectedItems())
        chosen.insert(static_cast<std::size_t>(item->data(Qt::UserRole).toULongLong()));
    return {chosen.begin(), chosen.end()};
}

void TLinkPlayersForm::LinkButtonClick() {
    for (const pny::LinkProposal& proposal : selectedProposals())
        people_.link(players_[proposal.first].key, players_[proposal.second].key);
    refresh();
}

void TLinkPlayersForm::LinkAllButtonClick() {
    // Linking makes new proposals possible (a chain of seasons): propose until none is left.
    while (!proposals_.empty()) {
        for (const pny::LinkProposal& proposal : proposals_)
            people_.link(players_[proposal.first].key, players_[proposal.second].key);
        proposals_ = pny::proposeLinks(players_, people_);
    }
    refresh();
}

void TLinkPlayersForm::RejectButtonClick() {
    for (const pny::LinkProposal& proposal : selectedProposals())
        people_.reject(players_[proposal.first].key, players_[proposal.second].key);
    refresh();
}

void TLinkPlayersForm::JoinButtonClick() {
    const std::vector<std::size_t> chosen = selectedPlayers();
    if (chosen.size() < 2) {
        Messages::information(this, QStringLiteral("Select two or more players to link: the "
                                                   "same person in different seasons or teams."));
        return;
    }
    for (std::size_t k = 1; k < chosen.size(); ++k)
        people_.link(players_[chosen.front()].key, players_[chosen[k]].key);
    refresh();
}

void TLinkPlayersForm::UnlinkButtonClick() {
    for (std::size_t player : selectedPlayers())
        people_.unlink(players_[player].key);
    refresh();
}

void TLinkPlayersForm::FilterChange() {
    fillPlayers();
}

void TLinkPlayersForm::OkButtonClick() {
    // A commit that fails has said why, and keeps the links with the other changes in memory
    // for the next save.
    if (store_ && people_ != saved_) {
        pny::stagePeople(*store_, people_);
        store_->commit();
    }
    accept();
}

void TLinkPlayersForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Link_Players"));
}
