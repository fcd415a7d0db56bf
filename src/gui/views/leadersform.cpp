#include "views/leadersform.h"

#include "common/exporttable.h"
#include "common/messages.h"
#include "common/reportbuttons.h"
#include "help/helpviewer.h"
#include "print/print.h"
#include "store/codepage.h"
#include "store/store.h"
#include "views/formats.h"
#include "views/leadersexport.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>

namespace {

const char* const kGroupNames[] = {"Batting", "Pitching", "Fielding"};
// Every table has the columns of a rate table (key, rank, player, team, value, qualifying), so
// that all of them line up and print with the same tab stops.
constexpr int kColumns = 6;

QLineEdit* factorEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(5);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00.000")) + 16);
    return edit;
}

// The player's and the team's columns, sized to the longest name of all the tables.
constexpr int kPlayerColumn = 2;
constexpr int kTeamColumn = 3;

// The column widths of every table before its names are known, from the texts each column holds.
QList<int> columnWidths(const QFontMetrics& metrics) {
    auto width = [&metrics](const char* sample) {
        return metrics.horizontalAdvance(QString::fromLatin1(sample)) + 12;
    };
    const int letter = metrics.averageCharWidth();
    return {0, width(" Rank"), 12 * letter, 10 * letter, width(" 99.999"), width(" 999.2")};
}

}  // namespace

QList<TPrintSection> leaderPrintSections(const std::vector<pny::LeaderTable>& tables) {
    QList<TPrintSection> sections;
    for (const pny::LeaderTable& table : tables) {
        const pny::ViewGrid grid = pny::leaderGrid(table);
        TPrintSection section;
        section.headings << QString::fromLatin1(pny::leaderTableTitle(*table.category).c_str());
        if (!table.rule.empty())
            section.headings << QString::fromLatin1(table.rule.c_str());
        if (!table.emptyReason.empty())
            section.headings << QString::fromStdString(table.emptyReason);
        for (const std::string& text : grid.headers)
            section.headers << pny::fromCodePage(text);
        for (const std::vector<std::string>& cells : grid.rows) {
            QStringList row;
            for (const std::string& text : cells)
                row << pny::fromCodePage(text);
            section.rows << row;
        }
        sections << section;
    }
    return sections;
}

TLeadersForm::TLeadersForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LeadersForm"));
    setModal(true);
    setWindowTitle(QStringLiteral("League Leaders"));
    printForm_ = new TPrintForm(this);

    auto* settingsBox = new QGroupBox(QStringLiteral("Qualified for the rates"), this);
    settingsBox->setObjectName(QStringLiteral("SettingsBox"));
    editBatting_ = factorEdit(settingsBox, "EditBatting");
    editPitching_ = factorEdit(settingsBox, "EditPitching");
    editFielding_ = factorEdit(settingsBox, "EditFielding");
    spinPlaces_ = new QSpinBox(settingsBox);
    spinPlaces_->setObjectName(QStringLiteral("SpinPlaces"));
    spinPlaces_->setRange(pny::kMinPlaces, pny::kMaxPlaces);
    auto* applyButton = dialogButton(this, QStringLiteral("ApplyButton"), QStringLiteral("&Apply"),
                                     QStyle::SP_BrowserReload);
    // Enter in an edit box applies what was typed.
    applyButton->setDefault(true);
    applyButton->setAutoDefault(true);
    auto* settingsRow = new QHBoxLayout(settingsBox);
    const std::pair<QLineEdit*, const char*> edits[] = {
        {editBatting_, "PA per team game (batting)"},
        {editPitching_, "IP per team game (pitching)"},
        {editFielding_, "G per team game (fielding)"}};
    for (const auto& [edit, text] : edits) {
        auto* label = new QLabel(QString::fromLatin1(text), settingsBox);
        label->setBuddy(edit);
        settingsRow->addWidget(edit);
        settingsRow->addWidget(label);
        settingsRow->addSpacing(8);
    }
    auto* placesLabel = new QLabel(QStringLiteral("&Places"), settingsBox);
    placesLabel->setBuddy(spinPlaces_);
    settingsRow->addWidget(placesLabel);
    settingsRow->addWidget(spinPlaces_);
    settingsRow->addStretch(1);
    settingsRow->addWidget(applyButton);

    groupTabs_ = new QTabWidget(this);
    groupTabs_->setObjectName(QStringLiteral("GroupTabs"));
    for (pny::LeaderGroup group :
         {pny::LeaderGroup::Batting, pny::LeaderGroup::Pitching, pny::LeaderGroup::Fielding}) {
        groupTabs_->addTab(buildPage(group),
                           QString::fromLatin1(kGroupNames[static_cast<int>(group)]));
    }

    QHBoxLayout* buttons =
        reportButtonRow(this, &TLeadersForm::PrintButtonClick, &TLeadersForm::ExportButtonClick,
                        &TLeadersForm::HelpButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settingsBox);
    layout->addWidget(groupTabs_, 1);
    layout->addLayout(buttons);

    connect(applyButton, &QPushButton::clicked, this, &TLeadersForm::ApplyButtonClick);
    connect(groupTabs_, &QTabWidget::currentChanged, this, [this] { placeTables(); });
    resize(820, 560);
}

QWidget* TLeadersForm::buildPage(pny::LeaderGroup group) {
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("%1Page").arg(kGroupNames[static_cast<int>(group)]));
    scroll->setWidgetResizable(true);
    auto* page = new QWidget(scroll);
    auto* grid = new QGridLayout(page);
    Page placed;
    placed.scroll = scroll;
    placed.grid = grid;
    const std::vector<pny::LeaderCategory>& categories = pny::leaderCategories();
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const pny::LeaderCategory& category = categories[i];
        if (category.group != group)
            continue;
        const QString id = QString::fromLatin1(category.id);
        auto* title =
            new QLabel(QString::fromLatin1(pny::leaderTableTitle(category).c_str()), page);
        title->setObjectName(QStringLiteral("Title") + id);
        title->setTextFormat(Qt::PlainText);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        auto* rule = new QLabel(page);
        rule->setObjectName(QStringLiteral("Rule") + id);
        rule->setTextFormat(Qt::PlainText);
        rule->setWordWrap(true);
        rule->setVisible(category.qualifier != pny::Qualifier::None);
        auto* table = new QTableWidget(0, kColumns, page);
        table->setObjectName(QStringLiteral("Table") + id);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->verticalHeader()->hide();
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->horizontalHeader()->setMinimumSectionSize(0);
        table->setWordWrap(false);
        const QList<int> widths = columnWidths(table->fontMetrics());
        // A counting table has no qualifying figure: its last column is hidden.
        const bool rate = category.qualifier != pny::Qualifier::None;
        int total = 2 * table->frameWidth();
        for (int c = 0; c < kColumns; ++c) {
            table->setColumnWidth(c, widths.at(c));
            if (rate || c < kColumns - 1)
                total += widths.at(c);
        }
        table->setColumnHidden(kColumns - 1, !rate);
        auto* empty = new QLabel(page);
        empty->setObjectName(QStringLiteral("Empty") + id);
        empty->setTextFormat(Qt::PlainText);
        empty->setWordWrap(true);
        empty->hide();
        for (QWidget* part : std::initializer_list<QWidget*>{title, rule, table, empty})
            part->setFixedWidth(total);
        const int index = static_cast<int>(i);
        connect(table, &QTableWidget::cellDoubleClicked, this,
                [this, index](int row, int) { TableDoubleClick(index, row); });

        auto* box = new QVBoxLayout;
        box->addWidget(title);
        box->addWidget(rule);
        box->addWidget(table);
        box->addWidget(empty);
        box->addStretch(1);
        grid->addLayout(box, 0, static_cast<int>(placed.boxes.size()));
        placed.boxes.append(box);

        while (rules_.size() <= index) {
            titles_.append(nullptr);
            rules_.append(nullptr);
            tables_.append(nullptr);
            empties_.append(nullptr);
        }
        titles_[index] = title;
        rules_[index] = rule;
        tables_[index] = table;
        empties_[index] = empty;
    }
    scroll->setWidget(page);
    pages_.append(placed);
    return scroll;
}

bool TLeadersForm::ShowLeaders(pny::Store& store) {
    store.ensureLeagues();
    store_ = &store;
    chosenTeam_ = 0;
    chosenPlayer_ = 0;
    QString error;
    if (!pny::readLeaderSettings(pny::leaderSettingsPath(store), settings_, error))
        Messages::error(this, error + QStringLiteral("\nThe usual settings are used."));
    showSettings();
    refresh();
    groupTabs_->setCurrentIndex(0);
    exec();
    bool chosen = false;
    if (chosenTeam_ > 0 && chosenPlayer_ > 0)
        chosen = pny::selectLeader(store, chosenTeam_, chosenPlayer_);
    store_ = nullptr;
    return chosen;
}

long long TLeadersForm::leagueInnings() const {
    return store_ ? pny::inningsPerGame(store_->league.innings) : 9;
}

void TLeadersForm::showSettings() {
    // The factors in use: a default one scaled to the league's innings.
    const long long innings = leagueInnings();
    const std::pair<QLineEdit*, pny::Qualifier> edits[] = {
        {editBatting_, pny::Qualifier::PlateAppearances},
        {editPitching_, pny::Qualifier::Innings},
        {editFielding_, pny::Qualifier::Games}};
    for (const auto& [edit, qualifier] : edits) {
        edit->setText(QString::fromStdString(
            pny::formatFactor(pny::qualifyingFactor(qualifier, settings_, innings))));
    }
    spinPlaces_->setValue(settings_.places);
}

bool TLeadersForm::readSettings(pny::LeaderSettings& settings) {
    const long long innings = leagueInnings();
    QLineEdit* const edits[] = {editBatting_, editPitching_, editFielding_};
    std::optional<int> before[2] = {settings_.battingFactor, settings_.pitchingFactor};
    int typed[3] = {};
    for (std::size_t k = 0; k < 3; ++k) {
        QLineEdit* edit = edits[k];
        std::optional<int> value = pny::parseFactor(edit->text().toStdString());
        // An emptied batting or pitching factor goes back to the league's default.
        if (k < 2 && edit->text().trimmed().isEmpty()) {
            value = pny::defaultFactor(k == 0, innings);
            before[k].reset();
        }
        if (!value) {
            Messages::error(this, QStringLiteral("\"%1\" is not a factor: type a number from 0 "
                                                 "to 99.99 with at most two decimals, such as "
                                                 "3.1.")
                                      .arg(edit->text()));
            edit->setFocus();
            edit->selectAll();
            return false;
        }
        typed[k] = *value;
    }
    // A default factor shown and left as it was stays the league's default, which follows its
    // innings; a factor typed, or one set before, is the user's.
    const auto chosen = [](const std::optional<int>& before, int shown, int value) {
        return before || value != shown ? std::optional<int>(value) : std::nullopt;
    };
    settings.battingFactor = chosen(before[0], pny::defaultFactor(true, innings), typed[0]);
    settings.pitchingFactor = chosen(before[1], pny::defaultFactor(false, innings), typed[1]);
    settings.fieldingFactor = typed[2];
    spinPlaces_->interpretText();
    settings.places = spinPlaces_->value();
    return true;
}

void TLeadersForm::refresh() {
    if (!store_)
        return;
    QString error;
    if (!pny::buildLeagueLeaders(*store_, settings_, leaders_, error))
        Messages::error(this, error);
    setWindowTitle(pny::fromCodePage(leaders_.caption));
    // Without the leaders (a file could not be read) every table is empty.
    for (int i = 0; i < tables_.size(); ++i) {
        if (i < static_cast<int>(leaders_.tables.size())) {
            fillTable(i);
        } else {
            rules_.at(i)->clear();
            tables_.at(i)->setRowCount(0);
            empties_.at(i)->hide();
        }
    }
    sizeTables();
}

void TLeadersForm::sizeTables() {
    // The names decide the width of their columns, the same in every table, so that the tables
    // line up and print with the same tab stops.
    const QList<int> least = columnWidths(tables_.first()->fontMetrics());
    int player = least.at(kPlayerColumn);
    int team = least.at(kTeamColumn);
    for (QTableWidget* table : qAsConst(tables_)) {
        table->resizeColumnToContents(kPlayerColumn);
        table->resizeColumnToContents(kTeamColumn);
        player = std::max(player, table->columnWidth(kPlayerColumn));
        team = std::max(team, table->columnWidth(kTeamColumn));
    }
    for (int i = 0; i < tables_.size(); ++i) {
        QTableWidget* table = tables_.at(i);
        table->setColumnWidth(kPlayerColumn, player);
        table->setColumnWidth(kTeamColumn, team);
        int total = 2 * table->frameWidth();
        for (int c = 0; c < kColumns; ++c) {
            if (!table->isColumnHidden(c))
                total += table->columnWidth(c);
        }
        const std::initializer_list<QWidget*> parts{titles_.at(i), rules_.at(i), table,
                                                    empties_.at(i)};
        for (QWidget* part : parts)
            part->setFixedWidth(total);
    }
    placeTables();
}

void TLeadersForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeTables();
}

void TLeadersForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeTables();
}

void TLeadersForm::placeTables() {
    for (Page& page : pages_) {
        int widest = 0;
        for (QLayout* box : qAsConst(page.boxes))
            widest = std::max(widest, box->minimumSize().width());
        const QMargins margins = page.grid->contentsMargins();
        const int spacing = std::max(0, page.grid->horizontalSpacing());
        // The room is the scroll area's own, less a vertical scroll bar whether shown or not:
        // a hidden page's viewport is sized only when the page is shown, and a bar that comes
        // and goes must not change the columns.
        const int bar = page.scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const int room =
            page.scroll->contentsRect().width() - bar - margins.left() - margins.right();
        const int columns = std::max(1, (room + spacing) / std::max(1, widest + spacing));
        if (columns != page.columns) {
            const int count = static_cast<int>(page.boxes.size());
            for (QLayout* box : qAsConst(page.boxes))
                page.grid->removeItem(box);
            // The stretch moves to the new column and row after the last table.
            for (int k = 0; k <= count; ++k) {
                page.grid->setColumnStretch(k, 0);
                page.grid->setRowStretch(k, 0);
            }
            for (int i = 0; i < count; ++i)
                page.grid->addLayout(page.boxes.at(i), i / columns, i % columns);
            page.grid->setColumnStretch(columns, 1);
            page.grid->setRowStretch((count + columns - 1) / columns, 1);
            page.columns = columns;
        }
        // The page takes the room its tables now need at once, shown or not, so that no table
        // is laid over another until the window is resized.
        QWidget* widget = page.scroll->widget();
        widget->layout()->activate();
        widget->resize(widget->size().expandedTo(widget->minimumSizeHint()));
        page.scroll->updateGeometry();
    }
}

void TLeadersForm::fillTable(int index) {
    const pny::LeaderTable& table = leaders_.tables[static_cast<std::size_t>(index)];
    const pny::ViewGrid grid = pny::leaderGrid(table);
    QTableWidget* widget = tables_.at(index);
    rules_.at(index)->setText(QString::fromLatin1(table.rule.c_str()));
    empties_.at(index)->setText(QString::fromStdString(table.emptyReason));
    empties_.at(index)->setVisible(!table.emptyReason.empty());
    widget->clearContents();
    widget->setRowCount(static_cast<int>(grid.rows.size()));
    QStringList headers;
    for (const std::string& text : grid.headers)
        headers << pny::fromCodePage(text);
    while (headers.size() < kColumns)
        headers << QString();
    widget->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < static_cast<int>(grid.rows.size()); ++r) {
        const std::vector<std::string>& cells = grid.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            widget->setItem(
                r, c, new QTableWidgetItem(pny::fromCodePage(cells[static_cast<std::size_t>(c)])));
        }
    }
    // The table shows all its rows: the page scrolls, not the table. An empty one shows its
    // header, with the reason under it.
    const int rows = widget->rowCount();
    widget->setFixedHeight(widget->horizontalHeader()->sizeHint().height() +
                           rows * widget->verticalHeader()->defaultSectionSize() +
                           2 * widget->frameWidth());
}

void TLeadersForm::ApplyButtonClick() {
    pny::LeaderSettings settings;
    if (!readSettings(settings))
        return;
    if (settings != settings_ && store_) {
        QString error;
        if (!pny::writeLeaderSettings(pny::leaderSettingsPath(*store_), settings, error))
            Messages::error(this, error);
    }
    settings_ = settings;
    showSettings();
    refresh();
}

void TLeadersForm::PrintButtonClick() {
    const QList<TPrintSection> sections = leaderPrintSections(leaders_.tables);
    const QTableWidget* model = tables_.first();
    QList<int> widths;
    int screenWidth = 0;
    for (int c = 0; c < kColumns; ++c) {
        widths << model->columnWidth(c);
        screenWidth += model->columnWidth(c);
    }
    printForm_->PrintSections(windowTitle(), sections, widths, screenWidth, model->font());
}

void TLeadersForm::ExportButtonClick() {
    saveExport(this, QStringLiteral("Export League Leaders"), windowTitle(), false,
               [this](ExportFormat format) {
                   if (format == ExportFormat::Html)
                       return pny::exportLeadersHtml(leaders_).toUtf8();
                   if (format == ExportFormat::Tsv)
                       return pny::exportLeadersTsv(leaders_).toUtf8();
                   return pny::exportLeadersCsv(leaders_).toUtf8();
               });
}

void TLeadersForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("League_Leaders"));
}

void TLeadersForm::TableDoubleClick(int table, int row) {
    if (table < 0 || table >= static_cast<int>(leaders_.tables.size()))
        return;
    const std::vector<pny::LeaderRow>& rows = leaders_.tables[static_cast<std::size_t>(table)].rows;
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    chosenTeam_ = rows[static_cast<std::size_t>(row)].team;
    chosenPlayer_ = rows[static_cast<std::size_t>(row)].player;
    accept();
}
