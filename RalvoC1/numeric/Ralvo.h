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
//! - numerical failures that are not run-time errors are reported in the status argument ID.

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
};

} // namespace ralvo
