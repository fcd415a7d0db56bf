#include "people/historyform.h"

#include "common/exporttable.h"
#include "common/gridtable.h"
#include "common/messages.h"
#include "common/reportbuttons.h"
#include "help/helpviewer.h"
#include "people/peoplelinks.h"
#include "print/print.h"
#include "store/codepage.h"
#include "store/store.h"
#include "views/leadersform.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

QSpinBox* figureSpin(QWidget* parent, const char* name, int maximum) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(0, maximum);
    return spin;
}

QTableWidget* gridTable(QWidget* parent, const QString& name) {
    QTableWidget* table = reportTable(parent, name);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// Shows a grid's header and rows; the key column is hidden.
void showGrid(QTableWidget* table, const pny::ViewGrid& grid) {
    fillGridTable(table, grid);
    if (table->columnCount() > 0)
        table->setColumnHidden(0, true);
    table->resizeColumnsToContents();
}

}  // namespace

THistoryForm::THistoryForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HistoryForm"));
    setModal(true);
    setWindowTitle(QStringLiteral("League History"));
    printForm_ = new TPrintForm(this);

    auto* settingsBox = new QGroupBox(QStringLiteral("Qualified for the all-time rates"), this);
    settingsBox->setObjectName(QStringLiteral("SettingsBox"));
    spins_.careerPA = figureSpin(settingsBox, "SpinCareerPA", pny::kMaxCareerFigure);
    spins_.careerIP = figureSpin(settingsBox, "SpinCareerIP", pny::kMaxCareerFigure);
    spins_.careerG = figureSpin(settingsBox, "SpinCareerG", pny::kMaxCareerFigure);
    spins_.places = figureSpin(settingsBox, "SpinPlaces", pny::kMaxPlaces);
    spins_.places->setMinimum(pny::kMinPlaces);
    auto* applyButton = dialogButton(this, QStringLiteral("ApplyButton"), QStringLiteral("&Apply"),
                                     QStyle::SP_BrowserReload);
    applyButton->setDefault(true);
    applyButton->setAutoDefault(true);
    auto* settingsRow = new QHBoxLayout(settingsBox);
    const std::pair<QSpinBox*, const char*> spins[] = {{spins_.careerPA, "career PA (batting)"},
                                                       {spins_.careerIP, "IP (pitching)"},
                                                       {spins_.careerG, "G (fielding)"},
                                                       {spins_.places, "places"}};
    for (const auto& [spin, text] : spins) {
        auto* label = new QLabel(QString::fromLatin1(text), settingsBox);
        label->setBuddy(spin);
        settingsRow->addWidget(spin);
        settingsRow->addWidget(label);
        settingsRow->addSpacing(8);
    }
    settingsRow->addStretch(1);
    settingsRow->addWidget(applyButton);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("HistoryPages"));
    championsTable_ = gridTable(pages_, QStringLiteral("ChampionsTable"));
    pages_->addTab(championsTable_, QStringLiteral("Standings Leaders"));
    auto* leadersPage = new QWidget(pages_);
    categoryBox_ = new QComboBox(leadersPage);
    categoryBox_->setObjectName(QStringLiteral("CategoryBox"));
    for (const pny::LeaderCategory& category : pny::leaderCategories())
        categoryBox_->addItem(QString::fromLatin1(pny::leaderTableTitle(category).c_str()));
    ruleLabel_ = new QLabel(leadersPage);
    ruleLabel_->setObjectName(QStringLiteral("RuleLabel"));
    ruleLabel_->setTextFormat(Qt::PlainText);
    leadersTable_ = gridTable(leadersPage, QStringLiteral("LeadersTable"));
    // Said in the table's place when it lists nobody.
    emptyLabel_ = new QLabel(leadersPage);
    emptyLabel_->setObjectName(QStringLiteral("EmptyReason"));
    emptyLabel_->setTextFormat(Qt::PlainText);
    emptyLabel_->hide();
    auto* leadersLayout = new QVBoxLayout(leadersPage);
    leadersLayout->addWidget(categoryBox_);
    leadersLayout->addWidget(ruleLabel_);
    leadersLayout->addWidget(emptyLabel_);
    leadersLayout->addWidget(leadersTable_, 1);
    pages_->addTab(leadersPage, QStringLiteral("All-Time Leaders"));
    auto* seasonsPage = new QWidget(pages_);
    auto* seasonsText = new QLabel(
        QStringLiteral("The leagues of the history. Those of the same name always belong to it; "
                       "check a league of another name to link it."),
        seasonsPage);
    seasonsText->setWordWrap(true);
    leagueList_ = new QListWidget(seasonsPage);
    leagueList_->setObjectName(QStringLiteral("LeagueList"));
    auto* saveLeaguesButton =
        dialogButton(this, QStringLiteral("SaveLeaguesButton"), QStringLiteral("&Save Seasons"),
                     QStyle::SP_DialogSaveButton);
    auto* seasonsButtons = new QHBoxLayout;
    seasonsButtons->addWidget(saveLeaguesButton);
    seasonsButtons->addStretch(1);
    auto* seasonsLayout = new QVBoxLayout(seasonsPage);
    seasonsLayout->addWidget(seasonsText);
    seasonsLayout->addWidget(leagueList_, 1);
    seasonsLayout->addLayout(seasonsButtons);
    pages_->addTab(seasonsPage, QStringLiteral("Seasons"));

    QHBoxLayout* buttons =
        reportButtonRow(this, &THistoryForm::PrintButtonClick, &THistoryForm::ExportButtonClick,
                        &THistoryForm::HelpButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settingsBox);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);

    connect(applyButton, &QPushButton::clicked, this, &THistoryForm::ApplyButtonClick);
    connect(categoryBox_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &THistoryForm::CategoryChange);
    connect(saveLeaguesButton, &QPushButton::clicked, this, &THistoryForm::SaveLeaguesButtonClick);
    resize(780, 520);
}

void THistoryForm::ShowHistory(pny::Store& store) {
    store.ensureLeagues();
    store_ = &store;
    QString error;
    if (!pny::readLeaderSettings(pny::leaderSettingsPath(store), settings_, error))
        Messages::error(this, error + QStringLiteral("\nThe usual settings are used."));
    showSettings();
    refresh();
    pages_->setCurrentIndex(0);
    exec();
    store_ = nullptr;
}

void THistoryForm::showSettings() {
    spins_.careerPA->setValue(settings_.careerPlateAppearances);
    spins_.careerIP->setValue(settings_.careerInnings);
    spins_.careerG->setValue(settings_.careerGames);
    spins_.places->setValue(settings_.places);
}

void THistoryForm::refresh() {
    if (!store_)
        return;
    QString error;
    if (!pny::readPeople(*store_, links_, error) ||
        !pny::buildLeagueHistory(*store_, links_, settings_, history_, error)) {
        Messages::error(this, error);
    }
    setWindowTitle(pny::fromCodePage(history_.caption));
    showGrid(championsTable_, pny::championsGrid(history_));
    CategoryChange(categoryBox_->currentIndex());
    if (!pny::readSeasonLeagues(*store_, allLeagues_, error))
        allLeagues_.clear();
    fillLeagues();
}

void THistoryForm::fillLeagues() {
    leagueList_->clear();
    if (!store_)
        return;
    const pny::LeagueKey current = pny::currentLeagueKey(*store_);
    const std::vector<pny::LeagueKey> linked = links_.leaguesWith(current);
    const auto contains = [](const std::vector<pny::SeasonLeague>& leagues,
                             const pny::LeagueKey& key) {
        return std::any_of(leagues.begin(), leagues.end(), [&](const pny::SeasonLeague& l) {
            return l.year == key.year && l.league == key.league;
        });
    };
    // Only a link of the user's can be undone here: a league that belongs by its name (that of
    // this league or of a linked one) is checked and cannot be unchecked.
    for (const pny::SeasonLeague& league : allLeagues_) {
        const pny::LeagueKey key{league.year, league.league};
        auto* item =
            new QListWidgetItem(pny::fromCodePage(league.season).trimmed() + QLatin1Char(' ') +
                                    pny::fromCodePage(league.name).trimmed(),
                                leagueList_);
        const bool in = contains(history_.leagues, key);
        const bool byLink =
            key != current && std::find(linked.begin(), linked.end(), key) != linked.end();
        item->setFlags(!in || byLink ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled
                                     : Qt::ItemIsUserCheckable);
        item->setCheckState(in ? Qt::Checked : Qt::Unchecked);
    }
}

void THistoryForm::SaveLeaguesButtonClick() {
    if (!store_)
        return;
    pny::PeopleLinks people;
    QString error;
    if (!pny::readPeople(*store_, people, error)) {
        Messages::error(this, error);
        return;
    }
    const pny::PeopleLinks before = people;
    const pny::LeagueKey current = pny::currentLeagueKey(*store_);
    for (int i = 0; i < leagueList_->count() && i < static_cast<int>(allLeagues_.size()); ++i) {
        const QListWidgetItem* item = leagueList_->item(i);
        if (!(item->flags() & Qt::ItemIsEnabled))
            continue;
        const pny::SeasonLeague& league = allLeagues_[static_cast<std::size_t>(i)];
        const pny::LeagueKey key{league.year, league.league};
        const std::vector<pny::LeagueKey> linked = people.leaguesWith(key);
        const bool isLinked = std::find(linked.begin(), linked.end(), current) != linked.end();
        if (item->checkState() == Qt::Checked && !isLinked)
            people.linkLeagues(current, key);
        else if (item->checkState() != Qt::Checked && isLinked && key != current)
            people.unlinkLeague(key);
    }
    if (people != before) {
        pny::stagePeople(*store_, people);
        store_->commit();
    }
    refresh();
}

void THistoryForm::CategoryChange(int index) {
    if (index < 0 || index >= static_cast<int>(history_.leaders.size())) {
        ruleLabel_->clear();
        emptyLabel_->hide();
        leadersTable_->setRowCount(0);
        return;
    }
    const pny::LeaderTable& table = history_.leaders[static_cast<std::size_t>(index)];
    ruleLabel_->setText(QString::fromLatin1(table.rule.c_str()));
    emptyLabel_->setText(QString::fromStdString(table.emptyReason));
    emptyLabel_->setVisible(!table.emptyReason.empty());
    showGrid(leadersTable_, pny::leaderGrid(table));
}

void THistoryForm::ApplyButtonClick() {
    for (QSpinBox* spin : {spins_.careerPA, spins_.careerIP, spins_.careerG, spins_.places})
        spin->interpretText();
    pny::LeaderSettings settings = settings_;
    settings.careerPlateAppearances = spins_.careerPA->value();
    settings.careerInnings = spins_.careerIP->value();
    settings.careerGames = spins_.careerG->value();
    settings.places = spins_.places->value();
    if (settings != settings_ && store_) {
        QString error;
        if (!pny::writeLeaderSettings(pny::leaderSettingsPath(*store_), settings, error))
            Messages::error(this, error);
    }
    settings_ = settings;
    refresh();
}

void THistoryForm::PrintButtonClick() {
    // The page shown is printed: the standings leaders as a table, or every all-time table.
    if (pages_->currentIndex() == 0) {
        printForm_->PrintTable(championsTable_, windowTitle(), windowTitle());
        return;
    }
    const QList<TPrintSection> sections = leaderPrintSections(history_.leaders);
    // Every table has the columns of a rate table, so that they line up on paper.
    const QFontMetrics metrics(leadersTable_->font());
    const int letter = metrics.averageCharWidth();
    const QList<int> widths{0, 6 * letter, 20 * letter, 16 * letter, 7 * letter, 7 * letter};
    int screenWidth = 0;
    for (int width : widths)
        screenWidth += width;
    printForm_->PrintSections(windowTitle(), sections, widths, screenWidth, leadersTable_->font());
}

void THistoryForm::ExportButtonClick() {
    saveExport(this, QStringLiteral("Export League History"), windowTitle(), false,
               [this](ExportFormat format) {
                   if (format == ExportFormat::Html)
                       return pny::exportHistoryHtml(history_).toUtf8();
                   if (format == ExportFormat::Tsv)
                       return pny::exportHistoryTsv(history_).toUtf8();
                   return pny::exportHistoryCsv(history_).toUtf8();
               });
}

void THistoryForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("League_History"));
}
