#include "MORV/model/TARMMORV.h"

#include "MORV/model/HeatTransferCommon.h"
#include "MORV/model/MorvConstants.h"
#include "MORV/model/ProgramState.h"
#include "Platform/Checked.h"

#include <cmath>

namespace morv {

namespace chk = platform::chk;
using platform::Variant;
using platform::VArray;
using platform::chk::Num;

namespace {

Num cube(double x) {
    return Num(x) * x * x;
}

//! Prandtl number of the condensate at the wall temperature Tw [K] [-].
double wallPrandtl(StreamProperties& props, const VArray& r, const Variant& Tw) {
    const double cw = props.CPLW(Tw, r).toDouble();
    const double etaw = props.ETAL(Tw, r).toDouble();
    return Num(cw) * etaw / props.ALAL(Tw, r).toDouble();
}

//! Stores the latent heat corrected for the subcooled film [J/kg]: the heat of vaporisation
//! at the dew point tDew plus 0.68 Cpko (tInlet - tWall) [°C].
void storeLatentHeat(TARMMORV& c, StreamProperties& props, const VArray& r, double tDew, double tInlet,
                     double tWall) {
    c.dHvkor = props.DHVW(heat::kelvin(tDew), r);
    const double subcooling = 0.68 * Num(c.Cpko) * (Num(tInlet) - tWall) / c.dHvkor;
    c.dHvkor = c.dHvkor * (1.0 + Num(subcooling));
}

//! Stores the Archimedes number of the condensate [-] on the length scale length [m]:
//! Ar = (rho_l - rho_v) / rho_l g length³ rho_l² / mu_l².
void storeArchimedes(TARMMORV& c, double vapourDensity, double gravity, double length) {
    const double buoyancy = (Num(c.Hustko) - vapourDensity) / c.Hustko;
    const double Ar = Num(buoyancy) * gravity * cube(length) / c.Viskko / c.Viskko;
    c.Ar = Num(Ar) * c.Hustko * c.Hustko;
}

//! Stores the criterion K32 = dHvkor / (Cpko dT) [-] of the temperature difference dT
//! [K] between the dew point and the wall; 1 when it is negative.
void storeK32(TARMMORV& c, double dT) {
    c.K32 = Num(c.dHvkor) / c.Cpko / dT;
    if (c.K32 < 0.0f) c.K32 = 1.0;
}

//! The group lambda³ g rho² of the condensate that every film correlation contains.
Num filmGroup(const TARMMORV& c) {
    return cube(c.Vodko) * k::g * c.Hustko * c.Hustko;
}

//! Nusselt number on the tube diameter d [m] of film condensation with the loading Gamma
//! [kg/s/m]: (d / lambda) C (lambda³ g rho² / (mu Gamma))^0.3333.
double loadingNusselt(const TARMMORV& c, double d, double C, double Gamma) {
    const double group = filmGroup(c) / c.Viskko / Gamma;
    return Num(d) / c.Vodko * C * chk::pow(Num(group), 0.3333);
}

//! Nusselt number on the tube diameter d [m] of film condensation on a vertical tube of
//! length L [m] with the temperature difference dT [K]: with Z = lambda³ g rho² r / (mu L dT),
//! (d / lambda) 1.13 Z^0.25 below Z = 1e15, else (d / lambda) 0.068 Z^0.33333.
double verticalDifferenceNusselt(const TARMMORV& c, double d, double L, double dT) {
    const double Z = filmGroup(c) * c.dHvkor / c.Viskko / L / dT;
    if (Z < 1e15) return Num(d) / c.Vodko * 1.13 * chk::pow(Num(Z), 0.25);
    return Num(d) / c.Vodko * 0.068 * chk::pow(Num(Z), 0.33333);
}

//! Nusselt number of the dimensionless film correlation C (Ar Pr K32)^0.25 (Pr / Pr_w)^0.25,
//! on the length scale of Ar.
double archimedesNusselt(double C, double product, double Pr, double Prw) {
    return C * chk::pow(Num(product), 0.25) * chk::pow(Num(Pr) / Prw, 0.25);
}

//! Nusselt number of condensation inside a horizontal tube [-]. With the kinematic
//! viscosities nu_l, nu_v of condensate and vapour and the regime limits
//!   X = 500 (d³ g / nu_l²)^0.25 (rho_v / rho_l)^0.4 (nu_l / nu_v)^0.12,  Y = 10000 (rho_v / rho_l)^0.5:
//!   Y < Re < X:  0.0138 X^0.7 Re^0.1 Pr^0.4 (rho_l / rho_v)^0.4 (nu_v / nu_l)^0.12 / D
//!   Re > X:      0.0138 Re^0.8 Pr^0.4 (rho_l / rho_v)^0.4 (nu_v / nu_l)^0.1 / D
//!   otherwise:   the coefficient 1946 W/m2/K,
//! with D = (1 - 0.05)^1.5.
double horizontalTubeNusselt(const TARMMORV& c, const TARMST& he) {
    const double d = he.Dtrubi;
    const double rhoV = he.HustTr.toDouble();
    const double nuL = Num(c.Viskko) / c.Hustko;
    const double nuV = Num(he.ViskwTr.toDouble()) / rhoV;
    const double densityRatio = Num(rhoV) / c.Hustko;
    const double X = 500.0 * chk::pow(cube(d) * k::g / nuL / nuL, 0.25) *
                     (chk::pow(Num(densityRatio), 0.4) * chk::pow(Num(nuL) / nuV, 0.12));
    const double Y = 10000.0 * chk::pow(Num(densityRatio), 0.5);
    const double D = chk::pow(1.0 - Num(0.05), 1.5);
    const double Re = c.Reko;
    const double common = chk::pow(Num(c.Prko), 0.4) * chk::pow(Num(c.Hustko) / rhoV, 0.4);
    if (Y < Re && Re < X)
        return 0.0138 * chk::pow(Num(X), 0.7) * chk::pow(Num(Re), 0.1) * common *
               chk::pow(Num(nuV) / nuL, 0.12) / D;
    if (Re > X) return 0.0138 * chk::pow(Num(Re), 0.8) * common * chk::pow(Num(nuV) / nuL, 0.1) / D;
    return 1946.0 * Num(d) / c.Vodko;
}

//! Factor of the vapour velocity on the coefficient of condensation on a horizontal bundle
//! [-], 33.2 (v² / (g Dplast / 0.9) rho_v / rho_l)^0.08 (Gr Pr K32)^-0.128; 1 outside
//! 400 < v rho_v < 6000 kg/m2/s. With the wall above the dew point the group Gr Pr K32 is
//! 0 or negative, where the power has no value: the vapour velocity then acts through no
//! factor.
double vapourVelocityFactor(TARMMORV& c, TARMST& he, StreamProperties& props, const VArray& r, double dT) {
    const double v = he.vplaststr.toDouble();
    const double rhoV = he.HustPl.toDouble();
    const double massVelocity = Num(v) * rhoV;
    if (!(400.0 < massVelocity && massVelocity < 6000.0)) return 1.0;
    const double expansion = props.ObjRozL(heat::kelvin(he.Tplaststr.toDouble()), r).toDouble();
    const double Gr = Num(expansion) * k::g * cube(he.Dtrubo) * (Num(c.Hustko) * c.Hustko) /
                      (Num(c.Viskko) * c.Viskko) * dT;
    const double group = Num(Gr) * c.Prko * c.K32;
    if (!(group > 0.0)) return 1.0;
    const double froude = Num(v) * v / k::g / (Num(he.Dplast) / 0.9);
    return 33.2 * chk::pow(Num(froude) * rhoV / c.Hustko, 0.08) * chk::pow(Num(group), -0.128);
}

//! Factor of a wavy film [-]: 0.8 Re^0.11 when the film Reynolds number Re exceeds
//! Re_kr = 0.6 ((rho_l g rho_l / mu_l²) (sigma / (g (rho_l - rho_v)))^1.5)^(2/11), else 1.
double waveFactor(const TARMMORV& c, double sigma, double rhoV) {
    const double gravityGroup = Num(c.Hustko) * k::g * c.Hustko / c.Viskko / c.Viskko;
    const double capillaryLength = Num(sigma) / k::g / (Num(c.Hustko) - rhoV);
    const double Rekr = 0.6 * chk::pow(Num(gravityGroup) * chk::pow(Num(capillaryLength), 1.5), 2.0 / 11.0);
    if (c.Reko > Rekr) return 0.8 * chk::pow(Num(c.Reko), 0.11);
    return 1.0;
}

//! Factor of non-condensing inerts of mole fraction x above 0.001 [-]:
//! 0.0052881 / (x + 0.0058239) + 0.089245, and 0.15 above 0.1 (compared in single precision).
double inertFactor(float x) {
    if (x > 0.1f) return 0.15;
    return 0.0052881 / (Num(x) + 0.0058239) + 0.089245;
}

} // namespace

void TARMMORV::PrestupTrubky() {
    TARMST& h = he();
    if (h.TrubKap) {
        h.PrestupTrubky();
        return;
    }
    Proud& stream = h.Tr();
    StreamProperties& props = stream.properties();
    heat::fillComposition(stream, m_rTr);
    const VArray& r = m_rTr.r;
    heat::storeMeanTemperatures(h);
    h.Twi = heat::innerWallTemperature(h);
    const double tWall = h.Twi.toDouble();
    const Variant Tw = heat::kelvin(tWall);
    h.ViskwTr = props.ETAG(Tw, r);

    storeCondensate(props, r, h.Ttrubstr.toDouble());
    const double Prw = wallPrandtl(props, r, Tw);
    double dT = Num(h.TrbT.toDouble()) - tWall;
    storeLatentHeat(*this, props, r, h.TrbT.toDouble(), h.xx(3).toDouble(), tWall);
    storeArchimedes(*this, h.HustTr.toDouble(), k::g, h.L);
    storeK32(*this, dT);

    // The program's method selector rules, not this object's own MetodaP (see ProgramState).
    if (program().Kondenzator().MetodaP == k::fixedCoefficientMethod) {
        h.NuT = Num(h.AlfaiK.toDouble()) * h.Dtrubi / Vodko;
        h.Alfai = h.AlfaiK;
        return;
    }

    // Condensate loading of the wetted perimeter [kg/s/m] of the trial flow: the tubes of one
    // pass share it.
    const double Gamma = Num(h.xx(1).toDouble()) / h.Dtrubi / k::pi / h.Ntrub * h.Chod;

    if (h.Natok == 0) {
        Reko = 4.0 * Num(Gamma) / Viskko;
        h.NuT = horizontalTubeNusselt(*this, h);
    } else {
        Reko = Num(Gamma) / Viskko;
        switch (MetodaP) {
        case 1:
            h.NuT = loadingNusselt(*this, h.Dtrubi, 0.926, Gamma);
            break;
        case 2:
            if (dT < 0.0) dT = 3.0;
            h.NuT = verticalDifferenceNusselt(*this, h.Dtrubi, h.L, dT);
            break;
        case 3: {
            const double product = Num(Prko) * Ar * K32;
            const double NuL = archimedesNusselt(1.13, product, Prko, Prw);
            h.Alfai = Num(NuL) * Vodko / h.L;
            h.NuT = Num(h.Alfai.toDouble()) * h.Dtrubi / Vodko;
            break;
        }
        case k::fixedCoefficientMethod:
            h.NuT = Num(h.AlfaiK.toDouble()) * h.Dtrubi / Vodko;
            break;
        default:
            break;
        }
    }
    h.Alfai = Num(h.NuT.toDouble()) * Vodko / h.Dtrubi;
}

void TARMMORV::PrestupPlast() {
    TARMST& h = he();
    if (h.PlastKap) {
        h.PrestupPlast();
        return;
    }
    Proud& stream = h.Pl();
    StreamProperties& props = stream.properties();
    heat::fillComposition(stream, m_rPl);
    const VArray& r = m_rPl.r;
    h.Two = heat::outerWallTemperature(h);
    const double tWall = h.Two.toDouble();
    const Variant Tw = heat::kelvin(tWall);
    h.ViskwPl = props.ETAG(Tw, r);

    storeCondensate(props, r, h.Tplaststr.toDouble());
    const double Prw = wallPrandtl(props, r, Tw);
    double dT = Num(h.TrbP.toDouble()) - tWall;
    storeLatentHeat(*this, props, r, h.TrbP.toDouble(), h.xx(4).toDouble(), tWall);
    storeArchimedes(*this, h.HustPl.toDouble(), k::gArchimedesShell, h.Dtrubo);
    const float Ar0 = Ar;
    storeK32(*this, dT);

    if (MetodaP > k::fixedCoefficientMethod) MetodaP = k::fallbackMethod;
    const bool fixed = MetodaP == k::fixedCoefficientMethod;
    const auto takeFixedCoefficient = [&] {
        h.NuP = Num(h.AlfaoK.toDouble()) * h.Dtrubo / Vodko;
        h.Alfao = h.AlfaoK;
    };

    if (h.Natok == 0) {
        // Number of baffles nb, at least 1, from the single-precision ratio L / dPrep.
        double nb = std::floor(chk::single(Num(h.L) / h.dPrep) - Num(1.0));
        if (nb < 1.0) nb = 1.0;
        // Condensate loading per tube length [kg/s/m] of the trial flow.
        const double Gamma = Num(h.xx(2).toDouble()) / h.L / h.Ntrub * nb;
        Reko = Num(Gamma) / Viskko;
        if (fixed) {
            takeFixedCoefficient();
        } else if (MetodaP >= 1) {
            if (MetodaP == 1) {
                h.NuP = loadingNusselt(*this, h.Dtrubo, 0.955, Gamma);
            } else if (MetodaP == 2) {
                if (dT < 0.0) dT = 3.0;
                const double group = Num(filmGroup(*this)) * dHvkor / Viskko / h.Dtrubo / dT;
                h.NuP = Num(h.Dtrubo) / Vodko * 0.725 * chk::pow(Num(group), 0.25);
            } else {
                h.NuP = archimedesNusselt(0.724, Num(Ar) * Prko * K32, Prko, Prw);
            }
            // Nusselt's rule for NstredL rows of tubes in the direction of the flow: Nu N^-0.25.
            h.NuP = Num(h.NuP.toDouble()) / chk::pow(Num(h.NstredL), 0.25);
            h.Alfao = Num(h.NuP.toDouble()) * Vodko / h.Dtrubo;
            h.Alfao = Num(h.Alfao.toDouble()) * vapourVelocityFactor(*this, h, props, r, dT);
        }
    } else {
        // Condensate loading of the tube perimeter [kg/s/m] of the trial flow; the Archimedes
        // number on the tube length.
        const double Gamma = Num(h.xx(2).toDouble()) / h.Dtrubo / k::pi / h.Ntrub;
        Reko = Num(Gamma) / Viskko;
        Ar = Num(Ar0) * cube(Num(h.L) / h.Dtrubo);
        switch (MetodaP) {
        case 1:
            h.NuP = loadingNusselt(*this, h.Dtrubo, 0.926, Gamma);
            break;
        case 2:
            dT = Num(h.TrbP.toDouble()) - tWall;
            if (dT < 0.0) dT = 3.0;
            h.NuP = verticalDifferenceNusselt(*this, h.Dtrubo, h.L, dT);
            break;
        case 3: {
            const double NuL = archimedesNusselt(1.13, Num(Ar) * Prko * K32, Prko, Prw);
            h.Alfao = Num(NuL) * Vodko / h.L;
            h.NuP = Num(h.Alfao.toDouble()) * h.Dtrubo / Vodko;
            break;
        }
        case k::fixedCoefficientMethod:
            takeFixedCoefficient();
            break;
        default:
            break;
        }
        if (!fixed) h.Alfao = Num(h.NuP.toDouble()) * Vodko / h.Dtrubo;
    }

    if (!fixed) {
        const double sigma = props.SIGMA(heat::kelvin(h.Tplaststr.toDouble()), r).toDouble();
        h.Alfao = Num(h.Alfao.toDouble()) * waveFactor(*this, sigma, h.HustPl.toDouble());
        // Inerts at or below a mole fraction of 0.001 (in single precision) are left out.
        if (Xinert > 0.001f) {
            const double f = inertFactor(Xinert);
            h.Alfao = Num(h.Alfao.toDouble()) * f;
            h.NuP = Num(h.NuP.toDouble()) * f;
        }
    }

    h.Mezer = heat::bundleVoidage(h);
    Nuko = h.NuP;
}

} // namespace morv
