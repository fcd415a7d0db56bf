#include "views/settingssections.h"

#include "gamelog/sheetchoice.h"
#include "pitching/pitchrules.h"
#include "store/filecommit.h"
#include "store/filekind.h"
#include "store/textfile.h"
#include "views/leadersettings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace pny {

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
    // A link is read through, as every data file is; one that leads nowhere is no file.
    exists = QFileInfo::exists(path);
    // Only an ordinary file is opened: a FIFO would block the read.
    return !exists || readTextLines(path, lines, error);
}

bool writeSettingsSection(const QString& path, SectionTest isSection,
                          const std::optional<std::string>& line, QString& error) {
    // A link is never written through: the commit puts an ordinary file in its place, with the
    // lines read through it. One that leads nowhere cannot be read, and is refused.
    const bool exists = pathTypeOf(path) != PathType::Missing;
    std::vector<std::string> lines;
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
