#pragma once
//! The design solve of the condenser as the calculation command sets it up: start values,
//! the Newton vector from the model's fields, the positions of the three unknowns, tolerance
//! and damping, the damped Newton method with the program's condensation model as the
//! function object, the write-back and the pressure drops. The program's windows, the
//! sensitivity analysis and the tests run it through `designSolve`; its steps are public for
//! a caller that needs one of them alone.
//!
//! Everything works on the program-wide state: `Vymenik`, `Kondenzator` (whose `he` the
//! solve sets to `Vymenik`), the arrays `VektorX`, `VektorZ`, `Nezname`, `Rezidua`, the
//! damping `TlumKonst`, `TlumAkt` and the iteration limit `MaxIter`. Nothing is trapped: a
//! run-time error (of the property library, of the arithmetic) ends the solve where it
//! arises, before the write-back.

#include "MORV/model/ProgramState.h"
#include "MORV/model/TARMMORV.h"
#include "MORV/model/TARMST.h"
#include "MorvModel/MorvModelExport.h"
#include "Platform/Array.h"
#include "Platform/Variant.h"

#include <cstdint>
#include <functional>

namespace morv {

// ---- Steps of the set-up ---------------------------------------------------------------------

//! Conductance of the tube wall with both fouling layers, referred to the outer tube surface
//! [W/m2/K]: 1 / (Zneco + Dtrubo / Vodw / 2 ln(Dtrubo / Dtrubi) + Dtrubo / Dtrubi Zneci).
MORVMODEL_EXPORT double wallConductance(const TARMST& m);

//! Start values of the design solve: Alfakon = `wallConductance`, Alfai0 = 180 and
//! Alfao0 = 150 W/m2/K, Alfai and Alfao from them, and Kprostup = 1 / (1/Alfakon + 1/Alfao +
//! (Dtrubo/Dtrubi)/Alfai) with the sum rounded to single precision before it is inverted.
MORVMODEL_EXPORT void startCoefficients(TARMST& m);

//! The Newton vector from the model's fields: xx(1) = Tr.m, xx(2) = Pl.m, xx(3..6) = Ttrubi,
//! Tplasti, Ttrubo, Tplasto, xx(7) = Q / 10000, xx(8) = Plocha / Ntrub / 3.1415 / Dtrubo, the
//! tube length of the area. For the unknowns the fields hold the estimates.
MORVMODEL_EXPORT void vectorFromFields(TARMST& m);

//! Puts the position i + 1 of every unknown (IPOM(i) = 1, i = 0 to 7 ascending) into
//! positions(1), positions(2), ... and returns the number of unknowns, the sum of IPOM(0..7).
MORVMODEL_EXPORT int16_t unknownPositions(const TARMST& m, platform::VArray& positions);

//! True when exactly three of the eight main quantities are unknown, at least one of them
//! among the tube-side quantities and the duty (IPOM 0, 2, 4, 6) and at least one among the
//! shell-side quantities and the duty (IPOM 1, 3, 5, 6).
MORVMODEL_EXPORT bool unknownsChosenRightly(const TARMST& m);

//! Tolerance and damping of a Newton solve.
struct SolveControl {
    double Eps;             //!< largest relative correction at convergence [-]
    platform::Variant ALAM; //!< damping [-]
};

//! Tolerance and damping of the design solve: 0.0005 and the basic damping TlumKonst; with
//! inerts above 0.01 and a method above 1 the damping TlumKonst / 25; with inerts above
//! 0.05 (whatever the method) TlumKonst / 45 and the tolerance 0.0025. The method and the
//! inert fraction are those of the condensation model, the fraction compared in single
//! precision.
MORVMODEL_EXPORT SolveControl designSolveControl(const platform::Variant& TlumKonst,
                                                 const TARMMORV& condenser);

//! Writes the solved vector xx(1..8) back into the fields: Tr.m, Pl.m, the four temperatures,
//! Q = 10000 xx(7) and Plocha = xx(8) Ntrub 3.1415 Dtrubo.
MORVMODEL_EXPORT void fieldsFromVector(TARMST& m);

// ---- The whole solve -----------------------------------------------------------------------

//! Which caller's solve is run.
enum class DesignSolveKind {
    //! The calculation command's solve: the shell outlet estimate lowered to the dew point,
    //! the start values, the tolerance and damping of `designSolveControl` (kept in
    //! `TlumAkt`); after a solve that did not converge the residuals at its last vector go
    //! into `Rezidua`; the vector goes back into the fields whether or not it converged, the
    //! pressure drops follow only a converged solve.
    Calculation,
    //! One point of the sensitivity analysis: the model as it stands (no start values),
    //! tolerance 0.001 and damping 0.5; the vector goes back into `xx` and the fields whether
    //! or not it converged, and the pressure drops of that vector follow in either case, so
    //! that an unknown flow gives its own pressure drop.
    AnalysisPoint,
};

//! What stopped a design solve before or after the Newton method.
enum class DesignSolveStatus {
    Solved,        //!< the Newton method ran; its status is in ID
    WrongUnknowns, //!< not three unknowns with one on each side: nothing was changed
    Stopped,       //!< the caller's check before the Newton method said no
};

struct DesignSolveResult {
    DesignSolveStatus status = DesignSolveStatus::Stopped;
    //! The Newton method's status: 0 converged, 1 iteration limit, 2 singular step.
    platform::Variant ID;
    //! The iteration count the Newton method returned.
    platform::Variant iterations;
    //! The tolerance and damping the solve used.
    SolveControl control{};

    bool converged() const {
        return status == DesignSolveStatus::Solved && ID == platform::Variant(int16_t{0});
    }
};

//! Runs the design solve of the program's exchanger model `Vymenik` for the three unknowns
//! flagged in its IPOM(0..7), in this order:
//!  1. the positions of the unknowns into `Nezname` (a wrong choice ends here);
//!  2. (calculation) a shell outlet estimate above the shell's dew point TrbP of the last
//!     property calculation is lowered to it (when one is known: the calculation command
//!     refuses to solve while TrbP is below 1 °C), then the start values of
//!     `startCoefficients`;
//!  3. the vector from the fields and the properties of both streams at the fields'
//!     temperatures (`TARMST::FyzVlast` without the trial vector);
//!  4. beforeNewton, when given: the caller's checks of these properties and estimates;
//!     false ends the solve here;
//!  5. `Kondenzator.he` = `Vymenik`; `VektorX` = xx; `Ralvo.Newton` with `Kondenzator`,
//!     3 equations in the 3 unknowns at `Nezname`, `VektorZ`, the tolerance and damping of
//!     the kind and `MaxIter` iterations;
//!  6. (calculation, not converged) `Kondenzator.FUN` at the last vector into `Rezidua`;
//!  7. the write-back into `xx` and the fields and the pressure drops of both sides
//!     (`Kondenzator.TlakZtrTrubky`, `TlakZtrPlast`), as the kind says.
//! The vector exists in three copies, and which one counts changes with the step: up to step 3
//! the fields (flows, temperatures, duty, area) hold the estimates and `vectorFromFields` makes
//! `he.xx` from them; in step 5 `VektorX` is the Newton method's iterate and counts alone:
//! every residual evaluation copies its trial vector (an iterate or a point of the difference
//! Jacobian) into `he.xx`, so `he.xx` holds whatever was evaluated last, and the fields keep the
//! estimates; the method's last evaluation is at its last iterate, so when it returns `he.xx`
//! equals `VektorX`. In step 7 `VektorX` is copied into `he.xx` and `fieldsFromVector` writes
//! it into the fields, which from then on count.
//! For the length of the solve each stream's bubble and dew point is asked of the property
//! library once (`FixedBoilingPoints`): they depend only on the pressure and composition.
//! The program computes the properties once before (after loading a task or entering a
//! composition, with `Kondenzator.FyzVlast`), which gives step 2 its dew point.
MORVMODEL_EXPORT DesignSolveResult designSolve(ProgramState& state,
                                               DesignSolveKind kind = DesignSolveKind::Calculation,
                                               const std::function<bool()>& beforeNewton = {});

} // namespace morv
