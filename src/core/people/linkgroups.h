#pragma once

#include <algorithm>
#include <map>
#include <vector>

namespace pny {

// Records joined into groups: the same person over several player records, or the same league
// over several seasons. Linking two records joins their groups; a group left with one record is
// no group any more. Groups are numbered from 1.
template <typename Key>
class LinkGroups {
public:
    // The group of a key, 0 when it is in none.
    int groupOf(const Key& key) const {
        const auto at = group_.find(key);
        return at == group_.end() ? 0 : at->second;
    }

    // Every key of the key's group in key order; the key alone when it is in none.
    std::vector<Key> membersOf(const Key& key) const {
        const int group = groupOf(key);
        if (group == 0)
            return {key};
        std::vector<Key> members;
        for (const auto& [member, number] : group_) {
            if (number == group)
                members.push_back(member);
        }
        return members;
    }

    bool linked(const Key& a, const Key& b) const {
        const int group = groupOf(a);
        return group != 0 && group == groupOf(b);
    }

    void link(const Key& a, const Key& b) {
        if (a == b)
            return;
        const int ga = groupOf(a);
        const int gb = groupOf(b);
        if (ga == 0 && gb == 0) {
            group_[a] = next_;
            group_[b] = next_;
            ++next_;
        } else if (ga == 0) {
            group_[a] = gb;
        } else if (gb == 0) {
            group_[b] = ga;
        } else if (ga != gb) {
            for (auto& entry : group_) {
                if (entry.second == gb)
                    entry.second = ga;
            }
        }
    }

    void unlink(const Key& key) {
        const int group = groupOf(key);
        if (group == 0)
            return;
        group_.erase(key);
        dropSingles();
    }

    // Puts a key into a group as a file names it; call dropSingles() after the last.
    void assign(const Key& key, int group) {
        group_[key] = group;
        next_ = std::max(next_, group + 1);
    }

    void dropSingles() {
        std::map<int, int> counts;
        for (const auto& entry : group_)
            ++counts[entry.second];
        for (auto at = group_.begin(); at != group_.end();)
            at = counts[at->second] < 2 ? group_.erase(at) : std::next(at);
    }

    // The groups in the order of their first key, each in key order.
    std::vector<std::vector<Key>> groups() const {
        std::map<int, int> renumbered;
        std::map<int, std::vector<Key>> byNumber;
        for (const auto& [key, group] : group_) {
            const auto [at, added] =
                renumbered.emplace(group, static_cast<int>(renumbered.size()) + 1);
            byNumber[at->second].push_back(key);
        }
        std::vector<std::vector<Key>> out;
        for (auto& entry : byNumber)
            out.push_back(std::move(entry.second));
        return out;
    }

    const std::map<Key, int>& entries() const { return group_; }

private:
    std::map<Key, int> group_;
    int next_ = 1;
};

}  // namespace pny
