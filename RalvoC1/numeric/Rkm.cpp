#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/numeric/Numbers.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <cmath>
#include <cstdint>

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

namespace {

// Runge-Kutta-Merson integration from xb to xe in place; see Ralvo::Rkm.
//
// One trial step of size h from (x0, y0), with h3 = h / 3:
//   k1 = f(x0, y0)
//   k2 = f(x0 + h/3, y0 + h3 k1)
//   k3 = f(x0 + h/3, y0 + h3 (k1 + k2) / 2)
//   k4 = f(x0 + h/2, y0 + h3 (3/8 k1 + 9/8 k3))
//   k5 = f(x0 + h,   y0 + h3 (3/2 k1 - 9/2 k3 + 6 k4))
//   y  = y0 + h3 (k1/2 + 2 k4 + k5/2)
// with the error estimate err = |h3| max_i |k1/5 - 9/10 k3 + 4/5 k4 - k5/10|. A step with
// err <= Delta is accepted; after every other step h becomes h 0.8 (Delta / err)^0.2, at
// least hmin in magnitude. The step that reaches xe is made with exactly the distance left.
template <class P>
void rkmIntegrate(Uloha& G, const Variant& nnArg, typename P::Num& xb, const typename P::Num& xe,
                  typename P::Array& Y, const typename P::Num& DeltaArg, Variant& Star, typename P::Array& zz,
                  typename P::Num& savedStep, const typename P::Num& deltaFloor,
                  const typename P::Num& deltaDefault) {
    using Num = typename P::Num;
    using Array = typename P::Array;

    // The callee gets the member's own copy of nn; the loops read that copy.
    Variant nn = nnArg;
    Num Delta = DeltaArg;
    const int32_t size = nn.toInteger();
    Array Y0(0, size), K1(0, size), K2(0, size), K3(0, size), K4(0, size), K5(0, size);
    int32_t steps = 0;
    const Num hmin(constants::rkmMinStep);
    const Num zero(int16_t{0});
    const Num three(int16_t{3}), six(int16_t{6}), two(int16_t{2});
    const Num c05(0.5), c0375(0.375), c1125(1.125), c15(1.5), c45(4.5);
    const Num c02(0.2), c09(0.9), c08(0.8), c01(0.1);
    const Num safety(constants::rkmSafety), exponent(constants::rkmStepExponent);

    // A tolerance that is no finite number controls no step: infinity would accept any step
    // and NaN would end the integration in one step over the whole interval.
    if (!std::isfinite(platform::Variant(Delta).toDouble())) platform::raise(platform::err::InvalidCall);
    if (Delta < deltaFloor) Delta = deltaDefault;
    if (savedStep == zero) savedStep = hmin;

    Num h = zero;
    bool last = false;
    // Star > 0: the first trial step covers the whole interval. Otherwise continue with the
    // saved step, pointed towards xe: a step pointing away would never reach it.
    bool wholeRest = Star > Variant(int16_t{0});
    if (!wholeRest) {
        h = savedStep;
        const Num towards = P::sgn(P::sub(xe, xb));
        if (towards != zero && P::sgn(h) != towards) h = P::neg(h);
    }

    // Step adjustment after a rejected step or an accepted one with an error estimate > 0.
    auto adjust = [&](const Num& err) {
        h = P::mul(P::mul(h, safety), P::pow(P::div(Delta, err), exponent));
        if (P::abs(h) < hmin) h = P::mul(P::sgn(h), hmin);
        savedStep = h;
        Star = Variant(-1.0f);
    };

    for (;;) {
        // Step choice: the saved or adjusted step while it falls short of xe, else the rest.
        if (wholeRest || !(P::abs(P::sub(xe, xb)) > P::abs(h))) {
            last = true;
            h = P::sub(xe, xb);
        } else {
            last = false;
        }
        // A call that has used up its trial steps stops at the last accepted point.
        if (steps == constants::rkmStepLimit) return;

        const Num x0 = xb;
        for (int32_t i = 1, m = nn.toInteger(); i <= m; ++i)
            Y0(i) = Y(i);
        const Num h3 = P::div(h, three);

        G.FKT(nn, xb, Y, K1, zz);

        for (int32_t i = 1, m = nn.toInteger(); i <= m; ++i)
            Y(i) = P::add(Y0(i), P::mul(h3, K1(i)));
        xb = P::add(x0, h3);
        G.FKT(nn, xb, Y, K2, zz);

        for (int32_t i = 1, m = nn.toInteger(); i <= m; ++i)
            Y(i) = P::add(Y0(i), P::mul(h3, P::mul(c05, P::add(K1(i), K2(i)))));
        G.FKT(nn, xb, Y, K3, zz);

        for (int32_t i = 1, m = nn.toInteger(); i <= m; ++i)
            Y(i) = P::add(Y0(i), P::mul(h3, P::add(P::mul(c0375, K1(i)), P::mul(c1125, K3(i)))));
        xb = P::add(x0, P::mul(c05, h));
        G.FKT(nn, xb, Y, K4, zz);

        for (int32_t i = 1, m = nn.toInteger(); i <= m; ++i)
            Y(i) = P::add(Y0(i), P::mul(h3, P::add(P::sub(P::mul(c15, K1(i)), P::mul(c45, K3(i))),
                                                   P::mul(six, K4(i)))));
        xb = P::add(x0, h);
        G.FKT(nn, xb, Y, K5, zz);

        for (int32_t i = 1, m = nn.toInteger(); i <= m; ++i)
            Y(i) = P::add(Y0(i), P::mul(h3, P::add(P::mul(c05, P::add(K1(i), K5(i))), P::mul(two, K4(i)))));

        Num e = zero;
        for (int32_t i = 1, m = nn.toInteger(); i <= m; ++i) {
            Num ei = P::abs(P::sub(P::add(P::sub(P::mul(c02, K1(i)), P::mul(c09, K3(i))), P::mul(c08, K4(i))),
                                   P::mul(c01, K5(i))));
            if (ei > e) e = std::move(ei);
        }
        const Num err = P::mul(P::abs(h3), e);
        ++steps;

        if (!(err > Delta)) {
            if (last) {
                if (Star > Variant(int16_t{0})) savedStep = h;
                return;
            }
            // No error at all: try the rest of the interval in one step.
            wholeRest = err == zero;
            if (!wholeRest) adjust(err);
        } else {
            // Rejected: undo the step exactly.
            for (int32_t i = 1, m = nn.toInteger(); i <= m; ++i)
                Y(i) = Y0(i);
            xb = x0;
            adjust(err);
            wholeRest = false;
        }
    }
}

} // namespace

void Ralvo::Rkm(Uloha& G, Variant nn, Variant& xb, const Variant& xe, VArray& Y, Variant Delta, Variant& Star,
                VArray& zz) {
    rkmIntegrate<detail::GeneralValues>(G, nn, xb, xe, Y, Delta, Star, zz, m_rkmSavedStep,
                                        Variant(constants::rkmDeltaFloor),
                                        Variant(constants::rkmDefaultDelta));
}

void Ralvo::Rkmd(Uloha& G, Variant nn, double& xb, const double& xe, DArray& Y, double Delta, Variant& Star,
                 DArray& zz) {
    rkmIntegrate<detail::DoubleValues>(G, nn, xb, xe, Y, Delta, Star, zz, m_rkmdSavedStep,
                                       constants::rkmDeltaFloorD, constants::rkmDefaultDeltaD);
}

} // namespace ralvo
