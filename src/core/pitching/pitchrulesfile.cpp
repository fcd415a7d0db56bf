#include "pitching/pitchrulesfile.h"

#include "views/leadersettings.h"
#include "views/settingssections.h"

namespace pny {
namespace {

std::optional<std::string> ruleLine(const std::optional<PitchRules>& rules) {
    if (!rules)
        return std::nullopt;
    return pitchRulesLine(*rules);
}

}  // namespace

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
    return withSection(lines, isPitchRulesLine, ruleLine(rules));
}

bool readPitchRules(const QString& path, std::optional<PitchRules>& rules, QString& error) {
    rules.reset();
    bool exists = false;
    std::vector<std::string> lines;
    if (!readSettingsFile(path, exists, lines, error))
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
    return writeSettingsSection(path, isPitchRulesLine, ruleLine(rules), error);
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
