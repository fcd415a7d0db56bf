#include "views/rowwriter.h"

namespace pny {

void RowWriter::begin(std::string key) {
    cells_.clear();
    cells_.push_back(std::move(key));
    position_ = 0;
}

void RowWriter::add(const std::string& text) {
    if (position_ < shown_.size() && shown_[position_]) {
        cells_.push_back(text.size() > kCellWidth ? text.substr(0, kCellWidth) : text);
    }
    ++position_;
}

std::vector<std::string> RowWriter::take() {
    std::vector<std::string> row;
    row.swap(cells_);
    position_ = 0;
    return row;
}

}  // namespace pny
