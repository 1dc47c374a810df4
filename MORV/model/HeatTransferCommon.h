#pragma once
//! Steps that the mean properties, the single-phase and the condensation heat-transfer
//! methods share: the composition array handed to the property library, the temperature
//! handed to it, the mean temperatures of the trial vector, the wall temperatures estimated
//! from the previous coefficients and the voidage of the tube bundle.

#include "MORV/model/Proud.h"
#include "MORV/model/TARMST.h"
#include "Platform/Array.h"

namespace morv::heat {

//! The composition array of a stream: elements 1 to `Nsloz` hold its mole fractions
//! `Xm(i)`, the others stay empty (elements 0 to 21; a count above 21 raises 9).
platform::VArray composition(Proud& stream);

//! Fills r afresh with the composition array of a stream, as `composition` builds it;
//! an array that already has the bounds 0 to 21 is reused, so a repeated call allocates
//! nothing.
void fillComposition(Proud& stream, platform::VArray& r);
//! The same into a kept composition array: when it was last filled from the same fractions
//! of the same stream (its mark) and the same number of components, nothing is written.
//! The number of components is asked of the stream's properties on every call.
void fillComposition(Proud& stream, CompositionArray& c);

//! Temperature handed to the property library [K] of a model temperature t [°C].
platform::Variant kelvin(double t);

//! Mean tube-side temperature of the trial vector, (xx(3) + xx(5)) / 2 [°C].
double trialTubeMean(const TARMST& he);
//! Mean shell-side temperature of the trial vector, (xx(4) + xx(6)) / 2 [°C].
double trialShellMean(const TARMST& he);

//! Stores the mean temperatures of the trial vector [°C]: `Tsi` = (xx(3) + xx(5)) / 2 on
//! the tube side, `Tso` = (xx(4) + xx(6)) / 2 on the shell side.
void storeMeanTemperatures(TARMST& he);

//! Mean temperature of the inner tube wall [°C] from the previous inside coefficient:
//! Twi = Tsi + F (1 / Alfai + Zneci) |Tsi - Tso|, F = TrTyp Kprostup Dtrubo / Dtrubi
//! rounded to single precision (the heat flux referred to the inner surface).
double innerWallTemperature(const TARMST& he);

//! Mean temperature of the outer tube wall [°C] from the previous outside coefficient:
//! Two = Tso + PlTyp Kprostup (1 / Alfao + Zneco) |Tsi - Tso|.
double outerWallTemperature(const TARMST& he);

//! Voidage of the tube bundle [-]: 1 - (pi / 4) Dtrubo / sL, or 1 - (pi / 4) Dtrubo² / (sL sT)
//! when the pitch along the flow is below the tube diameter; the ratios in single precision.
double bundleVoidage(const TARMST& he);

} // namespace morv::heat
