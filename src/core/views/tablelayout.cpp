#include "views/tablelayout.h"

#include "views/catalogues.h"

namespace pny {

namespace {
constexpr std::size_t kMaxWideColumns = 7;
}

void buildHeaderRow(const LeagueRecord& league, int tab, ViewGrid& grid) {
    grid.headers.assign(1, std::string());
    grid.wideColumns.clear();
    const std::vector<CatalogueColumn>& catalogue = catalogueOf(tab);
    for (int k = 1; k <= static_cast<int>(catalogue.size()); ++k) {
        if (!columnShown(league, tab, k))
            continue;
        if (catalogue[static_cast<std::size_t>(k - 1)].nameColumn &&
            grid.wideColumns.size() < kMaxWideColumns) {
            grid.wideColumns.push_back(static_cast<int>(grid.headers.size()));
        }
        std::string header = catalogueHeader(league, tab, k);
        if (header.size() > kCellWidth)
            header.resize(kCellWidth);
        grid.headers.push_back(std::move(header));
    }
}

int wideColumn(const ViewGrid& grid) {
    if (!grid.wideColumns.empty())
        return grid.wideColumns.front();
    return grid.columnCount() > 1 ? grid.columnCount() - 1 : 0;
}

void clearTableBody(ViewGrid& grid) {
    grid.rows.assign(1, std::vector<std::string>(static_cast<std::size_t>(grid.columnCount())));
}

std::vector<int> sizeColumns(int columnCount, const std::vector<int>& wideColumns,
                             int clientWidth) {
    const int k = columnCount < 1 ? 1 : columnCount;
    std::vector<int> widths(static_cast<std::size_t>(k));
    int n = static_cast<int>(wideColumns.size());
    std::vector<int> wide = wideColumns;
    if (k == 1) {
        n = 0;
        wide.assign(1, 0);
    } else if (n == 0) {
        wide.assign(1, k - 1);
        n = 1;
    }
    const int d = clientWidth / (n + k);
    const int rest = clientWidth - (d * (k - n - 1) + k);
    for (int& w : widths)
        w = d;
    auto setWidth = [&](int column, int width) {
        if (column >= 0 && column < k)
            widths[static_cast<std::size_t>(column)] = width;
    };
    if (n < 2) {
        setWidth(wide.front(), rest);
    } else {
        const int share = rest / n;
        for (int i = n - 1; i >= 1; --i)
            setWidth(wide[static_cast<std::size_t>(i)], share);
        setWidth(wide.front(), rest - (n - 1) * share);
    }
    widths[0] = 0;
    return widths;
}

}  // namespace pny
