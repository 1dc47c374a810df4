#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/numeric/Numbers.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <cstdint>

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

namespace {

// Nelder-Mead simplex; see Ralvo::Fmin1.
//
// S holds the n + 1 vertices in rows 1..n+1, the centroid C in row n + 2, the reflected point R
// in row n + 3 and the expanded or contracted point in row n + 4; FV the values at these rows.
// Each iteration replaces the highest vertex H by the best of
//   R = (1 + alpha) C - alpha S(H)          (reflection),
//   E = gamma R + (1 - gamma) C             (expansion, when R beats the lowest vertex),
//   K = beta S(H) + (1 - beta) C            (contraction, when R is worse than the second highest),
// or, when K brings no improvement, shrinks the simplex halfway towards the lowest vertex. The
// iteration ends when sigma = sqrt(sum (FV(i) - F(C))^2) / n falls below Eps^2.
template <class P>
typename P::Num simplexSearch(Uloha& G, const Variant& NX, typename P::Array& X, const Variant& EpsArg,
                              Variant* itmax, const Variant& defaultLimit) {
    using Num = typename P::Num;
    using Array = typename P::Array;

    const int32_t n = detail::loopBound16(NX.toInteger());
    const int32_t nc = n + 2, nr = n + 3, nek = n + 4; // rows of C, R, and E or K
    Array S(0, nek, 0, nek), D(0, n + 1, 0, n + 1), FV(0, nek);
    const Num Eps = P::fromVariant(EpsArg);
    const Num nx = P::fromVariant(NX);

    // A given itmax is the limit itself and receives the count at the end.
    Variant ownLimit = defaultLimit;
    Variant& limit = itmax ? *itmax : ownLimit;
    if (limit < Variant(constants::fminSmallestLimit)) limit = defaultLimit;
    int16_t count = 0;

    const Num zero(int16_t{0}), one(int16_t{1});
    const Num alpha(constants::fmin1Alpha), beta(constants::fmin1Beta), gamma(constants::fmin1Gamma);
    const Num edge(constants::fmin1Edge), rootTwo(constants::fmin1RootTwo), half(0.5);

    FV(1) = G.F(X);

    // Regular simplex of edge a around the start point:
    // p = a / n / 1.42 (sqrt(n + 1) + n - 1), q = a / n / 1.42 (sqrt(n + 1) - 1).
    const Num scale = P::div(P::div(edge, nx), rootTwo);
    const Num root = P::sqrt(P::add(nx, one));
    const Num p = P::mul(scale, P::sub(P::add(root, nx), one));
    const Num q = P::mul(scale, P::sub(root, one));
    for (int32_t j = 1; j <= n; ++j)
        D(1, j) = zero;
    for (int32_t i = 2; i <= n + 1; ++i)
        for (int32_t j = 1; j <= n; ++j)
            D(i, j) = j == i - 1 ? p : q;
    for (int32_t i = 1; i <= n + 1; ++i)
        for (int32_t j = 1; j <= n; ++j)
            S(i, j) = P::add(X(j), D(i, j));
    for (int32_t i = 1; i <= n + 1; ++i) {
        for (int32_t j = 1; j <= n; ++j)
            X(j) = S(i, j);
        FV(i) = G.F(X);
    }

    // Makes row `from` of S vertex H, with its value, and puts it into X.
    auto replaceHighest = [&](int32_t H, int32_t from, const Num& value) {
        for (int32_t j = 1; j <= n; ++j) {
            S(H, j) = S(from, j);
            X(j) = S(from, j);
        }
        FV(H) = value;
    };

    for (;;) {
        int32_t H = 1, L = 1;
        Num FH = FV(1), FL = FV(1);
        for (int32_t i = 2; i <= n + 1; ++i)
            if (FV(i) > FH) {
                FH = FV(i);
                H = i;
            }
        for (int32_t i = 2; i <= n + 1; ++i)
            if (FV(i) < FL) {
                FL = FV(i);
                L = i;
            }

        // Centroid of all vertices but H, and the reflection of H through it.
        const Num reciprocal = P::div(one, nx);
        for (int32_t j = 1; j <= n; ++j) {
            Num sum = zero;
            for (int32_t i = 1; i <= n + 1; ++i)
                sum = P::add(sum, S(i, j));
            S(nc, j) = P::mul(P::sub(sum, S(H, j)), reciprocal);
            S(nr, j) = P::sub(P::mul(P::add(one, alpha), S(nc, j)), P::mul(alpha, S(H, j)));
            X(j) = S(nr, j);
        }
        FV(nr) = G.F(X);
        const Num FR = FV(nr);

        if (FR < FL) {
            for (int32_t j = 1; j <= n; ++j) {
                S(nek, j) = P::add(P::mul(gamma, S(nr, j)), P::mul(P::sub(one, gamma), S(nc, j)));
                X(j) = S(nek, j);
            }
            FV(nek) = G.F(X);
            // The expansion is compared with the lowest vertex, not with R.
            if (FV(nek) < FL)
                replaceHighest(H, nek, FV(nek));
            else
                replaceHighest(H, nr, FR);
        } else {
            Num FS = H == 1 ? FV(2) : FV(1);
            for (int32_t i = 1; i <= n + 1; ++i)
                if (i != H && FV(i) >= FS) FS = FV(i);
            if (FR <= FS) {
                replaceHighest(H, nr, FR);
            } else {
                // Contraction from the better of H and R; FV(H) and FH keep the old value.
                if (FR <= FH)
                    for (int32_t j = 1; j <= n; ++j)
                        S(H, j) = S(nr, j);
                for (int32_t j = 1; j <= n; ++j) {
                    S(nek, j) = P::add(P::mul(beta, S(H, j)), P::mul(P::sub(one, beta), S(nc, j)));
                    X(j) = S(nek, j);
                }
                FV(nek) = G.F(X);
                if (FV(nek) < FH) {
                    replaceHighest(H, nek, FV(nek));
                } else {
                    // Shrink halfway towards the lowest vertex and evaluate every vertex anew.
                    for (int32_t j = 1; j <= n; ++j)
                        for (int32_t i = 1; i <= n + 1; ++i)
                            S(i, j) = P::mul(P::add(S(i, j), S(L, j)), half);
                    for (int32_t i = 1; i <= n + 1; ++i) {
                        for (int32_t j = 1; j <= n; ++j)
                            X(j) = S(i, j);
                        FV(i) = G.F(X);
                    }
                }
            }
        }

        // Spread of the vertex values around the value at this iteration's centroid.
        for (int32_t j = 1; j <= n; ++j)
            X(j) = S(nc, j);
        FV(nc) = G.F(X);
        Num sum = zero;
        for (int32_t i = 1; i <= n + 1; ++i) {
            const Num dev = P::sub(FV(i), FV(nc));
            sum = P::add(sum, P::mul(dev, dev));
        }
        const Num sigma = P::mul(P::sqrt(sum), reciprocal);

        if (count == INT16_MAX) [[unlikely]]
            platform::raise(platform::err::Overflow);
        ++count;
        if (sigma < P::mul(Eps, Eps) || Variant(count) > limit) {
            if (itmax) *itmax = Variant(count);
            return FL;
        }
    }
}

} // namespace

Variant Ralvo::Fmin1(Uloha& G, Variant NX, VArray& X, std::optional<Variant> Eps, Variant* itmax) {
    return simplexSearch<detail::GeneralValues>(G, NX, X, Eps.value_or(Variant(constants::fmin1Eps)), itmax,
                                                Variant(constants::fmin1Iterations));
}

double Ralvo::Fmin1d(Uloha& G, Variant NX, DArray& X, std::optional<Variant> Eps, Variant* itmax) {
    return simplexSearch<detail::DoubleValues>(G, NX, X, Eps.value_or(Variant(constants::fmin1EpsD)), itmax,
                                               Variant(constants::fmin1IterationsD));
}

} // namespace ralvo
