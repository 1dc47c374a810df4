#include "RalvoC1/numeric/Numbers.h"
#include "RalvoC1/numeric/Ralvo.h"

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

namespace {

// Horner's scheme; see Ralvo::Polyn. Full layout (n > 0): v = a(1), then v = v X + a(i) for
// i = 2 to n + 1. Monic layout (n < 0): v = 1, then v = v X + a(i) for i = 1 to -n.
template <class P>
typename P::Num hornerValue(const Variant& nArg, const typename P::Num& X, const typename P::Array& a) {
    using Num = typename P::Num;
    const int32_t n = nArg.toInteger();
    if (n == 0) return Num(0.0);
    Num v;
    int32_t first;
    int32_t last;
    if (n > 0) {
        v = a(1);
        first = 2;
        last = detail::loopBound16(n + 1);
    } else {
        v = Num(int16_t{1});
        first = 1;
        last = detail::loopBound16(-n);
    }
    for (int32_t i = first; i <= last; ++i)
        v = P::add(P::mul(v, X), a(i));
    return v;
}

} // namespace

Variant Ralvo::Polyn(Variant n, const Variant& X, const VArray& a) {
    return hornerValue<detail::GeneralValues>(n, X, a);
}

double Ralvo::Polynd(Variant n, const double& X, const DArray& a) {
    return hornerValue<detail::DoubleValues>(n, X, a);
}

} // namespace ralvo
