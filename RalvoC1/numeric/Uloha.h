#pragma once
//! The function object of the numerical routines: the caller's problem, called back by the
//! routine through the members of this interface.
//!
//! A caller derives its object from Uloha and overrides the members its routines call, in
//! the form (general values or double precision) of the routine it uses. A member it does not
//! override raises run-time error 438 when the routine first calls it. Every argument is
//! passed by reference: the arrays are the caller's own arrays and the routine's work arrays,
//! never copies, and an error raised inside a member passes through the routine unchanged.

#include "Platform/Array.h"
#include "Platform/Variant.h"
#include "Ralvo/RalvoExport.h"

namespace ralvo {

class RALVO_EXPORT Uloha {
public:
    virtual ~Uloha();

    //! Residuals of the damped Newton method: fills F(1..n) with the residuals at the trial
    //! point X. X is the caller's own variable array, z its auxiliary array, n the solver's
    //! own copy of the equation count.
    virtual void Fun(platform::VArray& X, platform::VArray& F, platform::Variant& n, platform::VArray& z);
    //! Fun of the double-precision twins.
    virtual void Fun(platform::DArray& X, platform::DArray& F, platform::Variant& n, platform::DArray& z);

    //! Right-hand sides of the differential equations: fills DY(1..nn) with the derivatives
    //! at the abscissa x and the state Y; zz is the caller's auxiliary array.
    virtual void FKT(platform::Variant& nn, platform::Variant& x, platform::VArray& Y, platform::VArray& DY,
                     platform::VArray& zz);
    //! FKT of the double-precision twins.
    virtual void FKT(platform::Variant& nn, double& x, platform::DArray& Y, platform::DArray& DY,
                     platform::DArray& zz);

    //! Objective of the minimisers: its value at the trial point X.
    virtual platform::Variant F(platform::VArray& X);
    //! F of the double-precision twins.
    virtual double F(platform::DArray& X);
};

} // namespace ralvo
