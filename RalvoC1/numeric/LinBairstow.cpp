#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/numeric/Numbers.h"
#include "RalvoC1/numeric/Ralvo.h"

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

struct Ralvo::Bairstow {
    // The quadratic solver of each form, called as the sibling member.
    static void quadr(Ralvo& self, const Variant& k, VArray& xreal, VArray& ximag, const Variant& p,
                      const Variant& q) {
        self.Quadr(k, xreal, ximag, p, q);
    }
    static void quadr(Ralvo& self, const Variant& k, DArray& xreal, DArray& ximag, const double& p,
                      const double& q) {
        self.Quadrd(k, xreal, ximag, p, q);
    }

    // Roots of x^2 + p x + q at positions k and k + 1; see Ralvo::Quadr.
    template <class P>
    static void quadratic(const Variant& kArg, typename P::Array& xreal, typename P::Array& ximag,
                          const typename P::Num& p, const typename P::Num& q) {
        using Num = typename P::Num;
        const int32_t k = kArg.toLong();
        ximag(k) = Num(int16_t{0});
        ximag(k + 1) = Num(int16_t{0});
        xreal(k) = P::div(P::neg(p), Num(int16_t{2}));
        xreal(k + 1) = xreal(k);
        const Num d = P::sub(P::mul(xreal(k), xreal(k)), q);
        const Num s = P::sqrt(P::abs(d));
        if (d >= Num(int16_t{0})) {
            xreal(k) = P::sub(xreal(k), s);
            xreal(k + 1) = P::add(xreal(k + 1), s);
        } else {
            ximag(k) = P::neg(s);
            ximag(k + 1) = s;
        }
    }

    // Lin-Bairstow: quadratic factors x^2 - p x - q of the monic polynomial A of degree nn,
    // one after another, each divided out; see Ralvo::LinBairstow.
    //
    // With the quotient B (B(1) = 0, B(2) = 1 the leading coefficient) the remainder is
    // R x + S with R = A(nn-1) + p B(nn) + q B(nn-1) and S = A(nn) + q B(nn); C and D are the
    // derivatives of B with respect to p and q, from which the Jacobian (Rp, Rq; Sp, Sq) of
    // (R, S) follows. Newton's step on (p, q) drives R and S to 0. While the Jacobian's
    // determinant is at most 1 in magnitude, and for the four iterations after, the Jacobian
    // is modified by -m (p, q) 2 (R, S) / e^(p^2 + q^2), which keeps the step finite near a
    // singular Jacobian and fades as the remainder vanishes.
    template <class P>
    static void roots(Ralvo& self, const Variant& npolArg, const typename P::Array& apol,
                      typename P::Array& xreal, typename P::Array& ximag, const typename P::Num& epslin) {
        using Num = typename P::Num;
        const int32_t npol = detail::loopBound16(npolArg.toInteger());
        if (npol < 1) platform::raise(platform::err::InvalidCall, "Ralvo");

        typename P::Array A(0, npol), B(0, npol), C(0, npol), D(0, npol);
        for (int32_t i = 1; i <= npol; ++i)
            A(i) = apol(i);

        const Num zero(int16_t{0}), one(int16_t{1}), two(int16_t{2});
        const Num shift(constants::bairstowRelativeShift), minDet(constants::bairstowMinDeterminant);
        const Num weight(constants::bairstowModificationWeight), cap(constants::bairstowExponentCap);
        int32_t nn = npol;
        int32_t k = 1;
        int16_t countdown = 0;

        // A factor is extracted while more than a quadratic is left; a degree-2 polynomial is
        // solved directly and nothing is iterated for it.
        while (nn > 2) {
            Num p = one, q = one;
            int16_t counter = 0;
            for (;;) {
                B(1) = zero;
                B(2) = one;
                for (int32_t i = 1; i <= nn - 2; ++i)
                    B(i + 2) = P::add(P::add(A(i), P::mul(p, B(i + 1))), P::mul(q, B(i)));
                const Num R = P::add(P::add(A(nn - 1), P::mul(p, B(nn))), P::mul(q, B(nn - 1)));
                const Num S = P::add(A(nn), P::mul(q, B(nn)));

                C(1) = zero;
                C(2) = zero;
                D(1) = zero;
                D(2) = zero;
                for (int32_t i = 1; i <= nn - 2; ++i) {
                    C(i + 2) = P::add(P::add(B(i + 1), P::mul(p, C(i + 1))), P::mul(q, C(i)));
                    D(i + 2) = P::add(P::add(B(i), P::mul(p, D(i + 1))), P::mul(q, D(i)));
                }
                Num Sp = P::mul(q, C(nn));
                Num Sq = P::add(B(nn), P::mul(q, D(nn)));
                Num Rp = P::add(P::add(B(nn), P::mul(p, C(nn))), P::mul(q, C(nn - 1)));
                Num Rq = P::add(P::add(B(nn - 1), P::mul(p, D(nn))), P::mul(q, D(nn - 1)));
                Num det = P::sub(P::mul(Sq, Rp), P::mul(Sp, Rq));

                if (!(P::abs(det) > minDet && countdown == 0)) {
                    if (countdown == 0) countdown = constants::bairstowModifiedSteps;
                    --countdown;
                    const Num r2 = P::add(P::mul(p, p), P::mul(q, q));
                    const Num E = r2 < cap ? P::exp(r2) : P::exp(cap);
                    const Num twoR = P::mul(two, R), twoS = P::mul(two, S);
                    Rp = P::sub(Rp, P::div(P::mul(weight, P::mul(p, twoR)), E));
                    Rq = P::sub(Rq, P::div(P::mul(weight, P::mul(q, twoR)), E));
                    Sp = P::sub(Sp, P::div(P::mul(weight, P::mul(p, twoS)), E));
                    Sq = P::sub(Sq, P::div(P::mul(weight, P::mul(q, twoS)), E));
                    det = P::sub(P::mul(Sq, Rp), P::mul(Sp, Rq));
                }

                const Num dp = P::div(P::sub(P::mul(Rq, S), P::mul(Sq, R)), det);
                const Num dq = P::div(P::sub(P::mul(Sp, R), P::mul(Rp, S)), det);
                p = P::add(p, dp);
                q = P::add(q, dq);
                ++counter;
                if (counter > constants::bairstowIterations) break;
                const Num relP = P::abs(P::div(dp, P::add(p, shift)));
                const Num relQ = P::abs(P::div(dq, P::add(q, shift)));
                if (!(relP > epslin) && !(relQ > epslin)) break;
            }

            quadr(self, Variant(static_cast<int16_t>(k)), xreal, ximag, P::neg(p), P::neg(q));
            k += 2;
            // Deflate by the quotient of the last iteration (computed before its correction).
            for (int32_t i = 1; i <= nn - 2; ++i)
                A(i) = B(i + 2);
            nn -= 2;
        }

        if (nn == 1) {
            xreal(k) = P::neg(A(1));
            ximag(k) = zero;
        } else {
            quadr(self, Variant(static_cast<int16_t>(k)), xreal, ximag, A(1), A(2));
        }
    }
};

void Ralvo::LinBairstow(Variant npol, const VArray& apol, VArray& xreal, VArray& ximag, Variant epslin) {
    Bairstow::roots<detail::GeneralValues>(*this, npol, apol, xreal, ximag, epslin);
}

void Ralvo::LinBairstowd(Variant npol, const DArray& ap, DArray& xreal, DArray& ximag, double epslin) {
    Bairstow::roots<detail::DoubleValues>(*this, npol, ap, xreal, ximag, epslin);
}

void Ralvo::Quadr(Variant k, VArray& xreal, VArray& ximag, const Variant& p, const Variant& q) {
    Bairstow::quadratic<detail::GeneralValues>(k, xreal, ximag, p, q);
}

void Ralvo::Quadrd(Variant k, DArray& xreal, DArray& ximag, const double& p, const double& q) {
    Bairstow::quadratic<detail::DoubleValues>(k, xreal, ximag, p, q);
}

} // namespace ralvo
