#pragma once
//! The numerical-methods class: routines on the caller's own arrays, each in a general-value
//! form and a double-precision twin whose name ends in d.
//!
//! Conventions shared by every member:
//! - arrays are the caller's own, passed by reference, read and written in place and never
//!   resized; vectors are used from index 1, matrices from (1, 1); element 0 and row and
//!   column 0 are left alone;
//! - counts and indices are general values; index arrays (such as ipom) stay general values in
//!   the twins too;
//! - an optional argument left out takes its default for that call only; a given value is
//!   used as it is, 0 included;
//! - nothing is trapped: an index outside a caller's array (9), an overflow (6), a division
//!   by zero (11), a value unfit for arithmetic (13) or any error raised in a member of the
//!   function object ends the call and reaches the caller unchanged; by-reference arguments
//!   and arrays keep what the member had written into them up to that moment;
//! - numerical failures that are not run-time errors are reported in the status argument ID;
//! - Rkm and Rkmd keep the step of their continued integration in the object, one per form,
//!   as Sinterp and Sinterpd keep their table; no other member keeps anything between calls;
//! - an optional argument passed by reference (itmax of the minimisers) is a pointer, nullptr
//!   when left out.

#include "Platform/Array.h"
#include "Platform/Variant.h"
#include "Ralvo/RalvoExport.h"
#include "RalvoC1/numeric/Uloha.h"

#include <optional>

namespace ralvo {

class RALVO_EXPORT Ralvo {
public:
    //! The application object: one instance for the whole process, created on first use.
    static Ralvo& app();

    //! Damped Gauss-Newton solve of n equations in the Nunknown unknowns X(ipom(1..Nunknown)).
    //! G.Fun(X, F, n, z) gives the residuals; the Jacobian comes from forward differences with
    //! the step Delta |x| (at least 1e-4). ALAM from 0 to 2 limits the change of every unknown
    //! of at least 1e-4 to |ALAM| times its value; above 2 every step is cut to the fractional
    //! part of ALAM; a negative ALAM also stops a small unknown at 0 instead of crossing it.
    //! Converged when the largest relative correction is below Eps (the largest absolute one
    //! when no unknown is 1e-4 or more). ID ends as 0 (converged), 1 (iteration limit exceeded)
    //! or 2 (a linear step had no solution). Returns the iteration count (16-bit integer).
    //! NProm is accepted and not used. Defaults: Eps 1e-5, ALAM 0.8, NITER 100, Delta 0.01.
    platform::Variant Newton(Uloha& G, platform::Variant n, platform::Variant Nunknown,
                             platform::Variant NProm, platform::VArray& X, platform::VArray& ipom,
                             platform::VArray& z, platform::Variant& ID,
                             std::optional<platform::Variant> Eps = std::nullopt,
                             std::optional<platform::Variant> ALAM = std::nullopt,
                             std::optional<platform::Variant> NITER = std::nullopt,
                             std::optional<platform::Variant> Delta = std::nullopt);

    //! Gaussian elimination with row interchanges on the augmented matrix a: coefficients in
    //! columns 1..n, NCOL right-hand sides in columns n+1..n+NCOL, replaced by the solutions.
    //! ID ends as 0 (solved) or 1 (the largest available pivot is below 1e-6).
    void Gauss(platform::Variant n, platform::VArray& a, platform::Variant NCOL, platform::Variant& ID);

    //! Runge-Kutta-Merson integration of Y' = f(x, Y), nn equations, from xb to xe with the step
    //! size controlled so that the error estimate of each step stays within Delta (below 1e-8
    //! taken as 1e-4; not a finite number raises 5). G.FKT(nn, xb, Y, DY, zz) gives the derivatives, five
    //! calls per trial step, with xb and Y holding the stage abscissa and state. On return xb stands at xe
    //! and Y holds the state there. Star > 0 starts with one step over the whole interval; 0 or less
    //! continues with the step saved by the previous call of this object (1e-5 at first), turned towards xe.
    //! Star becomes -1 once the step has been adjusted. A call makes at most 15000 trial steps; one that runs
    //! out of them returns with xb short of xe and Y the state at xb, Star and the saved step ready for a
    //! further call.
    void Rkm(Uloha& G, platform::Variant nn, platform::Variant& xb, const platform::Variant& xe,
             platform::VArray& Y, platform::Variant Delta, platform::Variant& Star, platform::VArray& zz);

    //! Rosenbrock's method of rotating coordinates: a minimum of G.F(X) over X(1..n), searched
    //! from the start point in X. Returns the lowest value found and leaves its point in X.
    //! Ends when every step length is below EPSA (default 1e-4), or after itmax counted trials
    //! (default 1000; a given itmax below 11 means 2000) with the "FMIN" box. A given itmax
    //! receives the number of trials counted.
    platform::Variant Fmin(Uloha& G, platform::Variant n, platform::VArray& X,
                           std::optional<platform::Variant> EPSA = std::nullopt,
                           platform::Variant* itmax = nullptr);

    //! Nelder-Mead simplex: a minimum of G.F(X) over X(1..NX) from the start point in X. Ends
    //! when the spread of the vertex values around the value at their centroid is below
    //! Eps * Eps (default Eps 1e-4), or after itmax iterations (default 1000, also for a given
    //! itmax below 11) without a message. Returns the lowest vertex value at the start of the
    //! last iteration and leaves that iteration's centroid in X. A given itmax receives the
    //! number of iterations made.
    platform::Variant Fmin1(Uloha& G, platform::Variant NX, platform::VArray& X,
                            std::optional<platform::Variant> Eps = std::nullopt,
                            platform::Variant* itmax = nullptr);

    //! Lagrange interpolation in the table X(1..n), Y(1..n) at XI with the M table points
    //! around it (M default 4). The table is first sorted in place by ascending abscissa
    //! (equal abscissae keep their order); the window of M points starts at the first abscissa
    //! above XI less M / 2 (rounded half to even), kept inside the table. A table of two
    //! points is the straight line through them: nothing is sorted and M is not used.
    //! M is taken as a whole number; unless 1 <= M <= n (n other than 2) the call raises
    //! error 5 before anything is sorted.
    platform::Variant Flagr(platform::Variant n, platform::VArray& X, platform::VArray& Y,
                            const platform::Variant& XI, std::optional<platform::Variant> M = std::nullopt);

    //! All roots of x^npol + apol(1) x^(npol-1) + ... + apol(npol) by the Lin-Bairstow method:
    //! quadratic factors x^2 - p x - q found one after another by a Newton iteration on p and
    //! q (from p = q = 1, until both relative corrections are at most epslin, at most 300
    //! iterations per factor) and divided out; a remaining quadratic is solved directly and a
    //! remaining linear factor x + c gives -c. Root j is xreal(j) + i ximag(j), each pair the
    //! smaller real root or the negative imaginary part first. Non-convergence is not
    //! reported. npol below 1 raises error 5; apol is only read.
    void LinBairstow(platform::Variant npol, const platform::VArray& apol, platform::VArray& xreal,
                     platform::VArray& ximag, platform::Variant epslin);

    //! Horner value at X of a(1) X^n + ... + a(n) X + a(n+1) for n > 0, of the monic
    //! X^-n + a(1) X^(-n-1) + ... + a(-n) for n < 0, and 0 (double precision) for n = 0.
    platform::Variant Polyn(platform::Variant n, const platform::Variant& X, const platform::VArray& a);

    //! Eigenvalues of the matrix a(1..n, 1..n) by the LR transformation of Rutishauser: b(i, i)
    //! receives the i-th eigenvalue, and with eigvec the column j of U the normalised
    //! eigenvector of b(j, j). stripd restricts the work to a tridiagonal band (ignored for
    //! n = 1), sweep allows an elimination step every freq iterations once the sub-diagonal sum
    //! is below eps4. iter is the iteration in which the sub-diagonal sum fell below eps1, or
    //! itmax + 1. With eigvec, tag1 reports a sub-diagonal sum above eps3 and tag2 two diagonal
    //! elements closer than eps2; no eigenvectors are computed then. A vanishing pivot ends the
    //! call with U(1, 1) = -99.9999. Defaults: eigvec, stripd, sweep False; freq 5 with sweep,
    //! else 0; itmax 50; eps1 1e-6, eps2 1e-3, eps3 1e-4, eps4 0.05.
    void Rutishauser(platform::Variant n, const platform::VArray& a, platform::VArray& b, platform::VArray& U,
                     platform::Variant& tag1, platform::Variant& tag2, platform::Variant& iter,
                     std::optional<platform::Variant> eigvec = std::nullopt,
                     std::optional<platform::Variant> stripd = std::nullopt,
                     std::optional<platform::Variant> sweep = std::nullopt,
                     std::optional<platform::Variant> freq = std::nullopt,
                     std::optional<platform::Variant> itmax = std::nullopt,
                     std::optional<platform::Variant> eps1 = std::nullopt,
                     std::optional<platform::Variant> eps2 = std::nullopt,
                     std::optional<platform::Variant> eps3 = std::nullopt,
                     std::optional<platform::Variant> eps4 = std::nullopt);

    //! Inverse of ap(1..n, 1..n) into Ainv(1..n, 1..n) by Gaussian elimination with partial
    //! pivoting applied to the identity, then back substitution column by column; ap is only
    //! read. ID ends as 0 (inverted) or 1 (a pivot of magnitude at most EP, default 1e-6; Ainv
    //! then holds a partly transformed identity).
    void Invert(const platform::Variant& n, const platform::VArray& ap, platform::VArray& Ainv,
                platform::Variant& ID, std::optional<platform::Variant> EP = std::nullopt);

    //! Second derivatives Y2(Imin..Imax) of the cubic spline through X(i), Y(i), i = Imin to
    //! Imax, with the end slopes Y1min at X(Imin) and Y1max at X(Imax). A slope of 9998.999 or
    //! more gives a natural end (zero second derivative), one of -9998.999 or less the chord
    //! slope of the end interval. One point shows a message box and leaves Y2 alone.
    //! Imax below Imin or abscissae that do not increase raise error 5 before Y2 is touched.
    void Spline(platform::Variant Imin, platform::Variant Imax, const platform::VArray& X,
                const platform::VArray& Y, platform::Variant Y1min, platform::Variant Y1max,
                platform::VArray& Y2);

    //! First derivative at XX of the spline of Spline; outside the table the slope at the
    //! nearer end point.
    platform::Variant Splder(const platform::Variant& Imin, const platform::Variant& Imax,
                             const platform::VArray& XA, const platform::VArray& Y,
                             const platform::VArray& Y2, const platform::Variant& XX);

    //! Value at XX of the spline of Spline; outside the table the straight line with the
    //! spline's slope at the nearer end point.
    platform::Variant Splinp(platform::Variant Imin, platform::Variant Imax, const platform::VArray& X,
                             const platform::VArray& Y, const platform::VArray& Y2, platform::Variant XX);

    //! Integral from poc to kon of the spline of Spline and its straight continuations, exact
    //! for both; negative when kon < poc, 0 when the limits are at most 1e-9 apart.
    platform::Variant Splint(platform::Variant Imin, platform::Variant Imax, const platform::VArray& X,
                             const platform::VArray& Y, const platform::VArray& Y2, platform::Variant poc,
                             platform::Variant kon);

    //! Spline value at XI in the table of the n points from index Npoc. With Ipoc 0 (or empty)
    //! the second derivatives are built and kept in this object and Ipoc is set to 1; with
    //! any other Ipoc the kept ones are used, whatever table they were built from. n below 1,
    //! or abscissae that do not increase when building, raise error 5 before anything is
    //! kept or built.
    platform::Variant Sinterp(platform::Variant n, platform::Variant Npoc, const platform::VArray& X,
                              const platform::VArray& Y, platform::Variant XI, platform::Variant Y1min,
                              platform::Variant Y1max, platform::Variant& Ipoc);

    //! Newton in double precision. Defaults: Eps 1e-11, ALAM 0.8, NITER 100, Delta 0.01.
    platform::Variant Newtond(Uloha& G, platform::Variant n, platform::Variant Nunknown,
                              platform::Variant NProm, platform::DArray& X, platform::VArray& ipom,
                              platform::DArray& z, platform::Variant& ID,
                              std::optional<double> Eps = std::nullopt,
                              std::optional<platform::Variant> ALAM = std::nullopt,
                              std::optional<platform::Variant> NITER = std::nullopt,
                              std::optional<double> Delta = std::nullopt);

    //! Gauss in double precision, with the same pivot threshold 1e-6.
    void Gaussd(platform::Variant n, platform::DArray& a, platform::Variant NCOL, platform::Variant& ID);

    //! Rkm in double precision, with its own saved step; a Delta below 1e-15 is taken as 1e-7.
    void Rkmd(Uloha& G, platform::Variant nn, double& xb, const double& xe, platform::DArray& Y, double Delta,
              platform::Variant& Star, platform::DArray& zz);

    //! Fmin in double precision. Defaults: EPSA 1e-7, itmax 2000.
    double Fmind(Uloha& G, platform::Variant n, platform::DArray& X,
                 std::optional<platform::Variant> EPSA = std::nullopt, platform::Variant* itmax = nullptr);

    //! Fmin1 in double precision. Defaults: Eps 1e-7, itmax 2000 (also for a given itmax below 11).
    double Fmin1d(Uloha& G, platform::Variant NX, platform::DArray& X,
                  std::optional<platform::Variant> Eps = std::nullopt, platform::Variant* itmax = nullptr);

    //! Flagr in double precision.
    double Flagrd(platform::Variant n, platform::DArray& X, platform::DArray& Y, double XI,
                  std::optional<platform::Variant> M = std::nullopt);

    //! LinBairstow in double precision.
    void LinBairstowd(platform::Variant npol, const platform::DArray& ap, platform::DArray& xreal,
                      platform::DArray& ximag, double epslin);

    //! Polyn in double precision.
    double Polynd(platform::Variant n, const double& X, const platform::DArray& a);

    //! Rutishauser in double precision. Defaults: eps1 1e-9, eps2 1e-6, eps3 1e-7, eps4 5e-5.
    void Rutishauserd(platform::Variant n, const platform::DArray& a, platform::DArray& b,
                      platform::DArray& U, platform::Variant& tag1, platform::Variant& tag2,
                      platform::Variant& iter, std::optional<platform::Variant> eigvec = std::nullopt,
                      std::optional<platform::Variant> stripd = std::nullopt,
                      std::optional<platform::Variant> sweep = std::nullopt,
                      std::optional<platform::Variant> freq = std::nullopt,
                      std::optional<platform::Variant> itmax = std::nullopt,
                      std::optional<double> eps1 = std::nullopt, std::optional<double> eps2 = std::nullopt,
                      std::optional<double> eps3 = std::nullopt, std::optional<double> eps4 = std::nullopt);

    //! Invert in double precision; the default pivot threshold EP is 1e-13.
    void Invertd(const platform::Variant& n, const platform::DArray& ap, platform::DArray& Ainv,
                 platform::Variant& ID, std::optional<double> EP = std::nullopt);

    //! Spline in double precision.
    void Splined(platform::Variant Imin, platform::Variant Imax, const platform::DArray& X,
                 const platform::DArray& Y, double Y1min, double Y1max, platform::DArray& Y2);

    //! Splder in double precision.
    double Splderd(platform::Variant Imin, platform::Variant Imax, const platform::DArray& XA,
                   const platform::DArray& Y, const platform::DArray& Y2, const double& XX);

    //! Splinp in double precision.
    double Splinpd(platform::Variant Imin, platform::Variant Imax, const platform::DArray& X,
                   const platform::DArray& Y, const platform::DArray& Y2, double XX);

    //! Splint in double precision.
    double Splintd(platform::Variant Imin, platform::Variant Imax, const platform::DArray& X,
                   const platform::DArray& Y, const platform::DArray& Y2, double poc, double kon);

    //! Sinterp in double precision, with second derivatives kept apart from those of Sinterp.
    double Sinterpd(platform::Variant n, platform::Variant Npoc, const platform::DArray& X,
                    const platform::DArray& Y, double XI, double Y1min, double Y1max,
                    platform::Variant& Ipoc);

private:
    //! Roots of x^2 + p x + q into xreal(k), ximag(k) and xreal(k + 1), ximag(k + 1): the
    //! smaller real root first, or the root with negative imaginary part first.
    void Quadr(platform::Variant k, platform::VArray& xreal, platform::VArray& ximag,
               const platform::Variant& p, const platform::Variant& q);

    //! The table interval klo..khi = klo + 1 of xa(first..last) that holds x, found by
    //! bisection, and its width h; below the table the first interval, above it the last. A
    //! width of 0 shows a message box.
    void Sploc(platform::Variant first, platform::Variant last, const platform::VArray& xa,
               const platform::Variant& x, platform::Variant& klo, platform::Variant& khi,
               platform::Variant& h);

    //! Quadr in double precision.
    void Quadrd(platform::Variant k, platform::DArray& xreal, platform::DArray& ximag, const double& p,
                const double& q);

    //! Sploc in double precision.
    void Splocd(platform::Variant first, platform::Variant last, const platform::DArray& xa, const double& x,
                platform::Variant& klo, platform::Variant& khi, double& h);

    // The algorithms of LinBairstow and of the spline members, written once for both forms;
    // nested so that they reach the private siblings.
    struct Bairstow;
    struct Splines;

    //! Second derivatives of the last table Sinterp built.
    platform::VArray m_sinterpY2;
    //! Second derivatives of the last table Sinterpd built.
    platform::DArray m_sinterpY2d;
    //! The step with which the next Rkm call continues (0 in a new object).
    platform::Variant m_rkmSavedStep;
    //! The same for Rkmd.
    double m_rkmdSavedStep = 0.0;
};

} // namespace ralvo
