#pragma once

#include <functional>

namespace pny {

// Told how far a table build has come: `value` steps done of `maximum`. May be empty.
using ProgressFn = std::function<void(int value, int maximum)>;

// Counts the record lines a build reads and reports each step, never past the maximum.
class ProgressCounter {
public:
    ProgressCounter(const ProgressFn& report, int maximum) : report_(report), maximum_(maximum) {
        if (report_)
            report_(0, maximum_);
    }
    void step() {
        if (value_ < maximum_)
            ++value_;
        if (report_)
            report_(value_, maximum_);
    }

private:
    const ProgressFn& report_;
    int maximum_;
    int value_ = 0;
};

}  // namespace pny
