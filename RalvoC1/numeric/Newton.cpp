#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/numeric/Numbers.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <cstdint>

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

namespace {

// The linear step of each form: the normal equations in a(1..n, 1..n + 1), one right-hand side.
void solveNormalEquations(Ralvo& self, const Variant& n, VArray& a, Variant& ID) {
    self.Gauss(n, a, Variant(int16_t{1}), ID);
}
void solveNormalEquations(Ralvo& self, const Variant& n, DArray& a, Variant& ID) {
    self.Gaussd(n, a, Variant(int16_t{1}), ID);
}

// Damped Gauss-Newton iteration on the unknowns X(ipom(1..Nunknown)); see Ralvo::Newton.
//
// Each iteration builds the forward-difference Jacobian J (n x Nunknown) at the current point,
// solves the normal equations (J'J) d = J'F for the correction d, and takes the step
// X = X - lam d. The damping factor lam keeps the largest relative change |d / X| of the
// unknowns of at least 1e-4 within |ALAM|; ALAM above 2 fixes lam at its fractional part.
// The iteration has converged when the largest relative correction of this iteration is
// below Eps; when no unknown is 1e-4 or more, the largest absolute correction is tested.
template <class P>
Variant newtonSolve(Ralvo& self, Uloha& G, Variant n, const Variant& Nunknown, typename P::Array& X,
                    VArray& ipom, typename P::Array& z, Variant& ID, const typename P::Num& Eps,
                    const Variant& ALAM, const Variant& NITER, const typename P::Num& Delta) {
    using Num = typename P::Num;
    using Array = typename P::Array;

    const int32_t nEq = n.toInteger();
    const int32_t nUnk = Nunknown.toInteger();
    const int32_t rhs = nUnk + 1; // column of the residuals in J, of the right-hand side in A
    const Num alam = P::fromVariant(ALAM);
    const Num zero(int16_t{0}), one(int16_t{1}), two(int16_t{2});
    const Num minStep(constants::newtonMinStep), relativeFloor(constants::newtonRelativeFloor);
    const Num nearZero(constants::newtonNearZero), crossingLambda(constants::newtonZeroCrossingLambda);

    // Residuals; Jacobian with the current residuals in column Nunknown + 1; normal equations.
    Array F(0, nEq);
    Array J(0, nEq, 0, nEq + 1);
    Array A(0, nEq, 0, nEq + 1);
    int16_t k = 0;
    ID = Variant(int16_t{0});

    G.Fun(X, F, n, z);
    for (;;) {
        if (k == INT16_MAX) [[unlikely]]
            platform::raise(platform::err::Overflow);
        ++k;
        if (Variant(k) > NITER) {
            ID = Variant(int16_t{1});
            break;
        }

        for (int32_t i = 1; i <= nEq; ++i)
            for (int32_t j = 1; j <= rhs; ++j)
                J(i, j) = F(i);

        // Forward differences: J(i, kk) = (F(X + h e_m) - F(X)) / h, h = Delta |x| but at least 1e-4.
        for (int32_t kk = 1; kk <= nUnk; ++kk) {
            const int32_t m = ipom(kk).toLong();
            const Num x = X(m);
            Num h = P::mul(Delta, P::abs(x));
            if (h < minStep) h = minStep;
            X(m) = P::add(x, h);
            G.Fun(X, F, n, z);
            X(m) = x;
            for (int32_t i = 1; i <= nEq; ++i)
                P::subDiv(J(i, kk), F(i), J(i, kk), h);
        }

        // Normal equations: A(i, j) = sum over l of J(l, i) J(l, j), right-hand side
        // A(i, Nunknown + 1) = sum over l of J(l, i) F(l), both summed in increasing l.
        for (int32_t i = 1; i <= nUnk; ++i) {
            for (int32_t j = 1; j <= nUnk; ++j) {
                Num s = zero;
                for (int32_t l = 1; l <= nEq; ++l)
                    P::addMul(s, s, J(l, i), J(l, j));
                A(i, j) = s;
            }
            Num b = zero;
            for (int32_t l = 1; l <= nEq; ++l)
                P::addMul(b, b, J(l, i), J(l, rhs));
            A(i, rhs) = b;
        }

        solveNormalEquations(self, Nunknown, A, ID);
        if (ID != Variant(int16_t{0})) {
            ID = Variant(int16_t{2});
            break;
        }
        // A(kk, Nunknown + 1) now holds the undamped correction d(kk).

        // Largest relative correction |d / X| over the unknowns of at least 1e-4 (an unknown
        // below that, 0 or negative, is not divided by), and the largest absolute correction
        // of the others for the case that none qualifies.
        Num rmax = zero, amax = zero;
        bool anyQualifies = false;
        int32_t kmax = 0, imax = 0;
        for (int32_t kk = 1; kk <= nUnk; ++kk) {
            const int32_t m = ipom(kk).toLong();
            if (X(m) >= relativeFloor) {
                anyQualifies = true;
                Num r = P::abs(P::div(A(kk, rhs), X(m)));
                if (r > rmax) {
                    rmax = std::move(r);
                    kmax = kk;
                    imax = m;
                }
            } else {
                Num a = P::abs(A(kk, rhs));
                if (a > amax) amax = std::move(a);
            }
        }

        // Damping factor.
        Num lam;
        if (alam > two) {
            lam = P::sub(alam, P::intPart(alam));
        } else {
            lam = one;
            if (!(rmax < P::abs(alam))) {
                lam = P::div(P::abs(alam), rmax);
                // Negative ALAM: a small limiting unknown that the full correction would carry
                // across zero is set to 0 and moves by half its correction.
                if (P::abs(X(imax)) < nearZero && P::mul(P::sub(X(imax), A(kmax, rhs)), X(imax)) < zero &&
                    alam < zero) {
                    X(imax) = zero;
                    lam = crossingLambda;
                }
            }
        }

        for (int32_t kk = 1; kk <= nUnk; ++kk) {
            const int32_t m = ipom(kk).toLong();
            P::subMul(X(m), X(m), A(kk, rhs), lam);
        }
        G.Fun(X, F, n, z);

        if (anyQualifies ? rmax < Eps : amax < Eps) break;
    }
    return Variant(k);
}

} // namespace

Variant Ralvo::Newton(Uloha& G, Variant n, Variant Nunknown, [[maybe_unused]] Variant NProm, VArray& X,
                      VArray& ipom, VArray& z, Variant& ID, std::optional<Variant> Eps,
                      std::optional<Variant> ALAM, std::optional<Variant> NITER,
                      std::optional<Variant> Delta) {
    return newtonSolve<detail::GeneralValues>(
        *this, G, std::move(n), Nunknown, X, ipom, z, ID, Eps.value_or(Variant(constants::newtonEps)),
        ALAM.value_or(Variant(constants::newtonAlam)), NITER.value_or(Variant(constants::newtonIterations)),
        Delta.value_or(Variant(constants::newtonDelta)));
}

Variant Ralvo::Newtond(Uloha& G, Variant n, Variant Nunknown, [[maybe_unused]] Variant NProm, DArray& X,
                       VArray& ipom, DArray& z, Variant& ID, std::optional<double> Eps,
                       std::optional<Variant> ALAM, std::optional<Variant> NITER,
                       std::optional<double> Delta) {
    return newtonSolve<detail::DoubleValues>(
        *this, G, std::move(n), Nunknown, X, ipom, z, ID, Eps.value_or(constants::newtonEpsD),
        ALAM.value_or(Variant(constants::newtonAlam)), NITER.value_or(Variant(constants::newtonIterations)),
        Delta.value_or(constants::newtonDelta));
}

} // namespace ralvo
