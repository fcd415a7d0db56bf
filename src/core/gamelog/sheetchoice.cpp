#include "gamelog/sheetchoice.h"

#include "store/codepage.h"
#include "store/linecodec.h"
#include "views/leadersettings.h"
#include "views/settingssections.h"

#include <QByteArray>
#include <QDir>

#include <algorithm>
#include <set>

namespace pny {

const char* const kSheetColumnsTag = "Sheet|";

namespace {

// The names of one line of sheet columns, each ended by the separator.
std::vector<std::string> namesOfLine(const std::string& line) {
    std::vector<std::string> names;
    std::size_t start = std::char_traits<char>::length(kSheetColumnsTag);
    for (std::size_t bar = line.find(kSeparator, start); bar != std::string::npos;
         bar = line.find(kSeparator, start)) {
        names.push_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    return names;
}

}  // namespace

QString sheetColumnsPath(const Store& store) {
    return leaderSettingsPath(store);
}

bool isSheetColumnsLine(const std::string& line) {
    return line.compare(0, std::char_traits<char>::length(kSheetColumnsTag), kSheetColumnsTag) == 0;
}

std::optional<std::string> sheetColumnsLine(const std::vector<std::string>& names,
                                            std::string& problem) {
    problem.clear();
    std::string line = kSheetColumnsTag;
    for (const std::string& name : names) {
        if (name.empty()) {
            problem = "a column without a name cannot be kept";
            return std::nullopt;
        }
        if (name.find_first_of(std::string("|\r\n\0", 4)) != std::string::npos) {
            problem = "the column name \"" + name +
                      "\" holds '|', a line break or a NUL, which the file cannot keep";
            return std::nullopt;
        }
        line += name;
        line += kSeparator;
    }
    return line;
}

std::optional<std::vector<std::string>> sheetColumnsOf(const std::vector<std::string>& lines) {
    for (std::size_t k = kFirstSectionLine; k < lines.size(); ++k) {
        if (isSheetColumnsLine(lines[k]))
            return namesOfLine(lines[k]);
    }
    return std::nullopt;
}

std::vector<std::string> withSheetColumns(const std::vector<std::string>& lines,
                                          const std::optional<std::string>& line) {
    return withSection(lines, isSheetColumnsLine, line);
}

bool readSheetColumns(const QString& path, std::optional<std::vector<std::string>>& names,
                      QString& error) {
    names.reset();
    bool exists = false;
    std::vector<std::string> lines;
    if (!readSettingsFile(path, exists, lines, error))
        return false;
    names = sheetColumnsOf(lines);
    return true;
}

bool writeSheetColumns(const QString& path, const std::optional<std::vector<std::string>>& names,
                       QString& error) {
    std::optional<std::string> line;
    if (names) {
        std::string problem;
        line = sheetColumnsLine(*names, problem);
        if (!line) {
            error = QStringLiteral("Cannot write \"%1\": %2.")
                        .arg(QDir::toNativeSeparators(path), fromCodePage(problem));
            return false;
        }
    }
    return writeSettingsSection(path, isSheetColumnsLine, line, error);
}

std::optional<std::vector<std::string>> sheetChoiceToKeep(
    const std::vector<std::string>& chosen, const std::vector<std::string>& defaults) {
    if (chosen == defaults)
        return std::nullopt;
    return chosen;
}

int sheetGroupOf(EntryGroup group) {
    switch (group) {
        case EntryGroup::Offense:
        case EntryGroup::Custom:
            return 0;
        case EntryGroup::Pitching:
            return 1;
        case EntryGroup::Defense:
            break;
    }
    return 2;
}

std::vector<BoxScoreColumn> chosenSheetColumns(const std::vector<BoxScoreColumn>& available,
                                               const std::optional<std::vector<std::string>>& names,
                                               const std::vector<BoxScoreColumn>& defaults) {
    if (!names)
        return defaults;
    std::vector<BoxScoreColumn> chosen = columnsNamed(available, *names);
    if (chosen.empty())
        return defaults;
    // A line put together by hand may mix the groups; the sheet keeps each group together.
    std::stable_sort(chosen.begin(), chosen.end(),
                     [](const BoxScoreColumn& a, const BoxScoreColumn& b) {
                         return sheetGroupOf(a.group) < sheetGroupOf(b.group);
                     });
    return chosen;
}

std::vector<std::pair<int, std::string>> sheetColumnsProblems(
    const std::vector<std::string>& lines, const std::vector<BoxScoreColumn>& available) {
    std::vector<std::pair<int, std::string>> problems;
    bool seen = false;
    for (std::size_t k = kFirstSectionLine; k < lines.size(); ++k) {
        if (!isSheetColumnsLine(lines[k]))
            continue;
        const int lineNo = static_cast<int>(k) + 1;
        if (seen) {
            problems.emplace_back(lineNo, "a second line of sheet columns is never read");
            continue;
        }
        seen = true;
        std::set<std::string> named;
        int known = 0;
        int lastGroup = 0;
        bool mixedReported = false;
        for (const std::string& name : namesOfLine(lines[k])) {
            const BoxScoreColumn* column = columnCalled(available, name);
            if (!column) {
                problems.emplace_back(lineNo, "the sheet column \"" + name +
                                                  "\" is no column of the league: it is not shown");
                continue;
            }
            if (!named.insert(column->name).second) {
                problems.emplace_back(
                    lineNo, "the sheet column \"" + name + "\" is named twice: it is shown once");
                continue;
            }
            ++known;
            const int group = sheetGroupOf(column->group);
            if (group < lastGroup && !mixedReported) {
                problems.emplace_back(lineNo, "the sheet column \"" + name +
                                                  "\" stands apart from its group: the sheet "
                                                  "shows each group together");
                mixedReported = true;
            }
            lastGroup = std::max(lastGroup, group);
        }
        if (known == 0)
            problems.emplace_back(lineNo,
                                  "the line of sheet columns names no column of the "
                                  "league: the sheet shows the default columns");
    }
    return problems;
}

}  // namespace pny
