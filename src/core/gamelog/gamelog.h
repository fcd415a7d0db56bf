#pragma once

#include "gamelog/logline.h"

#include <QString>

#include <map>
#include <vector>

namespace pny {

class Store;

// A league's game log in memory.
class GameLog {
public:
    // The log file of the store's current league ("Y1L1.Log" beside "Y1L1.Teams").
    static QString pathOf(const Store& store);

    // Reads the current league's log, as the next commit will leave it when the store holds it
    // staged. A missing file is an empty log. Returns false with a message naming the file and
    // the reason when it exists but cannot be read or holds a line that is not one of ours.
    bool read(Store& store, QString& error);
    // Reads a log from its lines (line 0 the header); `bad` gets the 1-based numbers of lines that
    // could not be read.
    void setLines(const std::vector<std::string>& lines, std::vector<int>* bad = nullptr);

    const std::vector<LogLine>& lines() const { return lines_; }
    bool empty() const { return lines_.empty(); }
    int nextEntry() const { return lastEntry_ + 1; }

    // Whether a player or team has any line.
    bool hasLines(int team, int player) const;
    // The sum of a player's lines, statistic by statistic (whole innings and thirds apart: compare
    // them as outs, 3 x IP + thirds, since totals carry thirds into innings).
    StatValues playerSum(int team, int player) const;
    struct TeamSum {
        long long won = 0, lost = 0, tied = 0;
    };
    TeamSum teamSum(int team) const;

    // The lines of one entry, in file order.
    std::vector<const LogLine*> entryLines(int entry) const;
    // The nights of the log: entries of kind Night that are not removed, in entry order.
    std::vector<int> nights() const;
    // Whether a night was removed.
    bool isRemoved(int night) const;

    // The lines as the file holds them, header first.
    const std::vector<std::string>& fileLines() const { return text_; }
    void append(const LogLine& line);

private:
    std::vector<LogLine> lines_;
    std::vector<std::string> text_{kLogHeader};  // the file's lines, header first
    int lastEntry_ = 0;
};

}  // namespace pny
