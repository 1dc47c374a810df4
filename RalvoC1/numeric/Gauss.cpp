#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/numeric/Numbers.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <utility>

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

namespace {

// Gaussian elimination with row interchanges on a(1..n, 1..n + NCOL), in place; see Ralvo::Gauss.
// The pivot of column k is the element of largest magnitude in rows k..n (the upper row of
// equal ones); below 1e-6 it is no pivot and the call stops with ID = 1.
template <class P>
void gaussEliminate(const Variant& nArg, typename P::Array& a, const Variant& ncolArg, Variant& ID) {
    using Num = typename P::Num;
    ID = Variant(int16_t{0});
    const int32_t n = detail::loopBound16(nArg.toInteger());
    const int32_t ncol = detail::loopBound16(ncolArg.toInteger());
    const int32_t last = detail::loopBound16(n + ncol);
    const Num minPivot(constants::gaussMinPivot);

    for (int32_t k = 1; k <= n; ++k) {
        Num big(0.0);
        int32_t p = 0;
        for (int32_t i = k; i <= n; ++i) {
            Num m = P::abs(a(i, k));
            if (m > big) {
                big = std::move(m);
                p = i;
            }
        }
        if (big < minPivot) {
            ID = Variant(int16_t{1});
            return;
        }
        const Num piv = a(p, k);
        if (p != k) {
            for (int32_t j = k; j <= last; ++j)
                std::swap(a(k, j), a(p, j));
        }
        for (int32_t j = 1; j <= last; ++j)
            P::divInto(a(k, j), a(k, j), piv);
        for (int32_t i = k + 1; i <= n; ++i) {
            const Num f = a(i, k);
            for (int32_t j = k; j <= last; ++j)
                P::subMul(a(i, j), a(i, j), f, a(k, j));
        }
    }

    // Back substitution on the right-hand sides only: x(k) = b(k) - sum over i > k of a(k, i) x(i).
    for (int32_t k = n - 1; k >= 1; --k)
        for (int32_t i = k + 1; i <= n; ++i)
            for (int32_t j = 1; j <= ncol; ++j)
                P::subMul(a(k, n + j), a(k, n + j), a(k, i), a(i, n + j));
}

} // namespace

void Ralvo::Gauss(Variant n, VArray& a, Variant NCOL, Variant& ID) {
    gaussEliminate<detail::GeneralValues>(n, a, NCOL, ID);
}

void Ralvo::Gaussd(Variant n, DArray& a, Variant NCOL, Variant& ID) {
    gaussEliminate<detail::DoubleValues>(n, a, NCOL, ID);
}

} // namespace ralvo
