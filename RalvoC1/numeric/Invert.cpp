#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/numeric/Numbers.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <utility>

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

namespace {

// Inverse of ap(1..n, 1..n) into Ainv; see Ralvo::Invert.
//
// A working copy W of ap is reduced to upper triangular form with partial pivoting while the
// same row operations turn Ainv, started as the identity, into L^-1 P; back substitution with
// the triangle of W then gives each column of the inverse. Unlike Gauss, the pivot row is not
// normalised, a row whose element below the pivot is already 0 is skipped, and the pivot used
// (after the interchange) is compared with EP, the last one included.
template <class P>
void invertMatrix(const Variant& nArg, const typename P::Array& ap, typename P::Array& Ainv, Variant& ID,
                  const typename P::Num& EP) {
    using Num = typename P::Num;
    const int32_t n = detail::loopBound16(nArg.toInteger());
    // The caller's block 1..n must exist before W of the same size is created: an n far
    // beyond the caller's arrays is their subscript error, not an attempt at a huge W.
    if (n >= 1) {
        static_cast<void>(ap(1, 1));
        static_cast<void>(ap(n, n));
    }
    typename P::Array W(0, n, 0, n);
    const Num zero(0.0), one(1.0);

    for (int32_t i = 1; i <= n; ++i) {
        for (int32_t j = 1; j <= n; ++j) {
            Ainv(i, j) = zero;
            W(i, j) = ap(i, j);
        }
    }
    for (int32_t i = 1; i <= n; ++i)
        Ainv(i, i) = one;

    for (int32_t k = 1; k <= n; ++k) {
        Num big(0.0);
        int32_t p = 0;
        for (int32_t i = k; i <= n; ++i) {
            Num m = P::abs(W(i, k));
            if (m > big) {
                big = std::move(m);
                p = i;
            }
        }
        if (k < p) {
            for (int32_t j = k; j <= n; ++j)
                std::swap(W(k, j), W(p, j));
            for (int32_t j = 1; j <= n; ++j)
                std::swap(Ainv(k, j), Ainv(p, j));
        }
        if (P::abs(W(k, k)) <= EP) {
            ID = Variant(int16_t{1});
            return;
        }
        if (k == n) break;
        for (int32_t i = k + 1; i <= n; ++i) {
            if (W(i, k) == Num(int16_t{0})) continue;
            const Num f = P::div(W(i, k), W(k, k));
            for (int32_t j = k + 1; j <= n; ++j)
                W(i, j) = P::sub(W(i, j), P::mul(W(k, j), f));
            for (int32_t j = 1; j <= n; ++j)
                Ainv(i, j) = P::sub(Ainv(i, j), P::mul(Ainv(k, j), f));
        }
    }

    // Back substitution from the last row: Ainv(r, j) = (Ainv(r, j) - sum over l > r of
    // W(r, l) Ainv(l, j)) / W(r, r), the sum accumulated in increasing l.
    for (int32_t r = n; r >= 1; --r) {
        for (int32_t j = 1; j <= n; ++j) {
            Num s(int16_t{0});
            for (int32_t l = r + 1; l <= n; ++l)
                s = P::add(s, P::mul(W(r, l), Ainv(l, j)));
            Ainv(r, j) = P::div(P::sub(Ainv(r, j), s), W(r, r));
        }
    }
    ID = Variant(int16_t{0});
}

} // namespace

void Ralvo::Invert(const Variant& n, const VArray& ap, VArray& Ainv, Variant& ID, std::optional<Variant> EP) {
    invertMatrix<detail::GeneralValues>(n, ap, Ainv, ID, EP.value_or(Variant(constants::invertPivot)));
}

void Ralvo::Invertd(const Variant& n, const DArray& ap, DArray& Ainv, Variant& ID, std::optional<double> EP) {
    invertMatrix<detail::DoubleValues>(n, ap, Ainv, ID, EP.value_or(constants::invertPivotD));
}

} // namespace ralvo
