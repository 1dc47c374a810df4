//! Mean physical properties of the two streams at their mean temperatures, and the numbers
//! of the heat balance and of the flow that follow from them.

#include "MORV/model/HeatTransferCommon.h"
#include "MORV/model/MorvConstants.h"
#include "MORV/model/TARMST.h"
#include "Platform/Checked.h"

namespace morv {

namespace chk = platform::chk;
using platform::Variant;
using platform::VArray;
using platform::chk::Num;

namespace {

//! The four properties of one side.
struct SideFields {
    Variant& rho;    //!< density [kg/m3]
    Variant& mu;     //!< viscosity [Pa.s]
    Variant& lambda; //!< thermal conductivity [W/m/K]
    Variant& cp;     //!< heat capacity [J/kg/K]
};

//! Stores density, viscosity, conductivity and heat capacity of a stream at T [K], in this
//! order: of the liquid, or of the real gas at the stream's pressure.
void storeSide(Proud& stream, bool liquid, const Variant& T, const VArray& r, const SideFields& out) {
    StreamProperties& props = stream.properties();
    if (liquid) {
        out.rho = props.ROLW(T, r);
        out.mu = props.ETAL(T, r);
        out.lambda = props.ALAL(T, r);
        out.cp = props.CPLW(T, r);
    } else {
        out.rho = props.RROGW(T, Variant(stream.P()), r);
        out.mu = props.ETAG(T, r);
        out.lambda = props.ALAG(T, r);
        out.cp = props.CPGW(T, r);
    }
}

//! A bubble or dew point of the property library [K] as a model temperature [°C]; the
//! library's 0 (no point found) gives -273.15.
double celsius(const Variant& T) {
    return Num(T.toDouble()) - k::kelvinOffset;
}

//! Prandtl number cp mu / lambda [-].
double prandtl(const Variant& cp, const Variant& mu, const Variant& lambda) {
    return Num(cp.toDouble()) * mu.toDouble() / lambda.toDouble();
}

//! Mean velocity in one tube [m/s] of the mass flow m [kg/s] shared by Ntrub tubes of bore
//! d [m]: m 4 / pi / Ntrub / d / d / rho.
double tubeVelocity(double m, double Ntrub, double d, double rho) {
    return Num(m) * 4.0 / k::pi / Ntrub / d / d / rho;
}

//! Mean velocity in the gap of the centre row [m/s] of the mass flow m [kg/s] through the
//! free width w [m] between two baffles a spacing s [m] apart: m / w / s / rho.
double bundleVelocity(double m, double w, double s, double rho) {
    return Num(m) / w / s / rho;
}

} // namespace

void TARMST::FyzVlast(const Variant* ProX) {
    const bool trial = ProX != nullptr;

    // Mean temperatures [°C].
    if (trial) {
        Ttrubstr = heat::trialTubeMean(*this);
        Tplaststr = heat::trialShellMean(*this);
    } else {
        Ttrubstr = (Num(Ttrubi) + Ttrubo) / 2.0;
        Tplaststr = (Num(Tplasti) + Tplasto) / 2.0;
    }

    Proud& tube = Tr();
    Proud& shell = Pl();
    heat::fillComposition(tube, m_rTr);
    heat::fillComposition(shell, m_rPl);
    StreamProperties& tubeProps = tube.properties();
    StreamProperties& shellProps = shell.properties();
    const Variant tubeT = heat::kelvin(Ttrubstr.toDouble());
    const Variant shellT = heat::kelvin(Tplaststr.toDouble());
    const Variant tubeP(tube.P());
    const Variant shellP(shell.P());

    const VArray& rTr = m_rTr.r;
    const VArray& rPl = m_rPl.r;

    storeSide(tube, TrubKap, tubeT, rTr, {HustTr, ViskTr, VodTr, CpTr});
    storeSide(shell, PlastKap, shellT, rPl, {HustPl, ViskPl, VodPl, CpPl});

    // Heats of vaporisation, whatever the phase; bubble and dew points at the streams'
    // pressures [°C].
    dHTr = tubeProps.DHVW(tubeT, rTr);
    dHPl = shellProps.DHVW(shellT, rPl);
    TbvT = celsius(tubeProps.TBV(tubeP, rTr));
    TbvP = celsius(shellProps.TBV(shellP, rPl));
    TrbT = celsius(tubeProps.TRB(tubeP, rTr));
    TrbP = celsius(shellProps.TRB(shellP, rPl));

    PrT = prandtl(CpTr, ViskTr, VodTr);
    PrP = prandtl(CpPl, ViskPl, VodPl);

    // The heat balance of the flows [kg/s] and temperatures [°C]: W = m cp [W/K],
    // R = WTr / WPl, Pterm = (tube outlet - tube inlet) / (shell inlet - tube inlet).
    const double cpTr = CpTr.toDouble();
    const double cpPl = CpPl.toDouble();
    const double mTr = trial ? xx(1).toDouble() : tube.m();
    const double mPl = trial ? xx(2).toDouble() : shell.m();
    WTr = Num(mTr) * cpTr;
    WPl = Num(mPl) * cpPl;
    Rkap = Num(mTr) * cpTr / cpPl / mPl;
    if (trial)
        Pterm = (Num(xx(5).toDouble()) - xx(3).toDouble()) / (Num(xx(4).toDouble()) - xx(3).toDouble());
    else
        Pterm = (Num(Ttrubo) - Ttrubi) / (Num(Tplasti) - Ttrubi);

    // Velocities [m/s]. The field values leave out the number of passes; without tubes
    // the flow values keep their earlier values.
    bool rowDoesNotFit = false;
    if (trial) {
        vtrubstr = Num(tubeVelocity(mTr, Ntrub, Dtrubi, HustTr.toDouble())) * Chod;
        const float width = chk::single(Dplast - Num(NstredT) * Dtrubo);
        vplaststr = bundleVelocity(mPl, width, dPrep, HustPl.toDouble());
    } else {
        if (Dtrubi == 0.0f || Ntrub == 0) return;
        vtrubstr = tubeVelocity(mTr, Ntrub, Dtrubi, HustTr.toDouble());
        // A centre row wider than the shell leaves no gap: the velocity takes its floor and
        // the Reynolds number below its negative sign, the mark of that misfit.
        const double width = Dplast - Num(NstredT) * Dtrubo;
        rowDoesNotFit = !(width > 0.0);
        vplaststr = rowDoesNotFit ? k::velocityFloor : bundleVelocity(mPl, width, dPrep, HustPl.toDouble());
    }

    if (vplaststr.toDouble() < 0.0) vplaststr = k::velocityFloor;
    if (vtrubstr.toDouble() < 0.0) vtrubstr = k::velocityFloor;
    if (Pterm < 0.0f) Pterm = k::balanceFloor;
    if (Rkap < 0.0f) Rkap = k::balanceFloor;

    ReT = Num(vtrubstr.toDouble()) * Dtrubi * HustTr.toDouble() / ViskTr.toDouble();
    const double reP = Num(Dtrubo) * vplaststr.toDouble() * HustPl.toDouble() / ViskPl.toDouble();
    ReP = rowDoesNotFit ? -reP : reP;
    dL = chk::single(Num(Dtrubi) / L);
}

} // namespace morv
