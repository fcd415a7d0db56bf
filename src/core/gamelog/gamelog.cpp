#include "gamelog/gamelog.h"

#include "store/store.h"

#include <algorithm>
#include <set>

namespace pny {

QString GameLog::pathOf(const Store& store) {
    return store.pathOf(store.teamsBaseName(), kLogExtension);
}

bool GameLog::read(Store& store, QString& error) {
    const QString path = pathOf(store);
    std::vector<std::string> lines;
    if (!store.readOwnFile(path, lines, error))
        return false;
    std::vector<int> bad;
    setLines(lines, &bad);
    if (!lines.empty() && lines[0] != kLogHeader) {
        error = QStringLiteral("%1 is no game log: its first line is not \"%2\".")
                    .arg(path, QString::fromLatin1(kLogHeader));
        return false;
    }
    if (!bad.empty()) {
        // Writing the log again would drop the line, so nothing is written until it is mended.
        error = QStringLiteral("Line %1 of %2 cannot be read.").arg(bad.front()).arg(path);
        return false;
    }
    return true;
}

void GameLog::setLines(const std::vector<std::string>& lines, std::vector<int>* bad) {
    lines_.clear();
    lastEntry_ = 0;
    // The lines read are written back as they are: the log only ever grows at its end.
    text_ = lines.empty() ? std::vector<std::string>{kLogHeader} : lines;
    lines_.reserve(lines.size() + 64);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        LogLine line;
        if (!LogLine::parse(lines[i], line)) {
            if (bad)
                bad->push_back(static_cast<int>(i) + 1);
            continue;
        }
        lastEntry_ = std::max(lastEntry_, line.entry);
        lines_.push_back(std::move(line));
    }
}

void GameLog::append(const LogLine& line) {
    lastEntry_ = std::max(lastEntry_, line.entry);
    lines_.push_back(line);
    text_.push_back(line.build());
}

bool GameLog::hasLines(int team, int player) const {
    return std::any_of(lines_.begin(), lines_.end(), [&](const LogLine& line) {
        return line.team == team && line.player == player;
    });
}

StatValues GameLog::playerSum(int team, int player) const {
    StatValues sum{};
    for (const LogLine& line : lines_) {
        if (line.team != team || line.player != player || line.isTeamLine())
            continue;
        for (std::size_t s = 0; s < sum.size(); ++s)
            sum[s] += line.values[s];
    }
    return sum;
}

GameLog::TeamSum GameLog::teamSum(int team) const {
    TeamSum sum;
    for (const LogLine& line : lines_) {
        if (line.team != team || !line.isTeamLine())
            continue;
        sum.won += line.won;
        sum.lost += line.lost;
        sum.tied += line.tied;
    }
    return sum;
}

std::vector<const LogLine*> GameLog::entryLines(int entry) const {
    std::vector<const LogLine*> out;
    for (const LogLine& line : lines_) {
        if (line.entry == entry)
            out.push_back(&line);
    }
    return out;
}

bool GameLog::isRemoved(int night) const {
    return std::any_of(lines_.begin(), lines_.end(), [&](const LogLine& line) {
        return line.kind == LogKind::Removal && line.corrects == night;
    });
}

std::vector<int> GameLog::nights() const {
    std::set<int> removed;
    for (const LogLine& line : lines_) {
        if (line.kind == LogKind::Removal)
            removed.insert(line.corrects);
    }
    std::vector<int> out;
    for (const LogLine& line : lines_) {
        if (line.kind != LogKind::Night || removed.count(line.entry) != 0)
            continue;
        if (out.empty() || out.back() != line.entry)
            out.push_back(line.entry);
    }
    return out;
}

}  // namespace pny
