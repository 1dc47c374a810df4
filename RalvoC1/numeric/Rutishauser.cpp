#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/numeric/Numbers.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <cstdint>
#include <vector>

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

namespace {

// The tolerances and switches of one call, defaults applied.
template <class Num> struct LrSettings {
    bool eigvec;
    bool stripd;
    bool sweep;
    Variant freq;
    Variant itmax;
    Num eps1, eps2, eps3, eps4;
};

// Rutishauser's LR transformation; see Ralvo::Rutishauser.
//
// Each iteration factors B = L R in place (L unit lower triangular below the diagonal of b,
// R on and above it, no pivoting) and forms B' = R L = L^-1 B L, a similarity transformation
// that drives the part below the diagonal to zero. With eigvec the product of the L factors is
// accumulated in the strict lower part of P. Every freq iterations, once the sub-diagonal sum
// s is below eps4, the elimination step removes the sub-diagonal part column by column with
// T = I + w e_k' (w zero at 1..k). At the end the eigenvectors of the final triangular matrix
// go into the upper part of P and are turned back by the accumulated lower factor:
// U = (unit lower part of P) (unit upper part of P), each column scaled to length 1.
// Sums are accumulated from 0 in the order of their index and then added or subtracted.
template <class P>
void lrEigen(const Variant& nArg, const typename P::Array& a, typename P::Array& b, typename P::Array& U,
             Variant& tag1, Variant& tag2, Variant& iter, const LrSettings<typename P::Num>& o) {
    using Num = typename P::Num;
    using Array = typename P::Array;

    const int32_t n = detail::loopBound16(nArg.toInteger());
    const int32_t itmax = o.itmax.toInteger();
    const Num zero(int16_t{0}), one(int16_t{1});
    const Num minPivot(constants::lrMinPivot), clearing(constants::lrClearing);

    Array w(0, n), Pm(0, n, 0, n);
    // lo(i) and hi(i): the first and last column of row i that the work touches.
    std::vector<int32_t> lo(static_cast<size_t>(n < 0 ? 0 : n) + 1), hi(lo.size());
    for (int32_t i = 1; i <= n; ++i)
        for (int32_t j = 1; j <= n; ++j) {
            Pm(i, j) = zero;
            b(i, j) = zero;
        }
    int16_t c = 0;
    tag1 = Variant(false);
    tag2 = Variant(false);

    // A tridiagonal band; for n = 1 it would start at column 0, so the whole matrix is taken.
    const bool band = o.stripd && n > 1;
    for (int32_t i = 1; i <= n; ++i) {
        lo[i] = band && i > 1 ? i - 1 : 1;
        hi[i] = band && i < n ? i + 1 : n;
    }
    for (int32_t i = 1; i <= n; ++i)
        for (int32_t j = lo[i]; j <= hi[i]; ++j)
            b(i, j) = a(i, j);

    Num s = zero;
    // The caller's iter is the 16-bit loop counter: it ends at itmax + 1 when the limit runs out.
    const int32_t lastIteration = detail::loopBound16(itmax);
    int16_t it = 1;
    for (iter = Variant(it); it <= lastIteration; iter = Variant(++it)) {
        // Factorisation B = L R, column by column.
        for (int32_t j = 1; j <= n; ++j) {
            for (int32_t i = lo[j]; i <= j; ++i) {
                Num t = zero;
                for (int32_t k = lo[i]; k <= i - 1; ++k)
                    t = P::add(t, P::mul(b(i, k), b(k, j)));
                b(i, j) = P::sub(b(i, j), t);
            }
            if (j + 1 > hi[j]) break;
            for (int32_t i = j + 1; i <= hi[j]; ++i) {
                Num t = zero;
                for (int32_t k = lo[i]; k <= j - 1; ++k)
                    t = P::add(t, P::mul(b(i, k), b(k, j)));
                if (P::abs(b(j, j)) < minPivot) {
                    // No pivoting: a vanishing pivot ends the call with the mark in U(1, 1).
                    U(1, 1) = Num(constants::lrFailureMark);
                    return;
                }
                b(i, j) = P::div(P::sub(b(i, j), t), b(j, j));
            }
        }

        // P = P L, row by row; P(i, k) for k > j still holds the previous factor.
        if (o.eigvec) {
            for (int32_t i = 2; i <= n; ++i)
                for (int32_t j = 1; j <= i - 1; ++j) {
                    Num t = zero;
                    for (int32_t k = j + 1; k <= i - 1; ++k)
                        t = P::add(t, P::mul(Pm(i, k), b(k, j)));
                    Pm(i, j) = P::add(P::add(b(i, j), Pm(i, j)), t);
                }
        }

        // B' = R L in place, row by row.
        for (int32_t i = 1; i <= n; ++i) {
            for (int32_t j = lo[i]; j <= i - 1; ++j) {
                Num t = zero;
                for (int32_t k = i + 1; k <= hi[i]; ++k)
                    t = P::add(t, P::mul(b(i, k), b(k, j)));
                b(i, j) = P::add(P::mul(b(i, i), b(i, j)), t);
            }
            for (int32_t j = i; j <= hi[i]; ++j) {
                Num t = zero;
                for (int32_t k = j + 1; k <= hi[j]; ++k)
                    t = P::add(t, P::mul(b(i, k), b(k, j)));
                b(i, j) = P::add(b(i, j), t);
            }
        }

        for (int32_t i = 1; i <= n; ++i)
            for (int32_t j = lo[i]; j <= hi[i]; ++j)
                if (P::abs(b(i, j)) < clearing) b(i, j) = zero;

        ++c;
        s = zero;
        for (int32_t i = 2; i <= n; ++i)
            s = P::add(s, P::abs(b(i, i - 1)));

        if (o.sweep && Variant(c) == o.freq && s < o.eps4) {
            for (int32_t k = 1; k <= n - 1; ++k) {
                bool close = false;
                for (int32_t i = 1; i <= n && !close; ++i)
                    close = i != k && P::abs(P::sub(b(k, k), b(i, i))) < o.eps2;
                if (close) break;
                for (int32_t i = n; i >= k + 1; --i) {
                    Num t = zero;
                    for (int32_t m = i + 1; m <= n; ++m)
                        t = P::add(t, P::mul(b(i, m), w(m)));
                    w(i) = P::div(P::add(b(i, k), t), P::sub(b(k, k), b(i, i)));
                }
                for (int32_t i = n; i >= k + 1; --i) {
                    Num t = zero;
                    for (int32_t m = k + 1; m <= i - 1; ++m)
                        t = P::add(t, P::mul(Pm(i, m), w(m)));
                    Pm(i, k) = P::add(P::add(Pm(i, k), w(i)), t);
                }
                for (int32_t i = 1; i <= n; ++i) {
                    Num t = zero;
                    for (int32_t m = k + 1; m <= n; ++m)
                        t = P::add(t, P::mul(b(i, m), w(m)));
                    b(i, k) = P::add(b(i, k), t);
                }
                for (int32_t i = k + 1; i <= n; ++i)
                    for (int32_t m = 1; m <= n; ++m)
                        b(i, m) = P::sub(b(i, m), P::mul(w(i), b(k, m)));
            }
            // The step fills the matrix: the band is the whole matrix from now on.
            if (band)
                for (int32_t i = 1; i <= n; ++i) {
                    lo[i] = 1;
                    hi[i] = n;
                }
        }

        if (Variant(c) == o.freq || it == itmax || s < o.eps1) c = 0;
        if (s < o.eps1) break;
    }

    if (!o.eigvec) return;
    if (s > o.eps3) {
        tag1 = Variant(true);
        return;
    }
    for (int32_t i = 1; i <= n; ++i)
        for (int32_t j = i + 1; j <= n; ++j)
            if (P::abs(P::sub(b(i, i), b(j, j))) < o.eps2) {
                tag2 = Variant(true);
                return;
            }

    // Eigenvectors of the triangular matrix, column j with P(j, j) = 1.
    for (int32_t j = 1; j <= n; ++j) {
        Pm(j, j) = one;
        for (int32_t i = j - 1; i >= 1; --i) {
            Num t = zero;
            for (int32_t m = i + 1; m <= j - 1; ++m)
                t = P::add(t, P::mul(b(i, m), Pm(m, j)));
            Pm(i, j) = P::div(P::add(b(i, j), t), P::sub(b(j, j), b(i, i)));
        }
    }
    // Back-transformation by the accumulated unit lower factor.
    for (int32_t i = 1; i <= n; ++i) {
        for (int32_t j = 1; j <= n; ++j) {
            const int32_t last = j < i ? j - 1 : i - 1;
            Num t = zero;
            for (int32_t k = 1; k <= last; ++k)
                t = P::add(t, P::mul(Pm(i, k), Pm(k, j)));
            U(i, j) = P::add(Pm(i, j), t);
        }
    }
    for (int32_t j = 1; j <= n; ++j) {
        Num t = zero;
        for (int32_t i = 1; i <= n; ++i)
            t = P::add(t, P::mul(U(i, j), U(i, j)));
        const Num length = P::sqrt(t);
        for (int32_t i = 1; i <= n; ++i)
            U(i, j) = P::div(U(i, j), length);
    }
}

// The switches and counts of both forms, defaults applied.
template <class Num>
LrSettings<Num> lrSettings(const std::optional<Variant>& eigvec, const std::optional<Variant>& stripd,
                           const std::optional<Variant>& sweep, const std::optional<Variant>& freq,
                           const std::optional<Variant>& itmax, Num eps1, Num eps2, Num eps3, Num eps4) {
    const bool doSweep = sweep && sweep->toBool();
    return LrSettings<Num>{eigvec && eigvec->toBool(),
                           stripd && stripd->toBool(),
                           doSweep,
                           freq.value_or(Variant(doSweep ? constants::lrSweepPeriod : int16_t{0})),
                           itmax.value_or(Variant(constants::lrIterations)),
                           std::move(eps1),
                           std::move(eps2),
                           std::move(eps3),
                           std::move(eps4)};
}

} // namespace

void Ralvo::Rutishauser(Variant n, const VArray& a, VArray& b, VArray& U, Variant& tag1, Variant& tag2,
                        Variant& iter, std::optional<Variant> eigvec, std::optional<Variant> stripd,
                        std::optional<Variant> sweep, std::optional<Variant> freq,
                        std::optional<Variant> itmax, std::optional<Variant> eps1,
                        std::optional<Variant> eps2, std::optional<Variant> eps3,
                        std::optional<Variant> eps4) {
    const auto o = lrSettings<Variant>(
        eigvec, stripd, sweep, freq, itmax, eps1.value_or(Variant(constants::lrEps1)),
        eps2.value_or(Variant(constants::lrEps2)), eps3.value_or(Variant(constants::lrEps3)),
        eps4.value_or(Variant(constants::lrEps4)));
    lrEigen<detail::GeneralValues>(n, a, b, U, tag1, tag2, iter, o);
}

void Ralvo::Rutishauserd(Variant n, const DArray& a, DArray& b, DArray& U, Variant& tag1, Variant& tag2,
                         Variant& iter, std::optional<Variant> eigvec, std::optional<Variant> stripd,
                         std::optional<Variant> sweep, std::optional<Variant> freq,
                         std::optional<Variant> itmax, std::optional<double> eps1, std::optional<double> eps2,
                         std::optional<double> eps3, std::optional<double> eps4) {
    const auto o = lrSettings<double>(eigvec, stripd, sweep, freq, itmax, eps1.value_or(constants::lrEps1D),
                                      eps2.value_or(constants::lrEps2D), eps3.value_or(constants::lrEps3D),
                                      eps4.value_or(constants::lrEps4D));
    lrEigen<detail::DoubleValues>(n, a, b, U, tag1, tag2, iter, o);
}

} // namespace ralvo
