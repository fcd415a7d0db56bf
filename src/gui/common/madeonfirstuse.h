#pragma once

#include <functional>
#include <memory>
#include <utility>

// A part of a window that is made when it is first used. It can only be reached through get()
// (or * and ->), which makes it first, so no command can find it missing, whichever runs first.
template <class Part>
class MadeOnFirstUse {
public:
    explicit MadeOnFirstUse(std::function<std::unique_ptr<Part>()> make) : make_(std::move(make)) {}

    Part& get() {
        if (!made_)
            made_ = make_();
        return *made_;
    }
    Part& operator*() { return get(); }
    Part* operator->() { return &get(); }

private:
    std::function<std::unique_ptr<Part>()> make_;
    std::unique_ptr<Part> made_;
};
