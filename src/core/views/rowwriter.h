#pragma once

#include "views/catalogues.h"

#include <string>
#include <vector>

namespace pny {

// Writes one row of a view: every catalogue column is offered in order, the shown ones are kept
// (each cut to the width of a cell) and close up, the hidden ones cost nothing.
class RowWriter {
public:
    explicit RowWriter(const std::vector<bool>& shown) : shown_(shown) {}

    // Starts a row whose key column (grid column 0) holds `key`.
    void begin(std::string key);
    // Offers the text of the next catalogue position.
    void add(const std::string& text);
    // The row written since begin(): the key, then the shown cells.
    std::vector<std::string> take();
    // The grid column the next shown cell goes into.
    int gridColumn() const { return static_cast<int>(cells_.size()); }

private:
    const std::vector<bool>& shown_;
    std::vector<std::string> cells_;
    std::size_t position_ = 0;
};

}  // namespace pny
