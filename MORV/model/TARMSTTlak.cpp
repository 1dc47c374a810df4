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
    const double q = chk::mul(chk::mul(HustTr.toDouble(), v), v) / 2.0;
    dPtru = Variant(chk::mul(q, chk::add(Gtr.toDouble(), chk::div(chk::mul(ftr.toDouble(), L), Dtrubi))));
    // One turn in a chamber between two passes: two velocity heads.
    dPkom = Variant(chk::mul(2.0, q));

    const detail::NozzleFluid inlet = detail::nozzleFluid(Tr(), TrubKap, Ttrubi, r);
    detail::tubeNozzle(Tr().m(), HrdloTri, inlet, {vtrvst, Retrvst, Gtrvst, dPtrvst});
    const detail::NozzleFluid outlet = detail::nozzleFluid(Tr(), TrubKap, Ttrubo, r);
    detail::tubeNozzle(Tr().m(), HrdloTro, outlet, {vtrvys, Retrvys, Gtrvys, dPtrvys});

    // Every pass once, every turn between two passes once, both nozzles.
    const int16_t turns = platform::toInteger(static_cast<double>(Chod) - 1.0);
    const double passes = chk::add(chk::mul(Chod, dPtru.toDouble()), chk::mul(turns, dPkom.toDouble()));
    dPtr = Variant(chk::add(chk::add(passes, dPtrvst.toDouble()), dPtrvys.toDouble()));
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
        x = chk::add(x, chk::div(std::cos(x) - c, std::sin(x)));
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
    dh = Variant(chk::sub(chk::div(chk::div(chk::mul(chk::mul(4.0, sL), sT), k::pi), d), d));
    const double reh = chk::div(chk::mul(chk::mul(dh.toDouble(), v), rho), ViskPl.toDouble());
    Reh = Variant(reh);
    const float a = chk::single(chk::div(sL, d));
    float b = chk::single(chk::div(sT, d));
    // Baffles: Int(L / dPrep - 1) with the ratio in single precision (L 3, spacing 0.3
    // gives 9); a spacing beyond the tube length leaves no baffle rather than minus one.
    const float spacings = chk::single(chk::div(L, dPrep));
    Nprep = Variant(std::fmax(std::floor(chk::single(spacings - 1.0)), 0.0f));
    // Wall-viscosity factor (mu_w / mu)^(0.57 / Reh^0.25) of the laminar forms.
    const double viscosityRatio = chk::div(ViskwPl.toDouble(), ViskPl.toDouble());
    VisKor = Variant(chk::pow(viscosityRatio, chk::div(0.57, chk::pow(reh, 0.25))));

    // Resistance coefficient of one segment.
    double f;
    if (reh < k::shellLaminarReynolds) {
        if (reh < k::shellCreepingReynolds) {
            VArray pitches(0, 1);
            pitches(0) = Variant(static_cast<float>(sL));
            pitches(1) = Variant(static_cast<float>(sT));
            f = chk::mul(chk::div(280.0, reh), chk::pow(chk::div(d, Min(pitches).toDouble()), 1.6));
        } else {
            f = chk::div(chk::mul(chk::div(106.0, reh), sL), d);
        }
        f = chk::mul(VisKor.toDouble(), f);
    } else {
        if (b < k::transversePitchLimit) b = chk::single((b + k::transversePitchLimit) / 2.0);
        if (ReP.toDouble() > k::shellReynoldsCap) ReP = Variant(k::shellReynoldsCap);
        const double rep = ReP.toDouble();
        if (Uspor == 1) {
            // In-line bundle, evaluated at Re of 10000 at least.
            const double re = std::fmax(rep, k::inlineReynoldsFloor);
            f = chk::div(
                chk::add(0.176, chk::div(chk::mul(0.32, a), chk::pow(b - 1.0, 0.43 + chk::div(1.13, a)))),
                chk::pow(re, 0.15));
        } else {
            f = chk::div(chk::add(0.92, chk::div(0.44, chk::pow(b - 1.0, 1.08))), chk::pow(rep, 0.15));
        }
        // Wall-viscosity factor (mu_w / mu)^0.14 of the turbulent forms.
        VisKor = Variant(chk::pow(viscosityRatio, 0.14));
        f = chk::mul(VisKor.toDouble(), chk::mul(0.98, f));
        if (rep < k::shellTransitionReynolds) {
            // Straight line from the laminar value at Reh = 100, placed at the Reynolds
            // number Dtrubi 100 / dh, to the turbulent value at 2000.
            const double f100 = chk::div(chk::mul(106.0 / 100.0, sL), d);
            const double re100 = chk::div(chk::mul(static_cast<double>(Dtrubi), 100.0), dh.toDouble());
            f = chk::add(f100, chk::div(chk::mul(chk::sub(f, f100), chk::sub(rep, re100)),
                                        chk::sub(k::shellTransitionReynolds, re100)));
        }
    }
    const double rows = NstredL;
    if (rows < k::fewRows) f = chk::mul(f, chk::add(chk::div(1.1098, rows), 0.93617));
    fpl = Variant(f);

    // One segment: rows x fpl x rho v^2 / 2 [Pa].
    double segment = chk::mul(chk::mul(chk::mul(chk::mul(rows, f), rho), v), v) / 2.0;
    const double baffles = Nprep.toDouble();
    if (baffles < k::baffleThreshold) segment = k::unbaffledShare * segment;
    dPplsv = Variant(segment);

    if (baffles > k::baffleThreshold) {
        // Window: the circular segment of height (1 - hPrep) Dplast, central angle 2x with
        // cos x = 2 hPrep - 1, less the tubes' share of the shell cross-section.
        const double phi = 2.0 * windowHalfAngle(2.0 * hPrep - 1.0);
        const double D = Dplast;
        const double tubeShare = chk::mul(Ntrub, chk::mul(chk::div(d, D), chk::div(d, D)));
        const double area = chk::mul(chk::mul(chk::mul(D, D) / 8.0, phi - std::sin(phi)), 1.0 - tubeShare);
        const double velocity = chk::div(chk::div(Pl().m(), rho), area);
        vus = Variant(velocity);
        dPus = Variant(chk::mul(chk::mul(k::windowLoss, rho), chk::mul(velocity, velocity)) / 2.0);
    } else {
        vus = Variant(0.0);
        dPus = Variant(0.0);
    }

    const detail::NozzleFluid inlet = detail::nozzleFluid(Pl(), PlastKap, Tplasti, r);
    detail::shellNozzle(Pl().m(), HrdloPli, inlet, {vplvst, Replvst, fplvst, dPplvst});
    const detail::NozzleFluid outlet = detail::nozzleFluid(Pl(), PlastKap, Tplasto, r);
    detail::shellNozzle(Pl().m(), HrdloPlo, outlet, {vplvys, Replvys, fplvys, dPplvys});

    // One segment more than there are baffles, one window per baffle, both nozzles.
    const double bundle =
        chk::add(chk::mul(baffles + 1.0, dPplsv.toDouble()), chk::mul(baffles, dPus.toDouble()));
    dPpl = Variant(chk::add(chk::add(bundle, dPplvst.toDouble()), dPplvys.toDouble()));
    if (Tlz) *Tlz = dPpl;
}

} // namespace morv
