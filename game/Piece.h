// SPDX-License-Identifier: GPL-3.0-or-later
// One hole of the board and the grids of holes that a level plays with.
#pragma once

#include <cassert>
#include <cstdint>
#include <span>
#include <vector>

namespace tintrix {

/** One hole: its colour number and a scratch mark.
 *  Color is 0 for an empty hole, otherwise 1..8; clue pieces always keep 0.
 *  Matched is the scoring pass's mark on guess and secret pieces, and on clue
 *  pieces it records that the hole shows a feedback peg. */
struct Piece {
    std::int32_t Color = 0;
    bool Matched = false;
};

/** Rows by holes of cells, row 0 at the top. Re-created whole at every level opening. */
template <typename Cell>
class Grid {
public:
    Grid() = default;
    Grid(int rows, int holes) : m_rows(rows), m_holes(holes), m_cells(std::size_t(rows) * std::size_t(holes)) {}

    [[nodiscard]] int rows() const { return m_rows; }
    [[nodiscard]] int holes() const { return m_holes; }
    [[nodiscard]] bool contains(int row, int hole) const { return row >= 0 && row < m_rows && hole >= 0 && hole < m_holes; }

    Cell& operator()(int row, int hole)
    {
        assert(contains(row, hole));
        return m_cells[std::size_t(row) * std::size_t(m_holes) + std::size_t(hole)];
    }
    const Cell& operator()(int row, int hole) const { return const_cast<Grid&>(*this)(row, hole); }

    /** The holes of one row, hole 0 first. */
    std::span<Cell> row(int r)
    {
        assert(r >= 0 && r < m_rows);
        return {m_cells.data() + std::size_t(r) * std::size_t(m_holes), std::size_t(m_holes)};
    }
    std::span<const Cell> row(int r) const { return const_cast<Grid&>(*this).row(r); }

private:
    int m_rows = 0;
    int m_holes = 0;
    std::vector<Cell> m_cells;
};

using PieceGrid = Grid<Piece>;

/** The colour numbers of a row of pieces, hole 0 first. */
[[nodiscard]] std::vector<int> ColorsOf(std::span<const Piece> pieces);

} // namespace tintrix
