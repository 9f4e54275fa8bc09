#include "gamedata/RoadNetwork.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace qv {
namespace {

// About this many nodes to a cell on average: few enough to look at, few enough cells to pass.
constexpr double NodesPerCell = 4;
// At most this many cells a side, however spread the nodes are.
constexpr int MaxCellsAcross = 1024;

}  // namespace

RoadNetwork::RoadNetwork(std::vector<RoadNode> nodes, std::vector<RoadLink> links)
    : nodes_(std::move(nodes)), links_(std::move(links)) {
    buildCells();
}

void RoadNetwork::buildCells() {
    if (nodes_.empty()) {
        return;
    }
    auto [west, east] =
        std::minmax_element(nodes_.begin(), nodes_.end(),
                            [](const RoadNode& a, const RoadNode& b) { return a.x < b.x; });
    auto [south, north] =
        std::minmax_element(nodes_.begin(), nodes_.end(),
                            [](const RoadNode& a, const RoadNode& b) { return a.y < b.y; });
    west_ = west->x;
    south_ = south->y;
    const double width = std::max(1.0, static_cast<double>(east->x) - west_);
    const double height = std::max(1.0, static_cast<double>(north->y) - south_);
    cellSide_ = std::sqrt(width * height * NodesPerCell / static_cast<double>(nodes_.size()));
    cellSide_ = std::max({cellSide_, width / MaxCellsAcross, height / MaxCellsAcross, 1.0});
    columns_ = static_cast<int>(width / cellSide_) + 1;
    rows_ = static_cast<int>(height / cellSide_) + 1;
    const auto cellOf = [this](const RoadNode& node) {
        const int column = std::min(columns_ - 1, static_cast<int>((node.x - west_) / cellSide_));
        const int row = std::min(rows_ - 1, static_cast<int>((node.y - south_) / cellSide_));
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    };
    // Counted, then placed: each cell's nodes lie together in cellNodes_.
    cellStart_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_) + 1, 0);
    for (const RoadNode& node : nodes_) {
        ++cellStart_[cellOf(node) + 1];
    }
    for (std::size_t c = 1; c < cellStart_.size(); ++c) {
        cellStart_[c] += cellStart_[c - 1];
    }
    cellNodes_.resize(nodes_.size());
    std::vector<std::uint32_t> next(cellStart_.begin(), cellStart_.end() - 1);
    for (std::uint32_t i = 0; i < nodes_.size(); ++i) {
        cellNodes_[next[cellOf(nodes_[i])]++] = i;
    }
}

const RoadNode* RoadNetwork::nearest(double x, double y, double radius) const {
    if (nodes_.empty() || !(radius >= 0) || !std::isfinite(x) || !std::isfinite(y)) {
        return nullptr;
    }
    // The cell of (x, y), which may lie outside the cells, and the rings of cells around it:
    // ring r holds the cells r cells away (in the larger of the two directions). A node in ring
    // r is at least (r - 1) cells away, so the search ends once that is farther than the
    // nearest node found or the radius.
    const double column = std::floor((x - west_) / cellSide_);
    const double row = std::floor((y - south_) / cellSide_);
    const double outside =
        std::max({0.0, -column, column - (columns_ - 1), -row, row - (rows_ - 1)});
    const double farthest = std::max({column, columns_ - 1 - column, row, rows_ - 1 - row});
    const RoadNode* best = nullptr;
    double bestSquare = radius * radius;
    const auto look = [&](double cx, double cy) {
        const std::size_t cell = static_cast<std::size_t>(cy) * static_cast<std::size_t>(columns_) +
                                 static_cast<std::size_t>(cx);
        for (std::uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
            const RoadNode& node = nodes_[cellNodes_[k]];
            const double dx = node.x - x;
            const double dy = node.y - y;
            if (const double square = dx * dx + dy * dy; square <= bestSquare) {
                best = &node;
                bestSquare = square;
            }
        }
    };
    if (outside > columns_ + rows_) {
        // Far off the nodes, where the rings would be many and empty: every node is as near.
        for (double cy = 0; cy < rows_; ++cy) {
            for (double cx = 0; cx < columns_; ++cx) {
                look(cx, cy);
            }
        }
        return best;
    }
    const double lastColumn = columns_ - 1;
    const double lastRow = rows_ - 1;
    for (double r = outside; r <= farthest; ++r) {
        const double gap = (r - 1) * cellSide_;
        if (gap > 0 && gap * gap > bestSquare) {
            break;
        }
        const double left = std::max(0.0, column - r);
        const double right = std::min(lastColumn, column + r);
        for (double cy = std::max(0.0, row - r); cy <= std::min(lastRow, row + r); ++cy) {
            if (cy == row - r || cy == row + r) {
                // The ring's first and last rows: every cell of it within the cells.
                for (double cx = left; cx <= right; ++cx) {
                    look(cx, cy);
                }
                continue;
            }
            // The rows between: the ring's two ends.
            if (column - r >= 0) {
                look(column - r, cy);
            }
            if (column + r <= lastColumn) {
                look(column + r, cy);
            }
        }
    }
    return best;
}

}  // namespace qv
