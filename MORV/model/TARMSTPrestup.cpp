#include "MORV/model/TARMST.h"

#include "MORV/model/HeatTransferCommon.h"
#include "MORV/model/MorvConstants.h"
#include "MORV/model/ProgramState.h"
#include "Platform/Checked.h"

namespace morv {

namespace chk = platform::chk;
using platform::Variant;
using platform::chk::Num;

namespace {

//! Nusselt number inside a tube [-] by the Reynolds number Re, the Prandtl number Pr, the
//! ratio dL = d / L and the viscosities of the stream and at the wall [Pa.s]; Gz = Re Pr d/L.
//!   Re < 2300, laminar:        (3.65 + 0.0668 Gz / (1 + 0.045 Gz^0.6667)) (mu / mu_w)^0.14
//!   2300..5000, Gz < 12:       3.66 (Re / 2300)^(ln Pr + 2.3)
//!   2300..5000, Gz >= 12:      21 (Pr d/L)^0.33 (Re / 2300)^(log10(L / d))
//!   Re > 5000, turbulent:      0.116 (1 + (d/L)^0.6667) (Re^0.6667 - 125) Pr^0.3333 (mu / mu_w)^0.14,
//!                              Re taken at most 1e6
double tubeNusselt(double Re, double Pr, double dL, const Variant& visk, const Variant& viskw) {
    const double Gz = Num(Re) * Pr * dL;
    const auto viscosityRatio = [&] { return chk::pow(Num(visk.toDouble()) / viskw.toDouble(), 0.14); };
    if (Re < 2300.0) {
        const double graetz = 0.0668 * Num(Gz) / (1.0 + 0.045 * chk::pow(Num(Gz), 0.6667));
        return (3.65 + Num(graetz)) * viscosityRatio();
    }
    if (Re <= 5000.0) {
        if (Gz < 12.0) return 3.66 * chk::pow(Num(Re) / 2300.0, chk::log(Num(Pr)) + 2.3);
        const double exponent = chk::log(1.0 / Num(dL)) / chk::log(10.0);
        return 21.0 * chk::pow(Num(Pr) * dL, 0.33) * chk::pow(Num(Re) / 2300.0, exponent);
    }
    const double R = Re > 1e6 ? 1e6 : Re;
    const double lengthFactor = 1.0 + chk::pow(Num(dL), 0.6667);
    return 0.116 * Num(lengthFactor) * (chk::pow(Num(R), 0.6667) - 125.0) * chk::pow(Num(Pr), 0.3333) *
           viscosityRatio();
}

//! Constants of the tube-bank correlation Nu = C Re^m Pr^0.36 q^p (Pr / Pr_w)^0.25.
struct BankConstants {
    double C;
    double m;
    double p;
};

//! The constants by the Reynolds number across the bank, the arrangement (in-line or
//! staggered) and the pitch ratio q = sL / sT.
BankConstants bankConstants(double Re, bool inLine, float q) {
    if (Re < 180.0) {
        if (inLine) return {0.52, 0.5, 0.0};
        return q < 2.0f ? BankConstants{0.6, 0.5, 0.2} : BankConstants{0.6, 0.5, 0.0};
    }
    if (Re <= 200000.0) {
        if (inLine) return {0.27, 0.63, 0.0};
        return q < 2.0f ? BankConstants{0.35, 0.6, 0.2} : BankConstants{0.4, 0.6, 0.0};
    }
    return inLine ? BankConstants{0.02, 0.84, 0.0} : BankConstants{0.021, 0.84, 0.0};
}

//! Factor of a bank of fewer than 12 rows N [-] on the Nusselt number of a deep bank:
//! N / (0.96361 N + 0.56241) above Re = 1000, else 1.0242 - 0.45541 / N.
double rowFactor(double Re, double N) {
    if (Re > 1000.0) return N / (0.96361 * Num(N) + 0.56241);
    return 1.0242 - 0.45541 / Num(N);
}

} // namespace

void TARMST::PrestupTrubky() {
    Proud& stream = Tr();
    heat::fillComposition(stream, m_rTr);
    const platform::VArray& r = m_rTr.r;
    heat::storeMeanTemperatures(*this);
    Twi = heat::innerWallTemperature(*this);

    const Variant Tw = Num(Twi.toDouble()) + k::kelvinOffset;
    ViskwTr = TrubKap ? stream.properties().ETAL(Tw, r) : stream.properties().ETAG(Tw, r);

    if (dL.toDouble() < 0.0) dL = 1e-5;
    NuT = tubeNusselt(ReT.toDouble(), PrT.toDouble(), dL.toDouble(), ViskTr, ViskwTr);
    Alfai = Num(NuT.toDouble()) * VodTr.toDouble() / Dtrubi;

    // The program's method selector rules: the model has none of its own (see ProgramState).
    if (program().Kondenzator().MetodaP == k::fixedCoefficientMethod) {
        Alfai = AlfaiK;
        NuT = Num(Alfai.toDouble()) * Dtrubi / VodTr.toDouble();
    }
}

void TARMST::PrestupPlast() {
    Proud& stream = Pl();
    heat::fillComposition(stream, m_rPl);
    const platform::VArray& r = m_rPl.r;
    Two = heat::outerWallTemperature(*this);

    // Properties at the wall temperature, of the liquid or of the gas.
    const Variant Tw = Num(Two.toDouble()) + k::kelvinOffset;
    StreamProperties& props = stream.properties();
    Variant cw;
    Variant lambdaw;
    if (PlastKap) {
        ViskwPl = props.ETAL(Tw, r);
        cw = props.CPLW(Tw, r);
        lambdaw = props.ALAL(Tw, r);
    } else {
        ViskwPl = props.ETAG(Tw, r);
        cw = props.CPGW(Tw, r);
        lambdaw = props.ALAG(Tw, r);
    }
    // The wall Prandtl number takes the mean viscosity; the wall viscosity serves the
    // pressure drop.
    const double Prw = Num(cw.toDouble()) * ViskPl.toDouble() / lambdaw.toDouble();

    const float q = chk::single(Num(sL) / sT);
    const double Re = ReP.toDouble();
    const double Pr = PrP.toDouble();
    const BankConstants c = bankConstants(Re, Uspor == 1, q);
    double Nu = c.C * chk::pow(Num(Re), c.m) * chk::pow(Num(Pr), 0.36);
    Nu = Num(Nu) * chk::pow(Num(q), c.p) * chk::pow(Num(Pr) / Prw, 0.25);
    if (NstredL < 12.0f) Nu = Num(Nu) * rowFactor(Re, NstredL);
    NuP = Nu;

    Mezer = heat::bundleVoidage(*this);
    Alfao = Num(NuP.toDouble()) * VodPl.toDouble() / Dtrubo;

    // The program's method selector rules: the model has none of its own (see ProgramState).
    if (program().Kondenzator().MetodaP == k::fixedCoefficientMethod) {
        Alfao = AlfaoK;
        NuP = Num(Alfao.toDouble()) * Dtrubo / VodPl.toDouble();
    }
}

} // namespace morv
