#include "pitching/pitchrulesfile.h"

#include "store/filecommit.h"
#include "store/textfile.h"
#include "views/leadersettings.h"
#include "views/settingssections.h"

#include <QFileInfo>

#include <algorithm>

namespace pny {

QString pitchRulesPath(const Store& store) {
    return leaderSettingsPath(store);
}

std::optional<PitchRules> pitchRulesOf(const std::vector<std::string>& lines,
                                       std::string& problem) {
    problem.clear();
    for (std::size_t k = kFirstSectionLine; k < lines.size(); ++k) {
        if (isPitchRulesLine(lines[k]))
            return parsePitchRulesLine(lines[k], problem);
    }
    return std::nullopt;
}

std::vector<std::string> withPitchRules(const std::vector<std::string>& lines,
                                        const std::optional<PitchRules>& rules) {
    std::optional<std::string> line;
    if (rules)
        line = pitchRulesLine(*rules);
    return withSection(lines, isPitchRulesLine, line);
}

bool readPitchRules(const QString& path, std::optional<PitchRules>& rules, QString& error) {
    rules.reset();
    if (!QFileInfo::exists(path))
        return true;
    std::vector<std::string> lines;
    if (!readTextLines(path, lines, error))
        return false;
    std::string problem;
    rules = pitchRulesOf(lines, problem);
    if (!problem.empty()) {
        error = QStringLiteral("The pitch rules in %1 cannot be read: %2.")
                    .arg(path, QString::fromLatin1(problem.c_str()));
        return false;
    }
    return true;
}

bool writePitchRules(const QString& path, const std::optional<PitchRules>& rules, QString& error) {
    std::vector<std::string> lines;
    const bool exists = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
    if (!exists && !rules)
        return true;
    if (exists && !readTextLines(path, lines, error))
        return false;
    if (!lines.empty() && lines[0] != kLeadersHeader) {
        // Not a file we wrote: replacing it would lose what it holds.
        error = QStringLiteral("%1 is no settings file of ours: its first line is not \"%2\".")
                    .arg(path, QString::fromLatin1(kLeadersHeader));
        return false;
    }
    return writeFileAtomically(path, joinLines(withPitchRules(lines, rules)), error);
}

std::vector<std::pair<int, std::string>> pitchRulesProblems(const std::vector<std::string>& lines) {
    std::vector<std::pair<int, std::string>> problems;
    bool seen = false;
    for (std::size_t k = kFirstSectionLine; k < lines.size(); ++k) {
        const int lineNo = static_cast<int>(k) + 1;
        if (!isPitchRulesLine(lines[k]))
            continue;  // another section's line, or one the data check reports as unknown
        if (seen) {
            problems.emplace_back(lineNo, "a second line of pitch rules is never read");
            continue;
        }
        seen = true;
        std::string problem;
        if (!parsePitchRulesLine(lines[k], problem))
            problems.emplace_back(lineNo, "the pitch rules cannot be read (" + problem +
                                              "): the league counts as without rules");
    }
    return problems;
}

}  // namespace pny
