#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/numeric/Numbers.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <utility>

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

namespace {

// Lagrange interpolation in the table X(1..n), Y(1..n); see Ralvo::Flagr.
template <class P>
typename P::Num lagrangeValue(const Variant& nArg, typename P::Array& X, typename P::Array& Y,
                              const typename P::Num& XI, const Variant& mArg) {
    using Num = typename P::Num;
    const int32_t n = detail::loopBound16(nArg.toInteger());

    // Two points: the straight line through them.
    if (n == 2) return P::add(Y(1), P::div(P::mul(P::sub(XI, X(1)), P::sub(Y(2), Y(1))), P::sub(X(2), X(1))));

    // The window must lie inside the table.
    const int32_t m = mArg.toInteger();
    if (m < 1 || m > n) platform::raise(platform::err::InvalidCall, "Ralvo");

    // Bubble sort by ascending abscissa; equal abscissae keep their order.
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int32_t i = 1; i <= n - 1; ++i) {
            if (X(i) > X(i + 1)) {
                std::swap(X(i), X(i + 1));
                std::swap(Y(i), Y(i + 1));
                swapped = true;
            }
        }
    }

    // First index j of the window: the first abscissa above XI less M / 2, rounded half to
    // even, kept inside 1..n - M + 1; the last M points when no abscissa is above XI.
    int32_t j = n - m + 1;
    for (int32_t i = 1; i <= n; ++i) {
        if (XI < X(i)) {
            j = Variant(i - m / 2.0).toLong();
            if (j < 1)
                j = 1;
            else if (j > n - m + 1)
                j = n - m + 1;
            break;
        }
    }

    // sum over i of Y(i) L(i), L(i) = product over k != i of (XI - X(k)) / (X(i) - X(k)).
    Num sum(0.0);
    for (int32_t i = j; i <= j + m - 1; ++i) {
        Num L(1.0);
        for (int32_t k = j; k <= j + m - 1; ++k) {
            if (k == i) continue;
            L = P::div(P::mul(L, P::sub(XI, X(k))), P::sub(X(i), X(k)));
        }
        sum = P::add(sum, P::mul(Y(i), L));
    }
    return sum;
}

} // namespace

Variant Ralvo::Flagr(Variant n, VArray& X, VArray& Y, const Variant& XI, std::optional<Variant> M) {
    return lagrangeValue<detail::GeneralValues>(n, X, Y, XI, M.value_or(Variant(constants::lagrangePoints)));
}

double Ralvo::Flagrd(Variant n, DArray& X, DArray& Y, double XI, std::optional<Variant> M) {
    return lagrangeValue<detail::DoubleValues>(n, X, Y, XI, M.value_or(Variant(constants::lagrangePoints)));
}

} // namespace ralvo
