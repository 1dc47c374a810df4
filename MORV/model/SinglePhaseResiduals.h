#pragma once
//! The residuals of the single-phase solve, shared by the exchanger model's own residual
//! function and by `Aplik`, which differ only in where the trial vector comes from and in the
//! scale of its duty element.

#include "MORV/model/MorvConstants.h"
#include "MORV/model/TARMST.h"
#include "Platform/Array.h"

namespace morv::detail {

//! The trial values x[1..8] of the Newton vector as doubles (x[0] not used).
using TrialValues = double[k::mainQuantities + 1];

//! Residuals [W] of the single-phase solve of the model m at the trial values x into
//! FF(1..3), the duty being dutyFactor x7 [W]; see `TARMST::FUN`.
void singlePhaseResiduals(TARMST& m, const TrialValues& x, platform::VArray& FF, double dutyFactor);

} // namespace morv::detail
