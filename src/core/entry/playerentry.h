#pragma once

#include "store/records.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace pny {

// The groups of the player statistics dialog, in screen and keyboard order.
enum class EntryGroup { Offense, Pitching, Defense, Custom };

// One statistic row of the player dialog: an Add edit, a Total edit and a label.
struct PlayerEntryRow {
    PlayerStat stat;
    EntryGroup group;
    const char* abbreviation;  // the edits are "Add" + abbreviation and "Edit" + abbreviation
    const char* caption;       // the label's text; empty for the user columns
    int maxLength;             // characters the Add and Total edits accept
};

// The 43 counted statistics in screen order within each group.
const std::vector<PlayerEntryRow>& playerEntryRows();

// Totals are stored in 4 characters: these are the values that fit.
constexpr int kMinTotal = -999;
constexpr int kMaxTotal = 9999;

// What the user typed in the player dialog, as code-page bytes. Indexed by statistic: `total`
// holds the Total edits (and the batting order and position texts at StatBO and StatPos), `add`
// the Add edits (unused for BO and Pos).
struct PlayerEntryTexts {
    std::array<std::string, PlayerStatCount> total;
    std::array<std::string, PlayerStatCount> add;
    std::array<std::string, 4> headers;
};

// The texts the dialog opens with: every total as stored, every Add empty, the league's headers.
PlayerEntryTexts openingTexts(const PlayerRecord& player, const LeagueRecord& league);

struct PlayerEntryOutcome {
    bool accepted = false;
    QString refusal;  // why OK was refused; the record is then unchanged
    PlayerRecord player;
    std::array<std::string, 4> headers;  // each cut to its width
    bool headersChanged = false;         // compared exactly, case and blanks included
};

// The OK of the player dialog: every statistic becomes Total + Add (zero written empty), three
// thirds of an inning carry into a whole inning, BO and Pos are kept as typed. A total that does
// not fit its 4 characters, or a text that would break the record line, refuses the whole entry.
PlayerEntryOutcome applyPlayerEntry(const PlayerRecord& player, const LeagueRecord& league,
                                    const PlayerEntryTexts& texts);

// The text a count is stored as: empty for zero, else its decimal text.
std::string countText(long long value);

// The refusal for a total outside what 4 characters hold, naming the statistic; empty when the
// value fits.
QString totalRefusal(const QString& statistic, long long value);

// The refusal for a text field holding the record separator; empty when the text is fine.
QString separatorRefusal(const QString& field, const std::string& text);

}  // namespace pny
