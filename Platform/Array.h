#pragma once
//! Arrays with explicit bounds, one or two dimensions: an index outside raises error 9.

#include "Platform/RunTimeError.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform {

template <class T> class Array {
public:
    //! An array not yet dimensioned: every index is out of range.
    Array() = default;
    //! A vector lo..hi.
    Array(int32_t lo, int32_t hi) { redim(lo, hi); }
    //! A matrix (lo1..hi1, lo2..hi2).
    Array(int32_t lo1, int32_t hi1, int32_t lo2, int32_t hi2) { redim(lo1, hi1, lo2, hi2); }

    //! Dimensions the array anew as lo..hi, every element default-valued.
    void redim(int32_t lo, int32_t hi) {
        if (hi < lo) raise(err::Subscript);
        m_rank = 1;
        m_lo1 = lo;
        m_hi1 = hi;
        m_lo2 = m_hi2 = 0;
        m_items.assign(static_cast<size_t>(hi - lo + 1), T{});
    }
    //! Dimensions the array anew as (lo1..hi1, lo2..hi2), every element default-valued.
    void redim(int32_t lo1, int32_t hi1, int32_t lo2, int32_t hi2) {
        if (hi1 < lo1 || hi2 < lo2) raise(err::Subscript);
        m_rank = 2;
        m_lo1 = lo1;
        m_hi1 = hi1;
        m_lo2 = lo2;
        m_hi2 = hi2;
        m_items.assign(static_cast<size_t>(hi1 - lo1 + 1) * static_cast<size_t>(hi2 - lo2 + 1), T{});
    }
    //! Dimensions a vector anew as lo..hi keeping the elements whose index lies in both the old
    //! and the new bounds; the others are default-valued. An array not yet dimensioned is
    //! simply dimensioned; a matrix raises 9.
    void redimPreserve(int32_t lo, int32_t hi) {
        if (m_rank == 0) {
            redim(lo, hi);
            return;
        }
        if (m_rank != 1 || hi < lo) raise(err::Subscript);
        if (lo == m_lo1 && hi == m_hi1) return;
        std::vector<T> items(static_cast<size_t>(hi - lo + 1));
        for (int32_t i = std::max(lo, m_lo1); i <= std::min(hi, m_hi1); ++i)
            items[static_cast<size_t>(i - lo)] = std::move(m_items[static_cast<size_t>(i - m_lo1)]);
        m_items = std::move(items);
        m_lo1 = lo;
        m_hi1 = hi;
    }
    //! Sets every element to its default value, keeping the bounds.
    void clear() { m_items.assign(m_items.size(), T{}); }

    int rank() const noexcept { return m_rank; }
    bool allocated() const noexcept { return m_rank != 0; }
    //! Lower bound of dimension 1 or 2; error 9 for a dimension the array does not have.
    int32_t lbound(int dim = 1) const {
        checkDim(dim);
        return dim == 1 ? m_lo1 : m_lo2;
    }
    int32_t ubound(int dim = 1) const {
        checkDim(dim);
        return dim == 1 ? m_hi1 : m_hi2;
    }

    T& operator()(int32_t i) { return m_items[offset(i)]; }
    const T& operator()(int32_t i) const { return m_items[offset(i)]; }
    T& operator()(int32_t i, int32_t j) { return m_items[offset(i, j)]; }
    const T& operator()(int32_t i, int32_t j) const { return m_items[offset(i, j)]; }

    //! True when index i lies inside a vector's bounds.
    bool contains(int32_t i) const noexcept { return m_rank == 1 && i >= m_lo1 && i <= m_hi1; }

    bool operator==(const Array& o) const = default;

private:
    void checkDim(int dim) const {
        if (dim < 1 || dim > m_rank) raise(err::Subscript);
    }
    size_t offset(int32_t i) const {
        if (m_rank != 1 || i < m_lo1 || i > m_hi1) [[unlikely]]
            raise(err::Subscript);
        return static_cast<size_t>(i - m_lo1);
    }
    size_t offset(int32_t i, int32_t j) const {
        if (m_rank != 2 || i < m_lo1 || i > m_hi1 || j < m_lo2 || j > m_hi2) [[unlikely]]
            raise(err::Subscript);
        return static_cast<size_t>(i - m_lo1) * static_cast<size_t>(m_hi2 - m_lo2 + 1) +
               static_cast<size_t>(j - m_lo2);
    }

    int m_rank = 0;
    int32_t m_lo1 = 0, m_hi1 = -1, m_lo2 = 0, m_hi2 = -1;
    std::vector<T> m_items;
};

//! Array of double-precision numbers.
using DArray = Array<double>;

} // namespace platform
