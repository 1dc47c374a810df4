#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/numeric/Numbers.h"
#include "RalvoC1/numeric/Ralvo.h"

#include "Platform/MessageBox.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

namespace {

// Texts and style of the message boxes of the spline members.
constexpr const char* splineTitle = "SPLINE";
constexpr int stopStyle = 16; // stop icon, OK button
constexpr const char* onePointText = " SPLINE - zadan jen 1 bod!";
constexpr const char* onePointTextD = " SPLINED - zadan jen 1 bod!";
constexpr const char* equalAbscissaeText = " Špatné vstup. hodnoty ";

[[noreturn]] void invalidTable() {
    platform::raise(platform::err::InvalidCall, "Ralvo");
}

} // namespace

// Cubic splines through a table X(i), Y(i) over an index range; see Ralvo::Spline.
//
// On the interval klo..khi = klo + 1 of width h = X(khi) - X(klo), with A = (X(khi) - x) / h
// and B = (x - X(klo)) / h = 1 - A, the spline is
//   y(x) = A Y(klo) + B Y(khi) + ((A^3 - A) Y2(klo) + (B^3 - B) Y2(khi)) h^2 / 6,
// whose second derivative runs linearly from Y2(klo) to Y2(khi). Continuity of the first
// derivative at the inner points gives a tridiagonal system for Y2, closed at each end by a
// given slope (clamped end) or Y2 = 0 (natural end).
struct Ralvo::Splines {
    // The siblings of each form, called as members of the same object.
    static void sploc(Ralvo& self, const Variant& first, const Variant& last, const VArray& xa,
                      const Variant& x, Variant& klo, Variant& khi, Variant& h) {
        self.Sploc(first, last, xa, x, klo, khi, h);
    }
    static void sploc(Ralvo& self, const Variant& first, const Variant& last, const DArray& xa,
                      const double& x, Variant& klo, Variant& khi, double& h) {
        self.Splocd(first, last, xa, x, klo, khi, h);
    }
    static Variant splder(Ralvo& self, const Variant& imin, const Variant& imax, const VArray& xa,
                          const VArray& y, const VArray& y2, const Variant& xx) {
        return self.Splder(imin, imax, xa, y, y2, xx);
    }
    static double splder(Ralvo& self, const Variant& imin, const Variant& imax, const DArray& xa,
                         const DArray& y, const DArray& y2, const double& xx) {
        return self.Splderd(imin, imax, xa, y, y2, xx);
    }
    static Variant splinp(Ralvo& self, const Variant& imin, const Variant& imax, const VArray& x,
                          const VArray& y, const VArray& y2, const Variant& xx) {
        return self.Splinp(imin, imax, x, y, y2, xx);
    }
    static double splinp(Ralvo& self, const Variant& imin, const Variant& imax, const DArray& x,
                         const DArray& y, const DArray& y2, double xx) {
        return self.Splinpd(imin, imax, x, y, y2, xx);
    }
    static void spline(Ralvo& self, const Variant& imin, const Variant& imax, const VArray& x,
                       const VArray& y, const Variant& y1min, const Variant& y1max, VArray& y2) {
        self.Spline(imin, imax, x, y, y1min, y1max, y2);
    }
    static void spline(Ralvo& self, const Variant& imin, const Variant& imax, const DArray& x,
                       const DArray& y, double y1min, double y1max, DArray& y2) {
        self.Splined(imin, imax, x, y, y1min, y1max, y2);
    }

    // Raises error 5 unless X(first..last) increases strictly.
    template <class P>
    static void requireIncreasing(const typename P::Array& X, int32_t first, int32_t last) {
        for (int32_t i = first + 1; i <= last; ++i)
            if (!(X(i) > X(i - 1))) invalidTable();
    }

    // Second derivatives Y2(Imin..Imax); see Ralvo::Spline. The forward sweep leaves in Y2(i)
    // the factor and in u(i) the constant of Y2(i) = Y2(i) Y2(i + 1) + u(i), which the back
    // substitution then resolves from the last point.
    template <class P>
    static void build(const Variant& iminArg, const Variant& imaxArg, const typename P::Array& X,
                      const typename P::Array& Y, typename P::Num y1min, typename P::Num y1max,
                      typename P::Array& Y2, const char* onePoint) {
        using Num = typename P::Num;
        const int32_t imin = iminArg.toLong(), imax = imaxArg.toLong();
        if (imax < imin) invalidTable();
        if (imax == imin) {
            platform::msgBox(onePoint, stopStyle, splineTitle);
            return;
        }
        requireIncreasing<P>(X, imin, imax);
        typename P::Array u(imin, imax);

        const Num zero(int16_t{0}), one(int16_t{1}), two(int16_t{2}), three(int16_t{3}), six(int16_t{6});
        const Num half(0.5), minusHalf(-0.5);
        const Num natural(constants::splineNaturalSlope), chord(constants::splineChordSlope);

        if (y1min <= chord) y1min = P::div(P::sub(Y(imin + 1), Y(imin)), P::sub(X(imin + 1), X(imin)));
        if (y1max <= chord) y1max = P::div(P::sub(Y(imax), Y(imax - 1)), P::sub(X(imax), X(imax - 1)));

        if (y1min >= natural) {
            Y2(imin) = zero;
            u(imin) = zero;
        } else {
            // Clamped end: 2 Y2(1) + Y2(2) = (6 / h1) ((Y(2) - Y(1)) / h1 - Y1min).
            const Num h1 = P::sub(X(imin + 1), X(imin));
            Y2(imin) = minusHalf;
            u(imin) = P::mul(P::div(three, h1), P::sub(P::div(P::sub(Y(imin + 1), Y(imin)), h1), y1min));
        }

        for (int32_t i = imin + 1; i <= imax - 1; ++i) {
            const Num sig = P::div(P::sub(X(i), X(i - 1)), P::sub(X(i + 1), X(i - 1)));
            const Num p = P::add(P::mul(sig, Y2(i - 1)), two);
            Y2(i) = P::div(P::sub(sig, one), p);
            const Num dR = P::div(P::sub(Y(i + 1), Y(i)), P::sub(X(i + 1), X(i)));
            const Num dL = P::div(P::sub(Y(i), Y(i - 1)), P::sub(X(i), X(i - 1)));
            u(i) = P::div(P::sub(P::div(P::mul(six, P::sub(dR, dL)), P::sub(X(i + 1), X(i - 1))),
                                 P::mul(sig, u(i - 1))),
                          p);
        }

        Num qn = zero, un = zero;
        if (!(y1max >= natural)) {
            const Num hN = P::sub(X(imax), X(imax - 1));
            qn = half;
            un = P::mul(P::div(three, hN), P::sub(y1max, P::div(P::sub(Y(imax), Y(imax - 1)), hN)));
        }
        Y2(imax) = P::div(P::sub(un, P::mul(qn, u(imax - 1))), P::add(P::mul(qn, Y2(imax - 1)), one));
        for (int32_t k = imax - 1; k >= imin; --k)
            Y2(k) = P::add(P::mul(Y2(k), Y2(k + 1)), u(k));
    }

    // The interval of xa(first..last) that holds x, by bisection; see Ralvo::Sploc.
    template <class P>
    static void locate(const Variant& firstArg, const Variant& lastArg, const typename P::Array& xa,
                       const typename P::Num& x, Variant& klo, Variant& khi, typename P::Num& h) {
        int32_t lo = firstArg.toLong(), hi = lastArg.toLong();
        while (static_cast<int64_t>(hi) - lo > 1) {
            const auto k = static_cast<int32_t>(std::floor((static_cast<double>(hi) + lo) / 2));
            if (xa(k) > x)
                hi = k;
            else
                lo = k;
        }
        klo = Variant(lo);
        khi = Variant(hi);
        h = P::sub(xa(hi), xa(lo));
        if (h == typename P::Num(int16_t{0})) platform::msgBox(equalAbscissaeText, stopStyle, splineTitle);
    }

    // A and B of the point x in the interval klo..khi of width h.
    template <class P>
    static void weights(const typename P::Array& X, int32_t lo, int32_t hi, const typename P::Num& x,
                        const typename P::Num& h, typename P::Num& A, typename P::Num& B) {
        A = P::div(P::sub(X(hi), x), h);
        B = P::div(P::sub(x, X(lo)), h);
    }

    // Spline value; see Ralvo::Splinp.
    template <class P>
    static typename P::Num value(Ralvo& self, const Variant& iminArg, const Variant& imaxArg,
                                 const typename P::Array& X, const typename P::Array& Y,
                                 const typename P::Array& Y2, const typename P::Num& xx) {
        using Num = typename P::Num;
        Variant klo, khi;
        Num h{}, A{}, B{};
        sploc(self, iminArg, imaxArg, X, xx, klo, khi, h);
        const int32_t lo = klo.toLong(), hi = khi.toLong();
        weights<P>(X, lo, hi, xx, h, A, B);
        const Num zero(int16_t{0});
        if (B < zero) {
            const int32_t imin = iminArg.toLong();
            return P::add(Y(imin),
                          P::mul(P::sub(xx, X(imin)), splder(self, iminArg, imaxArg, X, Y, Y2, X(imin))));
        }
        if (A < zero) {
            const int32_t imax = imaxArg.toLong();
            return P::add(Y(imax),
                          P::mul(P::sub(xx, X(imax)), splder(self, iminArg, imaxArg, X, Y, Y2, X(imax))));
        }
        const Num curvature = P::add(P::mul(P::sub(P::mul(P::mul(A, A), A), A), Y2(lo)),
                                     P::mul(P::sub(P::mul(P::mul(B, B), B), B), Y2(hi)));
        return P::add(P::add(P::mul(A, Y(lo)), P::mul(B, Y(hi))),
                      P::div(P::mul(curvature, P::mul(h, h)), Num(int16_t{6})));
    }

    // First derivative dy/dx = (Y(khi) - Y(klo)) / h + ((3 B^2 - 1) Y2(khi) - (3 A^2 - 1) Y2(klo)) h / 6;
    // outside the table that of the nearer end point. See Ralvo::Splder.
    template <class P>
    static typename P::Num slope(Ralvo& self, const Variant& imin, const Variant& imax,
                                 const typename P::Array& XA, const typename P::Array& Y,
                                 const typename P::Array& Y2, const typename P::Num& xx) {
        using Num = typename P::Num;
        Variant klo, khi;
        Num h{}, A{}, B{};
        sploc(self, imin, imax, XA, xx, klo, khi, h);
        const int32_t lo = klo.toLong(), hi = khi.toLong();
        weights<P>(XA, lo, hi, xx, h, A, B);
        const Num zero(int16_t{0}), one(int16_t{1}), three(int16_t{3}), six(int16_t{6});
        if (B < zero) {
            B = zero;
            A = one;
        } else if (A < zero) {
            A = zero;
            B = one;
        }
        const Num right = P::mul(P::mul(P::sub(P::mul(three, P::mul(B, B)), one), h), Y2(hi));
        const Num left = P::mul(P::mul(P::sub(P::mul(three, P::mul(A, A)), one), h), Y2(lo));
        return P::add(P::div(P::sub(Y(hi), Y(lo)), h), P::div(P::sub(right, left), six));
    }

    // h / 6 (ya + 4 y((a + b) / 2) + yb), Simpson's rule over [a, a + h]: exact for a cubic.
    template <class P>
    static typename P::Num
    simpson(Ralvo& self, const Variant& imin, const Variant& imax, const typename P::Array& X,
            const typename P::Array& Y, const typename P::Array& Y2, const typename P::Num& h,
            const typename P::Num& ya, const typename P::Num& middle, const typename P::Num& yb) {
        using Num = typename P::Num;
        const Num ym = splinp(self, imin, imax, X, Y, Y2, middle);
        return P::mul(P::div(h, Num(int16_t{6})), P::add(P::add(ya, P::mul(Num(int16_t{4}), ym)), yb));
    }

    // Integral of the spline and its straight continuations from poc to kon; see Ralvo::Splint.
    // Within one piece Simpson's rule is exact; across pieces the partial head and tail
    // intervals are Simpson steps and each whole interval adds its exact integral
    //   (Y(i) + Y(i+1)) h / 2 - (Y2(i) + Y2(i+1)) h^3 / 24.
    template <class P>
    static typename P::Num integral(Ralvo& self, const Variant& iminArg, const Variant& imaxArg,
                                    const typename P::Array& X, const typename P::Array& Y,
                                    const typename P::Array& Y2, typename P::Num poc, typename P::Num kon) {
        using Num = typename P::Num;
        const Num two(int16_t{2});
        Num sign(int16_t{1});
        if (poc > kon) {
            std::swap(poc, kon);
            sign = Num(int16_t{-1});
        }
        if (P::abs(P::sub(kon, poc)) <= Num(constants::splineIntegralWidth)) return Num(int16_t{0});

        const Num yP = splinp(self, iminArg, imaxArg, X, Y, Y2, poc);
        const Num yK = splinp(self, iminArg, imaxArg, X, Y, Y2, kon);
        Variant klo1, khi1, klo2, khi2;
        Num h{};
        sploc(self, iminArg, imaxArg, X, poc, klo1, khi1, h);
        sploc(self, iminArg, imaxArg, X, kon, klo2, khi2, h);
        const int32_t imin = iminArg.toLong(), imax = imaxArg.toLong();
        int32_t hi1 = khi1.toLong(), lo2 = klo2.toLong();

        const bool crossesFirst = poc < X(imin) && kon > X(imin);
        const bool crossesLast = poc < X(imax) && kon > X(imax);
        Num S;
        if (klo1.toLong() == lo2 && !crossesFirst && !crossesLast) {
            h = P::sub(kon, poc);
            S = simpson<P>(self, iminArg, imaxArg, X, Y, Y2, h, yP, P::add(poc, P::div(h, two)), yK);
        } else {
            if (poc < X(imin)) hi1 = imin;
            if (kon > X(imax)) lo2 = imax;
            h = P::sub(X(hi1), poc);
            S = simpson<P>(self, iminArg, imaxArg, X, Y, Y2, h, yP, P::add(poc, P::div(h, two)), Y(hi1));
            h = P::sub(kon, X(lo2));
            S = P::add(
                S, simpson<P>(self, iminArg, imaxArg, X, Y, Y2, h, Y(lo2), P::sub(kon, P::div(h, two)), yK));
            for (int32_t i = hi1; i <= lo2 - 1; ++i) {
                h = P::sub(X(i + 1), X(i));
                const Num trapezoid = P::div(P::mul(P::add(Y(i), Y(i + 1)), h), two);
                const Num correction =
                    P::div(P::mul(P::add(Y2(i), Y2(i + 1)), P::mul(P::mul(h, h), h)), Num(int16_t{24}));
                S = P::sub(P::add(S, trapezoid), correction);
            }
        }
        return P::mul(sign, S);
    }

    // Spline value with second derivatives kept in `cache` between calls; see Ralvo::Sinterp.
    template <class P>
    static typename P::Num
    interpolate(Ralvo& self, typename P::Array& cache, const Variant& nArg, const Variant& npocArg,
                const typename P::Array& X, const typename P::Array& Y, const typename P::Num& XI,
                const typename P::Num& y1min, const typename P::Num& y1max, Variant& Ipoc) {
        const int32_t n = nArg.toLong(), npoc = npocArg.toLong();
        if (n < 1) invalidTable();
        const int64_t lastWide = static_cast<int64_t>(n) + npoc - 1;
        if (lastWide > INT32_MAX) platform::raise(platform::err::Overflow);
        const auto last = static_cast<int32_t>(lastWide);
        // The table must lie inside the caller's arrays before the cache is sized by it.
        static_cast<void>(X(npoc));
        static_cast<void>(X(last));
        const bool rebuild = Ipoc == Variant(int16_t{0});
        if (rebuild) requireIncreasing<P>(X, npoc, last);

        const int32_t top = std::max(n, last);
        if (rebuild)
            cache.redim(0, top);
        else
            cache.redimPreserve(0, top);
        const Variant first(npoc), lastIndex(last);
        if (rebuild) {
            spline(self, first, lastIndex, X, Y, y1min, y1max, cache);
            Ipoc = Variant(int16_t{1});
        }
        return splinp(self, first, lastIndex, X, Y, cache, XI);
    }
};

void Ralvo::Spline(Variant Imin, Variant Imax, const VArray& X, const VArray& Y, Variant Y1min, Variant Y1max,
                   VArray& Y2) {
    Splines::build<detail::GeneralValues>(Imin, Imax, X, Y, std::move(Y1min), std::move(Y1max), Y2,
                                          onePointText);
}

Variant Ralvo::Splder(const Variant& Imin, const Variant& Imax, const VArray& XA, const VArray& Y,
                      const VArray& Y2, const Variant& XX) {
    return Splines::slope<detail::GeneralValues>(*this, Imin, Imax, XA, Y, Y2, XX);
}

Variant Ralvo::Splinp(Variant Imin, Variant Imax, const VArray& X, const VArray& Y, const VArray& Y2,
                      Variant XX) {
    return Splines::value<detail::GeneralValues>(*this, Imin, Imax, X, Y, Y2, XX);
}

Variant Ralvo::Splint(Variant Imin, Variant Imax, const VArray& X, const VArray& Y, const VArray& Y2,
                      Variant poc, Variant kon) {
    return Splines::integral<detail::GeneralValues>(*this, Imin, Imax, X, Y, Y2, std::move(poc),
                                                    std::move(kon));
}

Variant Ralvo::Sinterp(Variant n, Variant Npoc, const VArray& X, const VArray& Y, Variant XI, Variant Y1min,
                       Variant Y1max, Variant& Ipoc) {
    return Splines::interpolate<detail::GeneralValues>(*this, m_sinterpY2, n, Npoc, X, Y, XI, Y1min, Y1max,
                                                       Ipoc);
}

void Ralvo::Splined(Variant Imin, Variant Imax, const DArray& X, const DArray& Y, double Y1min, double Y1max,
                    DArray& Y2) {
    Splines::build<detail::DoubleValues>(Imin, Imax, X, Y, Y1min, Y1max, Y2, onePointTextD);
}

double Ralvo::Splderd(Variant Imin, Variant Imax, const DArray& XA, const DArray& Y, const DArray& Y2,
                      const double& XX) {
    return Splines::slope<detail::DoubleValues>(*this, Imin, Imax, XA, Y, Y2, XX);
}

double Ralvo::Splinpd(Variant Imin, Variant Imax, const DArray& X, const DArray& Y, const DArray& Y2,
                      double XX) {
    return Splines::value<detail::DoubleValues>(*this, Imin, Imax, X, Y, Y2, XX);
}

double Ralvo::Splintd(Variant Imin, Variant Imax, const DArray& X, const DArray& Y, const DArray& Y2,
                      double poc, double kon) {
    return Splines::integral<detail::DoubleValues>(*this, Imin, Imax, X, Y, Y2, poc, kon);
}

double Ralvo::Sinterpd(Variant n, Variant Npoc, const DArray& X, const DArray& Y, double XI, double Y1min,
                       double Y1max, Variant& Ipoc) {
    return Splines::interpolate<detail::DoubleValues>(*this, m_sinterpY2d, n, Npoc, X, Y, XI, Y1min, Y1max,
                                                      Ipoc);
}

void Ralvo::Sploc(Variant first, Variant last, const VArray& xa, const Variant& x, Variant& klo, Variant& khi,
                  Variant& h) {
    Splines::locate<detail::GeneralValues>(first, last, xa, x, klo, khi, h);
}

void Ralvo::Splocd(Variant first, Variant last, const DArray& xa, const double& x, Variant& klo, Variant& khi,
                   double& h) {
    Splines::locate<detail::DoubleValues>(first, last, xa, x, klo, khi, h);
}

} // namespace ralvo
