//! Single-phase pressure drops of the tube side and of the shell side.

#include "MORV/model/MorvConstants.h"
#include "MORV/model/PressureDropParts.h"
#include "MORV/model/TARMST.h"
#include "Platform/Checked.h"
#include "Platform/Conversions.h"

#include <cmath>
#include <cstdint>

namespace morv {

namespace chk = platform::chk;
using platform::Variant;
using platform::VArray;
using platform::chk::Num;

Variant TARMST::Min(VArray& x) const {
    return detail::smallest(x);
}

void TARMST::TlakZtrTrubky(Variant* Tlz) {
    const VArray r = detail::composition(Tr());

    // Local losses of one pass [velocity heads], the three tabulated coefficients summed
    // as C + (B + A): 2.0 + (0.16 + 1.0) below Re 4000, 1.0 + (0.065 + 0.5) from 4000.
    const double re = ReT.toDouble();
    Gtr = Variant(re < k::tubeLossReynolds ? 2.0 + (0.16 + 1.0) : 1.0 + (0.065 + 0.5));
    ftr = HLTR(ReT, Variant(static_cast<double>(Dtrubi)), Variant(static_cast<double>(Drsnost)));

    // One pass: q (Gtr + lambda L / d), with the velocity head q = rho v^2 / 2 [Pa].
    const double v = vtrubstr.toDouble();
    const double q = Num(HustTr.toDouble()) * v * v / 2.0;
    dPtru = Variant(q * (Gtr.toDouble() + Num(ftr.toDouble()) * L / Dtrubi));
    // One turn in a chamber between two passes: two velocity heads.
    dPkom = Variant(2.0 * Num(q));

    const detail::NozzleFluid inlet = detail::nozzleFluid(Tr(), TrubKap, Ttrubi, r);
    detail::tubeNozzle(Tr().m(), HrdloTri, inlet, {vtrvst, Retrvst, Gtrvst, dPtrvst});
    const detail::NozzleFluid outlet = detail::nozzleFluid(Tr(), TrubKap, Ttrubo, r);
    detail::tubeNozzle(Tr().m(), HrdloTro, outlet, {vtrvys, Retrvys, Gtrvys, dPtrvys});

    // Every pass once, every turn between two passes once, both nozzles.
    const int16_t turns = platform::toInteger(static_cast<double>(Chod) - 1.0);
    const double passes = Num(Chod) * dPtru.toDouble() + Num(turns) * dPkom.toDouble();
    dPtr = Variant(Num(passes) + dPtrvst.toDouble() + dPtrvys.toDouble());
    if (Tlz) *Tlz = dPtr;
}

namespace {

//! Half-angle x [rad] of a baffle window: cos x = c by Newton steps from x = 1, at least
//! one step; the 32768th step overflows the 16-bit step counter (error 6), which ends the
//! search when no angle exists (c outside -1..1).
double windowHalfAngle(double c) {
    double x = 1.0;
    int16_t steps = 0;
    do {
        if (steps == INT16_MAX) platform::raise(platform::err::Overflow);
        ++steps;
        x = x + (Num(std::cos(x)) - c) / std::sin(x);
    } while (!(std::fabs(std::cos(x) - c) < k::windowAngleTolerance));
    return x;
}

} // namespace

void TARMST::TlakZtrPlast(Variant* Tlz) {
    const VArray r = detail::composition(Pl());
    const double d = Dtrubo;
    const double rho = HustPl.toDouble();
    const double v = vplaststr.toDouble();

    // Hydraulic diameter of the bundle: 4 sL sT / (pi d) - d [m].
    dh = Variant(4.0 * Num(sL) * sT / k::pi / d - d);
    const double reh = Num(dh.toDouble()) * v * rho / ViskPl.toDouble();
    Reh = Variant(reh);
    const float a = chk::single(Num(sL) / d);
    float b = chk::single(Num(sT) / d);
    // Baffles: Int(L / dPrep - 1) with the ratio in single precision (L 3, spacing 0.3
    // gives 9); a spacing beyond the tube length leaves no baffle rather than minus one.
    const float spacings = chk::single(Num(L) / dPrep);
    Nprep = Variant(std::fmax(std::floor(chk::single(Num(spacings) - 1.0)), 0.0f));
    // Wall-viscosity factor (mu_w / mu)^(0.57 / Reh^0.25) of the laminar forms.
    const double viscosityRatio = Num(ViskwPl.toDouble()) / ViskPl.toDouble();
    VisKor = Variant(chk::pow(Num(viscosityRatio), 0.57 / chk::pow(Num(reh), 0.25)));

    // Resistance coefficient of one segment.
    double f;
    if (reh < k::shellLaminarReynolds) {
        if (reh < k::shellCreepingReynolds) {
            VArray pitches(0, 1);
            pitches(0) = Variant(static_cast<float>(sL));
            pitches(1) = Variant(static_cast<float>(sT));
            f = 280.0 / Num(reh) * chk::pow(Num(d) / Min(pitches).toDouble(), 1.6);
        } else {
            f = 106.0 / Num(reh) * sL / d;
        }
        f = Num(VisKor.toDouble()) * f;
    } else {
        if (b < k::transversePitchLimit) b = chk::single((Num(b) + k::transversePitchLimit) / 2.0);
        if (ReP.toDouble() > k::shellReynoldsCap) ReP = Variant(k::shellReynoldsCap);
        const double rep = ReP.toDouble();
        if (Uspor == 1) {
            // In-line bundle, evaluated at Re of 10000 at least.
            const double re = std::fmax(rep, k::inlineReynoldsFloor);
            f = (0.176 + 0.32 * Num(a) / chk::pow(Num(b) - 1.0, 0.43 + 1.13 / Num(a))) /
                chk::pow(Num(re), 0.15);
        } else {
            f = (0.92 + 0.44 / chk::pow(Num(b) - 1.0, 1.08)) / chk::pow(Num(rep), 0.15);
        }
        // Wall-viscosity factor (mu_w / mu)^0.14 of the turbulent forms.
        VisKor = Variant(chk::pow(viscosityRatio, 0.14));
        f = VisKor.toDouble() * (0.98 * Num(f));
        if (rep < k::shellTransitionReynolds) {
            // Straight line from the laminar value at Reh = 100, placed at the Reynolds
            // number Dtrubi 100 / dh, to the turbulent value at 2000.
            const double f100 = Num(106.0) / 100.0 * sL / d;
            const double re100 = Num(Dtrubi) * 100.0 / dh.toDouble();
            f = f100 + (Num(f) - f100) * (Num(rep) - re100) / (Num(k::shellTransitionReynolds) - re100);
        }
    }
    const double rows = NstredL;
    if (rows < k::fewRows) f = f * (1.1098 / Num(rows) + 0.93617);
    fpl = Variant(f);

    // One segment: rows x fpl x rho v^2 / 2 [Pa].
    double segment = Num(rows) * f * rho * v * v / 2.0;
    const double baffles = Nprep.toDouble();
    if (baffles < k::baffleThreshold) segment = k::unbaffledShare * Num(segment);
    dPplsv = Variant(segment);

    if (baffles > k::baffleThreshold) {
        // Window: the circular segment of height (1 - hPrep) Dplast, central angle 2x with
        // cos x = 2 hPrep - 1, less the tubes' share of the shell cross-section.
        const double phi = 2.0 * Num(windowHalfAngle(2.0 * Num(hPrep) - 1.0));
        const double D = Dplast;
        const double tubeShare = Ntrub * (Num(d) / D * (Num(d) / D));
        const double area = Num(D) * D / 8.0 * (Num(phi) - std::sin(phi)) * (1.0 - Num(tubeShare));
        const double velocity = Num(Pl().m()) / rho / area;
        vus = Variant(velocity);
        dPus = Variant(Num(k::windowLoss) * rho * (Num(velocity) * velocity) / 2.0);
    } else {
        vus = Variant(0.0);
        dPus = Variant(0.0);
    }

    const detail::NozzleFluid inlet = detail::nozzleFluid(Pl(), PlastKap, Tplasti, r);
    detail::shellNozzle(Pl().m(), HrdloPli, inlet, {vplvst, Replvst, fplvst, dPplvst});
    const detail::NozzleFluid outlet = detail::nozzleFluid(Pl(), PlastKap, Tplasto, r);
    detail::shellNozzle(Pl().m(), HrdloPlo, outlet, {vplvys, Replvys, fplvys, dPplvys});

    // One segment more than there are baffles, one window per baffle, both nozzles.
    const double bundle = (Num(baffles) + 1.0) * dPplsv.toDouble() + Num(baffles) * dPus.toDouble();
    dPpl = Variant(Num(bundle) + dPplvst.toDouble() + dPplvys.toDouble());
    if (Tlz) *Tlz = dPpl;
}

} // namespace morv
