#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The stored layouts of the data folder's records, field by field, and how the text of one
// field is read and shown, for the folder check.
namespace pny::recordlayouts {

// What a field holds, for the checks that apply to it.
enum class Kind { Text, Count, Index };

struct FieldSpec {
    const char* name;
    std::size_t width;
    Kind kind;
    int target;  // for an index: which of the record's targets it refers to
};

using Layout = std::vector<FieldSpec>;

const Layout& headerLayout();
const Layout& yearLayout();
// A league's current game points into its games, the rest of its indexes into its teams.
const Layout& leagueLayout();
const Layout& teamLayout();
const Layout& playerLayout();

// Targets of a game's indexes.
enum GameTarget { ToFields, ToTeams, ToUmpires };

const Layout& gameLayout();
// A field or an umpire: a name and nothing more.
const Layout& namedLayout();

// A list an index can point into: its file name and how many lines it has (header included).
struct Target {
    std::string file;
    int size = 1;
    bool known = true;  // false when the file could not be read: its length is unknown
};

// True when the text reads as a number the way every reader reads one: the first 10
// characters, blanks removed, an optional sign and decimal digits, within 32 bits.
bool isNumber(const std::string& text, long long& value);

// A field's text for a message: printable bytes as they are, others as \xNN, long texts cut.
std::string asShown(const std::string& text);

// The fields of a line as stored: the text before each separator; what follows the last
// separator is returned in `rest`.
std::vector<std::string> splitFields(const std::string& line, std::string& rest);

}  // namespace pny::recordlayouts
