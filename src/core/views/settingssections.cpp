#include "views/settingssections.h"

#include "gamelog/sheetchoice.h"
#include "pitching/pitchrules.h"
#include "store/filecommit.h"
#include "store/filekind.h"
#include "store/textfile.h"
#include "views/leadersettings.h"

#include <QDir>

#include <algorithm>

namespace pny {
namespace {

// Refuses anything but an ordinary file of the folder, a link included: reading a FIFO would
// block, and a link would read or replace a file elsewhere.
bool ordinaryOrMissing(const QString& path, const char* verb, bool& exists, QString& error) {
    const PathType type = pathTypeOf(path);
    exists = type != PathType::Missing;
    if (!exists || type == PathType::File)
        return true;
    error = QStringLiteral("Cannot %1 \"%2\": it is %3, not an ordinary file.")
                .arg(QLatin1String(verb), QDir::toNativeSeparators(path), describePathType(type));
    return false;
}

}  // namespace

std::vector<std::string> withSection(const std::vector<std::string>& lines, SectionTest isSection,
                                     const std::optional<std::string>& line) {
    std::vector<std::string> out;
    if (lines.size() >= kFirstSectionLine) {
        out.assign(lines.begin(), lines.begin() + kFirstSectionLine);
    } else {
        // No leader settings yet: the defaults, written as the leader window would write them.
        out = leaderSettingsLines(LeaderSettings());
    }
    bool placed = false;
    const std::size_t from = std::min(lines.size(), kFirstSectionLine);
    for (std::size_t k = from; k < lines.size(); ++k) {
        if (!isSection(lines[k])) {
            out.push_back(lines[k]);
            continue;
        }
        if (line && !placed)
            out.push_back(*line);
        placed = true;
    }
    if (line && !placed)
        out.push_back(*line);
    return out;
}

bool isKnownSectionLine(const std::string& line) {
    return isPitchRulesLine(line) || isSheetColumnsLine(line);
}

std::vector<std::pair<int, std::string>> unknownSectionProblems(
    const std::vector<std::string>& lines) {
    for (std::size_t k = kFirstSectionLine; k < lines.size(); ++k) {
        if (!isKnownSectionLine(lines[k]))
            return {{static_cast<int>(k) + 1, "lines after the settings line are never read"}};
    }
    return {};
}

bool readSettingsFile(const QString& path, bool& exists, std::vector<std::string>& lines,
                      QString& error) {
    lines.clear();
    if (!ordinaryOrMissing(path, "read", exists, error))
        return false;
    return !exists || readTextLines(path, lines, error);
}

bool writeSettingsSection(const QString& path, SectionTest isSection,
                          const std::optional<std::string>& line, QString& error) {
    bool exists = false;
    std::vector<std::string> lines;
    if (!ordinaryOrMissing(path, "write", exists, error))
        return false;
    if (exists && !readTextLines(path, lines, error))
        return false;
    if (!exists && !line)
        return true;
    if (!lines.empty() && lines[0] != kLeadersHeader) {
        // Not a file we wrote: replacing it would lose what it holds.
        error = QStringLiteral("%1 is no settings file of ours: its first line is not \"%2\".")
                    .arg(QDir::toNativeSeparators(path), QString::fromLatin1(kLeadersHeader));
        return false;
    }
    return writeFileAtomically(path, joinLines(withSection(lines, isSection, line)), error);
}

}  // namespace pny
